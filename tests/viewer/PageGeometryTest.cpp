#include "viewer/PageGeometry.h"
#include "viewer/ZoomMenu.h"

#include <gtest/gtest.h>

#include <string>

using namespace kelvppvw;

namespace {

PageGeometry printer(int32_t offX, int32_t offY, int32_t printW, int32_t printH, int32_t paperW, int32_t paperH,
                     double dpi) {
    PageGeometry g;
    g.mlOffsetXPx = offX;
    g.mlOffsetYPx = offY;
    g.mlPrintWidthPx = printW;
    g.mlPrintHeightPx = printH;
    g.mlPaperWidthPx = paperW;
    g.mlPaperHeightPx = paperH;
    g.mdblTwipsPerPxX = g.mdblTwipsPerPxY = 1440.0 / dpi;
    DerivePageGeometry(g);
    return g;
}

const PageGeometry a4Portrait600 = printer(100, 100, 4760, 6814, 4960, 7014, 600);
const PageGeometry letterLandscape300 = printer(75, 75, 3150, 2400, 3300, 2550, 300);

} // namespace

TEST(PageGeometry, derives_margins_and_page_size_in_twips) {
    const PageGeometry& a4 = a4Portrait600;
    EXPECT_EQ(a4.mlRightPx, 100);
    EXPECT_EQ(a4.mlBottomPx, 100);
    EXPECT_EQ(a4.mlLeftTw, 240);
    EXPECT_EQ(a4.mlBottomTw, 240);
    EXPECT_EQ(a4.mlPrintWidthTw, 11424);
    EXPECT_EQ(a4.mlPrintHeightTw, 16354); // 16353.6 rounds up
    EXPECT_DOUBLE_EQ(a4.mdblPageWidthTw, 11904);
    EXPECT_DOUBLE_EQ(a4.mdblPageHeightTw, 16834);
}

TEST(PageGeometry, rounds_twips_halves_to_even) {
    // 576 dpi gives 2.5 twips per pixel: 1 px is 2.5 -> 2, 3 px is 7.5 -> 8.
    const PageGeometry g = printer(1, 3, 1001, 1003, 1005, 1011, 576);
    EXPECT_EQ(g.mlLeftTw, 2);
    EXPECT_EQ(g.mlTopTw, 8);
    EXPECT_EQ(g.mlRightPx, 3);
    EXPECT_EQ(g.mlRightTw, 8);
    EXPECT_EQ(g.mlBottomTw, 12); // 5 px -> 12.5 -> 12
    EXPECT_EQ(g.mlPrintWidthTw, 2502); // 2502.5 -> 2502
    EXPECT_EQ(g.mlPrintHeightTw, 2508); // 2507.5 -> 2508
}

TEST(PageViewSize, fits_the_smaller_direction_and_keeps_the_sheet_size_with_auto_range_max) {
    // A portrait page in a wide area is limited by height.
    Size2 s = PageViewSize(a4Portrait600, false, 1.0, false, 9000, 6000);
    EXPECT_DOUBLE_EQ(s.height, 6000);
    EXPECT_DOUBLE_EQ(s.width, 4960 * (6000.0 / 7014));
    // A landscape page in a tall area is limited by width.
    s = PageViewSize(letterLandscape300, false, 1.0, false, 6000, 9000);
    EXPECT_DOUBLE_EQ(s.width, 6000);
    EXPECT_DOUBLE_EQ(s.height, 2550 * (6000.0 / 3300));
    // A window larger than the sheet: grows, unless kept to the sheet.
    s = PageViewSize(a4Portrait600, false, 1.0, false, 30000, 30000);
    EXPECT_DOUBLE_EQ(s.width, 4960 * (30000.0 / 7014));
    s = PageViewSize(a4Portrait600, false, 1.0, true, 30000, 30000);
    EXPECT_DOUBLE_EQ(s.width, 11904);
    EXPECT_DOUBLE_EQ(s.height, 16834);
    EXPECT_EQ(FormatPercent(s.height / a4Portrait600.mlPrintHeightTw), "103%");
}

TEST(PageViewSize, divides_the_printable_area_at_every_zoom_step) {
    for (const ZoomEntry& e : ZoomEntries) {
        if (e.index > 13)
            break;
        const double divisor = std::stod(std::string(e.tag));
        for (const PageGeometry* g : {&a4Portrait600, &letterLandscape300}) {
            const Size2 s = PageViewSize(*g, true, divisor, true, 1000, 1000);
            EXPECT_DOUBLE_EQ(s.width, g->mlPrintWidthTw / divisor);
            EXPECT_DOUBLE_EQ(s.height, g->mlPrintHeightTw / divisor);
            EXPECT_EQ(FormatPercent(s.height / g->mlPrintHeightTw), std::string(e.text)) << e.tag;
            EXPECT_EQ(ZoomCaption(true, divisor), std::string(e.text));
        }
    }
    EXPECT_EQ(ZoomCaption(false, 2.0), "zoom");
}

TEST(PageViewPosition, centres_with_and_without_rulers) {
    const Point2 bare = CenteredPageViewPosition(10000, 8000, 6000, 7000, 0);
    EXPECT_DOUBLE_EQ(bare.x, 2000 - 30);
    EXPECT_DOUBLE_EQ(bare.y, 500 - 30);
    const Point2 ruled = CenteredPageViewPosition(10000, 8000, 6000, 7000, 300);
    EXPECT_DOUBLE_EQ(ruled.x - bare.x, 150);
    EXPECT_DOUBLE_EQ(ruled.y - bare.y, 150);
}

TEST(PageRatio, uses_the_horizontal_factor_in_both_orientations) {
    EXPECT_DOUBLE_EQ(PageRatio(a4Portrait600, 6120, 7920), 6120 / (4960 * 2.4));
    EXPECT_DOUBLE_EQ(PageRatio(letterLandscape300, 7920, 6120), 6120 / (2550 * 4.8));
    EXPECT_DOUBLE_EQ(PageRatio(a4Portrait600, 6120.5, 0), 6120 / (4960 * 2.4)); // w rounds to even
}

TEST(FormatPercent, keeps_two_digits_at_least) {
    EXPECT_EQ(FormatPercent(0.05), "05%");
    EXPECT_EQ(FormatPercent(1.0), "100%");
    EXPECT_EQ(FormatPercent(1 / 0.666), "150%");
    EXPECT_EQ(FormatPercent(0.0), "00%");
    EXPECT_EQ(FormatPercent(0.125), "12%"); // 12.5 to even
}

TEST(LayoutScroll, shows_bars_only_when_the_page_does_not_fit) {
    ScrollInput in{6000, 7000, 9000, 8000, 300, 30, 255, 255};
    ScrollLayout out = LayoutScroll(in);
    EXPECT_FALSE(out.hscVisible); // 6000 + 300 + 30 + 60 <= 9000
    EXPECT_FALSE(out.vscVisible); // 7000 + 390 = 7390 <= 8000

    // 1000 twips wider than the background, no rulers, shadow 30.
    in = {10000, 5000, 9000, 8000, 0, 30, 255, 255};
    out = LayoutScroll(in);
    EXPECT_TRUE(out.hscVisible);
    EXPECT_FALSE(out.vscVisible);
    ASSERT_TRUE(out.hscMax);
    EXPECT_EQ(*out.hscMax, 10000 + 60 - (9000 - 255));
    EXPECT_EQ(LargeChangeFor(*out.hscMax), int16_t(132)); // 131.5 to even
    EXPECT_EQ(LargeChangeFor(9), int16_t(1));
    EXPECT_EQ(LargeChangeFor(0), std::nullopt);
    EXPECT_EQ(LargeChangeFor(-40), std::nullopt);

    // The edge of visibility: the sum equal to the height is not over it.
    in = {1000, 8000 - 390, 9000, 8000, 300, 30, 255, 255};
    EXPECT_FALSE(LayoutScroll(in).vscVisible);
    in.viewHeight += 1;
    EXPECT_TRUE(LayoutScroll(in).vscVisible);
}

TEST(LayoutScroll, leaves_out_a_maximum_beyond_the_16_bit_range) {
    // A 200 % A3 sheet at high zoom: the overflow is larger than 32767 twips.
    const ScrollInput in{60000, 80000, 9000, 8000, 300, 30, 255, 255};
    const ScrollLayout out = LayoutScroll(in);
    EXPECT_TRUE(out.hscVisible);
    EXPECT_FALSE(out.hscMax.has_value());
    EXPECT_FALSE(out.vscMax.has_value());
    const ScrollInput edge{32767 + 9000 - 255 - 360, 100, 9000, 8000, 300, 30, 255, 255};
    EXPECT_EQ(LayoutScroll(edge).hscMax, int16_t(32767));
}
