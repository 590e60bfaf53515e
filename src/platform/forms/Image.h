#pragma once

#include "platform/forms/Control.h"

#include <functional>
#include <memory>

namespace kelvppvw {

// A windowless holder of a picture: shown at its natural size, or stretched
// to the control when Stretch is set.
class Image : public Control {
public:
    Image();

    std::shared_ptr<PictureSource> Picture() const { return picture_; }
    // Without Stretch the control takes the picture's size.
    void SetPicture(std::shared_ptr<PictureSource> picture);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool on);

    void paintWindowless(QPainter& painter) const override;

private:
    std::shared_ptr<PictureSource> picture_;
    bool stretch_ = false;
};

} // namespace kelvppvw
