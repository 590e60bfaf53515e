#include "components/ruler/TickLayout.h"

#include <algorithm>
#include <cmath>

namespace kelvppvw {

namespace {

bool dividesEvenly(double whole, double part) {
    const double ratio = whole / part;
    return ratio >= 1.0 && std::abs(ratio - std::round(ratio)) < 1e-9 * ratio;
}

std::string labelText(long long multiple, double step, int decimals) {
    return formatFixed(static_cast<double>(multiple) * step, decimals);
}

// Widest numeral any multiple of step would need along this ruler.
double widestLabel(const TickRequest& r, double step, double unitsOnRuler) {
    const int decimals = stepDecimals(step);
    const auto count = static_cast<long long>(std::floor(unitsOnRuler / step + 1e-9));
    double widest = 0.0;
    // Mono-spaced numerals grow with their digit count; checking a handful
    // near the end plus every power of ten covers proportional fonts too.
    for (long long k = std::max(0LL, count - 3); k <= count; ++k)
        widest = std::max(widest, r.labelExtent(labelText(k, step, decimals)));
    for (long long k = 1; k <= count; k *= 10)
        widest = std::max(widest, r.labelExtent(labelText(k, step, decimals)));
    return widest;
}

} // namespace

int stepDecimals(double step) {
    for (int d = 0; d < 6; ++d) {
        const double scaled = step * std::pow(10.0, d);
        if (std::abs(scaled - std::round(scaled)) < 1e-9 * std::max(1.0, scaled))
            return d;
    }
    return 6;
}

TickPlan planTicks(const TickRequest& r) {
    TickPlan plan;
    if (!r.mapping.valid() || r.twipsPerUnit <= 0.0 || !r.ladder || r.ladder->majors.empty())
        return plan;
    const double pxPerUnit = r.mapping.pixelsPerTwip() * r.twipsPerUnit;
    const double unitsOnRuler = r.mapping.pageTwips / r.twipsPerUnit;
    const bool numerals = r.numerals && static_cast<bool>(r.labelExtent);

    for (double step : r.ladder->majors) {
        if (step > unitsOnRuler + 1e-9)
            break;  // a labelled step longer than the sheet marks nothing
        double needed = r.spacing.minMajor;
        if (numerals)
            needed = std::max(needed, widestLabel(r, step, unitsOnRuler) + r.spacing.labelGap);
        if (step * pxPerUnit >= needed) {
            plan.majorStep = step;
            break;
        }
    }
    if (plan.majorStep == 0.0)
        return plan;

    const auto& subs = r.ladder->subdivisions;
    for (auto it = subs.rbegin(); it != subs.rend(); ++it) {
        if (*it < plan.majorStep && dividesEvenly(plan.majorStep, *it) && *it * pxPerUnit >= r.spacing.minMinor) {
            plan.minorStep = *it;
            break;
        }
    }
    if (r.fineTicks) {
        const double parent = plan.minorStep > 0.0 ? plan.minorStep : plan.majorStep;
        for (double s : subs) {
            if (s < parent && dividesEvenly(parent, s) && s * pxPerUnit >= r.spacing.minFine) {
                plan.fineStep = s;
                break;
            }
        }
    }

    // Walk the smallest step in whole multiples so positions carry no drift.
    const double smallest = plan.fineStep > 0.0 ? plan.fineStep : (plan.minorStep > 0.0 ? plan.minorStep : plan.majorStep);
    const auto perMajor = static_cast<long long>(std::llround(plan.majorStep / smallest));
    const auto perMinor = plan.minorStep > 0.0 ? static_cast<long long>(std::llround(plan.minorStep / smallest)) : 0LL;
    const auto lastIndex = static_cast<long long>(std::floor(unitsOnRuler / smallest + 1e-9));
    plan.decimals = stepDecimals(plan.majorStep);

    double labelsEnd = -1e300;
    for (long long i = 0; i <= lastIndex; ++i) {
        const double position = static_cast<double>(i) * smallest * pxPerUnit;
        TickLevel level = TickLevel::Fine;
        if (i % perMajor == 0)
            level = TickLevel::Major;
        else if (perMinor > 0 && i % perMinor == 0)
            level = TickLevel::Minor;
        plan.ticks.push_back({position, level});

        if (level != TickLevel::Major || !numerals)
            continue;
        TickLabel label{position, position + r.spacing.labelOffset, 0.0,
                        labelText(i / perMajor, plan.majorStep, plan.decimals)};
        label.end = label.start + r.labelExtent(label.text);
        if (label.end > std::min(r.labelLimit, r.mapping.lengthPx) || label.start < labelsEnd + r.spacing.labelGap)
            continue;
        labelsEnd = label.end;
        plan.labels.push_back(std::move(label));
    }
    return plan;
}

} // namespace kelvppvw
