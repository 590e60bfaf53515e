#pragma once

#include <cstdint>
#include <string>

namespace kelvppvw {

// The printer settings the printer-setup component keeps for a host.
struct PrinterChoice {
    std::string deviceName;
    int32_t paperSize = 9;      // Windows paper code
    int32_t orientation = 1;    // 1 portrait, 2 landscape
    int32_t printQuality = -4;  // positive dots per inch, or -1 draft .. -4 high
    int32_t colorMode = 2;      // 1 monochrome, 2 colour
    int32_t duplex = 1;         // 1 simplex, 2 long edge, 3 short edge
    int32_t paperBin = 0;       // 0: the printer's choice
    int32_t copies = 1;

    bool operator==(const PrinterChoice&) const = default;
};

} // namespace kelvppvw
