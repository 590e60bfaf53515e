#include "platform/forms/Form.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/ToolbarButton.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QToolButton>

using namespace kelvppvw;

namespace {

class ToolbarTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = NewForm<Form>();
        form->Move(0, 0, 9000, 6000);
        form->Load();
        form->Show();
    }
    void TearDown() override { form->Unload(); }

    QToolButton* nativeButton(Toolbar& bar, const char* key) {
        return bar.widget()->findChild<QToolButton*>(QString::fromLatin1(key));
    }

    std::shared_ptr<Form> form;
};

} // namespace

// A check button's value in its click is the keyboard test's.
TEST_F(ToolbarTest, group_buttons_release_each_other_and_a_disabled_button_reports_no_click) {
    auto bar = form->add<Toolbar>("tlbr1");
    auto portrait = bar->AddButton("portrait", "Port", vb::ButtonGroup);
    auto landscape = bar->AddButton("landscape", "Land", vb::ButtonGroup);
    std::vector<std::string> clicked;
    bar->onButtonClick = [&](ToolbarButton& b) { clicked.push_back(b.Key() + "=" + std::to_string(b.Value())); };

    // Pressing one group button releases the other, from code or by click.
    portrait->SetValue(vb::Pressed);
    QTest::mouseClick(nativeButton(*bar, "landscape"), Qt::LeftButton);
    EXPECT_EQ(portrait->Value(), vb::Unpressed);
    EXPECT_EQ(landscape->Value(), vb::Pressed);
    portrait->SetValue(vb::Pressed);
    EXPECT_EQ(landscape->Value(), vb::Unpressed);
    EXPECT_FALSE(nativeButton(*bar, "landscape")->isChecked());
    EXPECT_EQ(clicked, (std::vector<std::string>{"landscape=1"})) << "values set from code raise nothing";

    landscape->SetEnabled(false);
    QTest::mouseClick(nativeButton(*bar, "landscape"), Qt::LeftButton);
    EXPECT_EQ(clicked.size(), 1u);
}

// A window narrower than its bar cuts the bar off; the buttons keep their places.
TEST_F(ToolbarTest, buttons_never_overlap_in_a_window_narrower_than_the_bar) {
    auto bar = form->add<Toolbar>("tlbr1");
    bar->SetButtonWidth(810);
    const std::vector<const char*> keys = {"PrintAll", "PrintPage", "SelPages", "Printsetup", "movefirst"};
    for (const char* key : keys)
        bar->AddButton(key, key);
    form->Move(0, 0, 3000, 3000);
    for (size_t i = 1; i < keys.size(); ++i)
        EXPECT_GT(nativeButton(*bar, keys[i])->x(), nativeButton(*bar, keys[i - 1])->geometry().right()) << keys[i];
}
