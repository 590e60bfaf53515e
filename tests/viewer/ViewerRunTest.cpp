// A preview run end to end through the public API: start-up, production
// through a registered print data object, closing and clean-up.
#include "ViewerFixture.h"

#include "host/clsPreview.h"
#include "platform/forms/Menu.h"
#include "recording/RunStamp.h"
#include "viewer/ViewerStartup.h"

#include <algorithm>
#include <csignal>
#include <cstring>

#include <sys/inotify.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace kelvppvw;
namespace fs = std::filesystem;

namespace {

class ViewerRun : public viewer_test::ProducedViewer {
protected:
    std::string ini() const { return gsAppPath + "/preview.ini"; }
    std::string cleanup() const { return gsAppPath + "/Preview/Cleanup.ini"; }
    int pageFiles(const std::string& stamp) const {
        int n = 0;
        for (const auto& e : fs::directory_iterator(gsAppPath + "/Preview"))
            if (e.path().filename().string().rfind("Page_" + stamp + "_", 0) == 0)
                ++n;
        return n;
    }

    // A loaded viewer without the modal show, for start-up cases.
    std::shared_ptr<frmPrtPreview> loadViewer() {
        auto viewer = NewForm<frmPrtPreview>();
        viewer->Load();
        return viewer;
    }
};

TEST_F(ViewerRun, a_full_run_produces_pages_lists_them_and_cleans_up_after_itself) {
    std::string stamp, key;
    int filesWhileOpen = 0;
    std::string cleanupWhileOpen, panel5, caption;
    bool produced = false, pageShown = false;
    fs::remove_all(gsAppPath + "/Preview"); // the entry makes it
    ModalScript::push([&](ModalMoment& m) {
        auto& v = dynamic_cast<frmPrtPreview&>(*m.form);
        caption = v.Caption();
        // The first layout pass has rendered, and that render produced the pages.
        DoEvents();
        stamp = gsPageStamp;
        key = gsStampKey;
        filesWhileOpen = pageFiles(stamp);
        cleanupWhileOpen = ReadProfileKey("STAMPED FILES", key, "", cleanup());
        produced = v.mbPagesProduced;
        pageShown = v.imgP->Picture() != nullptr && gsPageFile == RunPageFile(1);
        panel5 = v.stbr1->Panels(5).Text();
        m.form->widget()->close();
        return 0;
    });
    auto preview = std::make_shared<clsPreview>();
    ASSERT_TRUE(preview->ShowPreviewDialog(ViewerTestReport::ClassName, "", false, "App", "Sect", "Prnt", "host.ini",
                                           "Report.txt", gsAppPath, "Title", "Listing", false, 0, "Key"));

    EXPECT_EQ(filesWhileOpen, 12);
    EXPECT_EQ(cleanupWhileOpen, stamp);
    EXPECT_TRUE(produced);
    EXPECT_TRUE(pageShown) << "the first render ends with page 1 in imgP";
    EXPECT_EQ(panel5, "12");
    EXPECT_EQ(caption, "Print Preview (Report.txt)");
    EXPECT_EQ(gsObjClassName + gsAppName + gsPrtFileName, "") << "the run's strings are cleared";
    EXPECT_EQ(gsAppSect, "Sect") << "but not the settings section";

    // Closed: this run's files and key are gone.
    EXPECT_EQ(pageFiles(stamp), 0);
    EXPECT_EQ(ReadProfileKey("STAMPED FILES", key, "gone", cleanup()), "gone");
}

TEST_F(ViewerRun, production_failures_show_the_box_and_keep_the_pages_written) {
    // A host failing on page 4 leaves pages 1 to 3.
    {
        ViewerTestReport::plan().failAt = 4;
        auto v = loadViewer();
        ModalScript::clear();
        v->ProducePages();
        ASSERT_EQ(ModalScript::history().size(), 1u);
        EXPECT_EQ(ModalScript::history()[0].text,
                  "Error: 5\r\nthe report ran out of data\r\n0\r\nSub frmPrtPreview GPrintPreView");
        EXPECT_EQ(pageFiles(gsPageStamp), 3);
        EXPECT_TRUE(fs::exists(RunPageFile(3)));
        v->Unload();
        EXPECT_EQ(pageFiles(gsPageStamp), 0);
    }
    // Esc after page 2: the object is told and stops.
    {
        ViewerTestReport::plan() = {};
        auto v = loadViewer();
        ViewerTestReport::plan().escAfter = 2;
        ViewerTestReport::plan().pressEsc = [&] { v->raiseKeyUp(27, 0); };
        ModalScript::clear();
        v->ProducePages();
        EXPECT_TRUE(ModalScript::history().empty());
        EXPECT_EQ(pageFiles(gsPageStamp), 2);
        EXPECT_EQ(glHighPage, 2);
        EXPECT_EQ(v->lstPage->ListCount(), 2);
        // After production the object is gone: Esc then reaches nobody.
        EXPECT_EQ(goPrintDataObj, nullptr);
        v->Unload();
    }
    // The window closed after page 2 (its events run while the host draws):
    // the object is told to stop and no page file outlives the window.
    {
        ViewerTestReport::plan() = {};
        auto v = loadViewer();
        ViewerTestReport::plan().afterPage = [&](int page) { page == 2 && v->Unload(); };
        v->ProducePages();
        EXPECT_EQ(glHighPage, 3) << "asked to stop when it opened page 3";
        EXPECT_EQ(pageFiles(gsPageStamp), 0);
        EXPECT_EQ(ReadProfileKey("STAMPED FILES", gsStampKey, "gone", cleanup()), "gone");
    }
    // The disk fills up after page 3 (a file-size limit stands in for it):
    // the host is told nothing, the box tells the user, pages 1 to 3 stay
    // viewable and no cut-short page is left.
    {
        ViewerTestReport::plan() = {};
        ViewerTestReport::plan().pages = 5;
        auto v = loadViewer();
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        const auto previous = ::signal(SIGXFSZ, SIG_IGN);
        ViewerTestReport::plan().afterPage = [&](int page) {
            if (page == 3) {
                FinishPageFiles(); // the disk fills once page 3 is on it
                rlimit full{64, saved.rlim_max};
                ::setrlimit(RLIMIT_FSIZE, &full);
            }
        };
        ModalScript::clear();
        v->ProducePages();
        ::setrlimit(RLIMIT_FSIZE, &saved);
        ::signal(SIGXFSZ, previous);
        ASSERT_EQ(ModalScript::history().size(), 1u);
        EXPECT_EQ(ModalScript::history()[0].text, "Error: 61\r\nDisk full\r\n0\r\nSub frmPrtPreview GPrintPreView");
        EXPECT_EQ(pageFiles(gsPageStamp), 3);
        v->ShowFirstPage();
        EXPECT_NE(v->imgP->Picture(), nullptr);
        v->Unload();
        EXPECT_EQ(pageFiles(gsPageStamp), 0);
    }
}

TEST_F(ViewerRun, a_host_that_only_calls_PagesStart_overwrites_one_file_and_an_open_page_is_closed) {
    ViewerTestReport::plan().pages = 3;
    ViewerTestReport::plan().pagesStartOnly = true;
    ViewerTestReport::plan().leaveLastOpen = true;
    std::vector<int> filesSeen;
    auto v = loadViewer();
    ViewerTestReport::plan().afterPage = [&](int) { filesSeen.push_back(pageFiles(gsPageStamp)); };
    v->ProducePages();
    // Pages reach the disk behind the host's drawing, but never as a second file.
    EXPECT_EQ(filesSeen.size(), 3u);
    EXPECT_TRUE(std::ranges::all_of(filesSeen, [](int n) { return n <= 1; }));
    EXPECT_EQ(pageFiles(gsPageStamp), 1);
    EXPECT_TRUE(fs::exists(RunPageFile(1)));
    // The last page was left open and production closed it.
    EXPECT_EQ(glDrwHwnd, 0);
    EXPECT_GT(fs::file_size(RunPageFile(1)), 100u);
    v->Unload();
}

TEST(ProgressPanelLines, warn_of_long_runs_and_of_small_pages_with_their_size) {
    ProgressTexts t{"Excessive preview", "No. of pages", "Page size is excessively small", "to stop"};
    EXPECT_EQ(ProgressPanelLines(501, 500, 4000, t),
              (std::vector<std::string>{"", " No. of pages...501", "", " Page size is excessively small...",
                                        " 2.78 x 22.22", "", " Excessive preview...ESC to stop"}));
    EXPECT_EQ(ProgressPanelLines(501, 4960, 7016, t),
              (std::vector<std::string>{"", " No. of pages...501", "", " Excessive preview...ESC to stop"}));
    EXPECT_EQ(ProgressPanelLines(500, 500, 500, t), (std::vector<std::string>{"", " No. of pages...500"}));
}

TEST_F(ViewerRun, stored_settings_reach_the_rulers_lines_and_panels_and_go_back_in_one_rewrite) {
    // The vertical ruler's own marker colour never shows: both follow the horizontal one.
    WriteProfileKey("App", "ColorRuleMarkerColor_0", "255", ini());
    WriteProfileKey("App", "ColorRuleMarkerColor_1", "65280", ini());
    WriteProfileKey("App", "RulerScale_1", "6", ini());
    WriteProfileKey("App", "RulerScale", "7", ini());
    WriteProfileKey("App", "Color3", "255", ini());
    WriteProfileKey("App", "Color4", "16777215", ini());
    WriteProfileKey("App", "Color6", "65535", ini());
    for (const char* ruler : {"_0", "_1"}) {
        WriteProfileKey("App", std::string("DisplayMarkerType") + ruler, "2", ini());
        WriteProfileKey("App", std::string("DisplayMarkerWidth") + ruler, "3", ini());
    }
    auto v = loadViewer();
    EXPECT_EQ(v->picRuler(1).get("ColorRuleMarkerColor").toLong(), 255);
    EXPECT_EQ(v->LnDot(1).BorderColor(), 255u);
    EXPECT_TRUE(v->LnDot(0).BorderStyle() == 2 && v->LnDot(1).BorderWidth() == 3) << "the marker's line style";
    EXPECT_EQ(v->picRuler(1).get("RulerScale").toLong(), 6);
    EXPECT_TRUE(v->mnuScale->Item("mnuIM", 7).Checked());
    EXPECT_EQ(v->picRuler(0).get("ColorBackColor").toLong(), 65535);
    EXPECT_EQ(v->shpS->FillColor(), 255u);
    EXPECT_EQ(v->lstPage->BackColor(), 16777215u);

    // Closing hands the rulers' keys back, the unit included, in one rewrite
    // of the file: one new file renamed over it. (Watched with the writes
    // between the renames, which keep the kernel from merging them.)
    const int watch = inotify_init1(IN_NONBLOCK);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, gsAppPath.c_str(), IN_MOVED_TO | IN_CLOSE_WRITE), 0);
    v->Unload();
    int rewrites = 0;
    alignas(inotify_event) char buffer[64 * 1024];
    for (ssize_t n; (n = read(watch, buffer, sizeof buffer)) > 0;)
        for (char* at = buffer; at < buffer + n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(at);
            if ((e->mask & IN_MOVED_TO) && e->len && std::strcmp(e->name, "preview.ini") == 0)
                ++rewrites;
            at += sizeof(inotify_event) + e->len;
        }
    close(watch);
    EXPECT_EQ(rewrites, 1);
    EXPECT_EQ(ReadProfileKey("App", "RulerScale_1", "", ini()), "6");
    EXPECT_EQ(ReadProfileKey("App", "ColorRuleMarkerColor_1", "", ini()), "255");
}

TEST(PadPageNumber, pads_to_the_width_of_the_page_count_and_leaves_other_text_alone) {
    EXPECT_EQ(PadPageNumber(0, "7", 12), "07");
    EXPECT_EQ(PadPageNumber(0, "7", 9), "7");
    EXPECT_EQ(PadPageNumber(0, "1234", 150), "1234");
    EXPECT_EQ(PadPageNumber(1, "3", 150), "300");
    EXPECT_EQ(PadPageNumber(0, "abc", 150), "abc");
}

} // namespace
