#include "RulerTestSupport.h"

#include "platform/automation/AutomationError.h"

#include <QDir>
#include <QScreen>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <limits>

using namespace kelvppvw;
using namespace kelvppvw::test;

namespace {

// Distinct colours so every pixel tells which part of the ruler drew it.
constexpr int32_t kBack = 0x00FFFFFF;
constexpr int32_t kUpperRail = 0x00808000;
constexpr int32_t kLowerRail = 0x00000080;
constexpr int32_t kRangeIn = 0x0000C000;
constexpr int32_t kRangeOut = 0x00C0C0FF;
constexpr int32_t kMarker = 0x00FF0000;
constexpr int32_t kZero = 0x000000FF;

class RulerWidget : public ::testing::Test {
protected:
    void SetUp() override { application(); }

    // A letter sheet with half-inch margins at 72 pixels per inch, thickness 20.
    static void setUpRuler(Ruler& r, RulerOrientation orientation, int unit = 5) {
        r.setOrientation(orientation);
        if (orientation == RulerOrientation::Horizontal) {
            r.resize(612, 20);
            r.setPrinterPageWidth(12240);
        } else {
            r.setIndex(1);
            r.resize(20, 792);
            r.setPrinterPageHeight(15840);
        }
        r.setDisplayRangeBeginning(720);
        r.setDisplayRangeEnding(720);
        r.setColor(RulerColor::ColorBackColor, kBack);
        r.setColor(RulerColor::ColorTickRailUpperColor, kUpperRail);
        r.setColor(RulerColor::ColorTickRailBottomColor, kLowerRail);
        r.setColor(RulerColor::ColorTextForeColor, 0x00000000);
        r.setColor(RulerColor::ColorTextShadowColor, 0x00C0C0C0);
        r.setColor(RulerColor::ColorScaleNameColor, 0x00800080);
        r.setColor(RulerColor::ColorScaleNameShadowColor, 0x00C0C0C0);
        r.setRulerScale(unit);
        r.setDisplayMarkerType(1);  // solid, so every row of the marker shows
    }

    // Pixel at (along, across) whatever the orientation.
    static QRgb at(const QImage& image, RulerOrientation o, int along, int across) {
        return o == RulerOrientation::Horizontal ? image.pixel(along, across) : image.pixel(across, along);
    }

    static void saveArtefact(const QImage& image, const QString& name) {
        const QString folder = QStringLiteral(KELVPPVW_RULER_RENDERS);
        QDir().mkpath(folder);
        EXPECT_TRUE(image.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"))) << name.toStdString();
    }
};

} // namespace

// One unit stands for all: the tick positions per unit are the layout's tests.
TEST_F(RulerWidget, draws_rails_ticks_zero_point_and_range_bars_in_their_colours_both_ways) {
    for (auto o : {RulerOrientation::Horizontal, RulerOrientation::Vertical}) {
        Ruler r;
        setUpRuler(r, o);
        const QImage image = r.grab().toImage();
        const bool across = o == RulerOrientation::Horizontal;
        saveArtefact(image, across ? QStringLiteral("inch-horizontal") : QStringLiteral("inch-vertical"));
        SCOPED_TRACE(across ? "horizontal" : "vertical");
        const int len = across ? 612 : 792;
        // Lower rail sits above the 5-pixel range-in bar: row 14 of 20.
        EXPECT_EQ(at(image, o, len / 2, 0), rgbOf(kUpperRail));
        EXPECT_EQ(at(image, o, len / 2, 14), rgbOf(kLowerRail));
        EXPECT_EQ(at(image, o, 72, 13), rgbOf(kLowerRail)) << "the inch tick runs full height";
        EXPECT_EQ(at(image, o, 72, 2), rgbOf(kLowerRail));
        EXPECT_EQ(at(image, o, 73, 13), rgbOf(kBack));
        EXPECT_EQ(at(image, o, 0, 6), rgbOf(kZero));
        EXPECT_EQ(at(image, o, 1, 6), rgbOf(kZero));
        // Half-inch margins: 36 pixels of range-out at each end, 1 pixel high.
        EXPECT_EQ(at(image, o, 10, 19), rgbOf(kRangeOut));
        EXPECT_EQ(at(image, o, 35, 19), rgbOf(kRangeOut));
        EXPECT_EQ(at(image, o, 36, 19), rgbOf(kRangeIn));
        EXPECT_EQ(at(image, o, len - 37, 19), rgbOf(kRangeIn));
        EXPECT_EQ(at(image, o, len - 36, 19), rgbOf(kRangeOut));
        EXPECT_EQ(at(image, o, 10, 17), rgbOf(kBack));
        EXPECT_EQ(at(image, o, len / 2 + 1, 15), rgbOf(kRangeIn));
    }
}

TEST_F(RulerWidget, on_screen_the_marker_moves_without_leaving_a_trail) {
    Ruler r;
    setUpRuler(r, RulerOrientation::Horizontal);
    r.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&r));
    // What the window system shows, not a fresh render of the widget.
    auto screen = [&r] { return QGuiApplication::primaryScreen()->grabWindow(r.winId()).toImage(); };
    // Waits for the window system rather than for a fixed time.
    auto shows = [&](int x, int32_t colour) {
        return QTest::qWaitFor([&] { return screen().pixel(x, 17) == rgbOf(colour); }, 5000);
    };
    r.MoveMarker(3000.0f, 0.0f);
    ASSERT_TRUE(shows(150, kMarker));
    r.MoveMarker(6000.0f, 0.0f);
    EXPECT_TRUE(shows(300, kMarker));
    EXPECT_TRUE(shows(150, kRangeIn)) << "a trail is left";
    r.setDisplayMarkerWidth(4);
    EXPECT_TRUE(shows(298, kMarker));
    r.setDisplayMarkerWidth(1);
    EXPECT_TRUE(shows(298, kRangeIn));
    EXPECT_TRUE(shows(300, kMarker));
    r.HideMarker();
    EXPECT_TRUE(shows(300, kRangeIn));
    // With the marker display off, moving draws nothing.
    r.setDisplayRuleMarker(false);
    r.MoveMarker(3000.0f, 0.0f);
    EXPECT_TRUE(shows(150, kRangeIn));
    r.hide();
}

// A move over a ruler putting its marker under the pointer is the viewer's
// mouse test; here the button, the keys and a vertical ruler's coordinates.
TEST_F(RulerWidget, a_press_on_the_ruler_raises_the_button_event_in_page_twips) {
    Ruler v;
    setUpRuler(v, RulerOrientation::Vertical);
    EventLog log(v.events());
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 72), QPointF(5, 72), Qt::RightButton, Qt::RightButton,
                      Qt::ControlModifier | Qt::AltModifier);
    QApplication::sendEvent(&v, &press);
    const auto buttons = log.named("RulerMouseButton");
    ASSERT_EQ(buttons.size(), 1u);
    const Args& b = buttons[0].args;
    EXPECT_EQ(b[0].toLong(), 1);
    EXPECT_EQ(b[1].toLong(), 2);
    EXPECT_EQ(b[2].toLong(), 6);
    EXPECT_FLOAT_EQ(b[3].toSingle(), 75.0f);
    EXPECT_FLOAT_EQ(b[4].toSingle(), 1440.0f);

    // A handler that fails does not unwind through the event loop.
    v.events().connect([](std::string_view, Args&) { throw AutomationError(5); });
    QApplication::sendEvent(&v, &press);
    EXPECT_EQ(log.named("RulerMouseButton").size(), 2u);
}

TEST_F(RulerWidget, saved_settings_applied_to_a_fresh_ruler_give_the_same_pixels) {
    Ruler original;
    setUpRuler(original, RulerOrientation::Horizontal);
    const std::pair<const char*, const char*> changes[] = {
        {"ColorTextShadowColor", "8421504"}, {"ColorBackColor", "12648447"},  {"ColorTextForeColor", "0"},
        {"ColorZeroPointStartColor", "32768"}, {"ColorTickRailBottomColor", "-2147483631"},
        {"ColorTickRailUpperColor", "255"},  {"ColorRuleMarkerColor", "16711935"}, {"ColorScaleNameColor", "128"},
        {"ColorScaleNameShadowColor", "65535"}, {"ColorRangeInColor", "16776960"}, {"ColorRangeOutColor", "8388736"},
        {"EdgeStyle", "1"}, {"EdgeQuadrant", "1"}, {"DisplayScaleName", "True"}, {"DisplayMarkerWidth", "2"},
        {"DisplayMarkerType", "2"}, {"DisplayTickNumerals", "True"}, {"DisplayRangeIn", "True"},
        {"DisplayRangeOut", "True"}, {"DisplayRangeInHeight", "3"}, {"DisplayRangeOutHeight", "4"},
        {"RulerScale", "7"}, {"TicksDisplayFine", "False"},
    };
    for (const auto& [name, value] : changes)
        original.ApplySetting(name, Variant(value));
    original.MoveMarker(5000.0f, 0.0f);

    std::vector<std::pair<std::string, std::string>> stored;
    original.events().connect([&](std::string_view event, Args& a) {
        if (event == "SettingToSave") {
            EXPECT_EQ(a.size(), 3u);
            EXPECT_EQ(a[0].toLong(), 0);
            stored.emplace_back(a[1].toString(), a[2].toString());
        }
    });
    original.SaveSettings();
    ASSERT_EQ(stored.size(), 23u);
    EXPECT_EQ(stored[21], (std::pair<std::string, std::string>{"RulerScale", "7"}));

    Ruler copy;
    setUpRuler(copy, RulerOrientation::Horizontal);
    const QImage before = copy.grab().toImage();
    for (const auto& [name, value] : stored)
        copy.ApplySetting(name, Variant(value));
    copy.MoveMarker(5000.0f, 0.0f);
    EXPECT_EQ(copy.appearance(), original.appearance());
    const QImage restored = copy.grab().toImage();
    EXPECT_TRUE(restored == original.grab().toImage());
    EXPECT_FALSE(restored == before);
}

TEST_F(RulerWidget, marker_line_style_is_announced_when_type_or_width_is_applied) {
    Ruler r;
    EventLog log(r.events());
    r.ApplySetting("DisplayMarkerType", Variant("2"));
    r.ApplySetting("DisplayMarkerWidth", Variant(""));  // kept, but told again
    r.ApplySetting("DisplayMarkerWidth", Variant("wide"));
    r.ApplySetting("RulerScale", Variant("3"));
    const auto styles = log.named("MarkerLineStyle");
    ASSERT_EQ(styles.size(), 2u);
    for (const auto& e : styles) {
        ASSERT_EQ(e.args.size(), 4u);
        EXPECT_EQ(e.args[1].toLong(), 0x00FF0000);
        EXPECT_EQ(e.args[2].toLong(), 2);
        EXPECT_EQ(e.args[3].toLong(), 1);
    }
}

TEST_F(RulerWidget, no_sheet_or_a_wild_position_shows_no_marker_and_cramped_rulers_spill_nothing) {
    Ruler r;
    r.setPrinterPageWidth(0);
    r.resize(300, 20);
    r.MoveMarker(100.0f, 0.0f);
    EXPECT_FALSE(r.markerPixel());
    r.setPrinterPageWidth(12240);
    EXPECT_EQ(r.markerPixel(), 2);  // the sheet now has a length: 100 twips of 12240 over 300 pixels
    r.HideMarker();
    EventLog log(r.events());
    r.MoveMarker(std::numeric_limits<float>::quiet_NaN(), 0.0f);
    r.MoveMarker(std::numeric_limits<float>::infinity(), 0.0f);
    EXPECT_FALSE(r.markerPixel());
    EXPECT_TRUE(log.named("MarkerText").empty());
    r.MoveMarker(1e30f, 0.0f);  // far past the sheet: told, not drawn
    EXPECT_FALSE(r.markerPixel());
    // Margins wider than the sheet leave no printable range.
    Ruler wide;
    setUpRuler(wide, RulerOrientation::Horizontal);
    wide.setDisplayRangeBeginning(10000);
    wide.setDisplayRangeEnding(10000);
    const QImage clipped = wide.grab().toImage();
    EXPECT_EQ(clipped.pixel(300, 19), rgbOf(kRangeOut));
    EXPECT_NE(clipped.pixel(300, 17), rgbOf(kRangeIn));

    // The thinnest ruler (150 twips) has no room for numerals: none spill
    // over the range bar where "1" would stand.
    Ruler thin;
    setUpRuler(thin, RulerOrientation::Horizontal);
    thin.resize(612, 10);
    const QImage bar = thin.grab().toImage();
    for (int x = 74; x < 82; ++x)
        for (int y = 5; y < 10; ++y)
            ASSERT_EQ(bar.pixel(x, y), rgbOf(kRangeIn)) << x << "," << y;
    EXPECT_EQ(bar.pixel(72, 1), rgbOf(kLowerRail));  // the ticks are still there
}
