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

// A keyless "-" entry is a bare line: a separator with text shows the text beside it.
TEST_F(ToolbarTest, a_drop_down_menu_shows_its_entries_and_a_bare_separator) {
    auto bar = form->add<Toolbar>("tlbr1");
    auto zoom = bar->AddButton("zoom", "zoom", vb::ButtonDropdown);
    zoom->AddButtonMenu("zAuto", "Auto");
    zoom->AddButtonMenu({}, "-");
    zoom->AddButtonMenu("pOptions", "&Previewer Options");
    zoom->SetCaption("100%");
    std::vector<std::string> shown;
    for (const QAction* action : nativeButton(*bar, "zoom")->menu()->actions())
        shown.push_back((action->isSeparator() ? "[line]" : "") + action->text().toStdString());
    EXPECT_EQ(shown, (std::vector<std::string>{"Auto", "[line]", "&Previewer Options"}));
}

// A window narrower than its bar cuts the bar off; the buttons keep their places.
TEST_F(ToolbarTest, buttons_never_overlap_in_a_window_narrower_than_the_bar) {
    auto bar = form->add<Toolbar>("tlbr1");
    bar->SetButtonWidth(810);
    for (const char* key : {"PrintAll", "PrintPage", "SelPages", "Printsetup", "movefirst", "moveprev"})
        bar->AddButton(key, key);
    form->Move(0, 0, 3000, 3000);
    QTest::qWait(0);
    int right = 0;
    for (const char* key : {"PrintAll", "PrintPage", "SelPages", "Printsetup", "movefirst", "moveprev"}) {
        const QRect r = nativeButton(*bar, key)->geometry();
        EXPECT_GE(r.left(), right) << key;
        right = r.right() + 1;
    }
}
