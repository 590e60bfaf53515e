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

TEST_F(ToolbarTest, toolbar_buttons_are_found_by_key_and_report_clicks_with_their_state) {
    auto bar = form->add<Toolbar>("tlbr1");
    bar->AddButton("PrintAll", "P.A.");
    auto sel = bar->AddButton("SelPages", "S.P.", vb::ButtonCheck);
    bar->AddButton("sep", {}, vb::ButtonSeparator);
    auto portrait = bar->AddButton("portrait", "Port", vb::ButtonGroup);
    auto landscape = bar->AddButton("landscape", "Land", vb::ButtonGroup);
    std::vector<std::string> clicked;
    bar->onButtonClick = [&](ToolbarButton& b) { clicked.push_back(b.Key() + "=" + std::to_string(b.Value())); };


    QTest::mouseClick(nativeButton(*bar, "SelPages"), Qt::LeftButton);
    QTest::mouseClick(nativeButton(*bar, "PrintAll"), Qt::LeftButton);
    EXPECT_EQ(clicked, (std::vector<std::string>{"SelPages=1", "PrintAll=0"}));
    EXPECT_TRUE(nativeButton(*bar, "SelPages")->isChecked());

    // Pressing one group button releases the other, from code or by click.
    portrait->SetValue(vb::Pressed);
    QTest::mouseClick(nativeButton(*bar, "landscape"), Qt::LeftButton);
    EXPECT_EQ(portrait->Value(), vb::Unpressed);
    EXPECT_EQ(landscape->Value(), vb::Pressed);
    portrait->SetValue(vb::Pressed);
    EXPECT_EQ(landscape->Value(), vb::Unpressed);
    EXPECT_FALSE(nativeButton(*bar, "landscape")->isChecked());
    EXPECT_EQ(clicked.size(), 3u); // values set from code raise nothing

    sel->SetEnabled(false);
    QTest::mouseClick(nativeButton(*bar, "SelPages"), Qt::LeftButton);
    EXPECT_EQ(clicked.size(), 3u);
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
