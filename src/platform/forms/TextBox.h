#pragma once

#include "platform/forms/Control.h"

#include <functional>

namespace kelvppvw {

// A single-line edit box; Change follows every change of Text, typed or set.
class TextBox : public Control {
public:
    TextBox();

    std::string Text() const;
    void SetText(const std::string& text);
    bool Locked() const { return locked_; }
    void SetLocked(bool on);

    std::function<void()> onChange;

private:
    bool locked_ = false;
};

} // namespace kelvppvw
