#pragma once

#include "platform/forms/Control.h"

#include <functional>

namespace kelvppvw {

// Value 0 unchecked, 1 checked, 2 greyed. Click follows a user click and
// every code assignment of a different Value.
class CheckBox : public Control {
public:
    CheckBox();

    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    int16_t Value() const { return value_; }
    void SetValue(int16_t value);

    std::function<void()> onClick;

private:
    void show();

    std::string caption_;
    int16_t value_ = 0;
};

} // namespace kelvppvw
