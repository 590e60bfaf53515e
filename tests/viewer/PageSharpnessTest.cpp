// At device pixel ratio 2 the page is played at the device's resolution, not
// scaled up from ratio 1: its text has proportionally fewer edge pixels
// between ink and paper. The ratio is fixed when the application starts, so
// each ratio is measured in a child process of this program.
#include "ViewerFixture.h"

#include <QPixmap>
#include <QProcess>

#include <cstdio>
#include <filesystem>

using namespace kelvppvw;
using namespace kelvppvw::viewer_test;

// Run only as that child: page 1 of the demo report at 100 %, as the screen
// gets it. Only greys count: the coloured outline and rules are neither ink nor edge.
TEST_F(ViewerFixture, DISABLED_page_view_pixels) {
    chooseZoom("z100");
    const QPixmap shot = v->picPreView->widget()->grab();
    const QImage image = shot.toImage();
    int ink = 0, edges = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 24)
                continue;
            const int grey = qGray(c.rgb());
            ink += grey < 64;
            edges += grey >= 64 && grey < 224;
        }
    std::printf("pixels %g %d %d %d %d\n", shot.devicePixelRatio(), v->picPreView->widget()->width(), image.width(),
                ink, edges);
}

namespace {

struct PagePixels {
    double ratio = 0;
    int logicalWidth = 0, deviceWidth = 0, ink = 0, edges = 0;
    double edgeShare() const { return double(edges) / (ink + edges); }
};

PagePixels pagePixels(const char* scaleFactor) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_SCALE_FACTOR", scaleFactor);
    p.setProcessEnvironment(env);
    p.start(QString::fromStdString(std::filesystem::read_symlink("/proc/self/exe").string()),
            {"--gtest_also_run_disabled_tests", "--gtest_filter=*DISABLED_page_view_pixels"});
    PagePixels n;
    if (p.waitForFinished(120000) && p.exitCode() == 0)
        for (const QByteArray& line : p.readAllStandardOutput().split('\n'))
            std::sscanf(line.constData(), "pixels %lf %d %d %d %d", &n.ratio, &n.logicalWidth, &n.deviceWidth,
                        &n.ink, &n.edges);
    return n;
}

} // namespace

TEST(PageSharpness, at_ratio_two_the_page_has_device_resolution_and_sharper_edges_than_at_ratio_one) {
    const PagePixels one = pagePixels("1"), two = pagePixels("2");
    ASSERT_EQ(one.ratio, 1);
    ASSERT_EQ(two.ratio, 2) << "the scale factor did not take effect";
    EXPECT_EQ(two.deviceWidth, 2 * one.logicalWidth) << "not the same page at the same zoom";
    ASSERT_GT(one.ink, 1000);
    EXPECT_GT(two.ink, 3 * one.ink) << "ink was lost";
    // Scaled up from ratio 1, every pixel would become four: the same share
    // of edges, or more when smoothed. Played at ratio 2, an edge stays about
    // one device pixel wide while strokes double.
    std::printf("edge share of the ink: %.3f at ratio 1, %.3f at ratio 2\n", one.edgeShare(), two.edgeShare());
    EXPECT_LT(two.edgeShare(), 0.8 * one.edgeShare());
}
