#include "components/ruler/RulerPainter.h"

#include "platform/forms/OleColor.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kelvppvw {

RulerPainter::RulerPainter(const RulerScene& scene)
    : s_(scene), vertical_(scene.orientation == RulerOrientation::Vertical) {}

int RulerPainter::length() const { return vertical_ ? s_.size.height() : s_.size.width(); }
int RulerPainter::thickness() const { return vertical_ ? s_.size.width() : s_.size.height(); }

int RulerPainter::lowerRail() const {
    const auto& a = s_.appearance;
    const int bars = std::max(a.displayRangeIn ? a.displayRangeInHeight : 0, a.displayRangeOut ? a.displayRangeOutHeight : 0);
    return std::max(1, thickness() - 1 - bars);
}

int RulerPainter::tickHeight(TickLevel level) const {
    const int band = std::max(1, lowerRail() - 1);
    switch (level) {
    case TickLevel::Major: return band;
    case TickLevel::Minor: return std::max(1, band / 2);
    case TickLevel::Fine: return std::max(1, band / 4);
    }
    return 1;
}

RulerMapping RulerPainter::mapping() const { return {s_.pageTwips, static_cast<double>(length())}; }

QColor RulerPainter::toColor(int32_t oleColor) {
    const uint32_t bgr = TryResolveColor(oleColor).value_or(0);
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>(bgr >> 8 & 0xFF), static_cast<int>(bgr >> 16 & 0xFF));
}

QFont RulerPainter::toFont(const FontDescription& d, double dpi, int minPixels) {
    QFont font(QString::fromStdString(d.name));
    font.setPixelSize(std::max(minPixels, static_cast<int>(std::lround(d.size * dpi / 72.0))));
    font.setBold(d.bold);
    font.setItalic(d.italic);
    font.setUnderline(d.underline);
    font.setStrikeOut(d.strikethrough);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

int RulerPainter::textBottom(const QFont& font) const {
    // Numerals and unit names have no descenders; one more row for the shadow.
    return 1 + static_cast<int>(std::ceil(QFontMetricsF(font).ascent())) + 1;
}

bool RulerPainter::showsNumerals() const {
    return s_.appearance.displayTickNumerals && textBottom(s_.numeralFont) <= lowerRail();
}

bool RulerPainter::showsScaleName() const {
    return s_.appearance.displayScaleName && textBottom(s_.scaleNameFont) <= lowerRail();
}

double RulerPainter::scaleNameStart() const {
    if (!showsScaleName())
        return length();
    const QString name = QString::fromUtf8(rulerUnitSymbol(rulerUnitFromIndex(s_.appearance.rulerScale)).data());
    return length() - 2.0 - QFontMetricsF(s_.scaleNameFont).horizontalAdvance(name);
}

TickPlan RulerPainter::plan() const {
    const QFontMetricsF metrics(s_.numeralFont);
    TickRequest r;
    r.mapping = mapping();
    r.twipsPerUnit = s_.twipsPerUnit;
    r.ladder = &unitLadder(rulerUnitFromIndex(s_.appearance.rulerScale));
    r.numerals = showsNumerals();
    r.fineTicks = s_.appearance.ticksDisplayFine;
    r.labelLimit = scaleNameStart() - r.spacing.labelGap;
    r.labelExtent = [&metrics](std::string_view text) {
        return metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
    return planTicks(r);
}

QRect RulerPainter::widgetRect(int along, int across, int alongLength, int acrossLength) const {
    return vertical_ ? QRect(across, along, acrossLength, alongLength) : QRect(along, across, alongLength, acrossLength);
}

void RulerPainter::fill(QPainter& p, int along, int across, int alongLength, int acrossLength, const QColor& c) const {
    if (alongLength > 0 && acrossLength > 0)
        p.fillRect(widgetRect(along, across, alongLength, acrossLength), c);
}

void RulerPainter::drawText(QPainter& p, double along, int across, const QString& text, const QFont& font,
                            const QColor& color, const QColor& shadow) const {
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text);
    p.save();
    p.setFont(font);
    if (vertical_) {
        p.translate(across, along + width);
        p.rotate(-90);
    } else {
        p.translate(along, across);
    }
    const QPointF baseline(0, metrics.ascent());
    if (shadow != color) {
        p.setPen(shadow);
        p.drawText(baseline + QPointF(1, 1), text);
    }
    p.setPen(color);
    p.drawText(baseline, text);
    p.restore();
}

void RulerPainter::paintBackground(QPainter& p) const {
    const auto& a = s_.appearance;
    const int len = length();
    const int thick = thickness();
    p.fillRect(QRect(QPoint(0, 0), s_.size), toColor(a.color(RulerColor::ColorBackColor)));
    if (len <= 0 || thick <= 0)
        return;
    const RulerMapping map = mapping();

    // Printable range and the unprintable margins on the edge facing the page.
    if (map.valid()) {
        const double end = std::max(0.0, s_.pageTwips - s_.rangeEndTwips);
        const int begin = std::clamp(static_cast<int>(std::lround(map.toPixel(std::clamp(s_.rangeBeginTwips, 0.0, s_.pageTwips)))), 0, len);
        const int finish = std::clamp(static_cast<int>(std::lround(map.toPixel(end))), begin, len);
        if (a.displayRangeIn) {
            const int h = a.displayRangeInHeight;
            fill(p, begin, thick - h, finish - begin, h, toColor(a.color(RulerColor::ColorRangeInColor)));
        }
        if (a.displayRangeOut) {
            const int h = a.displayRangeOutHeight;
            const QColor out = toColor(a.color(RulerColor::ColorRangeOutColor));
            fill(p, 0, thick - h, begin, h, out);
            fill(p, finish, thick - h, len - finish, h, out);
        }
    }

    const int rail = lowerRail();
    fill(p, 0, 0, len, 1, toColor(a.color(RulerColor::ColorTickRailUpperColor)));
    const QColor lower = toColor(a.color(RulerColor::ColorTickRailBottomColor));
    fill(p, 0, rail, len, 1, lower);

    const TickPlan ticks = plan();
    // Minor and fine ticks that pass under a numeral stop short of it.
    const int belowText = rail - textBottom(s_.numeralFont);
    const double nameStart = scaleNameStart();
    auto label = ticks.labels.begin();
    for (const Tick& t : ticks.ticks) {
        const int at = static_cast<int>(std::floor(t.position));
        if (at >= len)
            break;
        int h = tickHeight(t.level);
        while (label != ticks.labels.end() && label->end + 1.0 < at)
            ++label;
        const bool underNumeral = t.level != TickLevel::Major && label != ticks.labels.end() && label->start - 1.0 <= at;
        if (underNumeral || at >= nameStart - 1.0)
            h = std::min(h, std::max(1, belowText));
        fill(p, at, rail - h, 1, h, lower);
    }
    if (map.valid())
        fill(p, 0, 1, std::min(2, len), rail - 1, toColor(a.color(RulerColor::ColorZeroPointStartColor)));

    const QColor text = toColor(a.color(RulerColor::ColorTextForeColor));
    const QColor textShadow = toColor(a.color(RulerColor::ColorTextShadowColor));
    for (const TickLabel& l : ticks.labels)
        drawText(p, l.start, 1, QString::fromStdString(l.text), s_.numeralFont, text, textShadow);

    if (showsScaleName()) {
        const QString name = QString::fromUtf8(rulerUnitSymbol(rulerUnitFromIndex(a.rulerScale)).data());
        drawText(p, scaleNameStart(), 1, name, s_.scaleNameFont, toColor(a.color(RulerColor::ColorScaleNameColor)),
                 toColor(a.color(RulerColor::ColorScaleNameShadowColor)));
    }

    if (a.edgeStyle != static_cast<int>(EdgeStyle::None)) {
        const QColor back = toColor(a.color(RulerColor::ColorBackColor));
        const bool sunken = a.edgeStyle == static_cast<int>(EdgeStyle::Sunken);
        const QColor outer = sunken ? back.darker(160) : back.lighter(160);
        const QColor inner = sunken ? back.lighter(160) : back.darker(160);
        const auto q = static_cast<EdgeQuadrant>(a.edgeQuadrant);
        const bool ends = q == EdgeQuadrant::AllSides;
        if (q != EdgeQuadrant::PageSide)
            fill(p, 0, 0, len, 1, outer);
        if (q != EdgeQuadrant::OuterSide)
            fill(p, 0, thick - 1, len, 1, inner);
        if (ends) {
            fill(p, 0, 0, 1, thick, outer);
            fill(p, len - 1, 0, 1, thick, inner);
        }
    }
}

void RulerPainter::paintMarker(QPainter& p, int along) const {
    const auto& a = s_.appearance;
    Qt::PenStyle style = Qt::SolidLine;
    switch (static_cast<MarkerLineType>(a.displayMarkerType)) {
    case MarkerLineType::Transparent: return;
    case MarkerLineType::Dash: style = Qt::DashLine; break;
    case MarkerLineType::Dot: style = Qt::DotLine; break;
    case MarkerLineType::DashDot: style = Qt::DashDotLine; break;
    case MarkerLineType::DashDotDot: style = Qt::DashDotDotLine; break;
    case MarkerLineType::Solid:
    case MarkerLineType::InsideSolid: break;
    }
    const int width = a.displayMarkerWidth;
    QPen pen(toColor(a.color(RulerColor::ColorRuleMarkerColor)), width, style, Qt::FlatCap);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(pen);
    // Centre the pen on the pixel column (odd widths) or just after it (even).
    const double centre = along + (width % 2 ? 0.5 : 0.0);
    if (vertical_)
        p.drawLine(QPointF(0, centre), QPointF(thickness(), centre));
    else
        p.drawLine(QPointF(centre, 0), QPointF(centre, thickness()));
    p.restore();
}

} // namespace kelvppvw
