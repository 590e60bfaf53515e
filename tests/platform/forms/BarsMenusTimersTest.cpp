#include "platform/automation/AutomationError.h"
#include "platform/forms/Application.h"
#include "platform/forms/ButtonMenu.h"
#include "platform/forms/Form.h"
#include "platform/forms/ImageList.h"
#include "platform/forms/Menu.h"
#include "platform/forms/ModalScript.h"
#include "platform/forms/OleColor.h"
#include "platform/forms/Panel.h"
#include "platform/forms/RasterPicture.h"
#include "platform/forms/StatusBar.h"
#include "platform/forms/Timer.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/ToolbarButton.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolButton>

using namespace kelvppvw;

namespace {

class BarsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ModalScript::clear();
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

TEST_F(BarsTest, toolbar_buttons_are_found_by_key_and_report_clicks_with_their_state) {
    auto bar = form->add<Toolbar>("tlbr1");
    bar->AddButton("PrintAll", "P.A.")->SetToolTipText("Print All pages");
    auto sel = bar->AddButton("SelPages", "S.P.", vb::ButtonCheck);
    bar->AddButton("sep", {}, vb::ButtonSeparator);
    auto portrait = bar->AddButton("portrait", "Port", vb::ButtonGroup);
    auto landscape = bar->AddButton("landscape", "Land", vb::ButtonGroup);
    std::vector<std::string> clicked;
    bar->onButtonClick = [&](ToolbarButton& b) { clicked.push_back(b.Key() + "=" + std::to_string(b.Value())); };

    EXPECT_EQ(&bar->Button("SelPages"), sel.get());
    EXPECT_EQ(bar->ButtonAt(4).Key(), "portrait");
    EXPECT_THROW(bar->Button("selpages"), AutomationError); // keys compare exactly
    EXPECT_EQ(bar->get("Buttons", {Variant("PrintAll")}).objectAs<ToolbarButton>()->ToolTipText(), "Print All pages");
    EXPECT_EQ(nativeButton(*bar, "PrintAll")->toolTip(), "Print All pages");

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
    EXPECT_THROW(bar->AddButton("portrait"), AutomationError);
}

TEST_F(BarsTest, drop_down_menus_report_the_entry_with_its_tag_and_parent) {
    auto bar = form->add<Toolbar>("tlbr1");
    auto zoom = bar->AddButton("zoom", "zoom", vb::ButtonDropdown);
    auto z10 = zoom->AddButtonMenu("z010", "10%");
    z10->SetTag("10");
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
    zoom->ButtonMenuAt(2).SetText("&Auto");
    EXPECT_EQ(tool->menu()->actions()[1]->text(), "&Auto");
    EXPECT_THROW(zoom->ButtonMenuAt(3), AutomationError);
    zoom->SetCaption("60%");
    EXPECT_EQ(tool->text(), "60%");
}

TEST_F(BarsTest, popup_menu_returns_after_the_chosen_items_click_ran) {
    auto zoomMenu = form->AddMenu("mnuZom", "Zoom");
    std::vector<std::string> ran;
    for (int i = 1; i <= 3; ++i)
        zoomMenu->AddItem("mnuZoom", std::to_string(i * 10) + "%", static_cast<int16_t>(i))->onClick = [&, i] {
            ran.push_back("zoom" + std::to_string(i));
        };
    zoomMenu->AddItem("mnuZuum", "-");
    auto options = zoomMenu->AddItem("mnuZxxm", "&Previewer Options");
    options->onClick = [&] { ran.push_back("options"); };
    EXPECT_EQ(zoomMenu->Item("mnuZoom", 2).Caption(), "20%");

    ModalScript::push([](ModalMoment& m) {
        EXPECT_EQ(m.kind, ModalKind::PopupMenu);
        EXPECT_EQ(m.title, "Zoom");
        return 1;
    });
    form->PopupMenu(*zoomMenu);
    EXPECT_EQ(ran, (std::vector<std::string>{"zoom2"}));

    // Separators and disabled items cannot be chosen; with no script nothing is.
    options->SetEnabled(false);
    ModalScript::push([](ModalMoment&) { return 4; });
    form->PopupMenu(*zoomMenu);
    ModalScript::push([](ModalMoment&) { return 3; });
    form->PopupMenu(*zoomMenu);
    form->PopupMenu(*zoomMenu);
    EXPECT_EQ(ran.size(), 1u);
    EXPECT_EQ(ModalScript::history().size(), 4u);
    EXPECT_EQ(ModalScript::history()[0].text, "10%\n20%\n30%\n-\n&Previewer Options");
    EXPECT_EQ(form->FindMenu("MNUZOM"), zoomMenu);
}

TEST_F(BarsTest, timers_run_on_the_event_loop_and_fire_on_demand) {
    auto timer = form->add<Timer>("tmrCntD");
    int ticks = 0;
    timer->onTimer = [&] { ++ticks; };
    timer->SetInterval(10);
    EXPECT_TRUE(timer->isRunning());
    QElapsedTimer clock;
    clock.start();
    while (ticks < 2 && clock.elapsed() < 5000)
        QTest::qWait(5);
    EXPECT_GE(ticks, 2);
    timer->SetEnabled(false);
    EXPECT_FALSE(timer->isRunning());
    const int stopped = ticks;
    timer->Fire();
    EXPECT_EQ(ticks, stopped + 1);
    EXPECT_THROW(timer->SetInterval(70000), AutomationError);
}
