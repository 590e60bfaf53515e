#include "platform/forms/Application.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QTimer>

#include <cstdlib>

namespace kelvppvw {

namespace {
ScreenPointer gPointer = ScreenPointer::Default;
int gBeeps = 0;
} // namespace

void Application::ensure() {
    if (QCoreApplication::instance())
        return;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if ((!platform || !*platform) && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt keeps references to argc/argv for the life of the application.
    static int argc = 1;
    static char name[] = "kelvppvw";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

bool Application::isHeadless() {
    ensure();
    return QGuiApplication::platformName() == QLatin1String("offscreen") ||
           QGuiApplication::platformName() == QLatin1String("minimal");
}

void DoEvents() {
    Application::ensure();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void WaitForEvents(int maxMilliseconds) {
    Application::ensure();
    QCoreApplication::sendPostedEvents();
    // Its expiry is an event too, so the wait ends in time.
    QTimer limit;
    limit.setSingleShot(true);
    limit.start(maxMilliseconds);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void SetScreenPointer(ScreenPointer pointer) {
    Application::ensure();
    if (pointer == gPointer)
        return;
    if (gPointer == ScreenPointer::Hourglass)
        QGuiApplication::restoreOverrideCursor();
    if (pointer == ScreenPointer::Hourglass)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    gPointer = pointer;
}

ScreenPointer CurrentScreenPointer() { return gPointer; }

void Beep() {
    Application::ensure();
    ++gBeeps;
    QApplication::beep();
}

int BeepCount() { return gBeeps; }

} // namespace kelvppvw
