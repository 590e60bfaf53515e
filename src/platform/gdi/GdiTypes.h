#pragma once
// Plain values shared by the gdi layer and its callers. No Qt here: layers
// above platform/ include this header.
#include <array>
#include <cstdint>

namespace kelvppvw::gdi {

// DCs and objects alike cross the automation boundary as 32-bit values.
using Handle = std::uint32_t;
// 0x00BBGGRR, as in the Windows colour values hosts pass in.
using ColorRef = std::uint32_t;

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Inclusive on every side when it describes a metafile's bounds or frame.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The ANSI font description hosts fill; the face name is 32 bytes of UTF-8
// with no guaranteed NUL.
struct LogFont {
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::array<char, 32> faceName{};
};

// What getDeviceCaps reports for a DC. Sizes in pixels unless noted.
struct DeviceCaps {
    std::int32_t logPixelsX = 96;
    std::int32_t logPixelsY = 96;
    std::int32_t horzRes = 1024;
    std::int32_t vertRes = 768;
    std::int32_t horzSize = 271; // millimetres
    std::int32_t vertSize = 203; // millimetres
    std::int32_t physicalWidth = 0;
    std::int32_t physicalHeight = 0;
    std::int32_t physicalOffsetX = 0;
    std::int32_t physicalOffsetY = 0;
};

enum StockObject : int {
    WHITE_BRUSH = 0,
    LTGRAY_BRUSH = 1,
    GRAY_BRUSH = 2,
    DKGRAY_BRUSH = 3,
    BLACK_BRUSH = 4,
    NULL_BRUSH = 5,
    WHITE_PEN = 6,
    BLACK_PEN = 7,
    NULL_PEN = 8,
    OEM_FIXED_FONT = 10,
    ANSI_FIXED_FONT = 11,
    ANSI_VAR_FONT = 12,
    SYSTEM_FONT = 13,
    DEVICE_DEFAULT_FONT = 14,
    DEFAULT_PALETTE = 15,
    SYSTEM_FIXED_FONT = 16,
    DEFAULT_GUI_FONT = 17,
};

enum DeviceCap : int {
    HORZSIZE = 4,
    VERTSIZE = 6,
    HORZRES = 8,
    VERTRES = 10,
    BITSPIXEL = 12,
    PLANES = 14,
    LOGPIXELSX = 88,
    LOGPIXELSY = 90,
    PHYSICALWIDTH = 110,
    PHYSICALHEIGHT = 111,
    PHYSICALOFFSETX = 112,
    PHYSICALOFFSETY = 113,
};

enum BackgroundMode : int { TRANSPARENT = 1, OPAQUE = 2 };

enum TextAlign : std::uint32_t {
    TA_UPDATECP = 1,
    TA_RIGHT = 2,
    TA_CENTER = 6,
    TA_BOTTOM = 8,
    TA_BASELINE = 24,
};

enum PenStyle : int { PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5, PS_INSIDEFRAME = 6 };

enum RasterOp : std::uint32_t {
    SRCCOPY = 0x00CC0020,
    SRCAND = 0x008800C6,
    SRCINVERT = 0x00660046,
    SRCPAINT = 0x00EE0086,
};

// DrawIconEx flags.
enum IconDrawFlags : std::uint32_t { DI_MASK = 1, DI_IMAGE = 2, DI_NORMAL = 3 };

inline constexpr ColorRef CLR_INVALID = 0xFFFFFFFF;
inline constexpr std::uint32_t GDI_ERROR = 0xFFFFFFFF;

} // namespace kelvppvw::gdi
