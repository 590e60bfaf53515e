#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kelvppvw {

// The printer's page as the viewer lays it out. The first group comes from
// the printer's device capabilities; the rest is derived from it. Pixels are
// printer pixels, everything else twips.
struct PageGeometry {
    int32_t mlOffsetXPx = 0, mlOffsetYPx = 0;         // unprintable left and top margins
    int32_t mlPrintWidthPx = 0, mlPrintHeightPx = 0;  // printable area
    int32_t mlPaperWidthPx = 0, mlPaperHeightPx = 0;  // whole sheet
    double mdblTwipsPerPxX = 0, mdblTwipsPerPxY = 0;  // 1440 / pixels per inch

    int32_t mlRightPx = 0, mlBottomPx = 0;
    int32_t mlLeftTw = 0, mlTopTw = 0, mlRightTw = 0, mlBottomTw = 0;
    int32_t mlPrintWidthTw = 0, mlPrintHeightTw = 0;
    double mdblPageWidthTw = 0, mdblPageHeightTw = 0;
};

// Fills the derived fields from the printer group (halves round to even).
void DerivePageGeometry(PageGeometry& g);

struct Size2 {
    double width = 0, height = 0;
};
struct Point2 {
    double x = 0, y = 0;
};

// Twips of screen per printer pixel that make the whole sheet fit the
// available inner area: the smaller of the two directions.
double FitScale(double innerWidth, double innerHeight, int32_t paperWidthPx, int32_t paperHeightPx);

// The page view's size: in stepped zoom the printable area over the divisor;
// in fit mode the sheet at the fit scale, kept to the sheet's own size when
// autoRangeMax is set.
Size2 PageViewSize(const PageGeometry& g, bool steppedZoom, double zoomDivisor, bool autoRangeMax,
                   double innerWidth, double innerHeight);

// Where the page view sits in the page background: centred, shifted by half
// the ruler thickness, less the 30-twip gap.
Point2 CenteredPageViewPosition(double backWidth, double backHeight, double viewWidth, double viewHeight,
                                double rulerDimension);

// The page's screen-to-paper ratio along the horizontal direction.
double PageRatio(const PageGeometry& g, double viewInnerWidth, double viewInnerHeight);

// A fraction as a percentage with at least two digits: 0.05 "05%", 1 "100%".
std::string FormatPercent(double fraction);

// The zoom button's caption for a divisor in stepped zoom.
std::string ZoomCaption(bool steppedZoom, double zoomDivisor);

// The scroll area around the page view.
struct ScrollLayout {
    bool hscVisible = false, vscVisible = false;
    std::optional<int16_t> hscMax, vscMax; // empty: outside the bar's range, not assigned
};

struct ScrollInput {
    double viewWidth = 0, viewHeight = 0; // W, H
    double backWidth = 0, backHeight = 0; // BW, BH
    double rulerDimension = 0;            // RD
    double shadowDepth = 0;               // SD
    double hscHeight = 0, vscWidth = 0;   // scroll bar thickness
};

ScrollLayout LayoutScroll(const ScrollInput& in);

// The scroll value that keeps a clicked point at its relative place after a
// zoom: the bar's new maximum times position / extent (extent and position
// measured before the zoom), rounded, never beyond the maximum. Raises 11
// for an empty extent.
int32_t ScrollValueAtPoint(int16_t max, double extent, double position);

// A bar's large step for its maximum: a tenth, when that is above zero.
std::optional<int16_t> LargeChangeFor(int16_t max);

} // namespace kelvppvw
