#include "components/ruler/FontDescription.h"

#include "platform/automation/ErrorTrap.h"

namespace kelvppvw {

FontDescription FontDescription::fromObject(Dispatch& font, const FontDescription& fallback) {
    FontDescription d = fallback;
    trapError([&] {
        std::string name = font.get("Name").toString();
        if (!name.empty())
            d.name = std::move(name);
    });
    trapError([&] {
        const double size = font.get("Size").toDouble();
        if (size >= 1.0 && size <= 2048.0)
            d.size = size;
    });
    trapError([&] { d.bold = font.get("Bold").toBool(); });
    trapError([&] { d.italic = font.get("Italic").toBool(); });
    trapError([&] { d.underline = font.get("Underline").toBool(); });
    trapError([&] { d.strikethrough = font.get("Strikethrough").toBool(); });
    return d;
}

} // namespace kelvppvw
