#pragma once

#include "components/ruler/RulerUnits.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvppvw {

// The sheet, pageTwips long, drawn over lengthPx pixels of ruler starting at
// pixel 0 (the sheet's edge, the zero point).
struct RulerMapping {
    double pageTwips = 0.0;
    double lengthPx = 0.0;

    bool valid() const { return pageTwips > 0.0 && lengthPx > 0.0; }
    double pixelsPerTwip() const { return valid() ? lengthPx / pageTwips : 0.0; }
    double toPixel(double twips) const { return twips * pixelsPerTwip(); }
    double toTwips(double pixel) const { return valid() ? pixel * pageTwips / lengthPx : 0.0; }
};

enum class TickLevel { Major, Minor, Fine };

struct Tick {
    double position;  // pixels from the zero point
    TickLevel level;
};

// A numeral and the stretch of ruler it covers along the axis.
struct TickLabel {
    double tickPosition;
    double start;
    double end;
    std::string text;
};

// Closest spacings, in pixels, at which each kind of mark still reads as
// separate; labelGap keeps neighbouring numerals apart.
struct TickSpacing {
    double minMajor = 12.0;
    double minMinor = 5.0;
    double minFine = 2.5;
    double labelGap = 4.0;
    double labelOffset = 3.0;  // numerals start this far past their tick
};

struct TickRequest {
    RulerMapping mapping;
    double twipsPerUnit = 1440.0;
    const UnitLadder* ladder = nullptr;
    bool numerals = true;
    bool fineTicks = true;
    // Numerals must end before this pixel (the unit's name sits behind it).
    double labelLimit = 1e300;
    TickSpacing spacing;
    // Length along the axis of a numeral's text, in pixels.
    std::function<double(std::string_view)> labelExtent;
};

struct TickPlan {
    double majorStep = 0.0;  // in units; 0 when nothing fits
    double minorStep = 0.0;  // 0 when there are no minor ticks
    double fineStep = 0.0;   // 0 when there are no fine ticks
    int decimals = 0;
    std::vector<Tick> ticks;
    std::vector<TickLabel> labels;
};

// Ticks and numerals for one ruler: the smallest labelled step whose numerals
// fit between neighbouring ticks, the largest subdivision of it still wide
// enough for minor ticks, the finest subdivision of that still wide enough
// for fine ticks. Numerals never overlap each other or pass labelLimit.
TickPlan planTicks(const TickRequest& request);

// Decimals needed to write every multiple of step exactly (0 to 6).
int stepDecimals(double step);

} // namespace kelvppvw
