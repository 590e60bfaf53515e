#include "platform/forms/StdFont.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"

namespace kelvppvw {

StdFont::StdFont() {
    property("Name", [this] { return Variant(name_); }, [this](const Variant& v) { SetName(v.toString()); });
    property("Size", [this] { return Variant(size_); }, [this](const Variant& v) { SetSize(v.toDouble()); });
    property("Bold", [this] { return Variant(bold_); }, [this](const Variant& v) { SetBold(v.toBool()); });
    property("Italic", [this] { return Variant(italic_); }, [this](const Variant& v) { SetItalic(v.toBool()); });
    property("Underline", [this] { return Variant(underline_); },
             [this](const Variant& v) { SetUnderline(v.toBool()); });
    property("Strikethrough", [this] { return Variant(strikethrough_); },
             [this](const Variant& v) { SetStrikethrough(v.toBool()); });
}

void StdFont::notify() {
    if (changed)
        changed();
}

void StdFont::SetName(const std::string& name) {
    name_ = name;
    notify();
}

void StdFont::SetSize(double points) {
    if (!(points > 0) || points > 2048)
        throw AutomationError(err::InvalidPropertyValue);
    size_ = points;
    notify();
}

void StdFont::SetBold(bool on) {
    bold_ = on;
    notify();
}
void StdFont::SetItalic(bool on) {
    italic_ = on;
    notify();
}
void StdFont::SetUnderline(bool on) {
    underline_ = on;
    notify();
}
void StdFont::SetStrikethrough(bool on) {
    strikethrough_ = on;
    notify();
}

void StdFont::copyFrom(const StdFont& other) {
    name_ = other.name_;
    size_ = other.size_;
    bold_ = other.bold_;
    italic_ = other.italic_;
    underline_ = other.underline_;
    strikethrough_ = other.strikethrough_;
    notify();
}

} // namespace kelvppvw
