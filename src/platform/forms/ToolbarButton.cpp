#include "platform/forms/ToolbarButton.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"
#include "platform/forms/ButtonMenu.h"
#include "platform/forms/Toolbar.h"

namespace kelvppvw {

ToolbarButton::ToolbarButton(Toolbar& owner, int index, std::string key)
    : owner_(&owner), index_(index), key_(std::move(key)) {
    property("Index", [this] { return Variant(static_cast<int32_t>(index_)); });
    property("Key", [this] { return Variant(key_); });
    property("Caption", [this] { return Variant(caption_); }, [this](const Variant& v) { SetCaption(v.toString()); });
    property("Tag", [this] { return Variant(tag_); }, [this](const Variant& v) { tag_ = v.toString(); });
    property("ToolTipText", [this] { return Variant(toolTip_); },
             [this](const Variant& v) { SetToolTipText(v.toString()); });
    property("Description", [this] { return Variant(description_); },
             [this](const Variant& v) { description_ = v.toString(); });
    property("Style", [this] { return Variant(style_); }, [this](const Variant& v) { SetStyle(v.toInteger()); });
    property("Value", [this] { return Variant(value_); }, [this](const Variant& v) { SetValue(v.toInteger()); });
    property("Enabled", [this] { return Variant(enabled_); }, [this](const Variant& v) { SetEnabled(v.toBool()); });
    property("Visible", [this] { return Variant(visible_); }, [this](const Variant& v) { SetVisible(v.toBool()); });
    property("Image", [this] { return image_; }, [this](const Variant& v) { SetImage(v); });
    indexedProperty("ButtonMenus", [this](Args& a) {
        if (a.empty())
            throw AutomationError(err::ArgumentNotOptional);
        if (a[0].type() == Variant::Type::String) {
            for (const auto& m : menus_)
                if (m->Key() == a[0].toString())
                    return Variant(m);
            throw AutomationError(err::ElementNotFound, "Element not found");
        }
        return Variant(ButtonMenuAt(a[0].toLong()).shared_from_this());
    });
}

void ToolbarButton::changed() { owner_->buttonChanged(*this); }

void ToolbarButton::SetCaption(const std::string& caption) {
    caption_ = caption;
    changed();
}

void ToolbarButton::SetToolTipText(const std::string& text) {
    toolTip_ = text;
    changed();
}

void ToolbarButton::SetStyle(int16_t style) {
    if (style < 0 || style > 5)
        throw AutomationError(err::InvalidPropertyValue);
    style_ = style;
    owner_->rebuild();
}

void ToolbarButton::SetValue(int16_t value) {
    if (value < 0 || value > 2)
        throw AutomationError(err::InvalidPropertyValue);
    value_ = value == 0 ? 0 : 1;
    if (value_ == vb::Pressed && style_ == vb::ButtonGroup)
        owner_->releaseGroupOf(*this);
    changed();
}

void ToolbarButton::SetEnabled(bool on) {
    enabled_ = on;
    changed();
}

void ToolbarButton::SetVisible(bool on) {
    visible_ = on;
    changed();
}

void ToolbarButton::SetImage(const Variant& keyOrIndex) {
    image_ = keyOrIndex;
    changed();
}

std::shared_ptr<ButtonMenu> ToolbarButton::AddButtonMenu(std::string key, std::string text) {
    if (!key.empty())
        for (const auto& m : menus_)
            if (m->Key() == key)
                throw AutomationError(err::KeyNotUnique, "Key is not unique in collection");
    auto menu = std::make_shared<ButtonMenu>(*this, static_cast<int>(menus_.size()) + 1, std::move(key), std::move(text));
    menus_.push_back(menu);
    owner_->rebuild();
    return menu;
}

ButtonMenu& ToolbarButton::ButtonMenuAt(int index) const {
    if (index < 1 || index > static_cast<int>(menus_.size()))
        throw AutomationError(err::IndexOutOfBounds, "Index out of bounds");
    return *menus_[index - 1];
}

} // namespace kelvppvw
