#include "components/ruler/TickLayout.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kelvppvw;

namespace {

// A mono-spaced numeral font: every character 4.8 pixels wide (6 pt Courier
// at 96 dpi).
double monoExtent(std::string_view text) { return 4.8 * static_cast<double>(text.size()); }

TickRequest letterWidth(RulerUnit unit, double pixels) {
    TickRequest r;
    r.mapping = {12240.0, pixels};  // 8.5 in
    r.twipsPerUnit = twipsPerUnit(unit, RulerOrientation::Horizontal);
    r.ladder = &unitLadder(unit);
    r.labelExtent = monoExtent;
    return r;
}

std::vector<double> positionsOf(const TickPlan& plan, TickLevel level) {
    std::vector<double> out;
    for (const Tick& t : plan.ticks)
        if (t.level == level)
            out.push_back(t.position);
    return out;
}

void expectNoOverlap(const TickPlan& plan, const TickRequest& r, const std::string& what) {
    for (size_t i = 0; i < plan.labels.size(); ++i) {
        const TickLabel& l = plan.labels[i];
        EXPECT_LE(l.end, std::min(r.labelLimit, r.mapping.lengthPx)) << what << " label " << l.text;
        EXPECT_GE(l.start, l.tickPosition) << what;
        if (i > 0) {
            EXPECT_GE(l.start, plan.labels[i - 1].end + r.spacing.labelGap) << what << " label " << l.text;
        }
    }
}

} // namespace

TEST(TickLayout, inch_ticks_fall_every_72_pixels_on_a_letter_sheet_612_pixels_wide) {
    const TickRequest r = letterWidth(RulerUnit::Inches, 612.0);
    const TickPlan plan = planTicks(r);
    EXPECT_EQ(plan.majorStep, 1.0);
    EXPECT_EQ(plan.minorStep, 0.5);
    EXPECT_EQ(plan.fineStep, 1.0 / 16);
    const auto majors = positionsOf(plan, TickLevel::Major);
    ASSERT_EQ(majors.size(), 9u);  // 0 to 8 in
    for (size_t i = 0; i < majors.size(); ++i)
        EXPECT_DOUBLE_EQ(majors[i], 72.0 * static_cast<double>(i));
    const auto minors = positionsOf(plan, TickLevel::Minor);
    ASSERT_FALSE(minors.empty());
    EXPECT_DOUBLE_EQ(minors.front(), 36.0);
    EXPECT_EQ(plan.ticks.size(), 137u);  // every sixteenth up to 8.5 in
    EXPECT_DOUBLE_EQ(plan.ticks.back().position, 612.0);
    ASSERT_EQ(plan.labels.size(), 9u);
    EXPECT_EQ(plan.labels[0].text, "0");
    EXPECT_EQ(plan.labels[8].text, "8");
    EXPECT_DOUBLE_EQ(plan.labels[1].start, 75.0);
}

TEST(TickLayout, numerals_never_overlap_in_any_unit_at_any_zoom) {
    for (int u = 1; u <= kRulerUnitCount; ++u) {
        for (double pixels : {60.0, 150.0, 306.0, 612.0, 816.0, 1224.0, 2448.0, 9000.0}) {
            TickRequest r = letterWidth(static_cast<RulerUnit>(u), pixels);
            r.labelLimit = pixels - 20.0;  // room for the unit's name
            const TickPlan plan = planTicks(r);
            const std::string what = std::string(rulerUnitMenuName(static_cast<RulerUnit>(u))) + " at " +
                                     std::to_string(static_cast<int>(pixels));
            ASSERT_GT(plan.majorStep, 0.0) << what;
            expectNoOverlap(plan, r, what);
            // Subdivisions divide their parent and keep their minimum spacing.
            const double pxPerUnit = pixels / 12240.0 * r.twipsPerUnit;
            if (plan.minorStep > 0.0) {
                EXPECT_GE(plan.minorStep * pxPerUnit, r.spacing.minMinor) << what;
                const double n = plan.majorStep / plan.minorStep;
                EXPECT_NEAR(n, std::round(n), 1e-9) << what;
            }
            if (plan.fineStep > 0.0) {
                EXPECT_GE(plan.fineStep * pxPerUnit, r.spacing.minFine) << what;
            }
            for (size_t i = 1; i < plan.ticks.size(); ++i)
                EXPECT_GT(plan.ticks[i].position, plan.ticks[i - 1].position) << what;
        }
    }
}

TEST(TickLayout, nothing_to_draw_for_an_empty_sheet_or_ruler) {
    TickRequest r = letterWidth(RulerUnit::Inches, 612.0);
    r.mapping.pageTwips = 0.0;
    EXPECT_TRUE(planTicks(r).ticks.empty());
    r = letterWidth(RulerUnit::Inches, 0.0);
    EXPECT_TRUE(planTicks(r).ticks.empty());
    r = letterWidth(RulerUnit::Inches, 612.0);
    r.twipsPerUnit = 0.0;
    EXPECT_TRUE(planTicks(r).ticks.empty());
    // A ruler too short for any labelled step shows no ticks rather than a smear.
    r = letterWidth(RulerUnit::Inches, 1.0);
    EXPECT_EQ(planTicks(r).majorStep, 0.0);
}
