#include "components/ruler/RulerUnits.h"

#include <gtest/gtest.h>

using namespace kelvppvw;

TEST(RulerUnits, one_inch_is_exact_in_every_fixed_unit) {
    const double inch = 1440.0;
    const auto across = RulerOrientation::Horizontal;
    EXPECT_DOUBLE_EQ(inch / twipsPerUnit(RulerUnit::Twips, across), 1440.0);
    EXPECT_DOUBLE_EQ(inch / twipsPerUnit(RulerUnit::Points, across), 72.0);
    EXPECT_DOUBLE_EQ(inch / twipsPerUnit(RulerUnit::Pixels, across), 96.0);
    EXPECT_DOUBLE_EQ(inch / twipsPerUnit(RulerUnit::Inches, across), 1.0);
    EXPECT_DOUBLE_EQ(inch / twipsPerUnit(RulerUnit::Millimeters, across), 25.4);
    EXPECT_DOUBLE_EQ(inch / twipsPerUnit(RulerUnit::Centimeters, across), 2.54);
    EXPECT_DOUBLE_EQ(inch / twipsPerUnit(RulerUnit::Decimeters, across), 0.254);
    EXPECT_DOUBLE_EQ(inch / twipsPerUnit(RulerUnit::Picas, across), 6.0);
}

TEST(RulerUnits, character_units_follow_the_measured_cells_and_the_ruler_direction) {
    const CharacterCells cells{96.0, 180.0, 72.0, 136.0};
    EXPECT_DOUBLE_EQ(twipsPerUnit(RulerUnit::Characters, RulerOrientation::Horizontal, cells), 96.0);
    EXPECT_DOUBLE_EQ(twipsPerUnit(RulerUnit::Characters, RulerOrientation::Vertical, cells), 180.0);
    EXPECT_DOUBLE_EQ(twipsPerUnit(RulerUnit::Pitch, RulerOrientation::Horizontal, cells), 72.0);
    EXPECT_DOUBLE_EQ(twipsPerUnit(RulerUnit::Pitch, RulerOrientation::Vertical, cells), 136.0);
    // Without a page font a character is the classic 120 x 240 twips cell.
    EXPECT_DOUBLE_EQ(twipsPerUnit(RulerUnit::Characters, RulerOrientation::Horizontal), 120.0);
    EXPECT_DOUBLE_EQ(twipsPerUnit(RulerUnit::Characters, RulerOrientation::Vertical), 240.0);
}

TEST(RulerUnits, menu_order_and_clamping_of_unit_indexes) {
    const char* expected[] = {"Twips", "Points", "Pixels", "Character", "Inch",
                              "Millimeters", "Centimeters", "Decimeters", "Picas", "Pitch"};
    for (int i = 1; i <= kRulerUnitCount; ++i)
        EXPECT_EQ(rulerUnitMenuName(rulerUnitFromIndex(i)), expected[i - 1]);
    EXPECT_EQ(rulerUnitFromIndex(0), RulerUnit::Twips);
    EXPECT_EQ(rulerUnitFromIndex(-5), RulerUnit::Twips);
    EXPECT_EQ(rulerUnitFromIndex(11), RulerUnit::Pitch);
    EXPECT_EQ(rulerUnitFromIndex(1LL << 40), RulerUnit::Pitch);
}

TEST(RulerUnits, marker_text_reads_the_position_in_the_unit) {
    const auto h = RulerOrientation::Horizontal;
    const double x = 3384.0;  // 2.35 in
    EXPECT_EQ(formatMarkerText(x, RulerUnit::Twips, h), "3384 twips");
    EXPECT_EQ(formatMarkerText(x, RulerUnit::Points, h), "169.2 pt");
    EXPECT_EQ(formatMarkerText(x, RulerUnit::Pixels, h), "226 px");
    EXPECT_EQ(formatMarkerText(x, RulerUnit::Characters, h), "28.2 ch");
    EXPECT_EQ(formatMarkerText(x, RulerUnit::Inches, h), "2.35 in");
    EXPECT_EQ(formatMarkerText(x, RulerUnit::Millimeters, h), "59.7 mm");
    EXPECT_EQ(formatMarkerText(x, RulerUnit::Centimeters, h), "5.97 cm");
    EXPECT_EQ(formatMarkerText(x, RulerUnit::Decimeters, h), "0.597 dm");
    EXPECT_EQ(formatMarkerText(x, RulerUnit::Picas, h), "14.10 pc");
    EXPECT_EQ(formatMarkerText(x, RulerUnit::Pitch, h), "47.0 pitch");
    EXPECT_EQ(formatMarkerText(-0.4, RulerUnit::Twips, h), "0 twips");
}
