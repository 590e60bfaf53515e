#include "platform/gdi/EmfPlaybackState.h"

#include "platform/gdi/FontMetrics.h"

#include <QCoreApplication>
#include <QGlyphRun>
#include <QPaintEngine>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace kelvppvw::gdi {
namespace {

constexpr std::uint32_t maxObjects = 65536;
constexpr std::size_t maxSavedStates = 4096;
// Shapes further out than this (destination pixels) are dropped: nothing of
// them could be seen, and rasterising them only costs time.
constexpr double farAway = double(1 << 24);

enum ClipMode : std::uint32_t { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
constexpr std::uint32_t ETO_OPAQUE = 0x2;
constexpr std::uint32_t ETO_CLIPPED = 0x4;

struct ResolvedFont {
    QFont qfont;
    QRawFont raw;
};

// By face, size in 1/1024 pixel, weight, italic, underline, strike-out and
// whether the size is the cell's.
using ResolvedFonts = std::map<std::tuple<QString, std::int64_t, std::int32_t, bool, bool, bool, bool>, ResolvedFont>;

ResolvedFonts& resolvedFonts()
{
    thread_local ResolvedFonts fonts;
    return fonts;
}

// A font at a size, shared by every playback on this thread: a page played
// again (another page, another zoom, scrolled) finds its fonts resolved and
// their glyphs already rendered by the raw font's engine.
const ResolvedFont& resolveFont(const EmfFontObject& f, double size)
{
    ResolvedFonts& resolved = resolvedFonts();
    // Font engines must go before the application that made them.
    static const bool released = [] {
        qAddPostRoutine([] { resolvedFonts().clear(); });
        return true;
    }();
    (void)released;
    const ResolvedFonts::key_type key{f.face,      std::llround(size * 1024), f.weight, f.italic,
                                      f.underline, f.strikeOut, f.height > 0};
    if (const auto found = resolved.find(key); found != resolved.end())
        return found->second;
    if (resolved.size() >= 256)
        resolved.clear();
    ResolvedFont& r = resolved[key];
    r.qfont = FontMetrics::toQFont(f.face, -std::clamp(int(std::lround(size)), 1, 4096), f.weight, f.italic,
                                   f.underline, f.strikeOut);
    r.raw = QRawFont::fromFont(r.qfont);
    if (r.raw.isValid()) {
        r.raw.setPixelSize(size);
        // A positive height is the cell's, not the em's.
        if (f.height > 0) {
            const double cell = r.raw.ascent() + r.raw.descent();
            if (cell > 0)
                r.raw.setPixelSize(std::clamp(size * size / cell, 0.5, 4096.0));
        }
    }
    return r;
}

std::shared_ptr<EmfPenObject> pen(QColor c, std::uint32_t style = 0)
{
    auto p = std::make_shared<EmfPenObject>();
    p->color = c;
    p->style = style;
    return p;
}

std::shared_ptr<EmfBrushObject> brush(QColor c, bool null = false)
{
    auto b = std::make_shared<EmfBrushObject>();
    b->brush = QBrush(c);
    b->null = null;
    return b;
}

std::shared_ptr<EmfFontObject> font(const char* face, std::int32_t height, std::int32_t weight)
{
    auto f = std::make_shared<EmfFontObject>();
    f->face = QString::fromLatin1(face);
    f->height = height;
    f->weight = weight;
    return f;
}

bool finite(const QTransform& t)
{
    for (double v : {t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy()})
        if (!std::isfinite(v) || std::abs(v) > 1e12)
            return false;
    return true;
}

} // namespace

QColor EmfPlaybackState::colour(std::uint32_t c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

EmfObject EmfPlaybackState::stockObject(std::uint32_t n)
{
    EmfObject o;
    auto asBrush = [&](QColor c, bool null = false) {
        o.kind = EmfObject::Kind::Brush;
        o.brush = brush(c, null);
    };
    auto asPen = [&](QColor c, std::uint32_t style = 0) {
        o.kind = EmfObject::Kind::Pen;
        o.pen = pen(c, style);
    };
    auto asFont = [&](const char* face, std::int32_t h, std::int32_t w) {
        o.kind = EmfObject::Kind::Font;
        o.font = font(face, h, w);
    };
    switch (n) {
    case 0: asBrush(Qt::white); break;
    case 1: asBrush(QColor(0xC0, 0xC0, 0xC0)); break;
    case 2: asBrush(QColor(0x80, 0x80, 0x80)); break;
    case 3: asBrush(QColor(0x40, 0x40, 0x40)); break;
    case 4: asBrush(Qt::black); break;
    case 5: asBrush(Qt::black, true); break;
    case 6: asPen(Qt::white); break;
    case 7: asPen(Qt::black); break;
    case 8: asPen(Qt::black, 5); break;
    case 10:
    case 11:
    case 16: asFont("Courier New", 16, 400); break;
    case 12: asFont("Arial", 16, 400); break;
    case 13:
    case 14: asFont("Arial", 16, 700); break;
    case 17: asFont("Tahoma", -11, 400); break;
    default: break;
    }
    return o;
}

EmfPlaybackState::EmfPlaybackState(QPainter& painter, const QTransform& deviceToDest, QSizeF devicePixelsPerMm,
                                   const QRectF& destination, std::uint32_t handleCount)
    : painter_(painter)
    , deviceToDest_(deviceToDest)
    , pxPerMm_(devicePixelsPerMm)
    , destination_(destination)
{
    objects_.resize(std::clamp<std::uint32_t>(handleCount, 1, maxObjects));
    attr_.pen = stockObject(7).pen;
    attr_.brush = stockObject(0).brush;
    attr_.font = stockObject(13).font;
    // The caller's own transform and clip stay in force beneath the picture's.
    base_ = painter_.transform();
    if (painter_.hasClipping())
        callerClip_ = painter_.clipPath();
    // Text is the costly part of a page, and a page played for a window is
    // mostly outside it: text that cannot show on the device is not drawn.
    if (const QPaintEngine* engine = painter_.paintEngine();
        engine && engine->type() == QPaintEngine::Raster && engine->paintDevice()) {
        // A raster engine paints on an image or pixmap, measured in device pixels.
        drawable_ = QRectF(0, 0, engine->paintDevice()->width(), engine->paintDevice()->height());
        if (callerClip_)
            drawable_ = drawable_->intersected(painter_.deviceTransform().mapRect(callerClip_->boundingRect()));
    }
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
    applyClip();
}

EmfPlaybackState::~EmfPlaybackState()
{
    flushPendingMask();
    painter_.restore();
}

void EmfPlaybackState::storeObject(std::uint32_t index, EmfObject object)
{
    if (index == 0 || index >= maxObjects)
        return;
    if (index >= objects_.size())
        objects_.resize(index + 1);
    objects_[index] = std::move(object);
}

void EmfPlaybackState::selectObject(std::uint32_t index)
{
    const EmfObject o = (index & 0x80000000u) ? stockObject(index & 0x7FFFFFFFu)
                                              : (index < objects_.size() ? objects_[index] : EmfObject());
    switch (o.kind) {
    case EmfObject::Kind::Pen: attr_.pen = o.pen; break;
    case EmfObject::Kind::Brush: attr_.brush = o.brush; break;
    case EmfObject::Kind::Font: attr_.font = o.font; break;
    case EmfObject::Kind::None: break;
    }
}

void EmfPlaybackState::deleteObject(std::uint32_t index)
{
    if (index < objects_.size())
        objects_[index] = EmfObject();
}

QTransform EmfPlaybackState::pageTransform() const
{
    double sx = 1, sy = 1;
    const double mmX = pxPerMm_.width(), mmY = pxPerMm_.height();
    switch (attr_.mapMode) {
    case 2: sx = 0.1 * mmX, sy = -0.1 * mmY; break;
    case 3: sx = 0.01 * mmX, sy = -0.01 * mmY; break;
    case 4: sx = 0.254 * mmX, sy = -0.254 * mmY; break;
    case 5: sx = 0.0254 * mmX, sy = -0.0254 * mmY; break;
    case 6: sx = 25.4 / 1440 * mmX, sy = -25.4 / 1440 * mmY; break;
    case 7:
    case 8: {
        const QSizeF w = attr_.windowExt, v = attr_.viewportExt;
        sx = w.width() != 0 ? v.width() / w.width() : 1;
        sy = w.height() != 0 ? v.height() / w.height() : 1;
        if (attr_.mapMode == 7) {
            const double m = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(m, sx);
            sy = std::copysign(m, sy);
        }
        break;
    }
    default: break;
    }
    const QTransform toDevice(sx, 0, 0, sy, attr_.viewportOrg.x() - attr_.windowOrg.x() * sx,
                              attr_.viewportOrg.y() - attr_.windowOrg.y() * sy);
    return attr_.world * toDevice * deviceToDest_;
}

void EmfPlaybackState::applyTransform()
{
    if (transformValid_)
        return;
    full_ = pageTransform();
    painter_.setTransform(full_ * base_);
    transformValid_ = true;
}

void EmfPlaybackState::setWorldTransform(const QTransform& t)
{
    if (!finite(t))
        return;
    attr_.world = t;
    transformValid_ = false;
}

void EmfPlaybackState::modifyWorldTransform(const QTransform& t, std::uint32_t mode)
{
    switch (mode) {
    case 1: attr_.world = QTransform(); break;
    case 2: if (finite(t * attr_.world)) attr_.world = t * attr_.world; break;
    case 3: if (finite(attr_.world * t)) attr_.world = attr_.world * t; break;
    case 4: setWorldTransform(t); break;
    default: return;
    }
    transformValid_ = false;
}

void EmfPlaybackState::save()
{
    if (saved_.size() < maxSavedStates)
        saved_.push_back(attr_);
}

void EmfPlaybackState::restore(std::int32_t relative)
{
    std::size_t keep;
    if (relative < 0) {
        const std::uint64_t n = std::uint64_t(-std::int64_t(relative));
        if (n > saved_.size())
            return;
        keep = saved_.size() - std::size_t(n);
    } else if (relative > 0 && std::size_t(relative) <= saved_.size()) {
        keep = std::size_t(relative) - 1;
    } else {
        return;
    }
    attr_ = saved_[keep];
    saved_.resize(keep);
    transformValid_ = false;
    applyClip();
}

void EmfPlaybackState::beginPath()
{
    path_ = QPainterPath();
    path_.setFillRule(attr_.fillRule);
    pathOpen_ = true;
}

void EmfPlaybackState::abortPath()
{
    path_ = QPainterPath();
    pathOpen_ = false;
}

void EmfPlaybackState::closeFigure()
{
    if (pathOpen_)
        path_.closeSubpath();
}

void EmfPlaybackState::fillPath()
{
    pathOpen_ = false;
    path_.setFillRule(attr_.fillRule);
    drawPath(path_, true, false);
    path_ = QPainterPath();
}

void EmfPlaybackState::strokePath()
{
    pathOpen_ = false;
    drawPath(path_, false, true);
    path_ = QPainterPath();
}

void EmfPlaybackState::strokeAndFillPath()
{
    pathOpen_ = false;
    path_.setFillRule(attr_.fillRule);
    drawPath(path_, true, true);
    path_ = QPainterPath();
}

void EmfPlaybackState::selectClipPath(std::uint32_t mode)
{
    pathOpen_ = false;
    combineClip(pageTransform().map(path_), mode);
    path_ = QPainterPath();
}

QPen EmfPlaybackState::qpen() const
{
    const EmfPenObject* p = attr_.pen.get();
    if (!p || (p->style & 0xF) == 5)
        return Qt::NoPen;
    const double scale = std::sqrt(std::abs((full_ * base_).determinant()));
    QPen pen(p->color);
    const bool thin = p->width * scale < 1.0;
    pen.setWidthF(thin ? 0.0 : p->width);
    pen.setCosmetic(thin);
    const std::uint32_t geometric = p->style & 0x000F0000;
    pen.setCapStyle(geometric ? ((p->style & 0xF00) == 0x100   ? Qt::SquareCap
                                 : (p->style & 0xF00) == 0x200 ? Qt::FlatCap
                                                               : Qt::RoundCap)
                              : Qt::FlatCap);
    pen.setJoinStyle(geometric ? ((p->style & 0xF000) == 0x1000   ? Qt::BevelJoin
                                  : (p->style & 0xF000) == 0x2000 ? Qt::MiterJoin
                                                                  : Qt::RoundJoin)
                               : Qt::MiterJoin);
    switch (p->style & 0xF) {
    case 1: pen.setStyle(Qt::DashLine); break;
    case 2: pen.setStyle(Qt::DotLine); break;
    case 3: pen.setStyle(Qt::DashDotLine); break;
    case 4: pen.setStyle(Qt::DashDotDotLine); break;
    case 7:
        if (!p->dashes.empty()) {
            // Qt measures dashes in pen widths, the file in logical units.
            const double unit = thin || p->width <= 0 ? 1.0 : p->width;
            QList<qreal> pattern;
            for (double d : p->dashes)
                pattern.push_back(std::max(d / unit, 0.1));
            if (pattern.size() % 2)
                pattern.push_back(pattern.back());
            pen.setDashPattern(pattern);
        }
        break;
    default: break;
    }
    return pen;
}

QBrush EmfPlaybackState::qbrush() const
{
    const EmfBrushObject* b = attr_.brush.get();
    return !b || b->null ? QBrush(Qt::NoBrush) : b->brush;
}

bool EmfPlaybackState::reasonable(const QRectF& logical) const
{
    const QRectF r = full_.mapRect(logical);
    return std::isfinite(r.left()) && std::isfinite(r.top()) && std::isfinite(r.right()) &&
           std::isfinite(r.bottom()) && std::abs(r.left()) < farAway && std::abs(r.right()) < farAway &&
           std::abs(r.top()) < farAway && std::abs(r.bottom()) < farAway;
}

void EmfPlaybackState::drawPath(const QPainterPath& path, bool fill, bool stroke)
{
    applyTransform();
    if (path.isEmpty() || !reasonable(path.controlPointRect()))
        return;
    painter_.setPen(stroke ? qpen() : QPen(Qt::NoPen));
    painter_.setBrush(fill ? qbrush() : QBrush(Qt::NoBrush));
    painter_.drawPath(path);
}

void EmfPlaybackState::moveTo(QPointF p)
{
    if (pathOpen_)
        path_.moveTo(p);
    attr_.current = p;
}

void EmfPlaybackState::lineTo(QPointF p)
{
    if (pathOpen_) {
        if (path_.elementCount() == 0)
            path_.moveTo(attr_.current);
        path_.lineTo(p);
    } else {
        applyTransform();
        const QLineF line(attr_.current, p);
        if (reasonable(QRectF(line.p1(), line.p2()).normalized())) {
            painter_.setPen(qpen());
            painter_.drawLine(line);
        }
    }
    attr_.current = p;
}

void EmfPlaybackState::polyline(const std::vector<QPointF>& points, bool fromCurrent)
{
    if (points.empty())
        return;
    QPainterPath p;
    p.moveTo(fromCurrent ? attr_.current : points.front());
    for (std::size_t i = fromCurrent ? 0 : 1; i < points.size(); ++i)
        p.lineTo(points[i]);
    if (fromCurrent)
        attr_.current = points.back();
    if (pathOpen_) {
        if (fromCurrent && path_.elementCount() > 0) {
            for (const QPointF& q : points)
                path_.lineTo(q);
        } else {
            path_.addPath(p);
        }
        return;
    }
    applyTransform();
    if (!reasonable(p.controlPointRect()))
        return;
    painter_.setPen(qpen());
    QPolygonF poly;
    poly.reserve(qsizetype(points.size() + 1));
    for (int i = 0; i < p.elementCount(); ++i)
        poly.push_back(p.elementAt(i));
    painter_.drawPolyline(poly);
}

void EmfPlaybackState::polygon(const std::vector<QPointF>& points)
{
    if (points.empty())
        return;
    QPainterPath p;
    p.setFillRule(attr_.fillRule);
    p.addPolygon(QPolygonF(QList<QPointF>(points.begin(), points.end())));
    p.closeSubpath();
    shape(p, true);
}

void EmfPlaybackState::polyBezier(const std::vector<QPointF>& points, bool fromCurrent)
{
    if (points.empty())
        return;
    QPainterPath p;
    std::size_t i = 0;
    if (fromCurrent) {
        p.moveTo(attr_.current);
    } else {
        p.moveTo(points.front());
        i = 1;
    }
    for (; i + 2 < points.size(); i += 3)
        p.cubicTo(points[i], points[i + 1], points[i + 2]);
    if (fromCurrent)
        attr_.current = p.currentPosition();
    if (pathOpen_) {
        if (fromCurrent && path_.elementCount() > 0)
            path_.connectPath(p);
        else
            path_.addPath(p);
        return;
    }
    drawPath(p, false, true);
}

void EmfPlaybackState::polyPolygon(const std::vector<std::vector<QPointF>>& polygons, bool closed)
{
    QPainterPath p;
    p.setFillRule(attr_.fillRule);
    for (const auto& poly : polygons) {
        if (poly.empty())
            continue;
        p.moveTo(poly.front());
        for (std::size_t i = 1; i < poly.size(); ++i)
            p.lineTo(poly[i]);
        if (closed)
            p.closeSubpath();
    }
    shape(p, closed);
}

void EmfPlaybackState::shape(const QPainterPath& path, bool closed)
{
    if (pathOpen_) {
        path_.addPath(path);
        return;
    }
    drawPath(path, closed, true);
}

void EmfPlaybackState::setPixel(QPointF p, QColor c)
{
    applyTransform();
    if (!reasonable(QRectF(p, QSizeF(1, 1))))
        return;
    painter_.fillRect(QRectF(p, QSizeF(1, 1)), c);
}

void EmfPlaybackState::text(QPointF reference, const QString& text, const std::vector<std::int32_t>& dx,
                            std::uint32_t options, const QRectF& rect)
{
    applyTransform();
    const std::shared_ptr<const EmfFontObject> fontRef = attr_.font;
    const EmfFontObject* f = fontRef.get();
    if (!f)
        return;
    const bool updateCp = attr_.textAlign & 1;
    const QPointF ref = updateCp ? attr_.current : reference;
    const QPointF origin = full_.map(ref);
    const double sx = std::hypot(full_.m11(), full_.m12());
    const double sy = std::hypot(full_.m21(), full_.m22());
    if (!std::isfinite(origin.x()) || !std::isfinite(origin.y()) || std::abs(origin.x()) > farAway ||
        std::abs(origin.y()) > farAway || !(sx > 0) || !(sy > 0))
        return;

    if (options & ETO_OPAQUE) {
        if (reasonable(rect))
            painter_.fillRect(rect, attr_.bkColor);
    }

    // Glyphs are drawn upright in destination space: mapping modes whose y
    // axis points up must not turn the text over.
    double em = f->height == 0 ? 12.0 : std::abs(double(f->height));
    double size = std::clamp(em * sy, 0.5, 4096.0);
    if (std::abs(f->rawSize - size) > 1e-3) {
        const ResolvedFont& resolved = resolveFont(*f, size);
        f->qfont = resolved.qfont;
        f->raw = resolved.raw;
        f->rawSize = size;
    }
    if (!f->raw.isValid() || text.isEmpty())
        return;

    const QList<quint32> glyphs = f->raw.glyphIndexesForString(text);
    QList<QPointF> positions;
    positions.reserve(glyphs.size());
    double x = 0;
    if (qsizetype(dx.size()) == text.size() && glyphs.size() == text.size()) {
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            positions.push_back(QPointF(x, 0));
            x += dx[std::size_t(i)] * sx;
        }
    } else {
        const QList<QPointF> advances = f->raw.advancesForGlyphIndexes(glyphs);
        for (const QPointF& a : advances) {
            positions.push_back(QPointF(x, 0));
            x += a.x();
        }
    }
    const double total = x;
    const double ascent = f->raw.ascent();
    const double descent = f->raw.descent();
    double left = 0;
    switch (attr_.textAlign & 6) {
    case 2: left = -total; break;
    case 6: left = -total / 2; break;
    default: break;
    }
    double baseline = ascent;
    switch (attr_.textAlign & 24) {
    case 24: baseline = 0; break;
    case 8: baseline = -descent; break;
    default: break;
    }
    for (QPointF& p : positions)
        p += QPointF(left, baseline);

    painter_.save();
    QTransform local;
    local.translate(origin.x(), origin.y());
    if (f->escapement)
        local.rotate(-f->escapement / 10.0);
    painter_.setTransform(local * base_);
    if (options & ETO_CLIPPED)
        painter_.setClipRect(local.inverted().mapRect(full_.mapRect(rect)), Qt::IntersectClip);
    if (attr_.bkMode == 2)
        painter_.fillRect(QRectF(left, baseline - ascent, total, ascent + descent), attr_.bkColor);
    const double reach = ascent + descent; // room for overhangs and decorations
    if (drawable_ && !drawable_->intersects(painter_.deviceTransform().mapRect(
                         QRectF(left - reach, baseline - ascent - reach, total + 2 * reach, 3 * reach)))) {
        painter_.restore();
        if (updateCp)
            advanceCurrent(total / sx);
        return;
    }
    painter_.setPen(attr_.textColor);
    // Characters the font lacks go through Qt's font fallback, one by one.
    QList<quint32> found;
    QList<QPointF> foundAt;
    std::vector<std::pair<QChar, QPointF>> missing;
    const bool perCharacter = glyphs.size() == text.size();
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        if (perCharacter && glyphs[i] == 0 && text[i] > QChar(' ')) {
            missing.emplace_back(text[i], positions[i]);
        } else {
            found.push_back(glyphs[i]);
            foundAt.push_back(positions[i]);
        }
    }
    QGlyphRun run;
    run.setRawFont(f->raw);
    run.setGlyphIndexes(found);
    run.setPositions(foundAt);
    // Qt reads before the start of an empty run.
    if (!found.isEmpty())
        painter_.drawGlyphRun(QPointF(0, 0), run);
    // Decorations span the advances, whatever glyphs were found.
    const double thickness = std::max(1.0, f->raw.lineThickness());
    if (f->underline)
        painter_.fillRect(QRectF(left, baseline + f->raw.underlinePosition(), total, thickness), attr_.textColor);
    if (f->strikeOut)
        painter_.fillRect(QRectF(left, baseline - f->raw.xHeight() / 2 - thickness / 2, total, thickness),
                          attr_.textColor);
    if (!missing.empty()) {
        QFont fallback = f->qfont;
        fallback.setUnderline(false);
        fallback.setStrikeOut(false);
        fallback.setPixelSize(std::max(1, int(std::lround(f->raw.pixelSize()))));
        painter_.setFont(fallback);
        for (const auto& [c, at] : missing)
            painter_.drawText(at, QString(c));
    }
    painter_.restore();
    if (updateCp)
        advanceCurrent(total / sx);
}

void EmfPlaybackState::advanceCurrent(double logical)
{
    if ((attr_.textAlign & 6) == 0)
        attr_.current.rx() += logical;
    else if ((attr_.textAlign & 6) == 2)
        attr_.current.rx() -= logical;
}

void EmfPlaybackState::image(const QRectF& dest, const QImage& img, const QRectF& source, std::uint32_t rop)
{
    applyTransform();
    if (img.isNull() || !reasonable(dest.normalized()))
        return;
    QRectF src = source.intersected(QRectF(img.rect()));
    if (src.isEmpty() || source.width() <= 0 || source.height() <= 0)
        return;
    // Keep the part of the destination that corresponds to the source kept.
    const double fx = dest.width() / source.width(), fy = dest.height() / source.height();
    QRectF target(dest.left() + (src.left() - source.left()) * fx, dest.top() + (src.top() - source.top()) * fy,
                  src.width() * fx, src.height() * fy);
    QImage picture = img;
    if (target.width() < 0 || target.height() < 0) {
        picture = picture.mirrored(target.width() < 0, target.height() < 0);
        src = QRectF(target.width() < 0 ? img.width() - src.right() : src.left(),
                     target.height() < 0 ? img.height() - src.bottom() : src.top(), src.width(), src.height());
        target = target.normalized();
    }

    if (rop == 0x008800C6) { // SRCAND: an icon mask; its colour image normally follows
        flushPendingMask();
        pendingMask_ = PendingMask{target, picture, src, full_};
        return;
    }
    if (rop == 0x00660046 && pendingMask_ && pendingMask_->dest == target && pendingMask_->source == src &&
        pendingMask_->transform == full_ && pendingMask_->mask.size() == picture.size()) {
        QImage combined = picture.convertToFormat(QImage::Format_ARGB32);
        const QImage mask = pendingMask_->mask.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < combined.height(); ++y) {
            auto* out = reinterpret_cast<QRgb*>(combined.scanLine(y));
            const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
            for (int x = 0; x < combined.width(); ++x)
                if (qGray(m[x]) >= 128)
                    out[x] = qRgba(0, 0, 0, 0);
        }
        pendingMask_.reset();
        const QRectF onDevice = full_.mapRect(target);
        painter_.setRenderHint(QPainter::SmoothPixmapTransform,
                               onDevice.width() < src.width() || onDevice.height() < src.height());
        painter_.drawImage(target, combined, src);
        return;
    }
    flushPendingMask();
    const bool rasterOps = painter_.paintEngine() && painter_.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    if (rasterOps && rop == 0x00660046)
        mode = QPainter::RasterOp_SourceXorDestination;
    else if (rasterOps && rop == 0x00EE0086)
        mode = QPainter::RasterOp_SourceOrDestination;
    painter_.setCompositionMode(mode);
    // Enlarged bitmaps keep crisp pixels, as GDI stretches them; reduced ones are smoothed.
    const QRectF onDevice = full_.mapRect(target);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform,
                           onDevice.width() < src.width() || onDevice.height() < src.height());
    painter_.drawImage(target, picture, src);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void EmfPlaybackState::blend(const QRectF& dest, const QImage& img, const QRectF& source, int opacity)
{
    painter_.setOpacity(std::clamp(opacity, 0, 255) / 255.0);
    image(dest, img, source, 0x00CC0020);
    painter_.setOpacity(1.0);
}

void EmfPlaybackState::flushPendingMask()
{
    if (!pendingMask_)
        return;
    PendingMask m = std::move(*pendingMask_);
    pendingMask_.reset();
    if (!painter_.paintEngine() || !painter_.paintEngine()->hasFeature(QPaintEngine::RasterOpModes))
        return;
    painter_.save();
    painter_.setTransform(m.transform * base_);
    painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter_.drawImage(m.dest, m.mask, m.source);
    painter_.restore();
}

void EmfPlaybackState::fillRop(const QRectF& dest, std::uint32_t rop)
{
    applyTransform();
    if (!reasonable(dest.normalized()))
        return;
    switch (rop) {
    case 0x00000042: painter_.fillRect(dest, Qt::black); break;
    case 0x00FF0062: painter_.fillRect(dest, Qt::white); break;
    case 0x00AA0029: break; // destination unchanged
    default: painter_.fillRect(dest, qbrush()); break;
    }
}

void EmfPlaybackState::applyClip()
{
    painter_.setTransform(base_);
    if (!attr_.clip && !callerClip_) {
        painter_.setClipRect(destination_);
    } else {
        QPainterPath area;
        if (attr_.clip)
            area = *attr_.clip;
        else
            area.addRect(destination_);
        painter_.setClipPath(callerClip_ ? area.intersected(*callerClip_) : area);
    }
    transformValid_ = false;
}

void EmfPlaybackState::combineClip(const QPainterPath& area, std::uint32_t mode)
{
    QPainterPath base;
    if (attr_.clip) {
        base = *attr_.clip;
    } else {
        base.addRect(destination_);
    }
    QPainterPath result;
    switch (mode) {
    case RGN_AND: result = base.intersected(area); break;
    case RGN_OR: result = base.united(area); break;
    case RGN_XOR: result = base.subtracted(area).united(area.subtracted(base)); break;
    case RGN_DIFF: result = base.subtracted(area); break;
    case RGN_COPY: result = area; break;
    default: return;
    }
    QPainterPath bounded;
    bounded.addRect(destination_);
    attr_.clip = result.intersected(bounded);
    applyClip();
}

void EmfPlaybackState::intersectClipRect(const QRectF& logical)
{
    QPainterPath p;
    p.addRect(logical.normalized());
    combineClip(pageTransform().map(p), RGN_AND);
}

void EmfPlaybackState::excludeClipRect(const QRectF& logical)
{
    QPainterPath p;
    p.addRect(logical.normalized());
    combineClip(pageTransform().map(p), RGN_DIFF);
}

void EmfPlaybackState::selectClipRegion(const std::vector<QRectF>& deviceRects, std::uint32_t mode)
{
    if (deviceRects.empty() && mode == RGN_COPY) {
        attr_.clip.reset();
        applyClip();
        return;
    }
    QPainterPath area;
    for (const QRectF& r : deviceRects)
        area.addRect(r.normalized());
    area.setFillRule(Qt::WindingFill);
    combineClip(deviceToDest_.map(area).simplified(), mode);
}

void EmfPlaybackState::offsetClip(QPointF logical)
{
    if (!attr_.clip)
        return;
    const QTransform t = pageTransform();
    const QPointF d = t.map(logical) - t.map(QPointF(0, 0));
    attr_.clip->translate(d);
    applyClip();
}

} // namespace kelvppvw::gdi
