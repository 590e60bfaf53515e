#include "ViewerFixture.h"

#include <QColor>
#include <QPixmap>

#include <cmath>

using namespace kelvppvw;
using namespace kelvppvw::viewer_test;

namespace {

QColor qcolor(uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

struct PagePixels {
    int outlineFit = 0, outlineZoom = 0, inkInside = 0, inkOutside = 0;
    int solid = 0, blurred = 0; // ink: black cores and grey edges
};

// Counts what the page view's persistent image holds inside and outside the
// printable area.
PagePixels countPixels(frmPrtPreview& v) {
    const QImage& image = v.picPreView->surfaceImage();
    const PageGeometry& g = v.geometry;
    const double sx = image.width() / g.mdblPageWidthTw, sy = image.height() / g.mdblPageHeightTw;
    // One pixel of slack around the printable rectangle for the outline itself.
    const QRect printable(QPoint(int(std::floor(g.mlLeftTw * sx)) - 1, int(std::floor(g.mlTopTw * sy)) - 1),
                          QPoint(int(std::ceil((g.mlLeftTw + g.mlPrintWidthTw) * sx)) + 1,
                                 int(std::ceil((g.mlTopTw + g.mlPrintHeightTw) * sy)) + 1));
    PagePixels n;
    const QRgb fit = qcolor(FitOutline).rgb(), zoom = qcolor(ZoomOutline).rgb();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) | 0xFF000000u;
            if (c == fit)
                ++n.outlineFit;
            else if (c == zoom)
                ++n.outlineZoom;
            else {
                if (qGray(c) < 160)
                    ++(printable.contains(x, y) ? n.inkInside : n.inkOutside);
                if (qGray(c) < 64)
                    ++n.solid;
                else if (qGray(c) < 224)
                    ++n.blurred;
            }
        }
    return n;
}

} // namespace

TEST_F(ViewerFixture, fit_mode_fills_the_page_area_keeping_the_sheet_proportions) {
    PictureBox& pic = *v->picPreView;
    const PageGeometry& g = v->geometry;
    EXPECT_NEAR(pic.Width() / pic.Height(), double(g.mlPaperWidthPx) / g.mlPaperHeightPx, 1e-9);
    // A portrait sheet in a wide window is limited by the height available.
    const double room = v->picBack->Height() - (rulerDimension() + 230 + shadowDepth());
    EXPECT_LE(pic.Height(), room);
    EXPECT_GE(pic.Height(), room - 5 * 15); // less the view's border, at most a few pixels
    EXPECT_FALSE(v->hscPV->Visible() || v->vscPV->Visible());
    // The page view speaks in page twips and the rulers know the sheet's margins.
    EXPECT_DOUBLE_EQ(pic.ScaleWidth(), g.mdblPageWidthTw);
    EXPECT_EQ(v->picRuler(0).get("DisplayRangeBeginning").toLong(), g.mlLeftTw);
    EXPECT_EQ(v->picRuler(1).get("DisplayRangeEnding").toLong(), g.mlBottomTw);
}

TEST_F(ViewerFixture, the_pop_up_zoom_menu_does_what_the_toolbar_menu_does) {
    v->mbPagesProduced = false; // pages are produced only when there are none
    v->mnuZom->Item("mnuZoom", 12).Click();
    EXPECT_EQ(productions, 1);
    EXPECT_EQ(v->miZoomIndex, 12);
    EXPECT_DOUBLE_EQ(v->mdblZoomDivisor, 0.666);
    EXPECT_EQ(zoomCaption(), "150%");
    EXPECT_EQ(panel(6), "150%");
    EXPECT_DOUBLE_EQ(v->picPreView->Width(), v->geometry.mlPrintWidthTw / 0.666);
    v->mnuZoom_Click(14);
    EXPECT_EQ(productions, 1);
    EXPECT_EQ(v->miZoomMode, 0);
    EXPECT_EQ(zoomCaption(), "zoom");
}

TEST_F(ViewerFixture, the_page_is_painted_into_the_printable_area_with_its_outline) {
    useUnprintableBorder(100); // a sixth of an inch at 600 dpi
    EXPECT_EQ(v->geometry.mlLeftTw, 240);
    PagePixels fit = countPixels(*v);
    EXPECT_GT(fit.inkInside, 500);
    EXPECT_EQ(fit.inkOutside, 0);
    EXPECT_GT(fit.outlineFit, 100);
    EXPECT_EQ(fit.outlineZoom, 0);
    screenshot("viewer-fit.png");

    chooseZoom("z100");
    const PagePixels zoomed = countPixels(*v);
    EXPECT_GT(zoomed.inkInside, fit.inkInside);
    EXPECT_EQ(zoomed.inkOutside, 0);
    EXPECT_EQ(zoomed.outlineFit, 0);
    EXPECT_GT(zoomed.outlineZoom, fit.outlineFit);
    screenshot("viewer-100.png");

    // Played at the size shown, not stretched from a small copy: the larger
    // the page, the more of its ink is solid rather than edge.
    chooseZoom("z200");
    const PagePixels big = countPixels(*v);
    EXPECT_LT(double(big.blurred) / big.solid, 0.7 * double(fit.blurred) / fit.solid)
        << "edge/solid at 200 %: " << big.blurred << "/" << big.solid << ", at fit: " << fit.blurred << "/"
        << fit.solid;
    v->vscPV->SetValue(v->vscPV->Max() / 2);
    v->hscPV->SetValue(v->hscPV->Max() / 2);
    screenshot("viewer-200-scrolled.png");
}

TEST_F(ViewerFixture, a_zoom_without_room_for_the_image_steps_the_divisor_until_it_fits) {
    constexpr double limit = 8.0 * 1024 * 1024;
    PictureBox::SetImageMemoryLimit(limit);
    chooseZoom("z200");
    PictureBox::SetImageMemoryLimit(512.0 * 1024 * 1024);
    const double d = v->mdblZoomDivisor;
    EXPECT_GT(d, 0.5);
    const double steps = (d - 0.5) / 0.1;
    EXPECT_NEAR(steps, std::round(steps), 1e-9);
    // The height step was the one refused; it got the larger divisor.
    EXPECT_DOUBLE_EQ(v->picPreView->Height(), v->geometry.mlPrintHeightTw / d);
    const QImage& image = v->picPreView->surfaceImage();
    EXPECT_FALSE(image.isNull());
    EXPECT_LE(4.0 * image.width() * image.height(), limit);
    const double oneStepLess = v->geometry.mlPrintHeightTw / (d - 0.1) / 15 - 4;
    EXPECT_GT(4.0 * image.width() * oneStepLess, limit);
    EXPECT_EQ(zoomCaption(), FormatPercent(1 / d));
}

TEST_F(ViewerFixture, without_a_printer_only_the_zoom_state_changes) {
    const double width = v->picPreView->Width();
    v->mbPrinterFound = false;
    chooseZoom("z050");
    EXPECT_EQ(v->miZoomMode, 1);
    EXPECT_DOUBLE_EQ(v->mdblZoomDivisor, 2.0);
    EXPECT_EQ(zoomCaption(), "50%");
    EXPECT_DOUBLE_EQ(v->picPreView->Width(), width);
    EXPECT_EQ(panel(6), "");
}

TEST_F(ViewerFixture, the_scale_menu_moves_its_check_and_sets_both_rulers) {
    v->mnuScale->Item("mnuIM", 7).Click();
    EXPECT_EQ(v->settings[ViewerSetting::RulerScale], 7);
    for (int16_t k = 1; k <= 10; ++k)
        EXPECT_EQ(v->mnuScale->Item("mnuIM", k).Checked(), k == 7) << k;
    EXPECT_EQ(v->picRuler(0).get("RulerScale").toLong(), 7);
    EXPECT_EQ(v->picRuler(1).get("RulerScale").toLong(), 7);

    // Applying the checked scale: pitch also takes picDraw's font.
    v->mnuScale->Item("mnuIM", 7).SetChecked(false);
    v->mnuScale->Item("mnuIM", 10).SetChecked(true);
    v->picDraw->SetFontName("Liberation Mono");
    v->ApplyRulerScale();
    EXPECT_EQ(v->picRuler(0).get("RulerScale").toLong(), 10);
    EXPECT_EQ(v->picRuler(1).get("FontForPitch").toObject()->get("Name").toString(), "Liberation Mono");
}
