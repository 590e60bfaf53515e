#include "platform/gdi/Gdi.h"

#include "platform/gdi/BackgroundFileWriter.h"
#include "platform/gdi/DibCodec.h"
#include "platform/gdi/EmfRecordType.h"
#include "platform/gdi/GdiImages.h"
#include "platform/gdi/HandleTable.h"
#include "platform/gdi/QtRuntime.h"
#include "platform/gdi/RegularFile.h"
#include "platform/gdi/SurfacePaint.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_map>
#include <utility>

#include <unistd.h>

namespace kelvppvw::gdi {
namespace {

HandleTable& table()
{
    return HandleTable::instance();
}

DeviceCaps screenCaps()
{
    QtRuntime::ensure();
    DeviceCaps caps;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize size = screen->size();
        if (size.width() > 0 && size.height() > 0) {
            caps.horzRes = size.width();
            caps.vertRes = size.height();
        }
    }
    // Pages are laid out at 96 pixels per inch (15 twips per pixel) whatever
    // the monitor, so that a page records the same on every machine.
    caps.horzSize = int(std::lround(caps.horzRes * 25.4 / caps.logPixelsX));
    caps.vertSize = int(std::lround(caps.vertRes * 25.4 / caps.logPixelsY));
    return caps;
}

std::unique_ptr<DeviceContext> freshDc(DcKind kind, const DeviceCaps& caps)
{
    auto dc = std::make_unique<DeviceContext>();
    dc->kind = kind;
    dc->caps = caps;
    dc->pen = table().stock(BLACK_PEN);
    dc->brush = table().stock(WHITE_BRUSH);
    dc->font = table().stock(SYSTEM_FONT);
    for (Handle h : {dc->pen, dc->brush, dc->font})
        table().object(h)->selectedIn++;
    if (kind == DcKind::Memory) {
        dc->bitmap = table().defaultBitmap();
        table().object(dc->bitmap)->selectedIn++;
    }
    return dc;
}

void releaseSelections(DeviceContext& dc)
{
    for (Handle h : {dc.pen, dc.brush, dc.font, dc.bitmap})
        if (GdiObject* o = table().object(h))
            o->selectedIn--;
}

EmfWriter* writerOf(DeviceContext* dc)
{
    return dc && dc->kind == DcKind::Metafile && dc->writer ? dc->writer.get() : nullptr;
}

Rect normalized(int left, int top, int right, int bottom)
{
    return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

std::u16string toUtf16(const QString& s)
{
    return std::u16string(reinterpret_cast<const char16_t*>(s.utf16()), std::size_t(s.size()));
}

// The 32-byte ANSI face field as the 32 UTF-16 units a wide font record holds.
std::u16string faceField(const std::array<char, 32>& field)
{
    std::u16string out = toUtf16(QString::fromUtf8(field.data(), qsizetype(field.size())));
    out.resize(32, u'\0');
    return out;
}

// Creates the object in the metafile the first time it is selected there.
std::uint32_t slotFor(DeviceContext& dc, Handle h, const GdiObject& o)
{
    if (o.isStock())
        return EMF_STOCK_OBJECT | std::uint32_t(o.stockIndex);
    if (auto it = dc.objectSlots.find(h); it != dc.objectSlots.end())
        return it->second;
    const std::uint32_t slot = dc.takeSlot();
    dc.objectSlots.emplace(h, slot);
    switch (o.kind) {
    case ObjectKind::Pen: dc.writer->writeCreatePen(slot, o.style, o.penWidth, o.color); break;
    case ObjectKind::Brush: dc.writer->writeCreateBrush(slot, o.style, o.color, o.hatch); break;
    case ObjectKind::Font: dc.writer->writeCreateFont(slot, o.logFont, faceField(o.logFont.faceName)); break;
    default: break;
    }
    return slot;
}

Handle* selectionSlot(DeviceContext& dc, ObjectKind kind)
{
    switch (kind) {
    case ObjectKind::Pen: return &dc.pen;
    case ObjectKind::Brush: return &dc.brush;
    case ObjectKind::Font: return &dc.font;
    case ObjectKind::Bitmap: return dc.kind == DcKind::Memory ? &dc.bitmap : nullptr;
    default: return nullptr;
    }
}

} // namespace

Handle getScreenDC()
{
    return table().addDc(freshDc(DcKind::Screen, screenCaps()));
}

Handle createCompatibleDC(Handle dc)
{
    DeviceCaps caps;
    if (dc == 0)
        caps = screenCaps();
    else if (DeviceContext* d = table().dc(dc))
        caps = d->caps;
    else
        return 0;
    return table().addDc(freshDc(DcKind::Memory, caps));
}

namespace {
std::unordered_map<DeviceSurface*, Handle>& surfaceDcs()
{
    static std::unordered_map<DeviceSurface*, Handle> dcs;
    return dcs;
}
} // namespace

Handle surfaceDC(DeviceSurface& surface)
{
    Handle& h = surfaceDcs()[&surface];
    if (h && table().dc(h))
        return h;
    auto dc = freshDc(DcKind::Surface, screenCaps());
    dc->surface = &surface;
    h = table().addDc(std::move(dc));
    return h;
}

void releaseSurfaceDC(DeviceSurface& surface)
{
    const auto it = surfaceDcs().find(&surface);
    if (it == surfaceDcs().end())
        return;
    if (DeviceContext* d = table().dc(it->second); d && d->surface == &surface) {
        releaseSelections(*d);
        table().takeDc(it->second);
    }
    surfaceDcs().erase(it);
}

Handle createDeviceDC(const DeviceCaps& caps)
{
    return table().addDc(freshDc(DcKind::Information, caps));
}

bool setDeviceCaps(Handle dc, const DeviceCaps& caps)
{
    DeviceContext* d = table().dc(dc);
    if (!d || d->kind != DcKind::Information)
        return false;
    d->caps = caps;
    return true;
}

bool deleteDC(Handle dc)
{
    DeviceContext* d = table().dc(dc);
    if (!d || d->kind == DcKind::Metafile)
        return false;
    releaseSelections(*d);
    table().takeDc(dc);
    return true;
}

int getDeviceCaps(Handle dc, int index)
{
    const DeviceContext* d = table().dc(dc);
    if (!d)
        return 0;
    const DeviceCaps& c = d->caps;
    switch (index) {
    case HORZSIZE: return c.horzSize;
    case VERTSIZE: return c.vertSize;
    case HORZRES: return c.horzRes;
    case VERTRES: return c.vertRes;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case LOGPIXELSX: return c.logPixelsX;
    case LOGPIXELSY: return c.logPixelsY;
    case PHYSICALWIDTH: return c.physicalWidth;
    case PHYSICALHEIGHT: return c.physicalHeight;
    case PHYSICALOFFSETX: return c.physicalOffsetX;
    case PHYSICALOFFSETY: return c.physicalOffsetY;
    default: return 0;
    }
}

namespace {
EmfWriter::Delivery gDelivery = EmfWriter::Delivery::Now;
}

void setEnhMetaFilesInBackground(bool on)
{
    gDelivery = on ? EmfWriter::Delivery::Background : EmfWriter::Delivery::Now;
}

int finishEnhMetaFiles()
{
    return BackgroundFileWriter::instance().finish();
}

Handle createEnhMetaFile(Handle referenceDc, const std::string& path, std::optional<Rect> frame,
                         std::optional<std::u16string> description)
{
    DeviceCaps caps;
    if (referenceDc == 0)
        caps = screenCaps();
    else if (const DeviceContext* ref = table().dc(referenceDc))
        caps = ref->caps;
    else
        return 0;
    auto dc = freshDc(DcKind::Metafile, caps);
    dc->writer = std::make_unique<EmfWriter>();
    const EmfWriter::Reference reference{caps.horzRes, caps.vertRes, caps.horzSize, caps.vertSize};
    if (!dc->writer->open(path, reference, frame, std::move(description), gDelivery)) {
        releaseSelections(*dc);
        return 0;
    }
    return table().addDc(std::move(dc));
}

Handle closeEnhMetaFile(Handle dc)
{
    DeviceContext* d = table().dc(dc);
    if (!writerOf(d))
        return 0;
    auto owned = table().takeDc(dc);
    releaseSelections(*owned);
    if (!owned->writer->close())
        return 0;
    // The file is what matters; the handle only has to be released.
    auto o = std::make_unique<GdiObject>();
    o->kind = ObjectKind::EnhMetafile;
    return table().addObject(std::move(o));
}

bool deleteEnhMetaFile(Handle metafile)
{
    GdiObject* o = table().object(metafile);
    if (!o || o->kind != ObjectKind::EnhMetafile)
        return false;
    table().removeObject(metafile);
    return true;
}

namespace {

// Opens path through QFile, only if it is a regular file.
bool openRegularFile(const std::string& path, QFile& file)
{
    const int fd = openRegularForReading(path);
    if (fd < 0)
        return false;
    if (!file.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

} // namespace

Handle getEnhMetaFile(const std::string& path)
{
    BackgroundFileWriter::instance().waitFor(path);
    QFile file;
    if (!openRegularFile(path, file))
        return 0;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 88 || std::memcmp(bytes.constData(), "\x01\0\0\0", 4) != 0 ||
        std::memcmp(bytes.constData() + 40, " EMF", 4) != 0)
        return 0;
    auto o = std::make_unique<GdiObject>();
    o->kind = ObjectKind::EnhMetafile;
    o->metafile.assign(bytes.begin(), bytes.end());
    return table().addObject(std::move(o));
}

const std::vector<std::uint8_t>* enhMetaFileBits(Handle metafile)
{
    const GdiObject* o = table().object(metafile);
    return o && o->kind == ObjectKind::EnhMetafile ? &o->metafile : nullptr;
}

Handle getStockObject(int index)
{
    return table().stock(index);
}

Handle createPen(int style, int width, ColorRef color)
{
    if (style < PS_SOLID || style > PS_INSIDEFRAME)
        return 0;
    auto o = std::make_unique<GdiObject>();
    o->kind = ObjectKind::Pen;
    o->style = std::uint32_t(style);
    o->penWidth = std::max(0, width);
    o->color = color & 0x00FFFFFF;
    return table().addObject(std::move(o));
}

Handle createSolidBrush(ColorRef color)
{
    auto o = std::make_unique<GdiObject>();
    o->kind = ObjectKind::Brush;
    o->color = color & 0x00FFFFFF;
    return table().addObject(std::move(o));
}

Handle createFontIndirect(const LogFont& font)
{
    auto o = std::make_unique<GdiObject>();
    o->kind = ObjectKind::Font;
    o->logFont = font;
    return table().addObject(std::move(o));
}

Handle selectObject(Handle dc, Handle object)
{
    DeviceContext* d = table().dc(dc);
    GdiObject* o = table().object(object);
    if (!d || !o)
        return 0;
    Handle* slot = selectionSlot(*d, o->kind);
    if (!slot)
        return 0;
    // A bitmap lives in one memory DC at a time.
    if (o->kind == ObjectKind::Bitmap && o->selectedIn > 0 && *slot != object && !o->isStock())
        return 0;
    if (EmfWriter* w = writerOf(d))
        w->writeObjectIndex(EMR_SELECTOBJECT, slotFor(*d, object, *o));
    const Handle previous = *slot;
    if (GdiObject* old = table().object(previous))
        old->selectedIn--;
    o->selectedIn++;
    *slot = object;
    return previous;
}

bool deleteObject(Handle object)
{
    GdiObject* o = table().object(object);
    if (!o || o->kind == ObjectKind::EnhMetafile)
        return false;
    if (o->isStock())
        return true;
    if (o->selectedIn > 0)
        return false;
    table().forEachDc([&](Handle, DeviceContext& dc) {
        auto it = dc.objectSlots.find(object);
        if (it == dc.objectSlots.end())
            return;
        if (dc.writer)
            dc.writer->writeObjectIndex(EMR_DELETEOBJECT, it->second);
        dc.slotUsed[it->second] = false;
        dc.objectSlots.erase(it);
    });
    table().removeObject(object);
    return true;
}

Handle loadBitmapFile(const std::string& path)
{
    QtRuntime::ensure();
    QFile file;
    if (!openRegularFile(path, file))
        return 0;
    QImageReader reader(&file);
    return createBitmapFromImage(reader.read());
}

Handle loadIconFile(const std::string& path)
{
    QtRuntime::ensure();
    QFile file;
    if (!openRegularFile(path, file))
        return 0;
    QImageReader reader(&file, "ico");
    return createIconFromImage(reader.read());
}

bool objectSize(Handle h, int& width, int& height)
{
    const QImage image = objectImage(h);
    if (image.isNull())
        return false;
    width = image.width();
    height = image.height();
    return true;
}

int setBkMode(Handle dc, int mode)
{
    DeviceContext* d = table().dc(dc);
    if (!d || (mode != TRANSPARENT && mode != OPAQUE))
        return 0;
    if (EmfWriter* w = writerOf(d))
        w->writeDword(EMR_SETBKMODE, std::uint32_t(mode));
    return std::exchange(d->bkMode, mode);
}

ColorRef setBkColor(Handle dc, ColorRef color)
{
    DeviceContext* d = table().dc(dc);
    if (!d)
        return CLR_INVALID;
    if (EmfWriter* w = writerOf(d))
        w->writeDword(EMR_SETBKCOLOR, color);
    return std::exchange(d->bkColor, color);
}

std::uint32_t setTextAlign(Handle dc, std::uint32_t align)
{
    DeviceContext* d = table().dc(dc);
    if (!d)
        return GDI_ERROR;
    if (EmfWriter* w = writerOf(d))
        w->writeDword(EMR_SETTEXTALIGN, align);
    return std::exchange(d->textAlign, align);
}

ColorRef setTextColor(Handle dc, ColorRef color)
{
    DeviceContext* d = table().dc(dc);
    if (!d)
        return CLR_INVALID;
    if (EmfWriter* w = writerOf(d))
        w->writeDword(EMR_SETTEXTCOLOR, color);
    return std::exchange(d->textColor, color);
}

bool moveToEx(Handle dc, int x, int y, Point* previous)
{
    DeviceContext* d = table().dc(dc);
    if (!d)
        return false;
    if (previous)
        *previous = d->current;
    if (EmfWriter* w = writerOf(d))
        w->writePoint(EMR_MOVETOEX, {x, y});
    d->current = {x, y};
    return true;
}

bool lineTo(Handle dc, int x, int y)
{
    DeviceContext* d = table().dc(dc);
    if (!d)
        return false;
    if (EmfWriter* w = writerOf(d)) {
        w->writePoint(EMR_LINETO, {x, y});
        w->includeBounds(normalized(d->current.x, d->current.y, x, y));
    }
    if (SurfacePaint s(d); s.active())
        s.painter().drawLine(QPoint(d->current.x, d->current.y), QPoint(x, y));
    d->current = {x, y};
    return true;
}

bool rectangle(Handle dc, int left, int top, int right, int bottom)
{
    DeviceContext* d = table().dc(dc);
    if (!d)
        return false;
    if (EmfWriter* w = writerOf(d)) {
        const Rect r = normalized(left, top, right, bottom);
        w->writeRectangle({left, top, right, bottom});
        // The outline lies inside the rectangle: right and bottom edges excluded.
        w->includeBounds({r.left, r.top, std::max(r.left, r.right - 1), std::max(r.top, r.bottom - 1)});
    }
    if (SurfacePaint s(d); s.active()) {
        const Rect r = normalized(left, top, right, bottom);
        s.painter().drawRect(QRect(r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1));
    }
    return true;
}

bool polyline(Handle dc, const std::vector<Point>& points)
{
    DeviceContext* d = table().dc(dc);
    if (!d || points.size() < 2)
        return false;
    if (EmfWriter* w = writerOf(d)) {
        w->writePoly(EMR_POLYLINE16, EMR_POLYLINE, points);
        for (const Point& p : points)
            w->includeBounds({p.x, p.y, p.x, p.y});
    }
    if (SurfacePaint s(d); s.active()) {
        QPolygon line;
        for (const Point& p : points)
            line << QPoint(p.x, p.y);
        s.painter().drawPolyline(line);
    }
    return true;
}

bool polylineTo(Handle dc, const std::vector<Point>& points)
{
    DeviceContext* d = table().dc(dc);
    if (!d || points.empty())
        return false;
    if (EmfWriter* w = writerOf(d)) {
        w->writePoly(EMR_POLYLINETO16, EMR_POLYLINETO, points);
        w->includeBounds({d->current.x, d->current.y, d->current.x, d->current.y});
        for (const Point& p : points)
            w->includeBounds({p.x, p.y, p.x, p.y});
    }
    if (SurfacePaint s(d); s.active()) {
        QPolygon line;
        line << QPoint(d->current.x, d->current.y);
        for (const Point& p : points)
            line << QPoint(p.x, p.y);
        s.painter().drawPolyline(line);
    }
    d->current = points.back();
    return true;
}

bool textOut(Handle dc, int x, int y, const std::string& text)
{
    DeviceContext* d = table().dc(dc);
    EmfWriter* w = writerOf(d);
    if (!w && !(d && d->kind == DcKind::Surface))
        return false;
    GdiObject* font = table().object(d->font);
    if (!font)
        return false;
    const std::u16string wide = toUtf16(QString::fromUtf8(text.data(), qsizetype(text.size())));
    const FontMetrics& metrics = font->fontMetrics();
    const std::vector<std::int32_t> dx = metrics.advances(wide);
    std::int64_t total = 0;
    for (std::int32_t a : dx)
        total += a;

    const bool updateCp = d->textAlign & TA_UPDATECP;
    const Point reference = updateCp ? d->current : Point{x, y};
    std::int64_t left = reference.x;
    switch (d->textAlign & TA_CENTER) {
    case TA_RIGHT: left -= total; break;
    case TA_CENTER: left -= total / 2; break;
    default: break;
    }
    const auto ascent = std::int64_t(std::ceil(metrics.ascent()));
    const auto descent = std::int64_t(std::ceil(metrics.descent()));
    std::int64_t top = reference.y;
    switch (d->textAlign & TA_BASELINE) {
    case TA_BASELINE: top -= ascent; break;
    case TA_BOTTOM: top -= ascent + descent; break;
    default: break;
    }
    auto clamp32 = [](std::int64_t v) { return std::int32_t(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX)); };
    const Rect bounds = total > 0 ? Rect{clamp32(left), clamp32(top), clamp32(left + total - 1),
                                         clamp32(top + ascent + descent - 1)}
                                  : Rect{0, 0, -1, -1};
    const float xScale = float(100.0 * d->caps.horzSize / d->caps.horzRes);
    const float yScale = float(100.0 * d->caps.vertSize / d->caps.vertRes);
    if (w)
        w->writeExtTextOutW(bounds, reference, wide, dx, 0, Rect{0, 0, -1, -1}, xScale, yScale);
    else if (SurfacePaint s(d); s.active() && total > 0) {
        QPainter& p = s.painter();
        if (d->bkMode == OPAQUE)
            p.fillRect(QRectF(double(left), double(top), double(total), double(ascent + descent)),
                       SurfacePaint::colour(d->bkColor));
        p.setFont(metrics.font());
        p.setPen(SurfacePaint::colour(d->textColor));
        // One advance per character, as recorded pages place them.
        double at = double(left);
        for (std::size_t i = 0; i < wide.size(); ++i) {
            p.drawText(QPointF(at, double(top + ascent)), QString(QChar(wide[i])));
            at += dx[i];
        }
    }
    if (updateCp) {
        if ((d->textAlign & TA_CENTER) == 0)
            d->current.x = clamp32(reference.x + total);
        else if ((d->textAlign & TA_CENTER) == TA_RIGHT)
            d->current.x = clamp32(reference.x - total);
    }
    return true;
}

bool bitBlt(Handle dest, int x, int y, int width, int height, Handle source, int sourceX, int sourceY,
            std::uint32_t rop)
{
    DeviceContext* d = table().dc(dest);
    DeviceContext* s = table().dc(source);
    EmfWriter* w = writerOf(d);
    const bool surface = d && d->kind == DcKind::Surface;
    if ((!w && !surface) || !s || s->kind != DcKind::Memory || width <= 0 || height <= 0)
        return false;
    const GdiObject* bitmap = table().object(s->bitmap);
    if (!bitmap)
        return false;
    // Only what the bitmap holds is copied: the requested size cuts it, never stretches it.
    const QRect area = QRect(sourceX, sourceY, width, height).intersected(bitmap->image.rect());
    if (area.isEmpty())
        return true;
    const int dx = x + (area.left() - sourceX);
    const int dy = y + (area.top() - sourceY);
    if (!w) {
        if (SurfacePaint paint(d); paint.active())
            paint.painter().drawImage(QPoint(dx, dy), bitmap->image, area);
        return true;
    }
    const DibCodec::Encoded dib = DibCodec::encode24(bitmap->image, area);
    const Rect destRect{dx, dy, dx + area.width(), dy + area.height()};
    const Rect bounds{dx, dy, dx + area.width() - 1, dy + area.height() - 1};
    w->writeBitBlt(bounds, destRect, {0, 0}, rop, dib.info, dib.bits);
    return true;
}

bool drawIconEx(Handle dc, int x, int y, Handle icon, int width, int height, std::uint32_t flags)
{
    DeviceContext* d = table().dc(dc);
    EmfWriter* w = writerOf(d);
    const GdiObject* o = table().object(icon);
    const bool surface = d && d->kind == DcKind::Surface;
    if ((!w && !surface) || !o || o->kind != ObjectKind::Icon || width < 0 || height < 0)
        return false;
    const QImage& image = o->image;
    if (width == 0)
        width = image.width();
    if (height == 0)
        height = image.height();
    if (!w) {
        if (SurfacePaint paint(d); paint.active() && (flags & DI_IMAGE))
            paint.painter().drawImage(QRect(x, y, width, height), image);
        return true;
    }
    const Rect dest{x, y, x + width, y + height};
    const Rect bounds{x, y, x + width - 1, y + height - 1};
    const Rect src{0, 0, image.width(), image.height()};
    if (flags & DI_MASK) {
        const DibCodec::Encoded mask = DibCodec::encodeMask(image);
        w->writeStretchDIBits(bounds, dest, src, (flags & DI_IMAGE) ? SRCAND : SRCCOPY, mask.info, mask.bits);
    }
    if (flags & DI_IMAGE) {
        const DibCodec::Encoded colour = DibCodec::encodeIconColour(image);
        w->writeStretchDIBits(bounds, dest, src, (flags & DI_MASK) ? SRCINVERT : SRCCOPY, colour.info, colour.bits);
    }
    return true;
}

} // namespace kelvppvw::gdi
