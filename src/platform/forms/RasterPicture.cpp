#include "platform/forms/RasterPicture.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"
#include "platform/forms/NativeConvert.h"

#include <QImage>
#include <QPainter>

namespace kelvppvw {

RasterPicture::RasterPicture(const QImage& image, int16_t type) : image_(std::make_unique<QImage>(image)), type_(type) {
    property("Width", [this] { return Variant(widthHimetric()); });
    property("Height", [this] { return Variant(heightHimetric()); });
    property("Type", [this] { return Variant(type_); });
}

RasterPicture::~RasterPicture() = default;

std::shared_ptr<RasterPicture> RasterPicture::fromFile(const std::string& path) {
    QImage image;
    if (!image.load(qs(path)))
        throw AutomationError(err::InvalidPicture, "Invalid picture: " + path);
    return std::make_shared<RasterPicture>(image);
}

std::shared_ptr<RasterPicture> RasterPicture::filled(int width, int height, uint32_t color) {
    QImage image(std::max(1, width), std::max(1, height), QImage::Format_ARGB32);
    image.fill(toQColor(color));
    return std::make_shared<RasterPicture>(image);
}

void RasterPicture::paint(QPainter& painter, const QRectF& target) const {
    const double deviceWidth = painter.deviceTransform().mapRect(target).width();
    painter.drawImage(target, imageFor(image_->width() > 0 ? deviceWidth / image_->width() : 1.0));
}

double RasterPicture::widthHimetric() const { return image_->width() * 2540.0 / 96.0; }
double RasterPicture::heightHimetric() const { return image_->height() * 2540.0 / 96.0; }

bool RasterPicture::hotSpot(int& x, int& y) const {
    if (hotX_ < 0)
        return false;
    x = hotX_;
    y = hotY_;
    return true;
}

void RasterPicture::setHotSpot(int x, int y) {
    hotX_ = x;
    hotY_ = y;
}

void RasterPicture::setDoubleSize(const QImage& image) { doubleSize_ = std::make_unique<QImage>(image); }

const QImage& RasterPicture::image() const { return *image_; }

const QImage& RasterPicture::imageFor(double deviceScale) const {
    // The image whose density is nearer: either one is scaled otherwise.
    return deviceScale >= 1.5 && doubleSize_ && !doubleSize_->isNull() ? *doubleSize_ : *image_;
}

} // namespace kelvppvw
