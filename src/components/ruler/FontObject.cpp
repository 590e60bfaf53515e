#include "components/ruler/FontObject.h"

namespace kelvppvw {

FontObject::FontObject(FontDescription description) : d_(std::move(description)) {
    field("Name", d_.name);
    property("Size", [this] { return Variant(d_.size); },
             [this](const Variant& v) {
                 const double size = v.toDouble();
                 if (size < 1.0 || size > 2048.0)
                     throw AutomationError(err::InvalidProcedureCall);
                 d_.size = size;
             });
    field("Bold", d_.bold);
    field("Italic", d_.italic);
    field("Underline", d_.underline);
    field("Strikethrough", d_.strikethrough);
}

} // namespace kelvppvw
