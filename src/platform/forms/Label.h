#pragma once

#include "platform/forms/Control.h"

namespace kelvppvw {

// Static text. Alignment 0 left, 1 right, 2 centre; BackStyle 0 transparent, 1 opaque.
class Label : public Control {
public:
    Label();

    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    int16_t Alignment() const { return alignment_; }
    void SetAlignment(int16_t alignment);
    int16_t BackStyle() const { return backStyle_; }
    void SetBackStyle(int16_t style);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);

protected:
    void appearanceChanged() override;

private:
    std::string caption_;
    int16_t alignment_ = 0, backStyle_ = 1;
    bool wordWrap_ = false;
};

} // namespace kelvppvw
