#include "ViewerFixture.h"


#include <QColor>
#include <QPixmap>

#include <algorithm>
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
    EXPECT_EQ(v->miZoomMode, 0);
    EXPECT_TRUE(pic.Visible());
    EXPECT_NEAR(pic.Width() / pic.Height(), double(g.mlPaperWidthPx) / g.mlPaperHeightPx, 1e-9);
    // A portrait sheet in a wide window is limited by the height available.
    const double room = v->picBack->Height() - (rulerDimension() + 230 + shadowDepth());
    EXPECT_LE(pic.Height(), room);
    EXPECT_GE(pic.Height(), room - 5 * 15); // less the view's border, at most a few pixels
    EXPECT_EQ(panel(6), FormatPercent(pic.Height() / g.mlPrintHeightTw));
    EXPECT_EQ(zoomCaption(), "zoom");
    // Centred with the ruler offset; no scroll bar moved it.
    EXPECT_FALSE(v->hscPV->Visible());
    EXPECT_FALSE(v->vscPV->Visible());
    const Point2 at =
        CenteredPageViewPosition(v->picBack->Width(), v->picBack->Height(), pic.Width(), pic.Height(), 300);
    EXPECT_DOUBLE_EQ(pic.Left(), at.x);
    EXPECT_DOUBLE_EQ(pic.Top(), at.y);
    // The page view now speaks in page twips.
    EXPECT_DOUBLE_EQ(pic.ScaleWidth(), g.mdblPageWidthTw);
    EXPECT_DOUBLE_EQ(pic.ScaleHeight(), g.mdblPageHeightTw);
    EXPECT_GT(v->mdblScreenFactor, 0.0);
    EXPECT_DOUBLE_EQ(v->picDraw->Width() * v->mdblScreenFactor, g.mdblPageWidthTw);
    // The rulers know the sheet's margins.
    EXPECT_EQ(v->picRuler(0).get("DisplayRangeBeginning").toLong(), g.mlLeftTw);
    EXPECT_EQ(v->picRuler(0).get("DisplayRangeEnding").toLong(), g.mlRightTw);
    EXPECT_EQ(v->picRuler(1).get("DisplayRangeBeginning").toLong(), g.mlTopTw);
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
    // The shadow follows the page view.
    EXPECT_DOUBLE_EQ(v->shpS->Left(), v->picPreView->Left() + shadowDepth());
    EXPECT_DOUBLE_EQ(v->shpS->Top(), v->picPreView->Top() + shadowDepth());
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
    const QImage fitShot = screenshot("viewer-fit.png");

    chooseZoom("z100");
    const PagePixels zoomed = countPixels(*v);
    EXPECT_GT(zoomed.inkInside, fit.inkInside);
    EXPECT_EQ(zoomed.inkOutside, 0);
    EXPECT_EQ(zoomed.outlineFit, 0);
    EXPECT_GT(zoomed.outlineZoom, fit.outlineFit);
    screenshot("viewer-100.png");

    // The outline is dotted: along its left edge every other pixel is background.
    const QImage& image = v->picPreView->surfaceImage();
    const int edge = int(std::lround(v->geometry.mlLeftTw * image.width() / v->geometry.mdblPageWidthTw));
    int on = 0, off = 0;
    for (int y = image.height() / 4; y < image.height() / 2; ++y) {
        bool hit = false;
        for (int x = std::max(0, edge - 1); x <= edge + 1; ++x)
            hit |= (image.pixel(x, y) | 0xFF000000u) == qcolor(ZoomOutline).rgb();
        ++(hit ? on : off);
    }
    EXPECT_GT(on, 0);
    EXPECT_GT(off, 0);
    EXPECT_NEAR(double(on) / (on + off), 0.5, 0.15);

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

TEST_F(ViewerFixture, the_shadow_lies_below_and_right_of_the_page) {
    QWidget* back = v->picBack->widget();
    const QImage shot = back->grab().toImage();
    const QRect pageRect = v->picPreView->widget()->geometry();
    const QRgb shadow = qcolor(ShadowColour).rgb();
    const int mid = pageRect.center().y();
    EXPECT_EQ(shot.pixel(pageRect.right() + 1, mid) | 0xFF000000u, shadow);
    EXPECT_EQ(shot.pixel(pageRect.center().x(), pageRect.bottom() + 1) | 0xFF000000u, shadow);
    // Offset by the shadow depth (two pixels): the corner above it is background.
    EXPECT_EQ(shot.pixel(pageRect.right() + 1, pageRect.top()) | 0xFF000000u, qcolor(Background).rgb());
    EXPECT_EQ(shot.pixel(pageRect.left(), pageRect.bottom() + 1) | 0xFF000000u, qcolor(Background).rgb());
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

TEST_F(ViewerFixture, refresh_after_a_printer_change_lays_the_new_sheet_out) {
    printer->setOrientation(Printer::Landscape);
    Args none;
    v->call("RefreshPreviewer", none); // as clsPreview.RefreshPreview reaches it
    EXPECT_EQ(productions, 1);
    EXPECT_GT(v->geometry.mlPaperWidthPx, v->geometry.mlPaperHeightPx);
    EXPECT_GT(v->picPreView->Width(), v->picPreView->Height());
    EXPECT_EQ(v->tlbr1->Button("landscape").Value(), vb::Pressed);
    EXPECT_EQ(v->tlbr1->Button("portrait").Value(), vb::Unpressed);
    EXPECT_EQ(panel(2).rfind("Paper  - Papersize (A4", 0), 0u) << panel(2);
    EXPECT_EQ(v->picRuler(0).get("PrinterPageWidth").toLong(), std::lround(v->geometry.mdblPageWidthTw));
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
