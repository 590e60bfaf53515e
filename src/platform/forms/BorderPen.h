#pragma once

// Internal to forms/: the pen of a Shape or Line border.

#include <QPen>

#include <cstdint>

namespace kelvppvw {

// Widths are logical pixels, so a border keeps its look at any device pixel
// ratio (a one-pixel line is two device pixels at ratio 2, not a hairline).
QPen borderPen(uint32_t color, int16_t borderStyle, int16_t borderWidth);
// How far to move a border off the pixel grid so that its pen covers whole
// pixels: half a pixel for odd widths, whose centre is a pixel's middle.
double borderAlignment(int16_t borderWidth);

} // namespace kelvppvw
