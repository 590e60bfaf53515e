#include "platform/forms/Line.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"
#include "platform/forms/BorderPen.h"
#include "platform/forms/ControlHost.h"
#include "platform/forms/NativeConvert.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kelvppvw {

namespace {

// A horizontal or vertical line as one fill of its band, dashes and all from
// a tiled texture anchored at the line's start: a dotted cross hair the
// height of the page costs one fill per repaint, where stroking it made a
// polygon of every dot.
void fillStraightLine(QPainter& painter, QPointF from, QPointF to, const QPen& pen) {
    const bool vertical = from.x() == to.x();
    const double width = pen.widthF();
    const QPointF half = vertical ? QPointF(width / 2, 0) : QPointF(0, width / 2);
    const QRectF band = QRectF(from - half, to + half).normalized();
    if (pen.style() == Qt::SolidLine) {
        painter.fillRect(band, pen.color());
        return;
    }
    const double scale = painter.device()->devicePixelRatio(); // the tile is made in device pixels
    const QList<qreal> pattern = pen.dashPattern();
    double period = 0;
    for (const qreal run : pattern)
        period += run * width;
    const int along = std::max(1, static_cast<int>(std::lround(period * scale)));
    const int across = std::max(1, static_cast<int>(std::lround(width * scale)));
    QImage tile(vertical ? QSize(across, along) : QSize(along, across), QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    QPainter tilePainter(&tile);
    double at = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const double next = at + pattern[i] * width;
        const int low = static_cast<int>(std::lround(at * scale)), high = static_cast<int>(std::lround(next * scale));
        if (i % 2 == 0 && high > low)
            tilePainter.fillRect(vertical ? QRect(0, low, across, high - low) : QRect(low, 0, high - low, across),
                                 pen.color());
        at = next;
    }
    tilePainter.end();
    QTransform anchor;
    anchor.translate(from.x() - half.x(), from.y() - half.y());
    const bool backwards = vertical ? to.y() < from.y() : to.x() < from.x();
    anchor.scale((backwards && !vertical ? -1 : 1) / scale, (backwards && vertical ? -1 : 1) / scale);
    QBrush dashes(tile);
    dashes.setTransform(anchor);
    painter.fillRect(band, dashes);
}

} // namespace

Line::Line() {
    setWindowless();
    property("X1", [this] { return Variant(X1()); }, [this](const Variant& v) { SetX1(v.toDouble()); });
    property("Y1", [this] { return Variant(Y1()); }, [this](const Variant& v) { SetY1(v.toDouble()); });
    property("X2", [this] { return Variant(X2()); }, [this](const Variant& v) { SetX2(v.toDouble()); });
    property("Y2", [this] { return Variant(Y2()); }, [this](const Variant& v) { SetY2(v.toDouble()); });
    property("BorderColor", [this] { return Variant(static_cast<int32_t>(borderColor_)); },
             [this](const Variant& v) { SetBorderColor(static_cast<uint32_t>(v.toLong())); });
    property("BorderStyle", [this] { return Variant(borderStyle_); },
             [this](const Variant& v) { SetBorderStyle(v.toInteger()); });
    property("BorderWidth", [this] { return Variant(borderWidth_); },
             [this](const Variant& v) { SetBorderWidth(v.toInteger()); });
}

double Line::X1() const { return fromTwipsX(x1Tw_); }
double Line::Y1() const { return fromTwipsY(y1Tw_); }
double Line::X2() const { return fromTwipsX(x2Tw_); }
double Line::Y2() const { return fromTwipsY(y2Tw_); }

void Line::repaintWindowless() const {
    if (!Container() || !Visible())
        return;
    const int offset = Container()->innerOffsetPx();
    const int x1 = twipsToPixels(x1Tw_), y1 = twipsToPixels(y1Tw_);
    const int x2 = twipsToPixels(x2Tw_), y2 = twipsToPixels(y2Tw_);
    // Wide pens are centred on the line; dashes and caps stay inside the margin.
    const int reach = borderWidth_ + 1;
    Container()->repaintHostArea(std::min(x1, x2) + offset - reach, std::min(y1, y2) + offset - reach,
                                 std::abs(x2 - x1) + 2 * reach + 1, std::abs(y2 - y1) + 2 * reach + 1);
}

void Line::SetX1(double v) {
    change([&] { x1Tw_ = toTwipsX(v); });
}
void Line::SetY1(double v) {
    change([&] { y1Tw_ = toTwipsY(v); });
}
void Line::SetX2(double v) {
    change([&] { x2Tw_ = toTwipsX(v); });
}
void Line::SetY2(double v) {
    change([&] { y2Tw_ = toTwipsY(v); });
}
void Line::SetBorderColor(uint32_t color) {
    (void)toQColor(color);
    change([&] { borderColor_ = color; });
}
void Line::SetBorderStyle(int16_t style) {
    if (style < 0 || style > 6)
        throw AutomationError(err::InvalidPropertyValue);
    change([&] { borderStyle_ = style; });
}
void Line::SetBorderWidth(int16_t pixels) {
    if (pixels < 1)
        throw AutomationError(err::InvalidPropertyValue);
    change([&] { borderWidth_ = pixels; });
}

void Line::paintWindowless(QPainter& painter) const {
    const int offset = Container() ? Container()->innerOffsetPx() : 0;
    const QPointF from(twipsToPixels(x1Tw_) + offset, twipsToPixels(y1Tw_) + offset);
    const QPointF to(twipsToPixels(x2Tw_) + offset, twipsToPixels(y2Tw_) + offset);
    // Across the line the pen sits on whole pixels; along it the flat ends
    // stop where the line does, leaving its last point out.
    const double align = borderAlignment(borderWidth_);
    const bool vertical = from.x() == to.x(), horizontal = from.y() == to.y();
    const QPointF across(horizontal && !vertical ? 0.0 : align, vertical && !horizontal ? 0.0 : align);
    const QPen pen = borderPen(borderColor_, borderStyle_, borderWidth_);
    if (pen.style() == Qt::NoPen)
        return;
    if (vertical == horizontal) { // slanted, or a single point
        painter.setPen(pen);
        painter.drawLine(from + across, to + across);
        return;
    }
    fillStraightLine(painter, from + across, to + across, pen);
}

} // namespace kelvppvw
