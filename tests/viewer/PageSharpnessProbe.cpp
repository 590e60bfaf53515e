// Shows page 1 of the demo report at 100 % and reports how the page view's
// pixels, as the screen gets them, divide into ink, paper and the edges
// between them, one "name=value" per line. The sharpness test runs it at two
// device pixel ratios (QT_SCALE_FACTOR is read when the application starts).
#include "ViewerFixture.h"

#include <QPixmap>

using namespace kelvppvw;
using namespace kelvppvw::viewer_test;

TEST_F(ViewerFixture, page_view_pixels) {
    chooseZoom("z100");
    QWidget* page = v->picPreView->widget();
    const QPixmap shot = page->grab();
    const QImage image = shot.toImage();
    int ink = 0, edges = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            // Only greys: the coloured outline and rules are neither.
            if (std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 24)
                continue;
            const int grey = qGray(c.rgb());
            ink += grey < 64;
            edges += grey >= 64 && grey < 224;
        }
    const std::string ratio = std::to_string(int(shot.devicePixelRatio()));
    image.save(QString::fromStdString(artefactPath("viewer-page-ratio-" + ratio + ".png")));
    std::printf("ratio=%g\nlogicalWidth=%d\ndeviceWidth=%d\nink=%d\nedges=%d\n", shot.devicePixelRatio(),
                page->width(), image.width(), ink, edges);
}
