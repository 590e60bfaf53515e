#pragma once
// Paints a picture object of any type into a rectangle: what an image
// control, a picture box's PaintPicture and the printer do with pictures.
class QPainter;
class QRectF;

namespace kelvppvw {

class Picture;

class PicturePainter {
public:
    // Bitmaps and icons are scaled to `destination`, enhanced metafiles
    // played onto it; pictures of no type and Windows metafiles paint nothing.
    // False when nothing was painted.
    static bool paint(QPainter& painter, const Picture& picture, const QRectF& destination);
};

} // namespace kelvppvw
