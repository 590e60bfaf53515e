// The page at device pixel ratio 2 is played at the device's resolution, not
// scaled up from ratio 1: its text has proportionally fewer edge pixels
// between ink and paper.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include <cstdio>
#include <map>
#include <string>

namespace {

std::map<std::string, double> pagePixels(const char* scaleFactor) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_SCALE_FACTOR", scaleFactor);
    p.setProcessEnvironment(env);
    p.start(PAGE_SHARPNESS_PROBE, {});
    std::map<std::string, double> out;
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return out;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
        const int eq = line.indexOf('=');
        if (eq > 0)
            out[line.left(eq).toStdString()] = line.mid(eq + 1).toDouble();
    }
    return out;
}

} // namespace

TEST(PageSharpness, at_ratio_two_the_page_has_device_resolution_and_sharper_edges_than_at_ratio_one) {
    auto one = pagePixels("1"), two = pagePixels("2");
    ASSERT_EQ(one["ratio"], 1);
    ASSERT_EQ(two["ratio"], 2) << "the scale factor did not take effect";
    // The same page at the same zoom, in logical pixels, on twice as many device pixels.
    EXPECT_EQ(two["logicalWidth"], one["logicalWidth"]);
    EXPECT_EQ(two["deviceWidth"], 2 * one["logicalWidth"]);
    ASSERT_GT(one["ink"], 1000);
    // Scaled up from ratio 1, every pixel would become four: the same share
    // of edges, or more when smoothed. Played at ratio 2, an edge stays about
    // one device pixel wide while strokes double.
    const double shareOne = one["edges"] / (one["ink"] + one["edges"]);
    const double shareTwo = two["edges"] / (two["ink"] + two["edges"]);
    std::printf("edge share of the page's ink: %.3f at ratio 1, %.3f at ratio 2\n", shareOne, shareTwo);
    EXPECT_LT(shareTwo, 0.8 * shareOne) << "edge share at ratio 1: " << shareOne << ", at ratio 2: " << shareTwo;
    // Nothing lost: about four times the ink.
    EXPECT_GT(two["ink"], 3 * one["ink"]);
}
