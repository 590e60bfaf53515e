#pragma once

#include "platform/automation/DispatchObject.h"

#include <memory>
#include <string>
#include <vector>

namespace kelvppvw {

class ButtonMenu;
class Toolbar;

namespace vb {
// Toolbar button styles.
inline constexpr int16_t ButtonDefault = 0;
inline constexpr int16_t ButtonCheck = 1;
inline constexpr int16_t ButtonGroup = 2;
inline constexpr int16_t ButtonSeparator = 3;
inline constexpr int16_t ButtonPlaceholder = 4;
inline constexpr int16_t ButtonDropdown = 5;
// Button Value.
inline constexpr int16_t Unpressed = 0;
inline constexpr int16_t Pressed = 1;
} // namespace vb

// One button of a Toolbar, found by Key (compared exactly) or 1-based Index.
class ToolbarButton : public DispatchObject {
public:
    ToolbarButton(Toolbar& owner, int index, std::string key);

    Toolbar& Parent() const { return *owner_; }
    int Index() const { return index_; }
    const std::string& Key() const { return key_; }
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    std::string Tag() const { return tag_; }
    void SetTag(const std::string& tag) { tag_ = tag; }
    std::string ToolTipText() const { return toolTip_; }
    void SetToolTipText(const std::string& text);
    std::string Description() const { return description_; }
    void SetDescription(const std::string& text) { description_ = text; }
    int16_t Style() const { return style_; }
    void SetStyle(int16_t style);
    // Pressed (1) or not (0); pressing a group button releases its group.
    // Setting it raises no event.
    int16_t Value() const { return value_; }
    void SetValue(int16_t value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    bool Visible() const { return visible_; }
    void SetVisible(bool on);
    // Key (String) or 1-based index (number) into the toolbar's image lists.
    Variant Image() const { return image_; }
    void SetImage(const Variant& keyOrIndex);

    std::shared_ptr<ButtonMenu> AddButtonMenu(std::string key, std::string text);
    const std::vector<std::shared_ptr<ButtonMenu>>& ButtonMenus() const { return menus_; }
    // By 1-based index; raises 35600 for an index out of bounds.
    ButtonMenu& ButtonMenuAt(int index) const;

    // For Toolbar: sets the pressed state as a click leaves it.
    void setValueFromClick(int16_t value) { value_ = value; }
    void changed();

private:
    Toolbar* owner_;
    int index_;
    std::string key_, caption_, tag_, toolTip_, description_;
    int16_t style_ = vb::ButtonDefault, value_ = vb::Unpressed;
    bool enabled_ = true, visible_ = true;
    Variant image_;
    std::vector<std::shared_ptr<ButtonMenu>> menus_;
};

} // namespace kelvppvw
