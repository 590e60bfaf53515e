#pragma once

#include <cstdint>

class QPainter;
class QRectF;

namespace kelvppvw {

// What a control needs of a picture: its natural size and a way to draw
// itself stretched into a rectangle. The gdi layer's Picture (bitmap, icon,
// metafile) implements it; so does RasterPicture here.
class PictureSource {
public:
    virtual ~PictureSource() = default;

    // Draws the whole picture stretched into target (device coordinates of painter).
    virtual void paint(QPainter& painter, const QRectF& target) const = 0;
    // Natural size in hundredths of a millimetre.
    virtual double widthHimetric() const = 0;
    virtual double heightHimetric() const = 0;
    // PictureTypeConstants: 1 bitmap, 2 metafile, 3 icon, 4 enhanced metafile.
    virtual int16_t pictureType() const = 0;
    // The pointer's hot spot in pixels, for pictures used as a mouse icon.
    virtual bool hotSpot(int& x, int& y) const {
        (void)x;
        (void)y;
        return false;
    }
};

} // namespace kelvppvw
