#include "components/ruler/OleColor.h"

#include <array>

namespace kelvppvw {

namespace {

// 0xRRGGBB, indexed by system colour number.
constexpr std::array<uint32_t, kSystemColorCount> kClassicSystemColors{
    0xD4D0C8,  // 0 scroll bar
    0x3A6EA5,  // 1 desktop
    0x0A246A,  // 2 active caption
    0x808080,  // 3 inactive caption
    0xD4D0C8,  // 4 menu
    0xFFFFFF,  // 5 window
    0x000000,  // 6 window frame
    0x000000,  // 7 menu text
    0x000000,  // 8 window text
    0xFFFFFF,  // 9 caption text
    0xD4D0C8,  // 10 active border
    0xD4D0C8,  // 11 inactive border
    0x808080,  // 12 application workspace
    0x0A246A,  // 13 highlight
    0xFFFFFF,  // 14 highlight text
    0xD4D0C8,  // 15 button face
    0x808080,  // 16 button shadow
    0x808080,  // 17 grey text
    0x000000,  // 18 button text
    0xD4D0C8,  // 19 inactive caption text
    0xFFFFFF,  // 20 button highlight
    0x404040,  // 21 3D dark shadow
    0xD4D0C8,  // 22 3D light
    0x000000,  // 23 tooltip text
    0xFFFFE1,  // 24 tooltip background
    0xB5B5B5,  // 25 (unused slot)
    0x000080,  // 26 hot-tracked item
    0xA6CAF0,  // 27 active caption gradient
    0xC0C0C0,  // 28 inactive caption gradient
    0x0A246A,  // 29 menu highlight
    0xD4D0C8,  // 30 menu bar
};

} // namespace

bool isValidOleColor(int64_t value) { return oleColorToRgb(value).has_value(); }

std::optional<uint32_t> oleColorToRgb(int64_t value) {
    if (value >= 0 && value <= 0xFFFFFF) {
        const auto bgr = static_cast<uint32_t>(value);
        return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
    }
    // Accept the flag both as a negative 32-bit number and as its unsigned reading.
    const int64_t unsignedForm = value < 0 ? value + 0x100000000LL : value;
    const int64_t index = unsignedForm - 0x80000000LL;
    if (index >= 0 && index < kSystemColorCount)
        return kClassicSystemColors[static_cast<size_t>(index)];
    return std::nullopt;
}

} // namespace kelvppvw
