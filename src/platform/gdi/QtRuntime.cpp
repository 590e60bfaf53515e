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
    // A widgets application, so that the forms layer can run in the same process.
    static QApplication app(argc, argv);
}

} // namespace kelvppvw::gdi
