#include "platform/forms/Menu.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"

#include <strings.h>

namespace kelvppvw {

Menu::Menu(std::string name, std::string caption, int16_t index)
    : name_(std::move(name)), caption_(std::move(caption)), index_(index) {
    property("Name", [this] { return Variant(name_); });
    property("Index", [this] { return Variant(index_); });
    property("Caption", [this] { return Variant(caption_); }, [this](const Variant& v) { caption_ = v.toString(); });
    property("Checked", [this] { return Variant(checked_); }, [this](const Variant& v) { checked_ = v.toBool(); });
    property("Enabled", [this] { return Variant(enabled_); }, [this](const Variant& v) { enabled_ = v.toBool(); });
    property("Visible", [this] { return Variant(visible_); }, [this](const Variant& v) { visible_ = v.toBool(); });
}

std::shared_ptr<Menu> Menu::AddItem(std::string name, std::string caption, int16_t index) {
    auto item = std::make_shared<Menu>(std::move(name), std::move(caption), index);
    items_.push_back(item);
    return item;
}

Menu& Menu::Item(const std::string& name, int16_t index) const {
    for (const auto& item : items_)
        if (item->index_ == index && strcasecmp(item->name_.c_str(), name.c_str()) == 0)
            return *item;
    throw AutomationError(err::ControlArrayElementMissing, "Control array element does not exist");
}

void Menu::Click() {
    if (onClick)
        onClick();
}

} // namespace kelvppvw
