// The toolbar commands and the wheel, clicked and turned as a user does.
#include "ProducedViewer.h"

#include "host/clsPreview.h"
#include "platform/forms/ListBox.h"
#include "viewer/ZoomMenu.h"

#include <QApplication>
#include <QWheelEvent>

using namespace kelvppvw;
using namespace kelvppvw::viewer_test;

namespace {

TEST(StepZoom, enters_stepped_zoom_first_then_steps_and_wraps_within_the_percentages) {
    struct Case {
        ZoomState now;
        bool zoomOut;
        ZoomState expected;
    };
    for (const Case c : {Case{{0, 9}, false, {1, 9}}, Case{{0, 9}, true, {0, 9}}, Case{{1, 9}, false, {1, 10}},
                         Case{{1, 13}, false, {1, 1}}, Case{{1, 1}, true, {1, 13}}, Case{{1, 5}, true, {1, 4}}}) {
        const ZoomState got = StepZoom(c.now, c.zoomOut);
        EXPECT_EQ(got.mode, c.expected.mode) << c.now.mode << "/" << c.now.index << " out " << c.zoomOut;
        EXPECT_EQ(got.index, c.expected.index) << c.now.mode << "/" << c.now.index << " out " << c.zoomOut;
    }
}

using Commands = ProducedViewer;

TEST_F(Commands, the_zoom_face_first_enters_stepped_zoom_then_steps_and_ctrl_wheel_does_the_same) {
    open(2);
    click("zoom");
    EXPECT_EQ(v->miZoomMode, 1);
    EXPECT_EQ(v->miZoomIndex, 9) << "the first click does not advance";
    EXPECT_EQ(v->tlbr1->Button("zoom").Caption(), "90%");
    const int width = find("zoom")->width();
    click("zoom");
    EXPECT_EQ(v->miZoomIndex, 10);
    EXPECT_EQ(v->tlbr1->Button("zoom").Caption(), "100%");
    EXPECT_EQ(find("zoom")->width(), width) << "a new caption keeps the button's width";

    // Turning the wheel with Ctrl held steps both ways; the mouse's own direction is kept.
    QWidget* area = find("picBack");
    const auto turn = [&](int notches, Qt::KeyboardModifiers keys) {
        const QPointF at(area->width() / 2.0, area->height() / 2.0);
        QWheelEvent wheel(at, area->mapToGlobal(at), {}, QPoint(0, 120 * notches), Qt::NoButton, keys,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(area, &wheel);
    };
    turn(-1, Qt::ControlModifier);
    EXPECT_EQ(v->miZoomIndex, 9);
    turn(1, Qt::ControlModifier);
    EXPECT_EQ(v->miZoomIndex, 10);
    EXPECT_EQ(v->mbytZoomOut, 0);

    // At 200 % the page is larger than the window: the wheel scrolls it.
    click("zoom");
    click("zoom");
    click("zoom");
    ASSERT_EQ(v->miZoomIndex, 13);
    ASSERT_TRUE(v->vscPV->Visible() && v->hscPV->Visible());
    const double top = v->picPreView->Top(), left = v->picPreView->Left();
    turn(-2, Qt::NoModifier);
    EXPECT_GT(v->vscPV->Value(), 0);
    EXPECT_LT(v->picPreView->Top(), top);
    turn(-1, Qt::ShiftModifier);
    EXPECT_GT(v->hscPV->Value(), 0);
    EXPECT_LT(v->picPreView->Left(), left);
}

TEST_F(Commands, the_page_list_button_shows_and_hides_the_list_and_closing_stores_what_was_shown) {
    for (const bool shown : {true, false}) {
        open(3);
        EXPECT_EQ(v->mbPageListShown, !shown) << "as the last close stored it";
        click("SelPages");
        EXPECT_EQ(v->mbPageListShown, shown);
        EXPECT_EQ(find("picList")->isVisible(), shown);
        EXPECT_EQ(find("picBack")->x() > 0, shown) << "the page area makes room for the list";
        v->Unload();
        v.reset();
        EXPECT_EQ(ReadProfileKey("App", "PrintRange", "", ini()), shown ? "1" : "0");
    }
}

TEST_F(Commands, select_all_and_none_set_the_print_selection_and_printing_nothing_beeps) {
    WriteProfileKey("App", "PrintRange", "1", ini());
    open(12);
    click("moveprev"); // disabled on page 1: nothing happens
    v->GoToPage(4);
    ToolbarButton& printSels = v->tlbr2->Button("PrintSels");
    const auto menu = [&](int index) { v->tlbr2->menuClickFromNative(printSels.ButtonMenuAt(index)); };

    menu(1); // Select All
    EXPECT_EQ(v->lstPage->SelCount(), 12);
    EXPECT_EQ(glMovingPage, 4) << "the focus item stays the shown page";
    const int beeps = BeepCount();
    click("PrintSels");
    EXPECT_EQ(BeepCount(), beeps) << "with pages selected, PrintSels does not beep";

    menu(2); // Select None: only the shown page is selected again
    EXPECT_EQ(v->lstPage->SelCount(), 1);
    EXPECT_TRUE(v->lstPage->Selected(3));
    v->lstPage->SetSelected(3, false);
    click("PrintSels");
    EXPECT_EQ(BeepCount(), beeps + 1);
}

TEST_F(Commands, landscape_is_stored_before_the_pages_are_produced_again_and_widens_the_page) {
    open(2);
    ASSERT_GT(v->picPreView->Height(), v->picPreView->Width());
    std::string storedDuringProduction;
    ViewerTestReport::plan().afterPage = [&](int) {
        storedDuringProduction = ReadProfileKey("App", "Printer_Orientation", "", ini());
    };
    click("landscape");
    EXPECT_EQ(storedDuringProduction, "2");
    EXPECT_EQ(printer->orientation(), Printer::Landscape);
    EXPECT_GT(v->picPreView->Width(), v->picPreView->Height());
    EXPECT_EQ(panel(1), "Page 1 of 2") << "the new pages are listed and page 1 shows";
    EXPECT_EQ(v->tlbr1->Button("landscape").Value(), vb::Pressed);

    click("portrait");
    EXPECT_EQ(ReadProfileKey("App", "Printer_Orientation", "", ini()), "1");
    EXPECT_GT(v->picPreView->Height(), v->picPreView->Width());
}

TEST_F(Commands, the_close_button_ends_the_preview_and_ShowPreviewDialog_returns_true) {
    bool optionsAsked = false;
    ModalScript::push([&](ModalMoment& m) {
        auto& viewer = dynamic_cast<frmPrtPreview&>(*m.form);
        DoEvents();
        auto* options = viewer.widget()->findChild<QToolButton*>("PrinterOptions");
        QTest::mouseClick(options, Qt::LeftButton);
        auto* close = viewer.widget()->findChild<QToolButton*>("close");
        QTest::mouseClick(close, Qt::LeftButton);
        return 0;
    });
    auto preview = std::make_shared<clsPreview>();
    preview->onRequestPrinterOptions([&] { optionsAsked = true; });
    EXPECT_TRUE(preview->ShowPreviewDialog(ViewerTestReport::ClassName, "", false, "App", "Sect", "Prnt", "host.ini",
                                           "Report.txt", gsAppPath, "Title", "Listing", true));
    EXPECT_TRUE(optionsAsked) << "P.O. raises the host's event";
    EXPECT_EQ(ReadProfileKey("App", "PrintRange", "", ini()), "0") << "closing saved the settings";
}

} // namespace
