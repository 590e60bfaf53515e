// The viewer on a real X server under a window manager, kept as screenshots
// for a person to look at. Run by x11-screenshots.sh, which starts a private
// Xvfb with openbox; the offscreen runs leave these tests out.
#include "ViewerFixture.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

using namespace kelvppvw;
using namespace kelvppvw::viewer_test;

namespace {

using X11 = ProducedViewer;

TEST_F(X11, DISABLED_X11_page_two_the_page_list_and_landscape_under_a_window_manager) {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
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
}

} // namespace
