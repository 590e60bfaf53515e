#include <gtest/gtest.h>

#include <string>

#include "platform/profile/TempFolder.h"
#include "settings/ProfileStore.h"
#include "settings/ViewerSettings.h"

using kelvppvw::ParseLong;
using kelvppvw::ReadViewerSettings;
using kelvppvw::ReadViewerSwitches;
using kelvppvw::ViewerSettings;
using kelvppvw::WriteViewerSettings;
namespace VS = kelvppvw::ViewerSetting;

namespace {

class ViewerSettingsFile : public ::testing::Test {
protected:
    ViewerSettings load(const std::string& fileText, ViewerSettings table = {})
    {
        writeBytes(ini, fileText);
        ReadViewerSettings(table, "Host", ini);
        return table;
    }

    TempFolder dir;
    std::string ini = dir.file("preview.ini");
};

TEST_F(ViewerSettingsFile, ruler_thickness_rule)
{
    struct Case {
        const char* displayed;
        const char* dimension;
        std::int32_t expected;
    } cases[] = {
        {"1", "100", 300}, {"1", "149", 300}, {"1", "150", 150}, {"1", "495", 495},
        {"1", "496", 300}, {"1", "0", 300},   {"0", "495", 0},   {"-1", "200", 200},
    };
    for (const Case& c : cases) {
        ViewerSettings t = load(std::string("[Host]\r\nRulersDisplayed=") + c.displayed + "\r\nRulerDimension="
                                + c.dimension + "\r\n");
        EXPECT_EQ(t[VS::RulerDimension], c.expected) << c.displayed << " " << c.dimension;
    }
}

TEST_F(ViewerSettingsFile, switches_are_on_only_for_the_text_1)
{
    for (const char* text : {"2", "-1", "01", "1.0", "yes"}) {
        ViewerSettings t = load(std::string("[Host]\r\nAutoRangeMax=") + text + "\r\nAutoScaleMenu=" + text
                                + "\r\nPrintRange=" + text + "\r\n");
        EXPECT_FALSE(ReadViewerSwitches(t, "Host", ini)) << text;
        EXPECT_EQ(t[VS::AutoRangeMax], 0) << text;
        EXPECT_EQ(t[VS::AutoScaleMenu], 0) << text;
    }
    ViewerSettings t = load("[Host]\r\nAutoRangeMax=1\r\nAutoScaleMenu= 1 \r\nPrintRange=\"1\"\r\n");
    EXPECT_TRUE(ReadViewerSwitches(t, "Host", ini));
    EXPECT_EQ(t[VS::AutoRangeMax], 1);
    EXPECT_EQ(t[VS::AutoScaleMenu], 1);
}

TEST_F(ViewerSettingsFile, text_that_is_no_number_keeps_the_entry)
{
    ViewerSettings previous{};
    previous[VS::RulerScale] = 7;
    previous[VS::Color6] = 255;
    previous[VS::ShadowDepth] = 99;
    ViewerSettings t =
        load("[Host]\r\nShadowDepth=deep\r\nRulerScale=x\r\nColor6=\r\nColor1=12.5\r\nColor2=13.5\r\n", previous);
    EXPECT_EQ(t[VS::ShadowDepth], 30);  // built-in value, not the previous one
    EXPECT_EQ(t[VS::RulerScale], 7);
    EXPECT_EQ(t[VS::Color6], 255);
    EXPECT_EQ(t[VS::Color1], 12);  // halves round to even
    EXPECT_EQ(t[VS::Color2], 14);
}

TEST_F(ViewerSettingsFile, closing_writes_every_key_in_order)
{
    ViewerSettings t{};
    ReadViewerSettings(t, "Host", ini);  // no file: defaults, rulers hidden
    t[VS::AutoScaleMenu] = 1;
    WriteViewerSettings(t, false, "Host", ini);
    EXPECT_EQ(readBytes(ini),
              "[Host]\r\n"
              "PrintRange=0\r\n"
              "AutoRangeMax=0\r\n"
              "AutoScaleMenu=1\r\n"
              "Color1=-2147483632\r\n"
              "Color2=-2147483633\r\n"
              "Color3=-2147483627\r\n"
              "Color4=-2147483636\r\n"
              "Color5=-2147483643\r\n"
              "Color6=-2147483636\r\n"
              "ShadowDepth=30\r\n"
              "RulerScale=5\r\n"
              "RulerDimension=0\r\n"
              "RulersDisplayed=0\r\n"
              "RulerCrossHairs=1\r\n"
              "PanOnZoom=0\r\n");
    // The hidden rulers' stored 0 becomes 300 when they are shown next time.
    kelvppvw::WriteProfileKey("Host", "RulersDisplayed", "1", ini);
    ViewerSettings next{};
    ReadViewerSettings(next, "Host", ini);
    EXPECT_EQ(next[VS::RulerDimension], 300);
}

TEST(ParseLong, reads_decimal_text_like_the_stored_values)
{
    EXPECT_EQ(ParseLong("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseLong("2147483647"), INT32_MAX);
    EXPECT_EQ(ParseLong(" 42 "), 42);
    EXPECT_EQ(ParseLong("+7"), 7);
    EXPECT_EQ(ParseLong("2.5"), 2);
    EXPECT_EQ(ParseLong("-3.5"), -4);
    EXPECT_EQ(ParseLong("1e3"), 1000);
    for (const char* bad : {"", " ", "2147483648", "-2147483649", "abc", "12abc", "++1", "inf", "nan", "0x10"})
        EXPECT_EQ(ParseLong(bad), std::nullopt) << bad;
}

}  // namespace
