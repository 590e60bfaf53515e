#pragma once
// Numbers of the component's resources (read with ResourceStore). No Qt here:
// the viewer looks its images up by these.
//
//   strings    101..126   the string table (114 and 115 have no text)
//   cursors    101..103   32 x 32 magnifier pointers, hot spot (11, 10)
//   pictures   201..214   toolbar images, one per button key (ImageList1)
//              301..314   the same keys' hot-tracking images (ImageList2)
//              401        the no-printer image (32 x 32)
//              501..505   the printing animation, frames 0..4 (16 x 16)
// Every picture and cursor file has a twin at twice the size, name@2x.png,
// for screens at device pixel ratio 2.
#include <array>
#include <string_view>

namespace kelvppvw::resource_ids {

// Strings.
inline constexpr int StrNoPrinterFound = 101;
inline constexpr int StrInstallFirst = 102;
inline constexpr int StrCancel = 103;
inline constexpr int StrAddPrinterStep2 = 104;
inline constexpr int StrExcessivePreview = 105;
inline constexpr int StrNumberOfPages = 106;
inline constexpr int StrPage = 107;
inline constexpr int StrPageTooSmall = 108;
inline constexpr int StrPapersize = 109;
inline constexpr int StrPrintPreview = 110;
inline constexpr int StrPrintQuality = 111;
inline constexpr int StrPrinting = 112;
inline constexpr int StrRemainingToCancel = 113;
inline constexpr int StrAddPrinterStep1 = 116;
inline constexpr int StrToStop = 117;
inline constexpr int StrUserDefined = 118;
inline constexpr int StrOK = 119;
inline constexpr int StrAutoScaleMax100 = 120;
inline constexpr int StrApply = 121;
inline constexpr int StrClickShowsZoomMenu = 122;
inline constexpr int StrDefault = 123;
inline constexpr int StrDisplayRulers = 124;
inline constexpr int StrDisplayCrossHairs = 125;
inline constexpr int StrPanByHand = 126;

// Cursors.
inline constexpr int CursorZoomIn = 101;      // magnifier with a plus
inline constexpr int CursorZoomInOut = 102;   // magnifier with plus and minus
inline constexpr int CursorZoomText = 103;    // magnifier with the letter A
inline constexpr int CursorHotX = 11;
inline constexpr int CursorHotY = 10;

// Pictures.
inline constexpr int ToolbarImageBase = 201;
inline constexpr int HotImageOffset = 100; // hot-tracking image = toolbar image + 100
inline constexpr int NoPrinterImage = 401;
inline constexpr int AnimationFrameBase = 501; // frame n (0..4) is 501 + n
inline constexpr int AnimationFrames = 5;

// Toolbar button keys in id order: key i has image 201 + i.
inline constexpr std::array<std::string_view, 14> ToolbarKeys = {
    "PrintAll", "PrintPage", "SelPages", "Printsetup", "PrinterOptions", "movefirst", "moveprev",
    "movenext", "movelast",  "zoom",     "portrait",   "landscape",  "close",          "PrintSels"};

// The image id of a button key (exact spelling), 0 for a key without one.
constexpr int ToolbarImageId(std::string_view key)
{
    for (std::size_t i = 0; i < ToolbarKeys.size(); ++i)
        if (ToolbarKeys[i] == key)
            return ToolbarImageBase + int(i);
    return 0;
}

constexpr int HotImageId(std::string_view key)
{
    const int id = ToolbarImageId(key);
    return id ? id + HotImageOffset : 0;
}

} // namespace kelvppvw::resource_ids
