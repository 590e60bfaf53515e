#include "viewer/PageGeometry.h"

#include "platform/automation/AutomationError.h"
#include "platform/automation/Variant.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kelvppvw {

namespace {

int32_t roundLong(double v) { return static_cast<int32_t>(roundHalfEven(v)); }

std::optional<int16_t> toInteger16(double v) {
    const double r = roundHalfEven(v);
    if (!std::isfinite(r) || r < std::numeric_limits<int16_t>::min() || r > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(r);
}

} // namespace

void DerivePageGeometry(PageGeometry& g) {
    g.mlRightPx = g.mlPaperWidthPx - g.mlPrintWidthPx - g.mlOffsetXPx;
    g.mlBottomPx = g.mlPaperHeightPx - g.mlPrintHeightPx - g.mlOffsetYPx;
    g.mlLeftTw = roundLong(g.mlOffsetXPx * g.mdblTwipsPerPxX);
    g.mlTopTw = roundLong(g.mlOffsetYPx * g.mdblTwipsPerPxY);
    g.mlRightTw = roundLong(g.mlRightPx * g.mdblTwipsPerPxX);
    g.mlBottomTw = roundLong(g.mlBottomPx * g.mdblTwipsPerPxY);
    g.mlPrintWidthTw = roundLong(g.mlPrintWidthPx * g.mdblTwipsPerPxX);
    g.mlPrintHeightTw = roundLong(g.mlPrintHeightPx * g.mdblTwipsPerPxY);
    g.mdblPageWidthTw = static_cast<double>(g.mlLeftTw) + g.mlPrintWidthTw + g.mlRightTw;
    g.mdblPageHeightTw = static_cast<double>(g.mlTopTw) + g.mlPrintHeightTw + g.mlBottomTw;
}

double FitScale(double innerWidth, double innerHeight, int32_t paperWidthPx, int32_t paperHeightPx) {
    if (paperWidthPx <= 0 || paperHeightPx <= 0)
        return 0.0;
    const double fitH = innerHeight / paperHeightPx;
    const double fitW = innerWidth / paperWidthPx;
    return fitH >= fitW ? fitW : fitH;
}

Size2 PageViewSize(const PageGeometry& g, bool steppedZoom, double zoomDivisor, bool autoRangeMax,
                   double innerWidth, double innerHeight) {
    Size2 size;
    if (steppedZoom) {
        size.width = g.mlPrintWidthTw / zoomDivisor;
        size.height = g.mlPrintHeightTw / zoomDivisor;
        return size;
    }
    const double scale = FitScale(innerWidth, innerHeight, g.mlPaperWidthPx, g.mlPaperHeightPx);
    size.width = g.mlPaperWidthPx * scale;
    size.height = g.mlPaperHeightPx * scale;
    if (autoRangeMax) {
        size.width = std::min(size.width, g.mdblPageWidthTw);
        size.height = std::min(size.height, g.mdblPageHeightTw);
    }
    return size;
}

Point2 CenteredPageViewPosition(double backWidth, double backHeight, double viewWidth, double viewHeight,
                                double rulerDimension) {
    return {backWidth / 2 - viewWidth / 2 + rulerDimension / 2 - 30,
            backHeight / 2 - viewHeight / 2 + rulerDimension / 2 - 30};
}

double PageRatio(const PageGeometry& g, double viewInnerWidth, double viewInnerHeight) {
    const double w = roundLong(viewInnerWidth), h = roundLong(viewInnerHeight);
    // Both orientations divide by the horizontal twips-per-pixel factor.
    if (g.mlPrintHeightTw >= g.mlPrintWidthTw)
        return w / (g.mlPaperWidthPx * g.mdblTwipsPerPxX);
    return h / (g.mlPaperHeightPx * g.mdblTwipsPerPxX);
}

std::string FormatPercent(double fraction) {
    const double percent = roundHalfEven(fraction * 100.0);
    if (!std::isfinite(percent))
        return "00%";
    std::string digits = std::to_string(static_cast<long long>(std::fabs(percent)));
    if (digits.size() < 2)
        digits.insert(0, 2 - digits.size(), '0');
    return (percent < 0 ? "-" : "") + digits + "%";
}

std::string ZoomCaption(bool steppedZoom, double zoomDivisor) {
    return steppedZoom ? FormatPercent(1.0 / zoomDivisor) : std::string("zoom");
}

ScrollLayout LayoutScroll(const ScrollInput& in) {
    ScrollLayout out;
    const double W = in.viewWidth, H = in.viewHeight, RD = in.rulerDimension, SD = in.shadowDepth;
    // The comparison sums are single precision, as the layout has always taken them.
    out.vscVisible = static_cast<float>(H + RD + 30 + 2 * SD) > static_cast<float>(in.backHeight);
    out.hscVisible = static_cast<float>(W + RD + 30 + 2 * SD) > static_cast<float>(in.backWidth);
    out.hscMax = toInteger16(W + RD + 30 + SD - (in.backWidth - in.hscHeight));
    out.vscMax = toInteger16(H + RD + 30 + SD - (in.backHeight - in.vscWidth));
    return out;
}

int32_t ScrollValueAtPoint(int16_t max, double extent, double position) {
    if (extent == 0)
        throw AutomationError(err::DivisionByZero);
    const double value = roundHalfEven(max - (max / extent) * (extent - position));
    if (!(value >= std::numeric_limits<int32_t>::min()))
        throw AutomationError(err::Overflow);
    return static_cast<int32_t>(std::min(value, static_cast<double>(max)));
}

std::optional<int16_t> LargeChangeFor(int16_t max) {
    if (max / 10.0 > 0)
        return static_cast<int16_t>(roundHalfEven(max / 10.0));
    return std::nullopt;
}

} // namespace kelvppvw
