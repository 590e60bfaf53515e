#pragma once

#include "platform/automation/DispatchObject.h"

#include <string>

namespace kelvppvw {

class ToolbarButton;

// An entry of a drop-down toolbar button's menu.
class ButtonMenu : public DispatchObject {
public:
    ButtonMenu(ToolbarButton& parent, int index, std::string key, std::string text);

    ToolbarButton& Parent() const { return *parent_; }
    // 1-based position in the button's menu.
    int Index() const { return index_; }
    const std::string& Key() const { return key_; }
    std::string Text() const { return text_; }
    void SetText(const std::string& text);
    std::string Tag() const { return tag_; }
    void SetTag(const std::string& tag) { tag_ = tag; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    bool Visible() const { return visible_; }
    void SetVisible(bool on);

private:
    ToolbarButton* parent_;
    int index_;
    std::string key_, text_, tag_;
    bool enabled_ = true, visible_ = true;
};

} // namespace kelvppvw
