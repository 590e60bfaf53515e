#pragma once

#include "platform/automation/DispatchObject.h"

#include <functional>
#include <string>

namespace kelvppvw {

// A font description shared by reference, as a control's Font object is.
class StdFont : public DispatchObject {
public:
    StdFont();

    std::string Name() const { return name_; }
    void SetName(const std::string& name);
    double Size() const { return size_; }
    void SetSize(double points);
    bool Bold() const { return bold_; }
    void SetBold(bool on);
    bool Italic() const { return italic_; }
    void SetItalic(bool on);
    bool Underline() const { return underline_; }
    void SetUnderline(bool on);
    bool Strikethrough() const { return strikethrough_; }
    void SetStrikethrough(bool on);

    void copyFrom(const StdFont& other);
    // The owner's hook: runs after every change.
    std::function<void()> changed;

private:
    void notify();

    std::string name_ = "MS Sans Serif";
    double size_ = 8.25;
    bool bold_ = false, italic_ = false, underline_ = false, strikethrough_ = false;
};

} // namespace kelvppvw
