#include "platform/forms/OleColor.h"
#include "components/ruler/RulerAppearance.h"

#include <gtest/gtest.h>

using namespace kelvppvw;

TEST(RulerAppearance, empty_text_keeps_the_value_and_unknown_names_change_nothing) {
    RulerAppearance a;
    a.rulerScale = 7;
    const RulerAppearance before = a;
    for (auto name : rulerSettingNames()) {
        EXPECT_EQ(applyRulerSetting(a, name, Variant("")), SettingOutcome::KeptEmpty) << name;
        EXPECT_EQ(applyRulerSetting(a, name, Variant("   ")), SettingOutcome::KeptEmpty) << name;
        EXPECT_EQ(applyRulerSetting(a, name, Variant()), SettingOutcome::KeptEmpty) << name;
    }
    EXPECT_EQ(applyRulerSetting(a, "ColorBackColor_0", Variant("255")), SettingOutcome::Unknown);
    EXPECT_EQ(applyRulerSetting(a, "Color6", Variant("255")), SettingOutcome::Unknown);
    EXPECT_EQ(a, before);
}

TEST(RulerAppearance, malformed_values_are_ignored_and_out_of_range_numbers_clamped) {
    struct Case {
        const char* name;
        const char* text;
        SettingOutcome outcome;
        int expected;  // value afterwards
    };
    const Case cases[] = {
        {"RulerScale", "abc", SettingOutcome::Ignored, 5},
        {"RulerScale", "12", SettingOutcome::Applied, 10},
        {"RulerScale", "-3", SettingOutcome::Applied, 1},
        {"RulerScale", "6.5", SettingOutcome::Applied, 6},  // halves to even
        {"RulerScale", "7.5", SettingOutcome::Applied, 8},
        {"RulerScale", "1e300", SettingOutcome::Applied, 10},
        {"RulerScale", "&H3", SettingOutcome::Applied, 3},
        {"rulerscale", " 4 ", SettingOutcome::Applied, 4},
        {"DisplayMarkerWidth", "0", SettingOutcome::Applied, 1},
        {"DisplayMarkerWidth", "99", SettingOutcome::Applied, 4},
        {"DisplayMarkerType", "9", SettingOutcome::Applied, 6},
        {"DisplayRangeInHeight", "-1", SettingOutcome::Applied, 0},
        {"DisplayRangeOutHeight", "6", SettingOutcome::Applied, 5},
        {"EdgeStyle", "7", SettingOutcome::Applied, 2},
        {"EdgeQuadrant", "x1", SettingOutcome::Ignored, 0},
    };
    for (const Case& c : cases) {
        RulerAppearance a;
        EXPECT_EQ(applyRulerSetting(a, c.name, Variant(c.text)), c.outcome) << c.name << "=" << c.text;
        const auto saved = rulerSettingsToSave(a);
        for (const auto& [name, value] : saved) {
            if (name == std::string(c.name) || (std::string(c.name) == "rulerscale" && name == "RulerScale")) {
                EXPECT_EQ(value.toLong(), c.expected) << c.name << "=" << c.text;
            }
        }
    }
}

TEST(RulerAppearance, flags_and_colours_accept_their_forms_and_refuse_the_rest) {
    RulerAppearance a;
    const std::pair<const char*, bool> flags[] = {{"False", false}, {"-1", true}, {"0", false}, {"True", true}};
    for (const auto& [text, expected] : flags) {
        EXPECT_EQ(applyRulerSetting(a, "DisplayScaleName", Variant(text)), SettingOutcome::Applied);
        EXPECT_EQ(a.displayScaleName, expected) << text;
    }
    EXPECT_EQ(applyRulerSetting(a, "DisplayScaleName", Variant("maybe")), SettingOutcome::Ignored);
    EXPECT_TRUE(a.displayScaleName);

    // A system colour as its signed or its unsigned reading.
    for (const char* text : {"-2147483636", "2147483660"}) {
        a.color(RulerColor::ColorRangeInColor) = 0;
        EXPECT_EQ(applyRulerSetting(a, "ColorRangeInColor", Variant(text)), SettingOutcome::Applied);
        EXPECT_EQ(a.color(RulerColor::ColorRangeInColor), SystemColor(12)) << text;
    }
    for (const char* bad : {"16777216", "-1", "12.5", "blue", "-2147483600", "1e20"})
        EXPECT_EQ(applyRulerSetting(a, "ColorRangeInColor", Variant(bad)), SettingOutcome::Ignored) << bad;
    EXPECT_EQ(applyRulerSetting(a, "ColorRangeInColor", Variant::null()), SettingOutcome::Ignored);
    EXPECT_EQ(a.color(RulerColor::ColorRangeInColor), SystemColor(12));
}
