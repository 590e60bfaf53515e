#include "platform/automation/ErrorOf.h"
#include "platform/forms/Form.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/ScrollBar.h"

#include <gtest/gtest.h>

#include <QScrollBar>

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
    // A start index searches after it and wraps.
    EXPECT_EQ(list->FindString("Page 1", 10), 11);
    EXPECT_EQ(list->FindString("Page 1", 11), 9);
}

TEST_F(ControlsTest, a_full_list_refuses_the_next_item_with_out_of_memory) {
    auto list = form->add<ListBox>("lstPage");
    for (int32_t n = 0; n < ListBox::Capacity; ++n)
        list->AddItem("p");
    EXPECT_EQ(errorOf([&] { list->AddItem("one too many"); }), 7);
    EXPECT_EQ(list->ListCount(), ListBox::Capacity);
    list->RemoveItem(0);
    EXPECT_NO_THROW(list->AddItem("fits again"));
    EXPECT_EQ(list->List(ListBox::Capacity - 1), "fits again");
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

TEST_F(ControlsTest, texts_item_data_and_selection_stay_with_their_items) {
    auto list = pageList(3);
    for (int32_t i = 0; i < 3; ++i)
        list->SetItemData(i, 100 + i);
    list->AddItem("first", 0);
    list->RemoveItem(2);
    list->SetList(1, "renamed");
    EXPECT_EQ((std::vector{list->List(0), list->List(1), list->List(2)}),
              (std::vector<std::string>{"first", "renamed", "Page 03"}));
    EXPECT_EQ((std::vector{list->ItemData(0), list->ItemData(1), list->ItemData(2)}), (std::vector{0, 100, 102}));
    EXPECT_EQ(errorOf([&] { list->ItemData(3); }), 381);
    list->SelItemRangeEx(0, 1);
    list->SetSelected(1, true);
    list->SetSelected(2, true);
    EXPECT_EQ(list->SelCount(), 3) << "an item selected twice counts once";
}
