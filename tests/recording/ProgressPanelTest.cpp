// Pages closer together than a frame share one paint of the progress panel,
// and the count the panel ends with is the last page added.
#include "platform/forms/Application.h"
#include "platform/forms/PictureBox.h"
#include "recording/ProgressPanel.h"

#include <gtest/gtest.h>

using namespace kelvppvw;
using namespace std::chrono_literals;

TEST(ProgressPanel, paints_at_most_once_a_frame_and_ends_on_the_exact_count)
{
    Application::ensure();
    auto panel = std::make_shared<PictureBox>();
    panel->Move(0, 0, 3000, 1500);
    ViewerSettings settings{};
    ProgressPanel::Clock::time_point now{};
    ProgressPanel::Site site;
    site.panel = panel.get();
    site.settings = &settings;
    site.physicalPageSize = [](std::int32_t& w, std::int32_t& h) { w = 4960, h = 7016; };
    site.texts = [] { return ProgressTexts{"Excessive preview", "No. of pages", "small", "to stop"}; };
    site.now = [&] { return now; };
    ProgressPanel progress(site);

    // 100 pages, one every millisecond: a paint every 16 pages.
    for (int page = 1; page <= 100; ++page, now += 1ms) {
        progress.pageAdded(page);
        if (page == 1)
            EXPECT_EQ(progress.shownPage(), 1) << "the first page is painted at once";
    }
    EXPECT_EQ(progress.paints(), 7);
    EXPECT_EQ(progress.shownPage(), 97);
    progress.flush();
    EXPECT_EQ(progress.shownPage(), 100);
    EXPECT_EQ(progress.paints(), 8);
    progress.flush();
    EXPECT_EQ(progress.paints(), 8) << "nothing held back, nothing painted";

    // A page that arrives a frame after the last paint is painted at once.
    now += 20ms;
    progress.pageAdded(101);
    EXPECT_EQ(progress.shownPage(), 101);
    progress.pageAdded(102);
    progress.cleared();
    progress.flush();
    EXPECT_EQ(progress.shownPage(), 0) << "a cleared panel paints no page held back";
}
