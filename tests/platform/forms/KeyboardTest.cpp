// A toolbar and a command button used from the keyboard alone.
#include "platform/forms/Application.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/ModalScript.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/ToolbarButton.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

using namespace kelvppvw;

TEST(Keyboard, tab_reaches_each_button_that_can_act_space_and_enter_press_it_and_esc_the_cancel_button) {
    Application::ensure();
    ModalScript::clear();
    auto form = NewForm<Form>();
    auto bar = form->add<Toolbar>("tlbr1");
    bar->AddButton("PrintAll", "P.A.");
    bar->AddButton("SelPages", "S.P.", vb::ButtonCheck);
    bar->AddButton("sep", {}, vb::ButtonSeparator);
    bar->AddButton("off", "Off")->SetEnabled(false);
    bar->AddButton("hidden", "Hid")->SetVisible(false);
    bar->AddButton("zoom", "zoom", vb::ButtonDropdown)->AddButtonMenu("z010", "10%");
    auto cancel = form->add<CommandButton>("cmdCancel");
    cancel->Move(120, 1200, 1200, 400);
    std::vector<std::string> clicks;
    bar->onButtonClick = [&](ToolbarButton& b) { clicks.push_back(b.Key() + "=" + std::to_string(b.Value())); };
    cancel->onClick = [&] { clicks.push_back("cmdCancel"); };
    form->Show();
    QApplication::setActiveWindow(form->widget()); // offscreen, windows are active only when told
    cancel->SetFocus();
    const auto press = [](Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QWidget* now = QApplication::focusWidget();
        return now ? now->objectName().toStdString() : "(none)";
    };

    std::vector<std::string> round;
    for (std::string at = press(Qt::Key_Tab); at != "cmdCancel" && round.size() < 10; at = press(Qt::Key_Tab)) {
        round.push_back(at);
        press(Qt::Key_Space);
        press(Qt::Key_Return);
    }
    EXPECT_EQ(round, (std::vector<std::string>{"PrintAll", "SelPages", "zoom"}));
    EXPECT_EQ(clicks, (std::vector<std::string>{"PrintAll=0", "PrintAll=0", "SelPages=1", "SelPages=0", "zoom=0",
                                                "zoom=0"}));
    EXPECT_EQ(press(Qt::Key_Backtab), "zoom");
    bar->SetStyle(0); // rebuilds the bar's buttons
    EXPECT_EQ(form->widget()->focusWidget()->objectName(), "zoom") << "the same button keeps the focus";

    clicks.clear();
    press(Qt::Key_Escape);
    cancel->SetCancel(true);
    press(Qt::Key_Escape);
    EXPECT_EQ(clicks, (std::vector<std::string>{"cmdCancel"})) << "Esc from the bar presses the cancel button";
    form->Unload();
}
