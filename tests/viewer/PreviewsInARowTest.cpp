// Two previews in a row in one process, each big enough that closing leaves
// part of its page files to the worker thread.
#include "ViewerTestReport.h"
#include "platform/profile/TempFolder.h"

#include "host/PreviewValues.h"
#include "host/clsPreview.h"
#include "platform/forms/Application.h"
#include "platform/forms/ModalScript.h"
#include "recording/ClosedRunRemoval.h"
#include "recording/StampCleanup.h"
#include "viewer/frmPrtPreview.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <filesystem>

using namespace kelvppvw;

TEST(PreviewsInARow, each_preview_starts_after_the_last_ones_files_are_gone_and_none_are_left)
{
    Application::ensure();
    ModalScript::clear();
    ViewerTestReport::registerClass();
    ViewerTestReport::plan() = {};
    ViewerTestReport::plan().pages = int(InlineRemovals) + 40;
    TempHome temp;
    const std::string home = temp.home();
    const PageFolder folder = PageFolder::beside(home);
    std::filesystem::create_directories(folder.path);
    const auto pageFiles = [&] {
        return std::count_if(std::filesystem::directory_iterator(folder.path), {},
                             [](const auto& e) { return e.path().filename().string().starts_with("Page_"); });
    };

    std::vector<long> filesWhenShown;
    for (int run = 0; run < 2; ++run) {
        ModalScript::push([&](ModalMoment& m) {
            DoEvents();
            filesWhenShown.push_back(pageFiles());
            m.form->widget()->close();
            return 0;
        });
        auto preview = std::make_shared<clsPreview>();
        ASSERT_TRUE(preview->ShowPreviewDialog(ViewerTestReport::ClassName, "", false, "App", "Sect", "Prnt",
                                               "host.ini", "Report.txt", home, "Title", "Listing", false, 0, "Key"));
    }
    FinishClosedRunRemoval();
    // Only the run on show has files: the previous one's were gone before it started.
    EXPECT_EQ(filesWhenShown, std::vector<long>(2, ViewerTestReport::plan().pages));
    EXPECT_EQ(pageFiles(), 0);
    EXPECT_TRUE(ListedRuns(folder).empty());
    ModalScript::clear();
}
