#pragma once

#include <cstdint>

namespace kelvppvw {

// Device-capability indices a printer DC answers.
namespace caps {
inline constexpr int HorzRes = 8;
inline constexpr int VertRes = 10;
inline constexpr int LogPixelsX = 88;
inline constexpr int LogPixelsY = 90;
inline constexpr int PhysicalWidth = 110;
inline constexpr int PhysicalHeight = 111;
inline constexpr int PhysicalOffsetX = 112;
inline constexpr int PhysicalOffsetY = 113;
} // namespace caps

// The metrics of one printer page in device pixels: the whole sheet, the
// printable area inside it and the resolution.
struct DeviceCaps {
    int32_t horzRes = 0;
    int32_t vertRes = 0;
    int32_t logPixelsX = 0;
    int32_t logPixelsY = 0;
    int32_t physicalWidth = 0;
    int32_t physicalHeight = 0;
    int32_t physicalOffsetX = 0;
    int32_t physicalOffsetY = 0;

    // The value for a capability index; 0 for an index a printer does not answer.
    int32_t value(int index) const;

    // From a sheet and its unprintable margins, all in points (1/72 inch) and
    // already turned to the page's orientation. Each edge is rounded to whole
    // pixels on its own, the way the paint device rounds them, so the printable
    // size is what a painter on that page really gets.
    static DeviceCaps fromPoints(double sheetWidth, double sheetHeight, double marginLeft, double marginTop,
                                 double marginRight, double marginBottom, int dpiX, int dpiY);
};

} // namespace kelvppvw
