#include "platform/gdi/EmfPlayer.h"

#include "platform/gdi/DibCodec.h"
#include "platform/gdi/EmfFileInfo.h"
#include "platform/gdi/EmfPlaybackState.h"
#include "platform/gdi/EmfRecord.h"
#include "platform/gdi/EmfRecordType.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/QtRuntime.h"

#include <QPainter>
#include <QRectF>

#include <array>
#include <cmath>
#include <numbers>

namespace kelvppvw::gdi {
namespace {

using State = EmfPlaybackState;
using Handler = void (*)(State&, const EmfRecord&);

QPointF pointAt(const EmfRecord& r, std::size_t at)
{
    return QPointF(r.i32(at), r.i32(at + 4));
}

QRectF rectAt(const EmfRecord& r, std::size_t at)
{
    const double l = r.i32(at), t = r.i32(at + 4), rr = r.i32(at + 8), b = r.i32(at + 12);
    return QRectF(QPointF(l, t), QPointF(rr, b));
}

// A GDI box (left, top, right, bottom) whose right and bottom edges are not drawn.
QRectF boxAt(const EmfRecord& r, std::size_t at)
{
    QRectF box = rectAt(r, at).normalized();
    box.setWidth(std::max(0.0, box.width() - 1));
    box.setHeight(std::max(0.0, box.height() - 1));
    return box;
}

// Reads `count` points of 2×i16 or 2×i32 at `at`; false when they do not fit.
bool readPoints(const EmfRecord& r, std::size_t at, std::uint64_t count, bool small, std::vector<QPointF>& out)
{
    const std::uint64_t each = small ? 4 : 8;
    if (count > r.size() / each || !r.has(at, count * each))
        return false;
    out.reserve(std::size_t(count));
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::size_t p = at + std::size_t(i * each);
        out.emplace_back(small ? QPointF(r.i16(p), r.i16(p + 2)) : QPointF(r.i32(p), r.i32(p + 4)));
    }
    return true;
}

template <bool Small>
bool polyPoints(const EmfRecord& r, std::vector<QPointF>& points)
{
    return r.has(0, 28) && readPoints(r, 28, r.u32(24), Small, points);
}

template <bool Small, int Kind>
void poly(State& s, const EmfRecord& r)
{
    std::vector<QPointF> points;
    if (!polyPoints<Small>(r, points))
        return;
    switch (Kind) {
    case 0: s.polyline(points, false); break;
    case 1: s.polyline(points, true); break;
    case 2: s.polygon(points); break;
    case 3: s.polyBezier(points, false); break;
    case 4: s.polyBezier(points, true); break;
    }
}

template <bool Small, bool Closed>
void polyPoly(State& s, const EmfRecord& r)
{
    if (!r.has(0, 32))
        return;
    const std::uint64_t polys = r.u32(24);
    const std::uint64_t total = r.u32(28);
    if (polys > r.size() / 4 || !r.has(32, polys * 4))
        return;
    std::uint64_t sum = 0;
    for (std::uint64_t i = 0; i < polys; ++i)
        sum += r.u32(32 + std::size_t(i) * 4);
    if (sum != total)
        return;
    std::vector<QPointF> points;
    if (!readPoints(r, 32 + std::size_t(polys) * 4, total, Small, points))
        return;
    std::vector<std::vector<QPointF>> shapes;
    std::size_t at = 0;
    for (std::uint64_t i = 0; i < polys; ++i) {
        const std::size_t n = r.u32(32 + std::size_t(i) * 4);
        shapes.emplace_back(points.begin() + std::ptrdiff_t(at), points.begin() + std::ptrdiff_t(at + n));
        at += n;
    }
    s.polyPolygon(shapes, Closed);
}

void setWindowExt(State& s, const EmfRecord& r)
{
    if (r.has(0, 16) && r.i32(8) != 0 && r.i32(12) != 0) {
        s.attributes().windowExt = QSizeF(r.i32(8), r.i32(12));
        s.mappingChanged();
    }
}

void setViewportExt(State& s, const EmfRecord& r)
{
    if (r.has(0, 16) && r.i32(8) != 0 && r.i32(12) != 0) {
        s.attributes().viewportExt = QSizeF(r.i32(8), r.i32(12));
        s.mappingChanged();
    }
}

void setWindowOrg(State& s, const EmfRecord& r)
{
    if (r.has(0, 16)) {
        s.attributes().windowOrg = pointAt(r, 8);
        s.mappingChanged();
    }
}

void setViewportOrg(State& s, const EmfRecord& r)
{
    if (r.has(0, 16)) {
        s.attributes().viewportOrg = pointAt(r, 8);
        s.mappingChanged();
    }
}

void scaleExtent(QSizeF& ext, const EmfRecord& r)
{
    if (!r.has(0, 24) || r.i32(12) == 0 || r.i32(20) == 0)
        return;
    const double w = ext.width() * r.i32(8) / r.i32(12);
    const double h = ext.height() * r.i32(16) / r.i32(20);
    if (w != 0 && h != 0)
        ext = QSizeF(w, h);
}

void scaleViewportExt(State& s, const EmfRecord& r)
{
    scaleExtent(s.attributes().viewportExt, r);
    s.mappingChanged();
}

void scaleWindowExt(State& s, const EmfRecord& r)
{
    scaleExtent(s.attributes().windowExt, r);
    s.mappingChanged();
}

void setMapMode(State& s, const EmfRecord& r)
{
    const std::uint32_t mode = r.u32(8);
    if (r.has(0, 12) && mode >= 1 && mode <= 8) {
        s.attributes().mapMode = int(mode);
        s.mappingChanged();
    }
}

void setBkMode(State& s, const EmfRecord& r)
{
    if (r.has(0, 12) && (r.u32(8) == 1 || r.u32(8) == 2))
        s.attributes().bkMode = int(r.u32(8));
}

void setPolyFillMode(State& s, const EmfRecord& r)
{
    if (r.has(0, 12))
        s.attributes().fillRule = r.u32(8) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
}

void setTextAlign(State& s, const EmfRecord& r)
{
    if (r.has(0, 12))
        s.attributes().textAlign = r.u32(8);
}

void setTextColor(State& s, const EmfRecord& r)
{
    if (r.has(0, 12))
        s.attributes().textColor = State::colour(r.u32(8));
}

void setBkColor(State& s, const EmfRecord& r)
{
    if (r.has(0, 12))
        s.attributes().bkColor = State::colour(r.u32(8));
}

void setPixel(State& s, const EmfRecord& r)
{
    if (r.has(0, 20))
        s.setPixel(pointAt(r, 8), State::colour(r.u32(16)));
}

void offsetClip(State& s, const EmfRecord& r)
{
    if (r.has(0, 16))
        s.offsetClip(pointAt(r, 8));
}

void moveTo(State& s, const EmfRecord& r)
{
    if (r.has(0, 16))
        s.moveTo(pointAt(r, 8));
}

void lineTo(State& s, const EmfRecord& r)
{
    if (r.has(0, 16))
        s.lineTo(pointAt(r, 8));
}

void excludeClip(State& s, const EmfRecord& r)
{
    if (r.has(0, 24))
        s.excludeClipRect(rectAt(r, 8));
}

void intersectClip(State& s, const EmfRecord& r)
{
    if (r.has(0, 24))
        s.intersectClipRect(rectAt(r, 8));
}

void saveDc(State& s, const EmfRecord&)
{
    s.save();
}

void restoreDc(State& s, const EmfRecord& r)
{
    if (r.has(0, 12))
        s.restore(r.i32(8));
}

QTransform xformAt(const EmfRecord& r, std::size_t at)
{
    return QTransform(r.f32(at), r.f32(at + 4), r.f32(at + 8), r.f32(at + 12), r.f32(at + 16), r.f32(at + 20));
}

void setWorldTransform(State& s, const EmfRecord& r)
{
    if (r.has(0, 32))
        s.setWorldTransform(xformAt(r, 8));
}

void modifyWorldTransform(State& s, const EmfRecord& r)
{
    if (r.has(0, 36))
        s.modifyWorldTransform(xformAt(r, 8), r.u32(32));
}

void selectObject(State& s, const EmfRecord& r)
{
    if (r.has(0, 12))
        s.selectObject(r.u32(8));
}

void deleteObject(State& s, const EmfRecord& r)
{
    if (r.has(0, 12))
        s.deleteObject(r.u32(8));
}

void createPen(State& s, const EmfRecord& r)
{
    if (!r.has(0, 28))
        return;
    auto pen = std::make_shared<EmfPenObject>();
    pen->style = r.u32(12);
    pen->width = std::max(0, r.i32(16));
    pen->color = State::colour(r.u32(24));
    EmfObject o;
    o.kind = EmfObject::Kind::Pen;
    o.pen = std::move(pen);
    s.storeObject(r.u32(8), std::move(o));
}

void extCreatePen(State& s, const EmfRecord& r)
{
    if (!r.has(0, 52))
        return;
    auto pen = std::make_shared<EmfPenObject>();
    pen->style = r.u32(28);
    pen->width = std::min<std::uint32_t>(r.u32(32), 1u << 24);
    pen->color = State::colour(r.u32(40));
    if (r.u32(36) == 1) // BS_NULL brush: no line at all
        pen->style = (pen->style & ~0xFu) | 5;
    const std::uint64_t entries = r.u32(48);
    if ((pen->style & 0xF) == 7 && entries <= 64 && r.has(52, entries * 4))
        for (std::uint64_t i = 0; i < entries; ++i)
            pen->dashes.push_back(r.u32(52 + std::size_t(i) * 4));
    EmfObject o;
    o.kind = EmfObject::Kind::Pen;
    o.pen = std::move(pen);
    s.storeObject(r.u32(8), std::move(o));
}

Qt::BrushStyle hatchStyle(std::uint32_t hatch)
{
    switch (hatch) {
    case 0: return Qt::HorPattern;
    case 1: return Qt::VerPattern;
    case 2: return Qt::FDiagPattern;
    case 3: return Qt::BDiagPattern;
    case 4: return Qt::CrossPattern;
    case 5: return Qt::DiagCrossPattern;
    default: return Qt::SolidPattern;
    }
}

void createBrush(State& s, const EmfRecord& r)
{
    if (!r.has(0, 24))
        return;
    auto brush = std::make_shared<EmfBrushObject>();
    const std::uint32_t style = r.u32(12);
    const QColor colour = State::colour(r.u32(16));
    brush->null = style == 1;
    brush->brush = style == 2 ? QBrush(colour, hatchStyle(r.u32(20))) : QBrush(colour);
    EmfObject o;
    o.kind = EmfObject::Kind::Brush;
    o.brush = std::move(brush);
    s.storeObject(r.u32(8), std::move(o));
}

void createDibPatternBrush(State& s, const EmfRecord& r)
{
    if (!r.has(0, 32))
        return;
    const QImage pattern = DibCodec::decode(r.slice(r.u32(16), r.u32(20)), r.slice(r.u32(24), r.u32(28)));
    auto brush = std::make_shared<EmfBrushObject>();
    brush->brush = pattern.isNull() ? QBrush(Qt::gray) : QBrush(pattern);
    EmfObject o;
    o.kind = EmfObject::Kind::Brush;
    o.brush = std::move(brush);
    s.storeObject(r.u32(8), std::move(o));
}

void createFont(State& s, const EmfRecord& r)
{
    if (!r.has(0, 104))
        return;
    auto font = std::make_shared<EmfFontObject>();
    font->height = r.i32(12);
    font->escapement = r.i32(20) % 3600;
    font->weight = r.i32(28);
    font->italic = r.u8(32) != 0;
    font->underline = r.u8(33) != 0;
    font->strikeOut = r.u8(34) != 0;
    for (std::size_t i = 0; i < 32; ++i) {
        const char16_t c = char16_t(r.u16(40 + 2 * i));
        if (!c)
            break;
        font->face.push_back(QChar(c));
    }
    if (font->height == INT32_MIN)
        font->height = 0;
    EmfObject o;
    o.kind = EmfObject::Kind::Font;
    o.font = std::move(font);
    s.storeObject(r.u32(8), std::move(o));
}

void ellipse(State& s, const EmfRecord& r)
{
    if (!r.has(0, 24))
        return;
    QPainterPath p;
    p.addEllipse(boxAt(r, 8));
    s.shape(p, true);
}

void rectangle(State& s, const EmfRecord& r)
{
    if (!r.has(0, 24))
        return;
    QPainterPath p;
    p.addRect(boxAt(r, 8));
    s.shape(p, true);
}

void roundRect(State& s, const EmfRecord& r)
{
    if (!r.has(0, 32))
        return;
    QPainterPath p;
    p.addRoundedRect(boxAt(r, 8), std::abs(r.i32(24)) / 2.0, std::abs(r.i32(28)) / 2.0);
    s.shape(p, true);
}

// ARC (0), CHORD (1), PIE (2), ARCTO (3): counter-clockwise from the start radial to the end radial.
template <int Kind>
void arc(State& s, const EmfRecord& r)
{
    if (!r.has(0, 40))
        return;
    const QRectF box = boxAt(r, 8);
    if (box.width() <= 0 || box.height() <= 0)
        return;
    const QPointF c = box.center();
    auto angle = [&](QPointF p) {
        return std::atan2(-(p.y() - c.y()) * box.width(), (p.x() - c.x()) * box.height()) * 180 / std::numbers::pi;
    };
    const double a0 = angle(pointAt(r, 24));
    double sweep = angle(pointAt(r, 32)) - a0;
    if (sweep <= 0)
        sweep += 360;
    QPainterPath p;
    if (Kind == 2) {
        p.moveTo(c);
        p.arcTo(box, a0, sweep);
        p.closeSubpath();
    } else if (Kind == 3) {
        p.moveTo(s.attributes().current);
        p.arcTo(box, a0, sweep);
    } else {
        p.arcMoveTo(box, a0);
        p.arcTo(box, a0, sweep);
        if (Kind == 1)
            p.closeSubpath();
    }
    if (Kind == 3)
        s.moveTo(p.currentPosition());
    s.shape(p, Kind == 1 || Kind == 2);
}

void beginPath(State& s, const EmfRecord&) { s.beginPath(); }
void endPath(State& s, const EmfRecord&) { s.endPath(); }
void closeFigure(State& s, const EmfRecord&) { s.closeFigure(); }
void fillPath(State& s, const EmfRecord&) { s.fillPath(); }
void strokeAndFillPath(State& s, const EmfRecord&) { s.strokeAndFillPath(); }
void strokePath(State& s, const EmfRecord&) { s.strokePath(); }
void abortPath(State& s, const EmfRecord&) { s.abortPath(); }

void selectClipPath(State& s, const EmfRecord& r)
{
    if (r.has(0, 12))
        s.selectClipPath(r.u32(8));
}

void extSelectClipRgn(State& s, const EmfRecord& r)
{
    if (!r.has(0, 16))
        return;
    const std::uint32_t dataSize = r.u32(8);
    const std::uint32_t mode = r.u32(12);
    std::vector<QRectF> rects;
    if (dataSize >= 32 && r.has(16, dataSize)) {
        const std::uint64_t count = r.u32(24);
        if (count > dataSize / 16 || !r.has(48, count * 16))
            return;
        for (std::uint64_t i = 0; i < count; ++i) {
            const QRectF box = rectAt(r, 48 + std::size_t(i) * 16);
            rects.push_back(QRectF(box.topLeft(), box.bottomRight()));
        }
    }
    s.selectClipRegion(rects, mode);
}

// BITBLT and STRETCHBLT share their layout up to the bitmap; a stretch
// names its source size after it (at sourceSizeAt), a plain copy takes the
// destination's.
void blit(State& s, const EmfRecord& r, std::size_t minSize, std::size_t sourceSizeAt)
{
    if (!r.has(0, minSize))
        return;
    const QRectF dest(r.i32(24), r.i32(28), r.i32(32), r.i32(36));
    const std::uint32_t rop = r.u32(40);
    if (r.u32(88) == 0) {
        s.fillRop(dest, rop);
        return;
    }
    const QImage image = DibCodec::decode(r.slice(r.u32(84), r.u32(88)), r.slice(r.u32(92), r.u32(96)));
    s.image(dest, image, QRectF(r.i32(44), r.i32(48), r.i32(sourceSizeAt), r.i32(sourceSizeAt + 4)), rop);
}

void bitBlt(State& s, const EmfRecord& r)
{
    blit(s, r, 100, 32);
}

void stretchBlt(State& s, const EmfRecord& r)
{
    blit(s, r, 108, 100);
}

void alphaBlend(State& s, const EmfRecord& r)
{
    if (!r.has(0, 108))
        return;
    const std::uint32_t blend = r.u32(40);
    const bool sourceAlpha = (blend >> 24) & 1;
    const QImage image =
        DibCodec::decode(r.slice(r.u32(84), r.u32(88)), r.slice(r.u32(92), r.u32(96)), sourceAlpha);
    if (image.isNull())
        return;
    const QRectF dest(r.i32(24), r.i32(28), r.i32(32), r.i32(36));
    s.blend(dest, image, QRectF(r.i32(44), r.i32(48), r.i32(100), r.i32(104)), int((blend >> 16) & 0xFF));
}

// Source rectangles of device-independent bitmaps count rows from the bottom
// when the rows are stored bottom-up.
QRectF dibSource(const EmfRecord& r, std::size_t bmiOffset, const QImage& image, double x, double y, double w,
                 double h)
{
    const bool bottomUp = r.i32(bmiOffset + 8) > 0;
    return QRectF(x, bottomUp ? image.height() - y - h : y, w, h);
}

void stretchDIBits(State& s, const EmfRecord& r)
{
    if (!r.has(0, 80))
        return;
    const QImage image = DibCodec::decode(r.slice(r.u32(48), r.u32(52)), r.slice(r.u32(56), r.u32(60)));
    if (image.isNull())
        return;
    const QRectF dest(r.i32(24), r.i32(28), r.i32(72), r.i32(76));
    s.image(dest, image, dibSource(r, r.u32(48), image, r.i32(32), r.i32(36), r.i32(40), r.i32(44)), r.u32(68));
}

void setDIBitsToDevice(State& s, const EmfRecord& r)
{
    if (!r.has(0, 76))
        return;
    const QImage image = DibCodec::decode(r.slice(r.u32(48), r.u32(52)), r.slice(r.u32(56), r.u32(60)));
    if (image.isNull())
        return;
    const double w = r.i32(40), h = r.i32(44);
    s.image(QRectF(r.i32(24), r.i32(28), w, h), image, dibSource(r, r.u32(48), image, r.i32(32), r.i32(36), w, h),
            0x00CC0020);
}

template <bool Wide>
void extTextOut(State& s, const EmfRecord& r)
{
    if (!r.has(0, 76))
        return;
    const std::uint64_t n = r.u32(44);
    const std::uint32_t offString = r.u32(48);
    const std::uint32_t options = r.u32(52);
    const std::uint32_t offDx = r.u32(72);
    if (n == 0 || n > r.size() || !r.has(offString, n * (Wide ? 2 : 1)))
        return;
    QString text;
    text.reserve(qsizetype(n));
    for (std::uint64_t i = 0; i < n; ++i)
        text.push_back(Wide ? QChar(r.u16(offString + 2 * std::size_t(i)))
                            : QChar(char16_t(r.u8(offString + std::size_t(i)))));
    std::vector<std::int32_t> dx;
    if (offDx && r.has(offDx, n * 4)) {
        dx.reserve(std::size_t(n));
        for (std::uint64_t i = 0; i < n; ++i)
            dx.push_back(std::clamp(r.i32(offDx + 4 * std::size_t(i)), -(1 << 20), 1 << 20));
    }
    s.text(pointAt(r, 36), text, dx, options, rectAt(r, 56));
}

constexpr std::array<Handler, 128> makeTable()
{
    std::array<Handler, 128> t{};
    t[EMR_POLYBEZIER] = poly<false, 3>;
    t[EMR_POLYGON] = poly<false, 2>;
    t[EMR_POLYLINE] = poly<false, 0>;
    t[EMR_POLYBEZIERTO] = poly<false, 4>;
    t[EMR_POLYLINETO] = poly<false, 1>;
    t[EMR_POLYPOLYLINE] = polyPoly<false, false>;
    t[EMR_POLYPOLYGON] = polyPoly<false, true>;
    t[EMR_SETWINDOWEXTEX] = setWindowExt;
    t[EMR_SETWINDOWORGEX] = setWindowOrg;
    t[EMR_SETVIEWPORTEXTEX] = setViewportExt;
    t[EMR_SETVIEWPORTORGEX] = setViewportOrg;
    t[EMR_SETPIXELV] = setPixel;
    t[EMR_SETMAPMODE] = setMapMode;
    t[EMR_SETBKMODE] = setBkMode;
    t[EMR_SETPOLYFILLMODE] = setPolyFillMode;
    t[EMR_SETTEXTALIGN] = setTextAlign;
    t[EMR_SETTEXTCOLOR] = setTextColor;
    t[EMR_SETBKCOLOR] = setBkColor;
    t[EMR_OFFSETCLIPRGN] = offsetClip;
    t[EMR_MOVETOEX] = moveTo;
    t[EMR_EXCLUDECLIPRECT] = excludeClip;
    t[EMR_INTERSECTCLIPRECT] = intersectClip;
    t[EMR_SCALEVIEWPORTEXTEX] = scaleViewportExt;
    t[EMR_SCALEWINDOWEXTEX] = scaleWindowExt;
    t[EMR_SAVEDC] = saveDc;
    t[EMR_RESTOREDC] = restoreDc;
    t[EMR_SETWORLDTRANSFORM] = setWorldTransform;
    t[EMR_MODIFYWORLDTRANSFORM] = modifyWorldTransform;
    t[EMR_SELECTOBJECT] = selectObject;
    t[EMR_CREATEPEN] = createPen;
    t[EMR_CREATEBRUSHINDIRECT] = createBrush;
    t[EMR_DELETEOBJECT] = deleteObject;
    t[EMR_ELLIPSE] = ellipse;
    t[EMR_RECTANGLE] = rectangle;
    t[EMR_ROUNDRECT] = roundRect;
    t[EMR_ARC] = arc<0>;
    t[EMR_CHORD] = arc<1>;
    t[EMR_PIE] = arc<2>;
    t[EMR_LINETO] = lineTo;
    t[EMR_ARCTO] = arc<3>;
    t[EMR_BEGINPATH] = beginPath;
    t[EMR_ENDPATH] = endPath;
    t[EMR_CLOSEFIGURE] = closeFigure;
    t[EMR_FILLPATH] = fillPath;
    t[EMR_STROKEANDFILLPATH] = strokeAndFillPath;
    t[EMR_STROKEPATH] = strokePath;
    t[EMR_SELECTCLIPPATH] = selectClipPath;
    t[EMR_ABORTPATH] = abortPath;
    t[EMR_EXTSELECTCLIPRGN] = extSelectClipRgn;
    t[EMR_BITBLT] = bitBlt;
    t[EMR_STRETCHBLT] = stretchBlt;
    t[EMR_SETDIBITSTODEVICE] = setDIBitsToDevice;
    t[EMR_STRETCHDIBITS] = stretchDIBits;
    t[EMR_EXTCREATEFONTINDIRECTW] = createFont;
    t[EMR_EXTTEXTOUTA] = extTextOut<false>;
    t[EMR_EXTTEXTOUTW] = extTextOut<true>;
    t[EMR_POLYBEZIER16] = poly<true, 3>;
    t[EMR_POLYGON16] = poly<true, 2>;
    t[EMR_POLYLINE16] = poly<true, 0>;
    t[EMR_POLYBEZIERTO16] = poly<true, 4>;
    t[EMR_POLYLINETO16] = poly<true, 1>;
    t[EMR_POLYPOLYLINE16] = polyPoly<true, false>;
    t[EMR_POLYPOLYGON16] = polyPoly<true, true>;
    t[EMR_CREATEDIBPATTERNBRUSHPT] = createDibPatternBrush;
    t[EMR_EXTCREATEPEN] = extCreatePen;
    t[EMR_ALPHABLEND] = alphaBlend;
    // Comments (EMF+ included) have no handler: the plain records carry the picture.
    return t;
}

constexpr std::array<Handler, 128> handlers = makeTable();

bool isBitmapRecord(std::uint32_t type)
{
    return type == EMR_STRETCHDIBITS || type == EMR_BITBLT || type == EMR_STRETCHBLT || type == EMR_ALPHABLEND;
}

} // namespace

bool EmfPlayer::play(QPainter& painter, std::span<const std::uint8_t> bytes, const QRectF& destination)
{
    const EmfFileInfo header = EmfFileInfo::readHeader(bytes);
    if (!header.valid || !painter.isActive())
        return false;
    QtRuntime::ensure();
    if (!destination.isValid() || !std::isfinite(destination.width()) || !std::isfinite(destination.height()))
        return true;

    // The frame, in reference-device pixels, is what lands on the destination.
    const bool deviceKnown = header.deviceWidthPx > 0 && header.deviceHeightPx > 0 && header.deviceWidthMm > 0 &&
                             header.deviceHeightMm > 0;
    const QSizeF pxPerMm = deviceKnown ? QSizeF(double(header.deviceWidthPx) / header.deviceWidthMm,
                                                double(header.deviceHeightPx) / header.deviceHeightMm)
                                       : QSizeF(96 / 25.4, 96 / 25.4);
    QRectF frame(QPointF(header.frame.left * pxPerMm.width() / 100, header.frame.top * pxPerMm.height() / 100),
                 QPointF(header.frame.right * pxPerMm.width() / 100, header.frame.bottom * pxPerMm.height() / 100));
    if (!(frame.width() > 0 && frame.height() > 0))
        frame = QRectF(QPointF(header.bounds.left, header.bounds.top),
                       QPointF(double(header.bounds.right) + 1, double(header.bounds.bottom) + 1));
    if (!(frame.width() > 0 && frame.height() > 0))
        return true;
    const QTransform deviceToDest = QTransform::fromTranslate(-frame.left(), -frame.top()) *
                                    QTransform::fromScale(destination.width() / frame.width(),
                                                          destination.height() / frame.height()) *
                                    QTransform::fromTranslate(destination.left(), destination.top());

    EmfPlaybackState state(painter, deviceToDest, pxPerMm, destination, header.nHandles);
    std::size_t offset = header.headerSize;
    while (bytes.size() - offset >= 8) {
        const EmfRecord head(0, bytes.subspan(offset, 8));
        const std::uint32_t type = head.u32(0);
        const std::uint32_t size = head.u32(4);
        if (size < 8 || size % 4 || size > bytes.size() - offset || type == EMR_EOF)
            break;
        if (!isBitmapRecord(type))
            state.flushPendingMask();
        if (type < handlers.size() && handlers[type])
            handlers[type](state, EmfRecord(type, bytes.subspan(offset, size)));
        offset += size;
    }
    return true;
}

bool EmfPlayer::play(QPainter& painter, Handle metafile, const QRectF& destination)
{
    const std::vector<std::uint8_t>* bytes = enhMetaFileBits(metafile);
    return bytes && play(painter, std::span<const std::uint8_t>(*bytes), destination);
}

} // namespace kelvppvw::gdi
