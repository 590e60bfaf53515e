#pragma once

#include <cstdint>
#include <optional>

namespace kelvppvw {

// Colour values in the classic convention: 0x00BBGGRR for a plain colour,
// 0x80000000 + n for system colour n. System colours come from a fixed table
// of the classic defaults so that renders are the same on every desktop.
inline constexpr int32_t kSystemColorFlag = INT32_MIN;
inline constexpr int kSystemColorCount = 31;

constexpr int32_t systemColor(int index) { return static_cast<int32_t>(0x80000000u | static_cast<uint32_t>(index)); }

bool isValidOleColor(int64_t value);

// 0xRRGGBB of a valid colour value; nothing for an invalid one.
std::optional<uint32_t> oleColorToRgb(int64_t value);

} // namespace kelvppvw
