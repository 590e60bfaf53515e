#pragma once

#include <cstdint>
#include <functional>

namespace kelvppvw {

class Printer;

// A printer margin or printable size in twips, measured from the device caps:
// 1 right margin, 2 bottom margin, 3 left margin, 4 top margin (360 added when
// it is below 360), 5 printable width, 6 printable height, 7 top margin as it
// is; 0 for any other index.
// Raises 11 for a printer reporting zero pixels per inch and 6 for a value
// beyond 32 bits.
int32_t PrinterMarginFromCaps(const std::function<int32_t(int)>& deviceCaps, uint8_t index);

// The same on a printer; 0 when there is none or any query fails.
int32_t PrinterMargin(Printer* printer, uint8_t index);
// On the current printer.
int32_t PrinterMargin(uint8_t index);

} // namespace kelvppvw
