// The viewer used from the keyboard alone: no mouse event anywhere here.
#include "ViewerFixture.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>

using namespace kelvppvw;
using namespace kelvppvw::viewer_test;

namespace {

std::string focused() {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName().toStdString() : std::string("(none)");
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    DoEvents();
}

void tabTo(const std::string& name) {
    for (int presses = 0; presses <= 40 && focused() != name; ++presses)
        press(Qt::Key_Tab);
    EXPECT_EQ(focused(), name) << "Tab never reaches it";
}

// Offscreen, a window is active only when told, also after a popup or a dialog closed.
void activate(QWidget* window) { QApplication::setActiveWindow(window); }

using KeyboardViewer = ProducedViewer;

TEST_F(KeyboardViewer, list_page_three_print_it_change_options_and_close_without_the_mouse) {
    gsPrtFileName = print_test::uniqueJobTitle("kvt-keys");
    open(5);
    activate(v->widget());
    EXPECT_EQ(focused(), "picBack") << "the window opens with the keys on the page";

    tabTo("SelPages");
    press(Qt::Key_Space);
    tabTo("picBack");
    std::vector<std::string> round;
    for (press(Qt::Key_Tab); focused() != "picBack" && round.size() < 30; press(Qt::Key_Tab))
        round.push_back(focused());
    EXPECT_EQ(round, (std::vector<std::string>{"PrintAll", "PrintPage", "SelPages", "Printsetup", "movenext",
                                               "movelast", "zoom", "portrait", "landscape", "close", "PrintSels",
                                               "lstPage", "txtJump"}));

    tabTo("lstPage");
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(panel(1), "Page 3 of 5");
    EXPECT_EQ(gsPageFile, RunPageFile(3));
    tabTo("PrintPage");
    press(Qt::Key_Return);
    const auto pdf = print_test::waitForPdf(gsPrtFileName);
    ASSERT_TRUE(pdf) << "no PDF for " << gsPrtFileName;
    EXPECT_EQ(print_test::pdfPages(*pdf).size(), 1u);
    tabTo("movefirst");
    press(Qt::Key_PageDown);
    EXPECT_EQ(panel(1), "Page 4 of 5") << "the page keys work on a button";

    // Previewer Options from the zoom button's menu: a switch, the shadow
    // bar to its top and a step down, a colour, OK.
    constexpr uint32_t Chosen = 0x00336699;
    const int32_t panOnZoom = v->settings[ViewerSetting::PanOnZoom];
    ModalScript::push([&](ModalMoment& m) {
        activate(m.form->widget());
        tabTo("chkPan");
        press(Qt::Key_Space);
        tabTo("vscbS");
        press(Qt::Key_Home);
        press(Qt::Key_Down);
        tabTo("BrowseForColor1(4)");
        ModalScript::push([](ModalMoment&) { return int(Chosen); });
        press(Qt::Key_Return);
        tabTo("cmdOK");
        press(Qt::Key_Return);
        return 0;
    });
    tabTo("zoom");
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            ADD_FAILURE() << "the zoom menu did not open";
            return;
        }
        QTest::keyClick(menu, Qt::Key_Up); // round to the last entry
        EXPECT_EQ(menu->activeAction()->objectName(), "pOptions");
        QTest::keyClick(menu, Qt::Key_Return);
    });
    press(Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(v->settings[ViewerSetting::PanOnZoom], 1 - panOnZoom);
    EXPECT_EQ(v->settings[ViewerSetting::ShadowDepth], 285);
    EXPECT_EQ(static_cast<uint32_t>(v->settings[ViewerSetting::Color4]), Chosen);

    activate(v->widget());
    tabTo("close");
    press(Qt::Key_Space);
    EXPECT_FALSE(v->IsLoaded());
    EXPECT_EQ(stored("PanOnZoom"), std::to_string(1 - panOnZoom)) << "closing stores the options";
    EXPECT_EQ(stored("Color4"), std::to_string(Chosen));
}

} // namespace
