#pragma once

#include "platform/automation/DispatchObject.h"
#include "platform/forms/PictureSource.h"

#include <memory>
#include <string>

class QImage;

namespace kelvppvw {

// A picture made of pixels at 96 pixels per inch: toolbar images, animation
// frames and cursors from the resources, and bitmaps made in code.
class RasterPicture : public DispatchObject, public PictureSource {
public:
    explicit RasterPicture(const QImage& image, int16_t type = 1);
    ~RasterPicture() override;
    // Raises 481 (invalid picture) when the file cannot be read.
    static std::shared_ptr<RasterPicture> fromFile(const std::string& path);
    // A width x height picture of one colour (0x00BBGGRR).
    static std::shared_ptr<RasterPicture> filled(int width, int height, uint32_t color);

    void paint(QPainter& painter, const QRectF& target) const override;
    double widthHimetric() const override;
    double heightHimetric() const override;
    int16_t pictureType() const override { return type_; }
    bool hotSpot(int& x, int& y) const override;
    void setHotSpot(int x, int y);
    // The same picture drawn at twice the pixels; painting picks it wherever
    // a logical pixel covers more than one device pixel.
    void setDoubleSize(const QImage& image);

    const QImage& image() const;
    // The image that shows best at this many device pixels per logical pixel.
    const QImage& imageFor(double deviceScale) const;

private:
    std::unique_ptr<QImage> image_, doubleSize_;
    int16_t type_;
    int hotX_ = -1, hotY_ = -1;
};

} // namespace kelvppvw
