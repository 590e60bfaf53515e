#include "platform/automation/ErrorOf.h"
#include "platform/forms/Form.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/ScrollBar.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

using namespace kelvppvw;
using kelvppvw::test::errorOf;

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = NewForm<Form>();
        form->Move(0, 0, 9000, 9000);
        form->Load();
        form->Show();
    }
    void TearDown() override { form->Unload(); }

    std::shared_ptr<ListBox> pageList(int pages) {
        auto list = form->add<ListBox>("lstPage");
        list->SetMultiSelect(vb::MultiSelectExtended);
        list->Move(0, 0, 1500, 3000);
        for (int n = 1; n <= pages; ++n)
            list->AddItem("Page " + std::string(n < 10 ? "0" : "") + std::to_string(n));
        return list;
    }
    static int32_t sendFind(ListBox& list, const std::string& prefix) { return list.SendMessage(0x1A2, -1, prefix); }

    std::shared_ptr<Form> form;
};

} // namespace

TEST_F(ControlsTest, prefix_search_finds_the_first_item_case_insensitively) {
    auto list = pageList(12);
    EXPECT_EQ(sendFind(*list, "Page 03"), 2);
    EXPECT_EQ(sendFind(*list, "page 1"), 9);
    EXPECT_EQ(sendFind(*list, "Page "), 0);
    EXPECT_EQ(sendFind(*list, "Page 3"), -1);
    EXPECT_EQ(sendFind(*list, "Page 013"), -1);
}

TEST_F(ControlsTest, a_full_list_refuses_the_next_item_with_out_of_memory) {
    auto list = form->add<ListBox>("lstPage");
    for (int32_t n = 0; n < ListBox::Capacity; ++n)
        list->AddItem("p");
    EXPECT_EQ(errorOf([&] { list->AddItem("one too many"); }), 7);
    EXPECT_EQ(list->ListCount(), ListBox::Capacity);
}

// How the viewer selects all pages and none: no Click, no page change.
TEST_F(ControlsTest, range_message_selects_forward_and_deselects_backward) {
    auto list = pageList(6);
    int clicks = 0;
    list->onClick = [&] { ++clicks; };
    list->SendMessage(0x183, 0, 5);
    EXPECT_EQ(list->SelCount(), 6);
    list->SendMessage(0x183, 4, 1); // first greater than last: deselect 1..4
    EXPECT_EQ(list->SelCount(), 2);
    EXPECT_TRUE(list->Selected(0));
    EXPECT_FALSE(list->Selected(1));
    EXPECT_TRUE(list->Selected(5));
    list->SetSelected(5, true);
    EXPECT_EQ(list->SelCount(), 2) << "an item selected twice counts once";
    EXPECT_EQ(clicks, 0);
    auto single = form->add<ListBox>("lstOne");
    single->AddItem("a");
    EXPECT_EQ(errorOf([&] { single->SelItemRangeEx(0, 0); }), 5);
}

TEST_F(ControlsTest, scroll_bar_change_comes_only_with_a_real_change) {
    auto bar = form->add<ScrollBar>("hscPV", ScrollBar::Orientation::Horizontal);
    bar->SetMin(0);
    bar->SetMax(1000);
    int changes = 0, scrolls = 0;
    std::vector<int16_t> seen;
    bar->onChange = [&] {
        ++changes;
        seen.push_back(bar->Value());
    };
    bar->onScroll = [&] { ++scrolls; };
    bar->SetValue(0);
    EXPECT_EQ(changes, 0);
    bar->SetValue(250);
    bar->SetValue(250);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(seen.back(), 250);

    // Dragging the thumb reports Scroll with the moving value, letting go Change.
    auto* native = static_cast<QScrollBar*>(bar->widget());
    native->setSliderDown(true);
    native->setSliderPosition(400);
    native->setSliderPosition(500);
    EXPECT_EQ(scrolls, 2);
    EXPECT_EQ(bar->Value(), 500);
    EXPECT_EQ(changes, 1);
    native->setSliderDown(false);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(seen.back(), 500);

    // A smaller Max pulls Value in and reports it; Max stays a signed 16-bit number.
    bar->SetMax(300);
    EXPECT_EQ(bar->Value(), 300);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(errorOf([&] { bar->SetMax(40000); }), 6);
    EXPECT_EQ(bar->Max(), 300);
}

// Min above Max puts the largest value at the top end, and the arrows and a
// click beside the thumb move towards the end they point at (the keys are the
// options dialog's keyboard test's).
TEST_F(ControlsTest, a_bar_with_its_largest_value_on_top_moves_the_way_its_arrows_point) {
    auto bar = form->add<ScrollBar>("vscR", ScrollBar::Orientation::Vertical);
    bar->SetMin(495);
    bar->SetMax(150);
    bar->SetSmallChange(15);
    bar->SetLargeChange(45);
    bar->SetValue(300);
    auto* native = static_cast<QScrollBar*>(bar->widget());
    const auto clickAt = [&](int y) {
        QTest::mouseClick(native, Qt::LeftButton, {}, QPoint(native->width() / 2, y));
        return bar->Value();
    };
    EXPECT_EQ(clickAt(2), 315) << "the up arrow";
    EXPECT_EQ(clickAt(native->height() - 3), 300) << "the down arrow";
    EXPECT_EQ(clickAt(native->width() + 2), 345) << "above the thumb";
}
