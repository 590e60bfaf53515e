#pragma once

// Internal to forms/: the pen of a Shape or Line border.

#include <QPen>

#include <cstdint>

namespace kelvppvw {

QPen borderPen(uint32_t color, int16_t borderStyle, int16_t borderWidth);

} // namespace kelvppvw
