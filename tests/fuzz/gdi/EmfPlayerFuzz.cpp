// Feeds arbitrary bytes to the EMF player, onto a small raster image and at a
// second, mirrored destination, so that every handler and the mapping code run.
#include "platform/gdi/EmfFileInfo.h"
#include "platform/gdi/EmfPlayer.h"
#include "platform/gdi/QtRuntime.h"

#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdlib>

extern "C" const char* __lsan_default_suppressions()
{
    // Font configuration and Qt's font database keep caches for the process's life.
    return "leak:libfontconfig\nleak:libQt6Gui\nleak:libQt6Core\nleak:libfreetype\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    kelvppvw::gdi::QtRuntime::ensure();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    (void)kelvppvw::gdi::EmfFileInfo::read(bytes);
    QImage image(96, 96, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    kelvppvw::gdi::EmfPlayer::play(painter, bytes, QRectF(0, 0, 96, 96));
    kelvppvw::gdi::EmfPlayer::play(painter, bytes, QRectF(90, 5, -80, 40));
    return 0;
}
