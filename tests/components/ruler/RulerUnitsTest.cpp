#include "components/ruler/RulerUnits.h"

#include <gtest/gtest.h>

using namespace kelvppvw;

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
