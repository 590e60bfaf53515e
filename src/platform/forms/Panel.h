#pragma once

#include "platform/automation/DispatchObject.h"

#include <string>

namespace kelvppvw {

class StatusBar;

// One numbered (1-based) panel of a StatusBar.
class Panel : public DispatchObject {
public:
    Panel(StatusBar& owner, int index, std::string key);

    int Index() const { return index_; }
    const std::string& Key() const { return key_; }
    std::string Text() const { return text_; }
    void SetText(const std::string& text);
    std::string ToolTipText() const { return toolTip_; }
    void SetToolTipText(const std::string& text);
    // Width in twips; AutoSize 0 keeps it, 1 shares the spare room, 2 fits the text.
    double Width() const { return width_; }
    void SetWidth(double twips);
    int16_t AutoSize() const { return autoSize_; }
    void SetAutoSize(int16_t mode);
    // 0 left, 1 centre, 2 right.
    int16_t Alignment() const { return alignment_; }
    void SetAlignment(int16_t alignment);

private:
    void changed();

    StatusBar* owner_;
    int index_;
    std::string key_, text_, toolTip_;
    double width_ = 1440;
    int16_t autoSize_ = 0, alignment_ = 0;
};

} // namespace kelvppvw
