#pragma once
// Bitmaps and icons as Qt images, for the parts of the platform layer that
// paint with Qt.
#include "platform/gdi/GdiTypes.h"

#include <QImage>

namespace kelvppvw::gdi {

Handle createBitmapFromImage(const QImage& image);
Handle createIconFromImage(const QImage& image);
// Null image for anything that is not a bitmap or icon.
QImage objectImage(Handle bitmapOrIcon);

} // namespace kelvppvw::gdi
