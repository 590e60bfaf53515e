#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/ControlHost.h"

namespace kelvppvw {

// A captioned group that holds child controls; children are placed in twips
// from the frame's top-left corner.
class Frame : public Control, public ControlHost {
public:
    Frame();
    ~Frame() override;

    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    QWidget* hostWidget() const override { return widget(); }
    double innerWidthTwips() const override { return widthTw(); }
    double innerHeightTwips() const override { return heightTw(); }

private:
    std::string caption_;
};

} // namespace kelvppvw
