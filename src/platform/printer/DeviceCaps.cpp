#include "platform/printer/DeviceCaps.h"

#include <cmath>

namespace kelvppvw {

namespace {
int32_t toPixels(double points, int dpi) { return static_cast<int32_t>(std::lround(points * dpi / 72.0)); }
} // namespace

int32_t DeviceCaps::value(int index) const {
    switch (index) {
    case caps::HorzRes: return horzRes;
    case caps::VertRes: return vertRes;
    case caps::LogPixelsX: return logPixelsX;
    case caps::LogPixelsY: return logPixelsY;
    case caps::PhysicalWidth: return physicalWidth;
    case caps::PhysicalHeight: return physicalHeight;
    case caps::PhysicalOffsetX: return physicalOffsetX;
    case caps::PhysicalOffsetY: return physicalOffsetY;
    default: return 0;
    }
}

DeviceCaps DeviceCaps::fromPoints(double sheetWidth, double sheetHeight, double marginLeft, double marginTop,
                                  double marginRight, double marginBottom, int dpiX, int dpiY) {
    DeviceCaps c;
    c.logPixelsX = dpiX;
    c.logPixelsY = dpiY;
    c.physicalWidth = toPixels(sheetWidth, dpiX);
    c.physicalHeight = toPixels(sheetHeight, dpiY);
    c.physicalOffsetX = toPixels(marginLeft, dpiX);
    c.physicalOffsetY = toPixels(marginTop, dpiY);
    c.horzRes = c.physicalWidth - c.physicalOffsetX - toPixels(marginRight, dpiX);
    c.vertRes = c.physicalHeight - c.physicalOffsetY - toPixels(marginBottom, dpiY);
    return c;
}

} // namespace kelvppvw
