#pragma once

#include "platform/automation/Dispatch.h"

#include <string>

namespace kelvppvw {

// What the ruler needs to know of a font handed to it.
struct FontDescription {
    std::string name = "Courier New";
    double size = 6.0;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;

    bool operator==(const FontDescription&) const = default;

    // Reads Name, Size, Bold, Italic, Underline and Strikethrough by member
    // name from any font object a host hands over; a member the object lacks
    // or cannot convert keeps the value of fallback. A size outside 1 to 2048
    // points is not believed either.
    static FontDescription fromObject(Dispatch& font, const FontDescription& fallback);
};

} // namespace kelvppvw
