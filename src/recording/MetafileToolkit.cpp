#include "recording/MetafileToolkit.h"

#include "platform/automation/ErrorTrap.h"
#include "platform/automation/Variant.h"
#include "platform/gdi/Gdi.h"

#include <cerrno>
#include <cmath>
#include <filesystem>
#include <limits>
#include <utility>

namespace kelvppvw {

gdi::Handle glDrwHwnd = 0;
std::string gsPageFile;
gdi::Handle ghNewFont = 0;
gdi::Handle ghOrgFont = 0;
gdi::LogFont gLogFont;
PageRecordingHooks gPageRecordingHooks;

namespace {

// The pen SetPagePen selected last: nothing else releases it once its page closes.
gdi::Handle lastPagePen = 0;

// errno of the first page that could not be written since it was last taken.
int pageWriteError = 0;

void notePageWriteError()
{
    if (pageWriteError == 0)
        pageWriteError = errno != 0 ? errno : EIO;
}

std::int32_t roundToLong(double v)
{
    return std::int32_t(roundHalfEven(v));
}

} // namespace

gdi::Rect PageFrame(double widthTwips, double heightTwips)
{
    return {0, 0, roundToLong(widthTwips / 0.567), roundToLong(heightTwips / 0.567)};
}

std::optional<std::int32_t> PageFontHeight(std::int16_t size, std::int32_t pixelsPerInch)
{
    const std::int64_t product = std::int64_t(size) * pixelsPerInch;
    if (product > std::numeric_limits<std::int32_t>::max() || product < std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    return -roundToLong(double(product) / 72.0);
}

std::array<char, 32> PageFontFaceField(const std::string& name)
{
    std::array<char, 32> field;
    field.fill(' ');
    std::size_t n = std::min(name.size(), field.size());
    // Never leave half a UTF-8 sequence at the cut.
    if (n < name.size())
        while (n > 0 && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80)
            --n;
    std::copy_n(name.begin(), n, field.begin());
    if (n < field.size())
        field[n] = '\0';
    return field;
}

void SetPageFilesInBackground(bool on)
{
    gdi::setEnhMetaFilesInBackground(on);
}

void FinishPageFiles()
{
    if (const int error = gdi::finishEnhMetaFiles()) {
        errno = error;
        notePageWriteError();
    }
}

void NewPageMetafile(const PageSurface& surface, const std::string& pageFile)
{
    stopSilently([&] {
        const gdi::Rect frame = PageFrame(surface.widthTwips, surface.heightTwips);
        gsPageFile = pageFile;
        gdi::setBkMode(surface.hdc, gdi::TRANSPARENT);
        // Application name and picture title both empty.
        errno = 0;
        glDrwHwnd = gdi::createEnhMetaFile(surface.hdc, gsPageFile, frame, std::u16string(1, u'\0'));
        if (!glDrwHwnd)
            notePageWriteError();
        if (gPageRecordingHooks.doEvents)
            gPageRecordingHooks.doEvents();
        if (gPageRecordingHooks.setPrintDataObjDrwHwnd)
            gPageRecordingHooks.setPrintDataObjDrwHwnd(glDrwHwnd);
        gdi::setBkMode(glDrwHwnd, gdi::TRANSPARENT);
        gdi::setTextAlign(glDrwHwnd, 0);
        SelectPageFont(glDrwHwnd, "Courier New", 8, false, false, false, false);
        gdi::setTextColor(glDrwHwnd, 0);
    });
}

std::shared_ptr<Picture> ClosePageMetafile(bool& show)
{
    std::shared_ptr<Picture> shown;
    stopSilently([&] {
        RestorePageFont(glDrwHwnd, ghOrgFont);
        errno = 0;
        if (const gdi::Handle metafile = gdi::closeEnhMetaFile(glDrwHwnd))
            gdi::deleteEnhMetaFile(metafile);
        else if (glDrwHwnd)
            notePageWriteError();
        if (lastPagePen && gdi::deleteObject(lastPagePen))
            lastPagePen = 0;
        if (show)
            FinishPageFiles(); // the page just closed may still be on its way to disk
        std::error_code ec;
        if (show && std::filesystem::exists(gsPageFile, ec))
            shown = Picture::load(gsPageFile);
    });
    glDrwHwnd = 0;
    return shown;
}

int TakePageWriteError()
{
    return std::exchange(pageWriteError, 0);
}

void SelectPageFont(gdi::Handle dc, const std::string& name, std::int16_t size, bool bold, bool italic,
                    bool underline, bool strikeOut)
{
    stopSilently([&] {
        ghNewFont = CreatePageFont(dc, name, size, bold, italic, underline, strikeOut);
        if (ghOrgFont == 0) {
            ghOrgFont = gdi::selectObject(dc, ghNewFont);
        } else if (ghNewFont != 0) {
            // The font replaced is this page's previous font, or a fresh DC's stock
            // font, whose deletion is ignored.
            gdi::deleteObject(gdi::selectObject(dc, ghNewFont));
        }
    });
}

gdi::Handle CreatePageFont(gdi::Handle dc, const std::string& name, std::int16_t size, bool bold, bool italic,
                           bool underline, bool strikeOut)
{
    const std::optional<std::int32_t> height = PageFontHeight(size, gdi::getDeviceCaps(dc, gdi::LOGPIXELSY));
    if (!height)
        return 0;
    gLogFont.height = *height;
    gLogFont.weight = bold ? 700 : 400;
    gLogFont.italic = italic ? 1 : 0;
    gLogFont.underline = underline ? 1 : 0;
    gLogFont.strikeOut = strikeOut ? 1 : 0;
    gLogFont.charSet = 1;
    gLogFont.outPrecision = 0;
    gLogFont.clipPrecision = 0;
    gLogFont.quality = 0;
    gLogFont.faceName = PageFontFaceField(name);
    return gdi::createFontIndirect(gLogFont);
}

void RestorePageFont(gdi::Handle dc, gdi::Handle font)
{
    gdi::deleteObject(gdi::selectObject(dc, font));
}

void SetPagePen(std::int32_t style, gdi::ColorRef color)
{
    if (!glDrwHwnd)
        return;
    const gdi::Handle pen = gdi::createPen(style, 1, color);
    const gdi::Handle replaced = gdi::selectObject(glDrwHwnd, pen);
    if (!replaced) {
        gdi::deleteObject(pen);
        return;
    }
    gdi::deleteObject(replaced);
    lastPagePen = pen;
}

void MovePageTo(std::int32_t x, std::int32_t y)
{
    gdi::Point previous;
    gdi::moveToEx(glDrwHwnd, x, y, &previous);
}

void LinePageTo(std::int32_t x, std::int32_t y)
{
    gdi::lineTo(glDrwHwnd, x, y);
}

void DrawPageRectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    gdi::rectangle(glDrwHwnd, x1, y1, x2, y2);
}

void DrawPageBox(std::int32_t x, std::int32_t y, std::int32_t x2, std::int32_t y2)
{
    gdi::polylineTo(glDrwHwnd, {{x, y}, {x2, y}, {x2, y2}, {x, y2}, {x, y}});
}

void SetPageBackMode(std::int32_t mode)
{
    gdi::setBkMode(glDrwHwnd, mode);
}

void SetPageBackColor(gdi::ColorRef color)
{
    gdi::setBkColor(glDrwHwnd, color);
}

void SetPageTextColor(gdi::Handle dc, gdi::ColorRef color)
{
    gdi::setTextColor(dc, color);
}

void DrawPictureOnPage(const Picture* pic, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                       bool autoScale)
{
    if (!pic || !glDrwHwnd)
        return;
    stopSilently([&] {
        const gdi::Handle memory = gdi::createCompatibleDC(glDrwHwnd);
        if (!memory)
            return;
        const gdi::Handle replaced = gdi::selectObject(memory, pic->handle());
        const std::int32_t w = roundToLong((autoScale ? pic->width() : width) / 15.0);
        const std::int32_t h = roundToLong((autoScale ? pic->height() : height) / 15.0);
        switch (pic->type()) {
        case ptBitmap: gdi::bitBlt(glDrwHwnd, x, y, w, h, memory, 0, 0, gdi::SRCCOPY); break;
        case ptIcon: gdi::drawIconEx(glDrwHwnd, x, y, pic->handle(), w, h, gdi::DI_NORMAL); break;
        default: break; // no picture, metafiles: nothing is drawn
        }
        gdi::selectObject(memory, replaced);
        gdi::deleteDC(memory);
    });
}

void TextOnPage(gdi::Handle dc, std::int32_t x, std::int32_t y, const std::string& text)
{
    gdi::textOut(dc, x, y, text);
}

} // namespace kelvppvw
