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
