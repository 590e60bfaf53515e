#include "platform/forms/ButtonMenu.h"
#include "platform/forms/Form.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/ToolbarButton.h"

#include <gtest/gtest.h>

#include <QMenu>
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

// The native menu's action is what a user picks; the face is no click.
TEST_F(ToolbarTest, drop_down_menu_entries_report_themselves_with_their_tag_and_parent) {
    auto bar = form->add<Toolbar>("tlbr1");
    auto zoom = bar->AddButton("zoom", "zoom", vb::ButtonDropdown);
    zoom->AddButtonMenu("z010", "10%")->SetTag("10");
    zoom->AddButtonMenu("zAuto", "Auto")->SetTag("1");
    std::string picked;
    int faceClicks = 0;
    bar->onButtonMenuClick = [&](ButtonMenu& m) { picked = m.Parent().Key() + "/" + m.Key() + "/" + m.Tag(); };
    bar->onButtonClick = [&](ToolbarButton&) { ++faceClicks; };
    QToolButton* tool = nativeButton(*bar, "zoom");
    ASSERT_NE(tool->menu(), nullptr);
    ASSERT_EQ(tool->menu()->actions().size(), 2);
    tool->menu()->actions()[0]->trigger();
    EXPECT_EQ(picked, "zoom/z010/10");
    EXPECT_EQ(faceClicks, 0);
}
