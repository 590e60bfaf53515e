// Walks every control of the shown viewer: what automation, screen readers
// and these tests rely on, and no control that looks enabled but does nothing.
#include "ViewerFixture.h"

#include "platform/forms/ButtonMenu.h"
#include "printing/ViewerCommands.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAction>
#include <QMenu>

using namespace kelvppvw;
using namespace kelvppvw::viewer_test;

namespace {

QAccessibleInterface* accessible(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

void walk(const ControlHost& host, std::vector<Control*>& all) {
    for (const auto& c : host.controls()) {
        all.push_back(c.get());
        if (auto* inner = dynamic_cast<ControlHost*>(c.get()))
            walk(*inner, all);
    }
}

using ControlContract = viewer_test::ProducedViewer;

TEST_F(ControlContract, every_control_is_named_reachable_and_does_what_it_shows) {
    store("PrintRange", "1");
    store("RulersDisplayed", "1");
    open(12);
    EXPECT_EQ(v->widget()->objectName(), "frmPrtPreview");
    std::vector<Control*> controls;
    walk(*v, controls);
    for (Control* c : controls)
        if (!c->isWindowless())
            EXPECT_EQ(c->widget()->objectName().toStdString(),
                      c->Index() < 0 ? c->Name() : c->Name() + "(" + std::to_string(c->Index()) + ")");

    for (Toolbar* bar : {v->tlbr1.get(), v->tlbr2.get()})
        for (const auto& button : bar->Buttons()) {
            auto* tool = find<QToolButton>(button->Key().c_str());
            ASSERT_NE(tool, nullptr) << button->Key();
            EXPECT_FALSE(accessible(tool)->text(QAccessible::Name).isEmpty()) << button->Key();
            if (tool->isVisible() && tool->isEnabled())
                EXPECT_TRUE(v->commands().handles(button->Key())) << button->Key() << " does nothing";
            for (const auto& entry : button->ButtonMenus())
                if (!entry->Key().empty()) {
                    EXPECT_NE(tool->findChild<QAction*>(QString::fromStdString(entry->Key())), nullptr);
                    EXPECT_TRUE(v->commands().handles(entry->Key())) << entry->Key();
                }
            // A separator with text would show it beside its line.
            for (const QAction* action : tool->menu() ? tool->menu()->actions() : QList<QAction*>())
                EXPECT_FALSE(action->isSeparator() && !action->text().isEmpty()) << button->Key();
        }

    QAccessibleInterface* bar = accessible(find("stbr1"));
    ASSERT_EQ(bar->childCount(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(bar->child(i)->text(QAccessible::Name).toStdString(), panel(i + 1)) << "panel " << i + 1;
    QAccessibleInterface* list = accessible(find("lstPage"));
    std::vector<std::pair<std::string, bool>> items;
    for (int i = 0; i < list->childCount(); ++i)
        if (QAccessibleInterface* item = list->child(i); item->role() == QAccessible::ListItem)
            items.emplace_back(item->text(QAccessible::Name).toStdString(), item->state().selected);
    ASSERT_EQ(items.size(), 12u);
    EXPECT_EQ(items[0], std::make_pair(std::string("Page 01"), true));
    EXPECT_EQ(items[11], std::make_pair(std::string("Page 12"), false));

    // At 200 %: the bars tell their range, lie above the rulers, and nothing
    // of the page shows outside the page area's border.
    for (int i = 0; i < 5; ++i)
        click("zoom");
    for (ScrollBar* scroll : {v->hscPV.get(), v->vscPV.get()}) {
        ASSERT_TRUE(scroll->Visible());
        QAccessibleValueInterface* value = accessible(scroll->widget())->valueInterface();
        EXPECT_EQ(value->currentValue().toInt(), scroll->Value());
        EXPECT_EQ(value->maximumValue().toInt(), scroll->Max());
        const auto siblings = find("picBack")->children();
        for (const char* ruler : {"picRuler(0)", "picRuler(1)", "picCorn(2)"})
            EXPECT_LT(siblings.indexOf(find(ruler)), siblings.indexOf(scroll->widget())) << ruler;
    }
    QWidget* page = find("picPreView");
    const QRect shown = page->mask().isEmpty() ? page->geometry() : page->mask().boundingRect().translated(page->pos());
    EXPECT_LE(shown.bottom(), find("picBack")->height() - 3);
    EXPECT_LE(shown.right(), find("picBack")->width() - 3);
}

} // namespace
