#include "platform/forms/OleColor.h"
#include "components/ruler/RulerAppearance.h"
#include "components/ruler/RulerPainter.h"

#include <QColor>

#include <gtest/gtest.h>

using namespace kelvppvw;

TEST(OleColor, plain_and_system_colours_resolve_and_others_do_not) {
    EXPECT_EQ(TryResolveColor(0x000000FF), 0x0000FFu);  // red is stored as 0x0000FF
    EXPECT_EQ(TryResolveColor(0x00C0C0FF), 0xC0C0FFu);
    EXPECT_EQ(TryResolveColor(SystemColor(5)), RGB(255, 255, 255));
    EXPECT_EQ(TryResolveColor(-2147483636), RGB(128, 128, 128));  // application workspace
    EXPECT_EQ(TryResolveColor(0x8000000CLL), RGB(128, 128, 128));  // its unsigned reading
    EXPECT_FALSE(TryResolveColor(0x01000000));
    EXPECT_FALSE(TryResolveColor(SystemColor(31)));
    EXPECT_FALSE(TryResolveColor(-1));
    EXPECT_FALSE(TryResolveColor(0x100000000LL));
    EXPECT_EQ(RulerPainter::toColor(0x000000FF), QColor(255, 0, 0));
    EXPECT_EQ(RulerPainter::toColor(SystemColor(12)), QColor(128, 128, 128));
}

TEST(RulerAppearance, a_fresh_ruler_has_the_design_look) {
    const RulerAppearance a;
    EXPECT_EQ(a.color(RulerColor::ColorBackColor), static_cast<int32_t>(0x8000000C));
    for (RulerColor c : {RulerColor::ColorTextForeColor, RulerColor::ColorTextShadowColor, RulerColor::ColorScaleNameColor,
                         RulerColor::ColorScaleNameShadowColor, RulerColor::ColorTickRailUpperColor,
                         RulerColor::ColorTickRailBottomColor})
        EXPECT_EQ(a.color(c), static_cast<int32_t>(0x80000005)) << rulerColorName(c);
    EXPECT_EQ(a.color(RulerColor::ColorRuleMarkerColor), 0x00FF0000);
    EXPECT_EQ(a.color(RulerColor::ColorZeroPointStartColor), 0x000000FF);
    EXPECT_EQ(a.color(RulerColor::ColorRangeInColor), 0x0000C000);
    EXPECT_EQ(a.color(RulerColor::ColorRangeOutColor), 0x00C0C0FF);
    EXPECT_TRUE(a.displayRangeIn);
    EXPECT_TRUE(a.displayRangeOut);
    EXPECT_EQ(a.displayRangeInHeight, 5);
    EXPECT_EQ(a.displayRangeOutHeight, 1);
    EXPECT_EQ(a.rulerScale, 5);
}

TEST(RulerAppearance, saves_the_23_names_in_loader_order_with_text_that_reads_back) {
    RulerAppearance a;
    a.color(RulerColor::ColorBackColor) = 0x00123456;
    a.color(RulerColor::ColorTextForeColor) = SystemColor(8);
    a.edgeStyle = 2;
    a.edgeQuadrant = 3;
    a.displayScaleName = false;
    a.displayMarkerWidth = 4;
    a.displayMarkerType = 1;
    a.displayTickNumerals = false;
    a.displayRangeIn = false;
    a.displayRangeOut = false;
    a.displayRangeInHeight = 0;
    a.displayRangeOutHeight = 4;
    a.rulerScale = 6;
    a.ticksDisplayFine = false;

    const auto saved = rulerSettingsToSave(a);
    ASSERT_EQ(saved.size(), 23u);
    for (size_t i = 0; i < saved.size(); ++i)
        EXPECT_EQ(saved[i].first, rulerSettingNames()[i]);
    EXPECT_EQ(saved[0].first, "ColorTextShadowColor");
    EXPECT_EQ(saved[22].first, "TicksDisplayFine");
    EXPECT_EQ(saved[2].second.toString(), "-2147483640");  // system colours as negative decimals
    EXPECT_EQ(saved[21].second.toString(), "6");
    EXPECT_EQ(saved[13].second.toString(), "False");

    RulerAppearance fresh;
    for (const auto& [name, value] : saved)
        EXPECT_EQ(applyRulerSetting(fresh, name, Variant(value.toString())), SettingOutcome::Applied) << name;
    EXPECT_EQ(fresh, a);
}

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
