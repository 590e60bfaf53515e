#pragma once

#include "settings/ViewerSettings.h"

namespace kelvppvw {

class Label;
class ListBox;
class PictureBox;
class Shape;
template <class T> class ControlArray;

// The viewer's controls that wear the configured colours.
struct ViewerColorTargets {
    Shape* shpS = nullptr;
    PictureBox* picList = nullptr;
    PictureBox* picBack = nullptr;
    ListBox* lstPage = nullptr;
    PictureBox* picCan = nullptr;
    const ControlArray<Label>* lblCP = nullptr; // elements 0 to 4
};

// Shadow in Color3; page list, page background and printing panel in Color4
// with Color5 text (and Color5 fill of the page background). Stops silently
// at the first failure.
void ApplyViewerColors(const ViewerColorTargets& targets, const ViewerSettings& settings);

} // namespace kelvppvw
