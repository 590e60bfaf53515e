// Walks every control of the shown viewer: what automation, screen readers
// and these tests rely on, and no control that looks enabled but does nothing.
#include "ProducedViewer.h"

#include "platform/forms/ButtonMenu.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/PictureBox.h"
#include "printing/ViewerCommands.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAction>
#include <QMenu>

#include <set>

using namespace kelvppvw;
using namespace kelvppvw::viewer_test;

namespace {

// Printing's keys, wired in with the printing procedures.
const std::set<std::string> AwaitingPrinting = {"PrintAll", "PrintPage"};

std::string accessibleName(QObject* object) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
    return a ? a->text(QAccessible::Name).toStdString() : std::string();
}

void walk(const ControlHost& host, std::vector<Control*>& all) {
    for (const auto& c : host.controls()) {
        all.push_back(c.get());
        if (auto* inner = dynamic_cast<ControlHost*>(c.get()))
            walk(*inner, all);
    }
}

using ControlContract = ProducedViewer;

TEST_F(ControlContract, every_control_is_named_reachable_and_does_what_it_shows) {
    WriteProfileKey("App", "PrintRange", "1", ini());
    open(12);
    EXPECT_EQ(v->widget()->objectName(), "frmPrtPreview");
    EXPECT_EQ(v->widget()->windowTitle().toStdString(), v->Caption());

    std::vector<Control*> controls;
    walk(*v, controls);
    int windowed = 0;
    for (Control* c : controls) {
        if (c->isWindowless())
            continue;
        ++windowed;
        const std::string name = c->Index() < 0 ? c->Name() : c->Name() + "(" + std::to_string(c->Index()) + ")";
        EXPECT_EQ(c->widget()->objectName().toStdString(), name);
        if (auto* button = dynamic_cast<CommandButton*>(c)) {
            EXPECT_FALSE(accessibleName(c->widget()).empty()) << name;
            EXPECT_FALSE(c->widget()->isVisible() && c->Enabled() && !button->onClick) << name << " does nothing";
        }
    }
    EXPECT_GE(windowed, 20);

    for (Toolbar* bar : {v->tlbr1.get(), v->tlbr2.get()})
        for (const auto& button : bar->Buttons()) {
            const std::string& key = button->Key();
            auto* tool = find<QToolButton>(key.c_str());
            ASSERT_NE(tool, nullptr) << key;
            EXPECT_FALSE(accessibleName(tool).empty()) << key;
            if (tool->isVisible() && tool->isEnabled() && !AwaitingPrinting.count(key))
                EXPECT_TRUE(v->commands().handles(key)) << key << " is enabled without a handler";
            for (const auto& entry : button->ButtonMenus()) {
                if (entry->Key().empty())
                    continue;
                auto* action = tool->findChild<QAction*>(QString::fromStdString(entry->Key()));
                ASSERT_NE(action, nullptr) << entry->Key();
                EXPECT_TRUE(v->commands().handles(entry->Key())) << entry->Key();
            }
        }
    // The zoom menu's one separator is a line, not a choice.
    const auto actions = find<QToolButton>("zoom")->menu()->actions();
    EXPECT_EQ(std::count_if(actions.begin(), actions.end(), [](QAction* a) { return a->isSeparator(); }), 1);

    // The status bar's panels, in order, with their texts.
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(find("stbr1"));
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->childCount(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(bar->child(i)->text(QAccessible::Name).toStdString(), panel(i + 1)) << "panel " << i + 1;
    EXPECT_EQ(bar->child(0)->text(QAccessible::Name), "Page 1 of 12");

    // List items with their texts and selection.
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(find("lstPage"));
    ASSERT_NE(list, nullptr);
    std::vector<std::pair<std::string, bool>> items;
    for (int i = 0; i < list->childCount(); ++i)
        if (QAccessibleInterface* item = list->child(i); item && item->role() == QAccessible::ListItem)
            items.emplace_back(item->text(QAccessible::Name).toStdString(), item->state().selected);
    ASSERT_EQ(items.size(), 12u);
    EXPECT_EQ(items[0], std::make_pair(std::string("Page 01"), true));
    EXPECT_EQ(items[11], std::make_pair(std::string("Page 12"), false));

    // Scroll bars tell their value and range.
    click("zoom");
    for (int i = 0; i < 4; ++i)
        click("zoom");
    for (const char* name : {"hscPV", "vscPV"}) {
        auto* bar = dynamic_cast<ScrollBar*>(v->picBack->control(name).get());
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(find(name));
        ASSERT_TRUE(a && a->valueInterface()) << name;
        EXPECT_EQ(a->valueInterface()->currentValue().toInt(), bar->Value()) << name;
        EXPECT_EQ(a->valueInterface()->maximumValue().toInt(), bar->Max()) << name;
        EXPECT_EQ(a->valueInterface()->minimumValue().toInt(), bar->Min()) << name;
    }
}

TEST_F(ControlContract, at_zoom_nothing_of_the_page_shows_beyond_the_bars_and_no_ruler_covers_them) {
    WriteProfileKey("App", "RulersDisplayed", "1", ini());
    open(2);
    for (int i = 0; i < 5; ++i)
        click("zoom");
    QWidget* back = find("picBack");
    QWidget* page = find("picPreView");
    ASSERT_TRUE(v->hscPV->Visible() && v->vscPV->Visible());
    // What the page can paint is within the area's border.
    const QRect shown = page->mask().isEmpty() ? page->geometry() : page->mask().boundingRect().translated(page->pos());
    EXPECT_LE(shown.bottom(), back->height() - 3);
    EXPECT_LE(shown.right(), back->width() - 3);
    // Siblings later in the list paint over earlier ones: the bars come last.
    const auto siblings = back->children();
    const auto at = [&](const char* name) { return siblings.indexOf(find(name)); };
    for (const char* ruler : {"picRuler(0)", "picRuler(1)", "picCorn(2)"}) {
        EXPECT_LT(at(ruler), at("hscPV")) << ruler;
        EXPECT_LT(at(ruler), at("vscPV")) << ruler;
    }
}

TEST_F(ControlContract, long_status_texts_show_in_full_as_tool_tips_and_small_windows_never_overlap_panels) {
    open(1);
    QWidget* bar = find("stbr1");
    for (const double width : {12000.0, 3000.0}) {
        v->Move(v->Left(), v->Top(), width, 6000);
        DoEvents();
        const auto labels = bar->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        int right = 0;
        for (QWidget* label : labels) {
            if (!label->isVisible())
                continue;
            EXPECT_GE(label->x(), right) << label->objectName().toStdString() << " at width " << width;
            right = label->geometry().right();
        }
        EXPECT_LE(right, bar->width());
    }
    // At 200 px the paper text is cut off: its tool tip holds it whole.
    QWidget* paper = find("panel2");
    EXPECT_EQ(paper->toolTip().toStdString(), panel(2));
}

} // namespace
