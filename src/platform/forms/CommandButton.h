#pragma once

#include "platform/forms/Control.h"

#include <functional>

namespace kelvppvw {

class CommandButton : public Control {
public:
    CommandButton();

    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // Clicks the button from code (assigning True to Value).
    void SetValue(bool pressed);

    std::function<void()> onClick;

private:
    std::string caption_;
};

} // namespace kelvppvw
