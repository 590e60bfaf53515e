#include "platform/forms/Image.h"

#include "platform/forms/ControlHost.h"
#include "platform/forms/PictureSource.h"

#include <QPainter>

namespace kelvppvw {

Image::Image() {
    setWindowless();
    objectProperty("Picture", [this] { return Variant(std::dynamic_pointer_cast<Dispatch>(picture_)); },
                   [this](const Variant& v) {
                       auto p = std::dynamic_pointer_cast<PictureSource>(v.toObject());
                       if (v.toObject() && !p)
                           throw AutomationError(err::TypeMismatch);
                       SetPicture(p);
                   });
    property("Stretch", [this] { return Variant(stretch_); }, [this](const Variant& v) { SetStretch(v.toBool()); });
}

void Image::SetPicture(std::shared_ptr<PictureSource> picture) {
    picture_ = std::move(picture);
    if (picture_ && !stretch_)
        setTwips(leftTw(), topTw(), picture_->widthHimetric() * 1440.0 / 2540.0,
                 picture_->heightHimetric() * 1440.0 / 2540.0);
    else if (Container())
        Container()->repaintHost();
}

void Image::SetStretch(bool on) {
    stretch_ = on;
    SetPicture(picture_);
}

void Image::paintWindowless(QPainter& painter) const {
    if (!picture_)
        return;
    int x, y, w, h;
    pixelRect(x, y, w, h);
    picture_->paint(painter, QRectF(x, y, w, h));
}

} // namespace kelvppvw
