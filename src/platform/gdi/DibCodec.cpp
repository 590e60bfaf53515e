#include "platform/gdi/DibCodec.h"

#include "platform/gdi/LittleEndianBuffer.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace kelvppvw::gdi {
namespace {

constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_BITFIELDS = 3;
constexpr std::uint32_t BI_JPEG = 4;
constexpr std::uint32_t BI_PNG = 5;

std::vector<std::uint8_t> infoHeader(std::int32_t width, std::int32_t height, std::uint16_t bitCount,
                                     std::uint32_t imageSize, std::uint32_t colours)
{
    LittleEndianBuffer b(40 + colours * 4);
    b.u32(40);
    b.i32(width);
    b.i32(height);
    b.u16(1);
    b.u16(bitCount);
    b.u32(BI_RGB);
    b.u32(imageSize);
    b.i32(3780); // 96 dpi in pixels per metre
    b.i32(3780);
    b.u32(colours);
    b.u32(0);
    return b.take();
}

std::uint32_t rowBytes(std::int64_t width, int bitCount)
{
    return std::uint32_t((width * bitCount + 31) / 32 * 4);
}

template <typename PixelFn>
DibCodec::Encoded encodeRgb(int width, int height, PixelFn pixel)
{
    DibCodec::Encoded out;
    const std::uint32_t stride = rowBytes(width, 24);
    out.bits.assign(std::size_t(stride) * height, 0);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = out.bits.data() + std::size_t(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const QRgb c = pixel(x, y);
            row[3 * x] = std::uint8_t(qBlue(c));
            row[3 * x + 1] = std::uint8_t(qGreen(c));
            row[3 * x + 2] = std::uint8_t(qRed(c));
        }
    }
    out.info = infoHeader(width, height, 24, std::uint32_t(out.bits.size()), 0);
    return out;
}

std::uint32_t read32(std::span<const std::uint8_t> s, std::size_t at)
{
    return std::uint32_t(s[at]) | std::uint32_t(s[at + 1]) << 8 | std::uint32_t(s[at + 2]) << 16 |
           std::uint32_t(s[at + 3]) << 24;
}

std::uint16_t read16(std::span<const std::uint8_t> s, std::size_t at)
{
    return std::uint16_t(s[at] | s[at + 1] << 8);
}

// Scales a masked channel value to 0..255.
int channel(std::uint32_t pixel, std::uint32_t mask)
{
    if (!mask)
        return 0;
    const int shift = std::countr_zero(mask);
    const std::uint32_t max = mask >> shift;
    return int(((pixel & mask) >> shift) * 255u / max);
}

} // namespace

DibCodec::Encoded DibCodec::encode24(const QImage& image, const QRect& area)
{
    const QImage src = image.convertToFormat(QImage::Format_RGB32);
    return encodeRgb(area.width(), area.height(),
                     [&](int x, int y) { return src.pixel(area.left() + x, area.top() + y); });
}

DibCodec::Encoded DibCodec::encodeIconColour(const QImage& image)
{
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    return encodeRgb(src.width(), src.height(), [&](int x, int y) {
        const QRgb c = src.pixel(x, y);
        return qAlpha(c) < 128 ? qRgb(0, 0, 0) : c;
    });
}

DibCodec::Encoded DibCodec::encodeMask(const QImage& image)
{
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    const int width = src.width();
    const int height = src.height();
    const std::uint32_t stride = rowBytes(width, 1);
    Encoded out;
    out.bits.assign(std::size_t(stride) * height, 0);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = out.bits.data() + std::size_t(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x)
            if (qAlpha(src.pixel(x, y)) < 128)
                row[x / 8] |= std::uint8_t(0x80 >> (x % 8));
    }
    out.info = infoHeader(width, height, 1, std::uint32_t(out.bits.size()), 2);
    LittleEndianBuffer palette;
    palette.u32(0x00000000);
    palette.u32(0x00FFFFFF);
    out.info.insert(out.info.end(), palette.data().begin(), palette.data().end());
    return out;
}

QImage DibCodec::decode(std::span<const std::uint8_t> info, std::span<const std::uint8_t> bits, bool alpha)
{
    if (info.size() < 40)
        return {};
    const std::uint32_t headerSize = read32(info, 0);
    if (headerSize < 40 || headerSize > info.size())
        return {};
    const std::int32_t width = std::int32_t(read32(info, 4));
    const std::int32_t rawHeight = std::int32_t(read32(info, 8));
    const int bitCount = read16(info, 14);
    const std::uint32_t compression = read32(info, 16);
    std::uint32_t used = read32(info, 32);

    if (compression == BI_JPEG || compression == BI_PNG) {
        QImage img;
        img.loadFromData(bits.data(), qsizetype(bits.size()));
        return img;
    }
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN)
        return {};
    const bool topDown = rawHeight < 0;
    const std::int64_t height = topDown ? -std::int64_t(rawHeight) : rawHeight;
    if (std::int64_t(width) * height > maxPixels)
        return {};
    if (compression != BI_RGB && compression != BI_BITFIELDS)
        return {};
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return {};
    const std::uint64_t stride = (std::uint64_t(width) * bitCount + 31) / 32 * 4;
    if (stride * std::uint64_t(height) > bits.size())
        return {};

    std::vector<QRgb> palette;
    if (bitCount <= 8) {
        const std::uint32_t maxColours = 1u << bitCount;
        if (used == 0 || used > maxColours)
            used = maxColours;
        const std::size_t available = (info.size() - headerSize) / 4;
        for (std::uint32_t i = 0; i < used && i < available; ++i) {
            const std::uint32_t c = read32(info, headerSize + 4 * std::size_t(i));
            palette.push_back(qRgb(int((c >> 16) & 0xFF), int((c >> 8) & 0xFF), int(c & 0xFF)));
        }
        palette.resize(maxColours, qRgb(0, 0, 0));
    }
    std::uint32_t masks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
    if (bitCount == 16)
        masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    if (compression == BI_BITFIELDS) {
        if (bitCount != 16 && bitCount != 32)
            return {};
        // Masks follow a 40-byte header, or sit inside a larger one.
        if (info.size() < 52)
            return {};
        for (int i = 0; i < 3; ++i)
            masks[i] = read32(info, 40 + 4 * std::size_t(i));
    }

    const bool withAlpha = alpha && bitCount == 32 && compression == BI_RGB;
    QImage img(width, int(height), withAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (img.isNull())
        return {};
    for (std::int64_t y = 0; y < height; ++y) {
        const std::uint8_t* row = bits.data() + stride * std::uint64_t(topDown ? y : height - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(img.scanLine(int(y)));
        for (std::int32_t x = 0; x < width; ++x) {
            switch (bitCount) {
            case 1: out[x] = palette[(row[x / 8] >> (7 - x % 8)) & 1]; break;
            case 4: out[x] = palette[(row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF]; break;
            case 8: out[x] = palette[row[x]]; break;
            case 16: {
                const std::uint32_t p = std::uint32_t(row[2 * x] | row[2 * x + 1] << 8);
                out[x] = qRgb(channel(p, masks[0]), channel(p, masks[1]), channel(p, masks[2]));
                break;
            }
            case 24: out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]); break;
            case 32: {
                const std::uint32_t p = std::uint32_t(row[4 * x]) | std::uint32_t(row[4 * x + 1]) << 8 |
                                        std::uint32_t(row[4 * x + 2]) << 16 | std::uint32_t(row[4 * x + 3]) << 24;
                if (withAlpha) {
                    // Colour channels may not exceed alpha in premultiplied form.
                    const int a = int(p >> 24);
                    out[x] = qRgba(std::min(a, channel(p, masks[0])), std::min(a, channel(p, masks[1])),
                                   std::min(a, channel(p, masks[2])), a);
                } else {
                    out[x] = qRgb(channel(p, masks[0]), channel(p, masks[1]), channel(p, masks[2]));
                }
                break;
            }
            }
        }
    }
    return img;
}

} // namespace kelvppvw::gdi
