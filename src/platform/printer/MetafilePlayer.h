#pragma once

#include <QPainter>
#include <QRectF>

#include <functional>
#include <string>

namespace kelvppvw {

// Plays an enhanced metafile file onto a painter, stretched from its frame into
// the target rectangle (painter coordinates). Returns false when the file
// cannot be played. The printer owns no player of its own: the graphics layer
// installs one, and until it does, painting a metafile on the printer fails
// with "Invalid picture".
using MetafilePlayer = std::function<bool(const std::string& path, QPainter& painter, const QRectF& target)>;

void setPrinterMetafilePlayer(MetafilePlayer player);
const MetafilePlayer& printerMetafilePlayer();

} // namespace kelvppvw
