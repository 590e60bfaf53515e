#include "platform/gdi/PicturePainter.h"

#include "platform/gdi/EmfPlayer.h"
#include "platform/gdi/GdiImages.h"
#include "platform/gdi/Picture.h"

#include <QPainter>
#include <QRectF>

namespace kelvppvw {

bool PicturePainter::paint(QPainter& painter, const Picture& picture, const QRectF& destination)
{
    switch (picture.type()) {
    case ptBitmap:
    case ptIcon: {
        const QImage image = gdi::objectImage(picture.handle());
        if (image.isNull() || !painter.isActive())
            return false;
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform,
                              destination.width() < image.width() || destination.height() < image.height());
        painter.drawImage(destination, image);
        painter.restore();
        return true;
    }
    case ptEMetafile: return gdi::EmfPlayer::play(painter, picture.handle(), destination);
    default: return false;
    }
}

} // namespace kelvppvw
