// Moving through a produced report by the buttons, the list, the jump box and the keys.
#include "ViewerFixture.h"

#include <QLineEdit>
#include <QListView>

using namespace kelvppvw;
using namespace kelvppvw::viewer_test;

namespace {

// How many pixels two renders of the page view differ in.
int difference(const QImage& a, const QImage& b) {
    int differ = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differ += a.pixel(x, y) != b.pixel(x, y);
    return differ;
}

using Navigation = viewer_test::ProducedViewer;

TEST_F(Navigation, buttons_list_jump_box_and_keys_each_change_the_page_through_the_list) {
    store("PrintRange", "1");
    open(12);
    EXPECT_EQ(gsPageFile, RunPageFile(1)) << "the list's first selection shows page 1";
    const QImage pageOne = v->picPreView->surfaceImage().copy();
    EXPECT_EQ(panel(1), "Page 1 of 12");
    EXPECT_FALSE(enabled("movefirst") || enabled("moveprev"));

    click("movenext");
    EXPECT_EQ(panel(1), "Page 2 of 12");
    EXPECT_EQ(gsPageFile, RunPageFile(2));
    // Page 2 differs from page 1 in its number and the height of its bar.
    const int twoAgainstOne = difference(pageOne, v->picPreView->surfaceImage());
    EXPECT_GT(twoAgainstOne, 0);
    EXPECT_TRUE(enabled("movefirst") && enabled("moveprev") && enabled("movenext") && enabled("movelast"));
    click("movelast");
    EXPECT_EQ(panel(1), "Page 12 of 12");
    EXPECT_FALSE(enabled("movenext") || enabled("movelast"));
    click("movefirst");
    EXPECT_LT(difference(pageOne, v->picPreView->surfaceImage()), twoAgainstOne / 10) << "painted once, as at first";

    auto* jump = find<QLineEdit>("txtJump");
    EXPECT_EQ(jump->text(), "Jump To Page");
    EXPECT_GE(v->txtJump->Top(), v->lstPage->Top() + v->lstPage->Height() - 1) << "the box sits under the list";
    QTest::keyClick(jump, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(jump, "3");
    EXPECT_EQ(panel(1), "Page 3 of 12");
    QTest::keyClicks(jump, "x"); // "3x" finds no page
    EXPECT_EQ(glMovingPage, 3);

    auto* list = find<QListView>("lstPage");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(4, 0)).center());
    EXPECT_EQ(panel(1), "Page 5 of 12");

    QWidget* area = find("picBack");
    const auto key = [&](Qt::Key k) {
        QTest::keyClick(area, k);
        return glMovingPage;
    };
    const std::vector<int32_t> pages = {key(Qt::Key_PageDown), key(Qt::Key_PageUp), key(Qt::Key_End),
                                        key(Qt::Key_PageDown), key(Qt::Key_Home), key(Qt::Key_PageUp)};
    EXPECT_EQ(pages, (std::vector<int32_t>{6, 5, 12, 12, 1, 1}));
}

} // namespace
