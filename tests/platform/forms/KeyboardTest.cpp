// A toolbar used from the keyboard alone: Tab reaches every button that can
// act, Space and Enter press it, a drop-down button's menu opens by key and is
// walked with the arrows; Enter and Esc on command buttons.
#include "platform/forms/Application.h"
#include "platform/forms/ButtonMenu.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/ModalScript.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/ToolbarButton.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

using namespace kelvppvw;

namespace {

std::string press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName().toStdString() : "(none)";
}

class Keyboard : public ::testing::Test {
protected:
    void SetUp() override {
        Application::ensure();
        ModalScript::clear();
        form = NewForm<Form>();
        form->Move(0, 0, 9000, 6000);
        before = form->add<CommandButton>("cmdBefore");
        before->Move(120, 1200, 1200, 400);
        bar = form->add<Toolbar>("tlbr1");
        bar->AddButton("PrintAll", "P.A.");
        bar->AddButton("SelPages", "S.P.", vb::ButtonCheck);
        bar->AddButton("sep", {}, vb::ButtonSeparator);
        bar->AddButton("off", "Off")->SetEnabled(false);
        bar->AddButton("hidden", "Hid")->SetVisible(false);
        auto zoom = bar->AddButton("zoom", "zoom", vb::ButtonDropdown);
        zoom->AddButtonMenu("z010", "10%");
        zoom->AddButtonMenu("pOptions", "&Options");
        after = form->add<CommandButton>("cmdAfter");
        after->Move(1440, 1200, 1200, 400);
        bar->onButtonClick = [this](ToolbarButton& b) { clicks.push_back(b.Key() + "=" + std::to_string(b.Value())); };
        bar->onButtonMenuClick = [this](ButtonMenu& m) { clicks.push_back(m.Key()); };
        after->onClick = [this] { clicks.push_back("cmdAfter"); };
        form->Show();
        // Offscreen, a window is active only when told, also after a popup closed.
        QApplication::setActiveWindow(form->widget());
        before->SetFocus();
    }
    void TearDown() override { form->Unload(); }

    std::shared_ptr<Form> form;
    std::shared_ptr<CommandButton> before, after;
    std::shared_ptr<Toolbar> bar;
    std::vector<std::string> clicks;
};

} // namespace

TEST_F(Keyboard, tab_reaches_each_button_that_can_act_and_space_or_enter_press_it) {
    std::vector<std::string> round;
    for (std::string at = press(Qt::Key_Tab); at != "cmdBefore" && round.size() < 10; at = press(Qt::Key_Tab))
        round.push_back(at);
    EXPECT_EQ(round, (std::vector<std::string>{"PrintAll", "SelPages", "zoom", "cmdAfter"}));

    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return})
        for (std::string at = press(Qt::Key_Tab); at != "cmdBefore"; at = press(Qt::Key_Tab))
            press(key);
    EXPECT_EQ(clicks, (std::vector<std::string>{"PrintAll=0", "SelPages=1", "zoom=0", "cmdAfter", "PrintAll=0",
                                                "SelPages=0", "zoom=0", "cmdAfter"}));
    clicks.clear();
    press(Qt::Key_Escape);
    after->SetCancel(true);
    press(Qt::Key_Escape);
    EXPECT_EQ(clicks, (std::vector<std::string>{"cmdAfter"})) << "Esc presses the cancel button alone";
}

TEST_F(Keyboard, a_drop_down_buttons_menu_opens_by_key_and_the_arrows_and_enter_choose_in_it) {
    struct Case {
        QKeyCombination opener;
        std::vector<Qt::Key> inMenu;
        std::vector<std::string> clicks;
    };
    for (const Case& c : std::vector<Case>{{Qt::AltModifier | Qt::Key_Down, {Qt::Key_Down, Qt::Key_Return}, {"z010"}},
                                           {QKeyCombination(Qt::Key_Down), {Qt::Key_Up, Qt::Key_Return}, {"pOptions"}},
                                           {QKeyCombination(Qt::Key_F4), {Qt::Key_O}, {"pOptions"}},
                                           {QKeyCombination(Qt::Key_F4), {Qt::Key_Escape}, {}}}) {
        clicks.clear();
        QApplication::setActiveWindow(form->widget());
        before->SetFocus();
        ASSERT_EQ(press(Qt::Key_Backtab), "cmdAfter");
        ASSERT_EQ(press(Qt::Key_Backtab), "zoom");
        QTimer::singleShot(0, [keys = c.inMenu] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) {
                ADD_FAILURE() << "no menu opened";
                return;
            }
            for (Qt::Key key : keys)
                QTest::keyClick(menu, key);
            menu->close(); // a test gone wrong must not wait in the menu
        });
        press(c.opener.key(), c.opener.keyboardModifiers());
        EXPECT_EQ(clicks, c.clicks) << QKeySequence(c.opener).toString().toStdString();
        EXPECT_EQ(form->widget()->focusWidget()->objectName(), "zoom") << "the focus stays on the button";
    }
    bar->SetStyle(0); // rebuilds the bar's buttons
    EXPECT_EQ(form->widget()->focusWidget()->objectName(), "zoom");
}
