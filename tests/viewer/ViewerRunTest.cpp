// A preview run end to end through the public API: start-up, production
// through a registered print data object, closing and clean-up.
#include "ViewerTestReport.h"
#include "platform/profile/TempFolder.h"

#include "host/PreviewValues.h"
#include "host/clsPreview.h"
#include "platform/forms/Application.h"
#include "platform/forms/Menu.h"
#include "platform/forms/ModalScript.h"
#include "platform/forms/Image.h"
#include "platform/forms/Panel.h"
#include "platform/forms/ToolbarButton.h"
#include "platform/gdi/EmfFileInfo.h"
#include "recording/MetafileToolkit.h"
#include "recording/PageProduction.h"
#include "recording/RunStamp.h"
#include "settings/ProfileStore.h"
#include "viewer/ViewerStartup.h"
#include "viewer/frmPrtPreview.h"

#include <gtest/gtest.h>

#include <QPixmap>
#include <QString>

#include <iostream>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <csignal>

#include <sys/resource.h>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace kelvppvw;
namespace fs = std::filesystem;

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class ViewerRun : public ::testing::Test {
protected:
    void SetUp() override {
        Application::ensure();
        ModalScript::clear();
        ViewerTestReport::registerClass();
        ViewerTestReport::plan() = {};
        ViewerTestReport::seen().clear();
        gsAppPath = home_;
        gsAppName = "App";
        fs::create_directories(home_ + "/Preview");
    }
    void TearDown() override { ModalScript::clear(); }

    std::string ini() const { return home_ + "/preview.ini"; }
    std::string cleanup() const { return home_ + "/Preview/Cleanup.ini"; }
    int pageFiles(const std::string& stamp) const {
        int n = 0;
        for (const auto& e : fs::directory_iterator(home_ + "/Preview"))
            if (e.path().filename().string().rfind("Page_" + stamp + "_", 0) == 0)
                ++n;
        return n;
    }

    // A loaded viewer without the modal show, for start-up cases.
    std::shared_ptr<frmPrtPreview> loadViewer(const std::string& className = ViewerTestReport::ClassName) {
        gsAppPath = home_;
        gsAppName = "App";
        gsObjClassName = className;
        auto viewer = NewForm<frmPrtPreview>();
        viewer->Load();
        return viewer;
    }

    TempHome temp_;
    const std::string home_ = temp_.home();
};

TEST_F(ViewerRun, a_full_run_produces_pages_lists_them_and_cleans_up_after_itself) {
    // Another run's page, listed and recent: it must survive this run.
    const LocalDateTime now = LocalDateTime::now();
    const std::string otherStamp = FormatPageStamp(now, 7), otherKey = FormatStampKey(now, 7);
    const std::string otherPage = home_ + "/Preview/Page_" + otherStamp + "_1.emf";
    std::ofstream(otherPage) << "EMF";
    WriteProfileKey("STAMPED FILES", otherKey, otherStamp, cleanup());
    WriteProfileKey("App", "PrintRange", "1", ini()); // open with the page list shown

    std::string stamp, key;
    int filesWhileOpen = 0;
    std::string cleanupWhileOpen, panel5;
    bool produced = false, pageShown = false;
    ModalScript::push([&](ModalMoment& m) {
        auto& v = dynamic_cast<frmPrtPreview&>(*m.form);
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
                                           "Report.txt", home_, "Title", "Listing", false, 0, "Key"));

    EXPECT_EQ(filesWhileOpen, 12);
    EXPECT_EQ(cleanupWhileOpen, stamp);
    EXPECT_TRUE(produced);
    EXPECT_TRUE(pageShown) << "the first render ends with page 1 in imgP";
    EXPECT_EQ(panel5, "12");

    // The members in the order the host relies on, then the Esc flag never set.
    const std::vector<std::string> expected = {
        "SETUPKEYASGLOBAL", "Parent", "DrwHwnd", "PrntINI", "AppName", "PrntSec", "SetsSec",
        "InnitFileName", "InnitFilePath", "MarginRight", "MarginBottom", "MarginLeft", "MarginTop",
        "DrwHwnd", "picPreView", "PrintDataObjText"};
    const auto& seen = ViewerTestReport::seen();
    ASSERT_GE(seen.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(seen.begin(), seen.begin() + expected.size()), expected);
    // Every CreateNewEMF hands the new page's handle over.
    EXPECT_EQ(std::count(seen.begin(), seen.end(), "DrwHwnd"), 2 + 12);

    // Closed: this run's files and key are gone, the other run's are not.
    EXPECT_EQ(pageFiles(stamp), 0);
    EXPECT_EQ(ReadProfileKey("STAMPED FILES", key, "gone", cleanup()), "gone");
    EXPECT_TRUE(fs::exists(otherPage));
    EXPECT_EQ(ReadProfileKey("STAMPED FILES", otherKey, "", cleanup()), otherStamp);

    // Closing wrote the viewer's keys (their order is ViewerSettingsTest's) and the rulers' keys.
    const std::string text = readAll(ini());
    for (const char* k : {"PrintRange=1", "ShadowDepth=30", "RulerDimension=0", "_0=", "_1="})
        EXPECT_NE(text.find(k), std::string::npos) << k << " missing in\n" << text;
}

TEST_F(ViewerRun, start_up_reads_defaults_and_applies_the_thickness_and_switch_rules) {
    {
        auto v = loadViewer();
        EXPECT_TRUE(v->mnuScale->Item("mnuIM", 5).Checked());
        EXPECT_FALSE(v->mbPageListShown);
        EXPECT_TRUE(v->mbViewerReady);
        EXPECT_FALSE(v->mbPagesProduced);
        EXPECT_EQ(v->Caption(), "Print Preview ()");
        // Every button shows the image under its own key, normal and hot.
        for (const auto& bar : {v->tlbr1, v->tlbr2})
            for (const auto& button : bar->Buttons()) {
                EXPECT_EQ(button->Image().toString(), button->Key());
                EXPECT_NE(v->ImageList1->Find(Variant(button->Key())), nullptr) << button->Key();
                EXPECT_NE(v->ImageList2->Find(Variant(button->Key())), nullptr) << button->Key();
                EXPECT_EQ(button->Caption(), button->Tag());
            }
        EXPECT_NE(v->imgNoP->Picture(), nullptr);
        EXPECT_FALSE(gsStampKey.empty());
        EXPECT_EQ(ReadProfileKey("STAMPED FILES", gsStampKey, "", cleanup()), gsPageStamp);
        v->Unload();
        EXPECT_EQ(ReadProfileKey("STAMPED FILES", gsStampKey, "gone", cleanup()), "gone");
    }
    struct Case {
        const char* dimension;
        const char* displayed;
        const char* printRange;
        int32_t expectDimension;
        bool expectList;
    };
    for (const Case c : {Case{"149", "1", "1", 300, true}, Case{"496", "1", "true", 300, false},
                         Case{"150", "1", "-1", 150, false}, Case{"495", "1", "0", 495, false},
                         Case{"400", "0", "1", 0, true}}) {
        WriteProfileKey("App", "RulerDimension", c.dimension, ini());
        WriteProfileKey("App", "RulersDisplayed", c.displayed, ini());
        WriteProfileKey("App", "PrintRange", c.printRange, ini());
        WriteProfileKey("App", "RulerScale", "7", ini());
        auto v = loadViewer();
        EXPECT_EQ(v->settings[ViewerSetting::RulerDimension], c.expectDimension) << c.dimension;
        EXPECT_EQ(v->mbPageListShown, c.expectList) << c.printRange;
        EXPECT_EQ(v->tlbr1->Button("SelPages").Value(), c.expectList ? 1 : 0);
        EXPECT_TRUE(v->mnuScale->Item("mnuIM", 7).Checked());
        EXPECT_FALSE(v->mnuScale->Item("mnuIM", 5).Checked());
        v->Unload();
        // Closing writes the switch back as the button's value.
        EXPECT_EQ(ReadProfileKey("App", "PrintRange", "", ini()), c.expectList ? "1" : "0");
    }
}

TEST_F(ViewerRun, production_failures_show_the_box_and_keep_the_pages_written) {
    // An unregistered class: the box and no page.
    {
        auto v = loadViewer("Nobody.Registered");
        ModalScript::clear();
        v->ProducePages();
        ASSERT_EQ(ModalScript::history().size(), 1u);
        const std::string text = ModalScript::history()[0].text;
        EXPECT_EQ(text.rfind("Error: 429\r\n", 0), 0u) << text;
        EXPECT_NE(text.find("\r\n0\r\nSub frmPrtPreview GPrintPreView"), std::string::npos) << text;
        EXPECT_EQ(pageFiles(gsPageStamp), 0);
        EXPECT_TRUE(v->mbPagesProduced);
        EXPECT_EQ(v->lstPage->ListCount(), 0);
        v->Unload();
    }
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
        ViewerTestReport::plan().afterPage = [&](int page) {
            if (page == 1)
                v->raiseKeyUp(13, 0); // Enter stops nothing
        };
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

TEST_F(ViewerRun, the_progress_panel_paints_shadowed_lines_and_warns_on_long_runs) {
    ProgressTexts t{"Excessive preview", "No. of pages", "Page size is excessively small", "to stop"};
    EXPECT_EQ(ProgressPanelLines(501, 500, 4000, t),
              (std::vector<std::string>{"", " No. of pages...501", "", " Page size is excessively small...",
                                        " 2.78 x 22.22", "", " Excessive preview...ESC to stop"}));
    EXPECT_EQ(ProgressPanelLines(501, 4960, 7016, t),
              (std::vector<std::string>{"", " No. of pages...501", "", " Excessive preview...ESC to stop"}));
    EXPECT_EQ(ProgressPanelLines(500, 500, 500, t), (std::vector<std::string>{"", " No. of pages...500"}));

    auto v = loadViewer();
    v->settings[ViewerSetting::Color3] = 0x0000FF; // shadow red
    v->settings[ViewerSetting::Color4] = 0xFFFFFF; // background white
    v->settings[ViewerSetting::Color5] = 0x000000; // text black
    v->picBack->Move(0, 0, 6000, 3000);
    v->picBack->SetAutoRedraw(true);
    // The lowest ink row tells how many lines were painted.
    const auto lowestInk = [&](uint32_t color) {
        double lowest = -1;
        for (double y = 0; y < 3000; y += 15)
            for (double x = 0; x < 6000; x += 15)
                if (static_cast<uint32_t>(v->picBack->Point(x, y)) == color)
                    lowest = y;
        return lowest;
    };
    v->geometry.mlPaperWidthPx = 4960;
    v->geometry.mlPaperHeightPx = 7016;
    v->production().PageAdded(7);
    v->production().progress().flush(); // pages closer than a frame apart are painted together
    EXPECT_EQ(glThePrintingPage, 7);
    const double oneLine = lowestInk(0x000000);
    ASSERT_GT(oneLine, 0);
    EXPECT_GT(lowestInk(0x0000FF), oneLine - 1) << "the shadow falls below the text";
    v->production().PageAdded(501);
    v->production().progress().flush();
    const double normal = lowestInk(0x000000);
    v->geometry.mlPaperWidthPx = 500;
    v->production().PageAdded(501);
    v->production().progress().flush();
    const double small = lowestInk(0x000000);
    EXPECT_GT(normal, oneLine);
    EXPECT_GT(small, normal);
    v->production().PagesComplete(501, 1);
    EXPECT_EQ(lowestInk(0x000000), -1) << "completion clears the panel";
    EXPECT_EQ(glHighPage, 501);
    v->Unload();
}

TEST_F(ViewerRun, PrintPBthis_keeps_to_its_modes_and_pages_open_by_name) {
    auto v = loadViewer();
    PictureBox& draw = *v->picDraw;
    draw.SetScaleMode(vb::Twips);
    v->callWith("PrintPBthis", 300, 600, std::string("ignored"), uint8_t(2));
    EXPECT_EQ(draw.CurrentX(), 0);
    v->callWith("PrintPBthis", 300, 600, std::string("same line"), uint8_t(1));
    EXPECT_GT(draw.CurrentX(), 300);
    EXPECT_EQ(draw.CurrentY(), 600);
    v->callWith("PrintPBthis", 300, 600, std::string("next line"), uint8_t(0));
    EXPECT_EQ(draw.CurrentX(), 0);
    EXPECT_GT(draw.CurrentY(), 600);

    // Outside a page nothing is drawn and nothing fails.
    v->callWith("DrawBoxedPoly", 1, 2, 3, 4);
    v->callWith("DrawGraphics", true);
    EXPECT_EQ(glDrwHwnd, 0);

    // A page opened by name lands in the file of glThePrintingPage.
    v->callWith("PagesStart", 5, 1, 5);
    Args none;
    v->call("CreateNewEMF", none);
    EXPECT_NE(glDrwHwnd, 0);
    v->callWith("MoveNewTo", 2.5f, 3.5f);
    v->call("CloseOnOutEMF", none);
    EXPECT_EQ(glDrwHwnd, 0);
    EXPECT_TRUE(fs::exists(RunPageFile(5)));
    v->Unload();
    EXPECT_FALSE(fs::exists(RunPageFile(5)));
}

TEST_F(ViewerRun, stored_ruler_and_viewer_colours_reach_the_rulers_lines_and_panels) {
    // The vertical ruler's own marker colour never shows: both follow the horizontal one.
    WriteProfileKey("App", "ColorRuleMarkerColor_0", "255", ini());
    WriteProfileKey("App", "ColorRuleMarkerColor_1", "65280", ini());
    WriteProfileKey("App", "RulerScale_1", "6", ini());
    WriteProfileKey("App", "Color3", "255", ini());
    WriteProfileKey("App", "Color4", "16777215", ini());
    WriteProfileKey("App", "Color6", "65535", ini());
    auto v = loadViewer();
    EXPECT_EQ(v->picRuler(1).get("ColorRuleMarkerColor").toLong(), 255);
    EXPECT_EQ(v->LnDot(1).BorderColor(), 255u);
    EXPECT_EQ(v->picRuler(1).get("RulerScale").toLong(), 6);
    EXPECT_EQ(v->picRuler(0).get("ColorBackColor").toLong(), 65535);
    EXPECT_EQ(v->shpS->FillColor(), 255u);
    EXPECT_EQ(v->lstPage->BackColor(), 16777215u);

    // Each activation applies the toolbar style the host asked for.
    v->SetBarFlatOrNone(true);
    v->startup().Form_Activate();
    EXPECT_EQ(v->tlbr1->Style(), 1);
    EXPECT_EQ(v->tlbr2->Style(), 1);
    v->SetBarFlatOrNone(false);
    v->startup().Form_Activate();
    EXPECT_EQ(v->tlbr1->Style(), 0);

    // Closing hands the rulers' keys back, the unit included.
    v->Unload();
    EXPECT_EQ(ReadProfileKey("App", "RulerScale_1", "", ini()), "6");
    EXPECT_EQ(ReadProfileKey("App", "ColorRuleMarkerColor_1", "", ini()), "255");
}

TEST(PadPageNumber, pads_to_the_width_of_the_page_count_and_leaves_other_text_alone) {
    EXPECT_EQ(PadPageNumber(0, "7", 12), "07");
    EXPECT_EQ(PadPageNumber(0, "7", 9), "7");
    EXPECT_EQ(PadPageNumber(0, "1", 150), "001");
    EXPECT_EQ(PadPageNumber(0, "1234", 150), "1234");
    EXPECT_EQ(PadPageNumber(5, "3", 12), "03");
    EXPECT_EQ(PadPageNumber(1, "3", 150), "300");
    EXPECT_EQ(PadPageNumber(0, "abc", 150), "abc");
}

TEST_F(ViewerRun, a_single_page_disables_navigation_and_lists_one_item) {
    ViewerTestReport::plan().pages = 1;
    auto v = loadViewer();
    v->ProducePages();
    ASSERT_EQ(v->lstPage->ListCount(), 1);
    EXPECT_EQ(v->lstPage->List(0), "Page 1");
    EXPECT_EQ(v->lstPage->ListIndex(), 0);
    for (const char* key : {"movefirst", "moveprev", "movenext", "movelast"})
        EXPECT_FALSE(v->tlbr1->Button(key).Enabled()) << key;
    EXPECT_EQ(v->stbr1->Panels(1).Text(), "Page 1 of 1");
    v->Unload();
}

} // namespace
