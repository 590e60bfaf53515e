#pragma once
// Device-independent bitmaps as metafile records carry them: a
// BITMAPINFOHEADER (plus colour table) and bottom-up rows padded to 4 bytes.
#include <QImage>
#include <QRect>

#include <cstdint>
#include <span>
#include <vector>

namespace kelvppvw::gdi {

class DibCodec {
public:
    struct Encoded {
        std::vector<std::uint8_t> info;
        std::vector<std::uint8_t> bits;
    };

    // 24 bits per pixel from `area` of `image`.
    static Encoded encode24(const QImage& image, const QRect& area);
    // 1 bit per pixel: white where `image` is transparent (alpha below half),
    // black where it is opaque: the AND mask of an icon.
    static Encoded encodeMask(const QImage& image);
    // 24 bits, black where transparent: the XOR image of an icon.
    static Encoded encodeIconColour(const QImage& image);

    // Decodes 1, 4, 8, 16, 24 and 32 bits per pixel (BI_RGB, BI_BITFIELDS),
    // and embedded JPEG or PNG. A null image for anything malformed or huge.
    // With `alpha`, 32-bit pixels keep their fourth byte as premultiplied alpha.
    static QImage decode(std::span<const std::uint8_t> info, std::span<const std::uint8_t> bits, bool alpha = false);

    // Largest bitmap accepted when decoding (pixels).
    static constexpr std::int64_t maxPixels = 64 * 1024 * 1024;
};

} // namespace kelvppvw::gdi
