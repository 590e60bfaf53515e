#include "platform/forms/ButtonMenu.h"

#include "platform/forms/ToolbarButton.h"

namespace kelvppvw {

ButtonMenu::ButtonMenu(ToolbarButton& parent, int index, std::string key, std::string text)
    : parent_(&parent), index_(index), key_(std::move(key)), text_(std::move(text)) {
    property("Index", [this] { return Variant(static_cast<int32_t>(index_)); });
    property("Key", [this] { return Variant(key_); });
    property("Text", [this] { return Variant(text_); }, [this](const Variant& v) { SetText(v.toString()); });
    property("Tag", [this] { return Variant(tag_); }, [this](const Variant& v) { tag_ = v.toString(); });
    property("Enabled", [this] { return Variant(enabled_); }, [this](const Variant& v) { SetEnabled(v.toBool()); });
    property("Visible", [this] { return Variant(visible_); }, [this](const Variant& v) { SetVisible(v.toBool()); });
    objectProperty("Parent", [this] { return Variant(parent_->shared_from_this()); }, nullptr);
}

void ButtonMenu::SetText(const std::string& text) {
    text_ = text;
    parent_->changed();
}

void ButtonMenu::SetEnabled(bool on) {
    enabled_ = on;
    parent_->changed();
}

void ButtonMenu::SetVisible(bool on) {
    visible_ = on;
    parent_->changed();
}

} // namespace kelvppvw
