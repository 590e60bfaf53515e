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
    // The cancel button is clicked by Esc wherever the focus is in its window.
    bool Cancel() const { return cancel_; }
    void SetCancel(bool on);

    std::function<void()> onClick;

private:
    std::string caption_;
    bool cancel_ = false;
};

} // namespace kelvppvw
