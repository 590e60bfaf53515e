#pragma once
// Records preview pages: opens and closes the page metafile and performs
// every drawing call on it. The viewer's public drawing operations forward
// here. No call reports failure; with no page open they draw nothing.
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Picture.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <array>
#include <string>

namespace kelvppvw {

// Module state, one instance for the component.
extern gdi::Handle glDrwHwnd;   // DC of the page metafile being recorded; 0 when none
extern std::string gsPageFile;  // page file being recorded or last shown
extern gdi::Handle ghNewFont;   // font last created by SelectPageFont
extern gdi::Handle ghOrgFont;   // font a page DC held before the first created font; captured once
extern gdi::LogFont gLogFont;   // reused by every font creation

// The drawing surface a page is recorded against (the viewer's picFullScale).
struct PageSurface {
    double widthTwips = 0;
    double heightTwips = 0;
    gdi::Handle hdc = 0; // the surface's own DC: the page's reference device
};

// What page opening needs from the viewer, which sits above this module.
struct PageRecordingHooks {
    std::function<void()> doEvents;                          // let pending window messages run once
    std::function<void(gdi::Handle)> setPrintDataObjDrwHwnd; // when a print data object exists
};
extern PageRecordingHooks gPageRecordingHooks;

// While on, a closed page is written to disk on another core while the host
// draws the next one (pages keep their order).
void SetPageFilesInBackground(bool on);
// Returns once every closed page is complete on disk; a page that could not
// be written is then remembered for TakePageWriteError.
void FinishPageFiles();

// Opens the page file `pageFile` (named by the page-file module) on `surface`.
void NewPageMetafile(const PageSurface& surface, const std::string& pageFile);
// Closes the page. Returns the picture the image control shows afterwards:
// the page just written when `show` is True and the file exists, else none.
std::shared_ptr<Picture> ClosePageMetafile(bool& show);
// The drawing calls report nothing to the host, so a page that could not be
// written (full disk, folder taken away) is remembered here: the errno of
// the first such page since the last call, 0 when every page was written.
// Such a page leaves no file behind.
int TakePageWriteError();

void SelectPageFont(gdi::Handle dc, const std::string& name, std::int16_t size, bool bold, bool italic,
                    bool underline, bool strikeOut);
gdi::Handle CreatePageFont(gdi::Handle dc, const std::string& name, std::int16_t size, bool bold, bool italic,
                           bool underline, bool strikeOut);
void RestorePageFont(gdi::Handle dc, gdi::Handle font);

// Pens, lines and boxes, on glDrwHwnd.
void SetPagePen(std::int32_t style, gdi::ColorRef color);
void MovePageTo(std::int32_t x, std::int32_t y);
void LinePageTo(std::int32_t x, std::int32_t y);
void DrawPageRectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
// Outline through (x, y), (x2, y), (x2, y2), (x, y2), (x, y), from the current position.
void DrawPageBox(std::int32_t x, std::int32_t y, std::int32_t x2, std::int32_t y2);
void SetPageBackMode(std::int32_t mode);
void SetPageBackColor(gdi::ColorRef color);
// Text colour of any DC.
void SetPageTextColor(gdi::Handle dc, gdi::ColorRef color);

// Bitmaps are copied unscaled and cut to the size; icons are stretched to it;
// metafiles draw nothing. Sizes are twips, or the picture's own size with autoScale.
void DrawPictureOnPage(const Picture* pic, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                       bool autoScale);
void TextOnPage(gdi::Handle dc, std::int32_t x, std::int32_t y, const std::string& text);

// Font height for a size in points at a DC's vertical pixels per inch:
// -(size * ppi / 72), halves to even; nullopt when the product overflows 32 bits.
std::optional<std::int32_t> PageFontHeight(std::int16_t size, std::int32_t pixelsPerInch);
// The 32-byte face field: the name and a NUL, padded with spaces; longer names cut at 32 bytes.
std::array<char, 32> PageFontFaceField(const std::string& name);
// The page frame in hundredths of a millimetre for a surface measured in twips.
gdi::Rect PageFrame(double widthTwips, double heightTwips);

} // namespace kelvppvw
