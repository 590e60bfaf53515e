#include "platform/forms/Panel.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"
#include "platform/forms/StatusBar.h"

namespace kelvppvw {

Panel::Panel(StatusBar& owner, int index, std::string key) : owner_(&owner), index_(index), key_(std::move(key)) {
    property("Index", [this] { return Variant(static_cast<int32_t>(index_)); });
    property("Key", [this] { return Variant(key_); });
    property("Text", [this] { return Variant(text_); }, [this](const Variant& v) { SetText(v.toString()); });
    property("ToolTipText", [this] { return Variant(toolTip_); },
             [this](const Variant& v) { SetToolTipText(v.toString()); });
    property("Width", [this] { return Variant(width_); }, [this](const Variant& v) { SetWidth(v.toDouble()); });
    property("AutoSize", [this] { return Variant(autoSize_); }, [this](const Variant& v) { SetAutoSize(v.toInteger()); });
    property("Alignment", [this] { return Variant(alignment_); },
             [this](const Variant& v) { SetAlignment(v.toInteger()); });
}

void Panel::changed() { owner_->panelChanged(*this); }

void Panel::SetText(const std::string& text) {
    text_ = text;
    changed();
}

void Panel::SetToolTipText(const std::string& text) {
    toolTip_ = text;
    changed();
}

void Panel::SetWidth(double twips) {
    if (!(twips >= 0))
        throw AutomationError(err::InvalidPropertyValue);
    width_ = twips;
    changed();
}

void Panel::SetAutoSize(int16_t mode) {
    if (mode < 0 || mode > 2)
        throw AutomationError(err::InvalidPropertyValue);
    autoSize_ = mode;
    changed();
}

void Panel::SetAlignment(int16_t alignment) {
    if (alignment < 0 || alignment > 2)
        throw AutomationError(err::InvalidPropertyValue);
    alignment_ = alignment;
    changed();
}

} // namespace kelvppvw
