#include "platform/gdi/QtRuntime.h"

#include <QApplication>
#include <QGuiApplication>

#include <cstdlib>

namespace kelvppvw::gdi {

void QtRuntime::ensure()
{
    if (QCoreApplication::instance())
        return;
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "kelvppvw";
    static char* argv[] = {name, nullptr};
    // A widgets application, so that the forms layer can run in the same
    // process; never destroyed, since gdi objects holding fonts outlive statics.
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}

} // namespace kelvppvw::gdi
