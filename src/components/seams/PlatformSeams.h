#pragma once
// Connects the platform layers, which were built without seeing each other,
// and makes the component's outside controls creatable by class name.

namespace kelvppvw {

// Installs, once per process:
//  - picture boxes' hDC: a gdi DC on the box's persistent image;
//  - the printer's metafile player (the gdi EMF player), its resolver for
//    gdi picture objects in PaintPicture, and its hDC as a gdi DC answering
//    the printer's metrics;
// and on every call registers the classes kelvRule.Ruler, kelvRule.Font,
// kvxBFC.BrowseForColor and the printer-setup class in the process's class
// registry when missing.
// The viewer and the component's entry points call it before they need any
// of these; no Qt header is involved.
void InstallPlatformSeams();

} // namespace kelvppvw
