#include "platform/forms/OleColor.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"

#include <array>

namespace kelvppvw {

namespace {
// Indexes 0..30 of the classic scheme (scroll bar, desktop, captions, menu,
// window, frame, texts, borders, workspace, highlight, button face/shadow,
// grey text, button text, inactive caption text, 3D highlight, 3D dark
// shadow, 3D light, info text, info background, -, hot light, gradients,
// menu highlight, menu bar).
constexpr std::array<uint32_t, SystemColorCount> kClassic = {
    RGB(212, 208, 200), RGB(58, 110, 165),  RGB(10, 36, 106),   RGB(128, 128, 128), RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(10, 36, 106),   RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(64, 64, 64),    RGB(212, 208, 200), RGB(0, 0, 0),       RGB(255, 255, 225),
    RGB(181, 181, 181), RGB(0, 0, 128),     RGB(166, 202, 240), RGB(192, 192, 192), RGB(10, 36, 106),
    RGB(212, 208, 200)};
} // namespace

std::optional<uint32_t> TryResolveColor(int64_t value) {
    // A negative number is the signed reading of a system colour.
    if (value < 0)
        value += 0x100000000LL;
    if (value < 0 || value > 0xFFFFFFFFLL)
        return std::nullopt;
    const auto color = static_cast<uint32_t>(value);
    if ((color & 0xFF000000u) == 0)
        return color;
    if ((color & 0xFF000000u) == vb::SystemColorBase && (color & 0x00FFFFFFu) < kClassic.size())
        return kClassic[color & 0x00FFFFFFu];
    return std::nullopt;
}

uint32_t ResolveColor(uint32_t color) {
    if (const auto resolved = TryResolveColor(color))
        return *resolved;
    throw AutomationError(err::InvalidPropertyValue);
}

} // namespace kelvppvw
