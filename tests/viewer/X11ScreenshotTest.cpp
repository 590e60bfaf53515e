// The viewer on a real X server under a window manager, kept as screenshots
// for a person to look at. Run by x11-screenshots.sh, which starts a private
// Xvfb with openbox (xdotool resizes the window through it); the offscreen
// runs leave these tests out.
#include "ViewerFixture.h"

#include <cstdlib>

#include <QDir>
#include <QGuiApplication>
#include <QListView>
#include <QScreen>

using namespace kelvppvw;
using namespace kelvppvw::viewer_test;

namespace {

using X11 = ProducedViewer;

TEST_F(X11, DISABLED_X11_page_two_the_page_list_and_landscape_under_a_window_manager) {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    store("RulersDisplayed", "1");
    open(12);
    QWidget* window = v->widget();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QTest::qWait(300); // the window manager's frame
    QScreen* screen = window->screen();
    const QRect desk = screen->availableGeometry();
    EXPECT_TRUE(desk.contains(window->frameGeometry().topLeft())) << "the title bar is on the screen";
    EXPECT_GT(window->geometry().top(), window->frameGeometry().top()) << "a frame with a title bar";
    const auto shoot = [&](const std::string& name) {
        QTest::qWait(100);
        const std::string path = artefactPath(name);
        EXPECT_TRUE(screen->grabWindow(0).save(QString::fromStdString(path)));
        std::printf("screenshot: %s\n", path.c_str());
    };

    click("movenext");
    EXPECT_EQ(panel(1), "Page 2 of 12");
    shoot("x11-page-2.png");
    click("SelPages");
    ASSERT_TRUE(find("lstPage")->isVisible());
    shoot("x11-page-list.png");
    click("landscape");
    EXPECT_GT(v->picPreView->Width(), v->picPreView->Height());
    shoot("x11-landscape.png");

    // The window manager grows the window after the pages were produced
    // again: the list still shows its selected first item, not the panel
    // behind it.
    const QSize grown = window->size() + QSize(200, 200);
    ASSERT_EQ(std::system(("xdotool windowsize " + std::to_string(window->winId()) + " " +
                           std::to_string(grown.width()) + " " + std::to_string(grown.height()))
                              .c_str()),
              0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->size() == grown; }));
    shoot("x11-grown.png");
    auto* list = find<QListView>("lstPage");
    const QPoint item = list->viewport()->mapToGlobal(list->visualRect(list->model()->index(0, 0)).center());
    EXPECT_EQ(screen->grabWindow(0, item.x(), item.y(), 1, 1).toImage().pixelColor(0, 0),
              list->palette().color(QPalette::Active, QPalette::Highlight));
}

} // namespace
