#pragma once

#include <cstdint>
#include <optional>

namespace kelvppvw {

namespace vb {
inline constexpr uint32_t SystemColorBase = 0x80000000u;
inline constexpr uint32_t ScrollBars = 0x80000000u;
inline constexpr uint32_t Desktop = 0x80000001u;
inline constexpr uint32_t WindowBackground = 0x80000005u;
inline constexpr uint32_t WindowText = 0x80000008u;
inline constexpr uint32_t ApplicationWorkspace = 0x8000000Cu;
inline constexpr uint32_t Highlight = 0x8000000Du;
inline constexpr uint32_t ButtonFace = 0x8000000Fu;
inline constexpr uint32_t ButtonShadow = 0x80000010u;
inline constexpr uint32_t ButtonText = 0x80000012u;
inline constexpr uint32_t Highlight3D = 0x80000014u;
inline constexpr uint32_t DarkShadow3D = 0x80000015u;
inline constexpr uint32_t Light3D = 0x80000016u;
inline constexpr uint32_t InfoBackground = 0x80000018u;
} // namespace vb

// A colour in the Windows convention (0x00BBGGRR, or 0x80000000 + n for system
// colour n) resolved to 0x00BBGGRR through the classic Windows default scheme,
// so screenshots are the same on every desktop. Raises 380 for a value that
// is neither.
uint32_t ResolveColor(uint32_t color);

// The same for a value as hosts and property pages hand it over, read as a
// signed or an unsigned 32-bit number; nothing for a value that is no colour.
std::optional<uint32_t> TryResolveColor(int64_t value);
inline bool IsValidColor(int64_t value) { return TryResolveColor(value).has_value(); }

// System colour n as a signed 32-bit colour value (how controls store it).
inline constexpr int SystemColorCount = 31;
constexpr int32_t SystemColor(int index) {
    return static_cast<int32_t>(vb::SystemColorBase | static_cast<uint32_t>(index));
}

// 0x00BBGGRR from components.
constexpr uint32_t RGB(int r, int g, int b) {
    return static_cast<uint32_t>(r & 0xFF) | (static_cast<uint32_t>(g & 0xFF) << 8) |
           (static_cast<uint32_t>(b & 0xFF) << 16);
}

} // namespace kelvppvw
