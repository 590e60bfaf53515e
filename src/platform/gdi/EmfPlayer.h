#pragma once
// Plays an Enhanced Metafile (ours or another program's) onto a Qt painter:
// the picture's frame is mapped onto a destination rectangle. Malformed input
// is drawn as far as it is sound and never read outside its bytes.
#include "platform/gdi/GdiTypes.h"

#include <cstdint>
#include <span>

class QPainter;
class QRectF;

namespace kelvppvw::gdi {

class EmfPlayer {
public:
    // False when the bytes do not start with a valid header; records after a
    // broken record are not drawn.
    static bool play(QPainter& painter, std::span<const std::uint8_t> bytes, const QRectF& destination);
    // A metafile handle (getEnhMetaFile); false for anything else.
    static bool play(QPainter& painter, Handle metafile, const QRectF& destination);
};

} // namespace kelvppvw::gdi
