#pragma once
// The drawing calls the metafile toolkit makes, on 32-bit handles. Every call
// accepts any handle value: an unknown, stale or wrong-kind handle makes it
// fail (0, false or the documented error value) and changes nothing.
#include "platform/gdi/GdiTypes.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvppvw {
class DeviceSurface;
}

namespace kelvppvw::gdi {

// Device contexts.
Handle getScreenDC();               // a new DC on the screen; release with deleteDC
Handle createCompatibleDC(Handle dc); // memory DC holding a 1x1 bitmap
// A DC that only answers getDeviceCaps and keeps attributes: a printer's
// metrics as the printer layer measures them. Drawing on it records nothing.
Handle createDeviceDC(const DeviceCaps& caps);
bool setDeviceCaps(Handle dc, const DeviceCaps& caps);
// A window's persistent image (a picture box) as a DC. The same surface gets
// the same DC back while it lives. It answers the screen's metrics at 96 per
// inch, as a window DC does, so pages recorded against it match pages
// recorded against the screen; drawing on it lands on the image.
Handle surfaceDC(DeviceSurface& surface);
// Drops the surface's DC; called when the surface goes away.
void releaseSurfaceDC(DeviceSurface& surface);
bool deleteDC(Handle dc);
int getDeviceCaps(Handle dc, int index);

// Enhanced metafiles. `frame` is in hundredths of a millimetre (nullopt: from
// what is drawn); `description` is application name, NUL, title (the
// closing NULs are added); nullopt writes none.
Handle createEnhMetaFile(Handle referenceDc, const std::string& path, std::optional<Rect> frame,
                         std::optional<std::u16string> description);
// Finishes the file; returns a metafile handle (0 when writing failed).
Handle closeEnhMetaFile(Handle dc);
// While on, metafiles created from then on are written to disk by a thread of
// their own after closeEnhMetaFile returns (in the order closed); one that
// cannot be written leaves no file. Reading a metafile waits for it.
void setEnhMetaFilesInBackground(bool on);
// Waits until every metafile handed to that thread is on disk: 0, or the
// errno of the first that could not be written since the last call.
int finishEnhMetaFiles();
bool deleteEnhMetaFile(Handle metafile);
// Loads a file written by anyone; 0 when it is not an enhanced metafile.
Handle getEnhMetaFile(const std::string& path);
const std::vector<std::uint8_t>* enhMetaFileBits(Handle metafile);

// Objects.
Handle getStockObject(int index);
Handle createPen(int style, int width, ColorRef color);
Handle createSolidBrush(ColorRef color);
Handle createFontIndirect(const LogFont& font);
// Returns the object it replaced, or 0 on failure.
Handle selectObject(Handle dc, Handle object);
// Stock objects and objects selected into a DC are not deleted.
bool deleteObject(Handle object);
// Bitmap and icon files (BMP, ICO and the raster formats Qt reads).
Handle loadBitmapFile(const std::string& path);
Handle loadIconFile(const std::string& path);
bool objectSize(Handle bitmapOrIcon, int& width, int& height);

// Attributes. Each returns the previous value (0, CLR_INVALID or GDI_ERROR on failure).
int setBkMode(Handle dc, int mode);
ColorRef setBkColor(Handle dc, ColorRef color);
std::uint32_t setTextAlign(Handle dc, std::uint32_t align);
ColorRef setTextColor(Handle dc, ColorRef color);

// Drawing.
bool moveToEx(Handle dc, int x, int y, Point* previous);
bool lineTo(Handle dc, int x, int y);
bool rectangle(Handle dc, int left, int top, int right, int bottom);
bool polyline(Handle dc, const std::vector<Point>& points);
// From the current position through `points`; the last becomes current.
bool polylineTo(Handle dc, const std::vector<Point>& points);
// UTF-8 in; recorded as UTF-16 with one advance per character.
bool textOut(Handle dc, int x, int y, const std::string& text);
// Unscaled copy of the source DC's bitmap, cut to what the bitmap holds.
bool bitBlt(Handle dest, int x, int y, int width, int height, Handle source, int sourceX, int sourceY,
            std::uint32_t rop);
// Width or height 0: the icon's own size.
bool drawIconEx(Handle dc, int x, int y, Handle icon, int width, int height, std::uint32_t flags);

} // namespace kelvppvw::gdi
