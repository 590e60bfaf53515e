// Moving through a produced report with the page list, the navigation
// buttons, the jump box and the keys, as a user does.
#include "ProducedViewer.h"

#include "platform/forms/ListBox.h"
#include "platform/forms/TextBox.h"
#include "printing/PageNavigation.h"

#include <QLineEdit>
#include <QListWidget>

using namespace kelvppvw;
using namespace kelvppvw::viewer_test;

namespace {

// Share of pixels in which two renders of the page view differ.
double difference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return 1.0;
    int differ = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differ += a.pixel(x, y) != b.pixel(x, y);
    return double(differ) / (a.width() * a.height());
}

TEST(NavButtons, follow_the_page_and_the_page_count) {
    struct Case {
        int32_t page, high;
        NavButtonState expected;
    };
    for (const Case c : {Case{1, 1, {false, false}}, Case{1, 12, {false, true}}, Case{12, 12, {true, false}},
                         Case{5, 12, {true, true}}, Case{2, 2, {true, false}}})
        EXPECT_EQ(NavButtonsFor(c.page, c.high), c.expected) << c.page << " of " << c.high;
    EXPECT_EQ(PagePositionText("Page", 3, 12), "Page 3 of 12");
}

using Navigation = ProducedViewer;

TEST_F(Navigation, the_buttons_move_through_twelve_pages_and_show_each_one) {
    open(12);
    ASSERT_EQ(v->lstPage->ListCount(), 12);
    EXPECT_EQ(v->lstPage->List(0), "Page 01");
    EXPECT_EQ(v->lstPage->List(11), "Page 12");
    EXPECT_EQ(panel(1), "Page 1 of 12");
    EXPECT_EQ(gsPageFile, RunPageFile(1)) << "the list's first selection shows page 1";
    EXPECT_FALSE(enabled("movefirst"));
    EXPECT_FALSE(enabled("moveprev"));
    const QImage pageOne = v->picPreView->surfaceImage().copy();

    click("movenext");
    EXPECT_EQ(panel(1), "Page 2 of 12");
    EXPECT_EQ(gsPageFile, RunPageFile(2));
    EXPECT_EQ(v->lstPage->ListIndex(), 1);
    // Page 2 differs from page 1 only in its number: few pixels, but some.
    const double twoAgainstOne = difference(pageOne, v->picPreView->surfaceImage());
    EXPECT_GT(twoAgainstOne, 0.0) << "page 2 is what the view shows";
    EXPECT_TRUE(enabled("movefirst") && enabled("moveprev") && enabled("movenext") && enabled("movelast"));

    click("movelast");
    EXPECT_EQ(panel(1), "Page 12 of 12");
    EXPECT_FALSE(enabled("movenext"));
    EXPECT_FALSE(enabled("movelast"));
    click("moveprev");
    EXPECT_EQ(glMovingPage, 11);
    click("movefirst");
    EXPECT_EQ(panel(1), "Page 1 of 12");
    EXPECT_LT(difference(pageOne, v->picPreView->surfaceImage()), twoAgainstOne / 10) << "page 1 shows again, painted once as at first";
}

TEST_F(Navigation, typing_a_number_in_the_jump_box_finds_that_page) {
    open(12);
    auto* jump = find<QLineEdit>("txtJump");
    ASSERT_NE(jump, nullptr);
    EXPECT_EQ(jump->text(), "Jump To Page");
    EXPECT_GE(v->txtJump->Top(), v->lstPage->Top() + v->lstPage->Height() - 1) << "the box sits under the list";

    jump->setFocus();
    QTest::keyClick(jump, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(jump, "3");
    EXPECT_EQ(v->lstPage->List(v->lstPage->ListIndex()), "Page 03");
    EXPECT_EQ(panel(1), "Page 3 of 12");
    QTest::keyClicks(jump, "x"); // "3x" finds nothing: the page stays
    EXPECT_EQ(glMovingPage, 3);
    QTest::keyClick(jump, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(jump, Qt::Key_Delete); // an empty box finds the first page
    EXPECT_EQ(glMovingPage, 1);
}

TEST_F(Navigation, a_click_in_the_list_changes_the_page_and_keys_on_the_page_area_move_too) {
    WriteProfileKey("App", "PrintRange", "1", ini());
    open(12);
    auto* list = find<QListWidget>("lstPage");
    ASSERT_TRUE(list && list->isVisible());
    const QRect item = list->visualItemRect(list->item(4));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    DoEvents();
    EXPECT_EQ(panel(1), "Page 5 of 12");

    QWidget* area = find("picBack");
    area->setFocus();
    const auto key = [&](Qt::Key k) {
        QTest::keyClick(area, k);
        return glMovingPage;
    };
    EXPECT_EQ(key(Qt::Key_PageDown), 6);
    EXPECT_EQ(key(Qt::Key_PageUp), 5);
    EXPECT_EQ(key(Qt::Key_End), 12);
    EXPECT_EQ(key(Qt::Key_PageDown), 12);
    EXPECT_EQ(key(Qt::Key_Home), 1);
    EXPECT_EQ(key(Qt::Key_PageUp), 1);
    EXPECT_EQ(panel(1), "Page 1 of 12");
}

TEST_F(Navigation, a_one_page_report_allows_no_navigation) {
    open(1);
    EXPECT_EQ(v->lstPage->List(0), "Page 1");
    EXPECT_EQ(panel(1), "Page 1 of 1");
    for (const char* key : {"movefirst", "moveprev", "movenext", "movelast"})
        EXPECT_FALSE(enabled(key)) << key;
    QTest::keyClick(find("picBack"), Qt::Key_PageDown);
    EXPECT_EQ(glMovingPage, 1);
}

} // namespace
