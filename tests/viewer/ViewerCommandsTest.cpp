// The toolbar commands and the wheel, clicked and turned as a user does.
#include "ViewerFixture.h"

#include "platform/forms/ListBox.h"
#include "viewer/ZoomMenu.h"

#include <QApplication>
#include <QWheelEvent>

#include <cmath>

using namespace kelvppvw;
using namespace kelvppvw::viewer_test;

namespace {

TEST(StepZoom, enters_stepped_zoom_first_then_steps_and_wraps_within_the_percentages) {
    // {mode, index, zoom out} -> {mode, index}
    for (const auto& [from, out, to] : std::vector<std::tuple<ZoomState, bool, ZoomState>>{
             {{0, 9}, false, {1, 9}}, {{0, 9}, true, {0, 9}}, {{1, 13}, false, {1, 1}}, {{1, 1}, true, {1, 13}}}) {
        const ZoomState got = StepZoom(from, out);
        EXPECT_TRUE(got.mode == to.mode && got.index == to.index) << from.mode << "/" << from.index << " " << out;
    }
}

using Commands = viewer_test::ProducedViewer;

TEST_F(Commands, the_zoom_face_and_ctrl_wheel_step_the_zoom_and_the_wheel_scrolls) {
    open(2);
    click("zoom");
    EXPECT_EQ(v->miZoomMode, 1);
    EXPECT_EQ(v->miZoomIndex, 9) << "the first click only enters stepped zoom";
    const int width = find("zoom")->width();
    click("zoom");
    EXPECT_EQ(v->tlbr1->Button("zoom").Caption(), "100%");
    EXPECT_EQ(find("zoom")->width(), width) << "a new caption keeps the button's width";

    QWidget* area = find("picBack");
    const auto turn = [&](int notches, Qt::KeyboardModifiers keys) {
        const QPointF at(area->width() / 2.0, area->height() / 2.0);
        QWheelEvent wheel(at, area->mapToGlobal(at), {}, QPoint(0, 120 * notches), Qt::NoButton, keys,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(area, &wheel);
    };
    turn(-1, Qt::ControlModifier);
    EXPECT_EQ(v->miZoomIndex, 9);
    for (int i = 0; i < 4; ++i)
        turn(1, Qt::ControlModifier);
    ASSERT_EQ(v->miZoomIndex, 13);
    EXPECT_EQ(v->mbytZoomOut, 0) << "the mouse's own zoom direction is kept";
    const double top = v->picPreView->Top(), left = v->picPreView->Left();
    turn(-2, Qt::NoModifier);
    turn(-1, Qt::ShiftModifier);
    EXPECT_LT(v->picPreView->Top(), top);
    EXPECT_LT(v->picPreView->Left(), left);
}

TEST_F(Commands, the_page_list_button_shows_and_hides_the_list_and_closing_stores_what_was_shown) {
    for (const bool shown : {true, false}) {
        open(3);
        click("SelPages");
        EXPECT_EQ(find("picList")->isVisible(), shown);
        EXPECT_EQ(find("picBack")->x() > 0, shown) << "the page area makes room for the list";
        v->Unload();
        EXPECT_EQ(stored("PrintRange"), shown ? "1" : "0");
    }
    v.reset();
}

TEST_F(Commands, landscape_is_stored_before_the_pages_are_produced_again_and_widens_the_page) {
    open(2);
    std::string storedWhileProducing;
    ViewerTestReport::plan().afterPage = [&](int) { storedWhileProducing = stored("Printer_Orientation"); };
    click("landscape");
    EXPECT_EQ(storedWhileProducing, "2");
    EXPECT_GT(v->picPreView->Width(), v->picPreView->Height());
    EXPECT_EQ(panel(1), "Page 1 of 2");
    EXPECT_EQ(v->picRuler(0).get("PrinterPageWidth").toLong(), std::lround(v->geometry.mdblPageWidthTw));
    click("portrait");
    EXPECT_EQ(stored("Printer_Orientation"), "1");
    EXPECT_GT(v->picPreView->Height(), v->picPreView->Width());
}

} // namespace
