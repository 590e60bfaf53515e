#pragma once

#include "platform/automation/DispatchObject.h"

#include <array>
#include <string>
#include <string_view>

namespace kelvppvw {

// What the component asks of a host's print data object. It creates the
// object by class name for one page production, writes these members in this
// order (properties are written, never read) and then calls
// PrintDataObjText(surface, text), inside which the object draws every page by
// calling back the viewer it received as Parent:
//   PagesStart or PageAdded (page number), CreateNewEMF, drawing operations on
//   the handle in DrwHwnd, CloseOnOutEMF, and last PagesComplete(page count).
// It stops producing pages once CannedPT becomes True, and reports failure by
// raising an error; the pages already written are kept.
inline constexpr std::array<std::string_view, 17> PrintDataObjectMembers = {
    "SETUPKEYASGLOBAL", // string, only when the host gave a setup key
    "Parent",           // object: the viewer with its drawing operations
    "AreGraphics",      // Boolean, only when the Graphics collection has items
    "DrwHwnd",          // 32-bit page drawing handle
    "PrntINI",          "AppName", "PrntSec", "SetsSec", "InnitFileName", "InnitFilePath", // strings
    "MarginRight",      "MarginBottom", "MarginLeft", "MarginTop", // printer margins, twips
    "picPreView",       // object: the viewer's screen drawing surface
    "PrintDataObjText", // method (surface, text), both by reference
    "CannedPT",         // Boolean, set True when the user presses Esc
};

// A convenient base for a host's print data object: every member above is
// declared; the host overrides PrintDataObjText and reads the fields.
class PrintDataObject : public DispatchObject {
public:
    PrintDataObject();

    std::string SETUPKEYASGLOBAL;
    ObjectRef Parent;
    bool AreGraphics = false;
    int32_t DrwHwnd = 0;
    std::string PrntINI, AppName, PrntSec, SetsSec, InnitFileName, InnitFilePath;
    int32_t MarginRight = 0, MarginBottom = 0, MarginLeft = 0, MarginTop = 0;
    ObjectRef picPreView;
    bool CannedPT = false;

protected:
    // Draws every page; surface and text are by reference.
    virtual void PrintDataObjText(Variant& surface, Variant& text) = 0;
};

} // namespace kelvppvw
