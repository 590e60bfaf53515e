#pragma once
// Test helpers: the bytes of a metafile, its records, playing it into an
// image, and hand-made metafiles of the kind other programs write.
#include "platform/gdi/EmfPlayer.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

namespace kelvppvw::test {

inline std::vector<std::uint8_t> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return std::uint32_t(b.at(at)) | std::uint32_t(b.at(at + 1)) << 8 | std::uint32_t(b.at(at + 2)) << 16 |
           std::uint32_t(b.at(at + 3)) << 24;
}

inline std::int32_t i32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return std::int32_t(u32(b, at));
}

inline std::uint16_t u16(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return std::uint16_t(b.at(at) | b.at(at + 1) << 8);
}

struct RecordView {
    std::uint32_t type;
    std::size_t offset;
    std::uint32_t size;
};

inline std::vector<RecordView> records(const std::vector<std::uint8_t>& b)
{
    std::vector<RecordView> out;
    std::size_t at = 0;
    while (at + 8 <= b.size()) {
        const std::uint32_t size = u32(b, at + 4);
        out.push_back({u32(b, at), at, size});
        if (size < 8)
            break;
        at += size;
    }
    return out;
}

inline std::vector<RecordView> recordsOfType(const std::vector<std::uint8_t>& b, std::uint32_t type)
{
    std::vector<RecordView> out;
    for (const RecordView& r : records(b))
        if (r.type == type)
            out.push_back(r);
    return out;
}

inline QImage play(const std::vector<std::uint8_t>& bytes, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    gdi::EmfPlayer::play(painter, bytes, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

inline bool dark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

// Number of pixels darker than mid-grey inside `area`.
inline int inkIn(const QImage& image, QRect area)
{
    int n = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += qGray(image.pixel(x, y)) < 128;
    return n;
}

// Builds metafiles record by record, the way another program's writer
// would: a 1000 x 1000 pixel reference device of 250 mm, frame covering it.
class EmfBuilder {
public:
    EmfBuilder& record(std::uint32_t type, std::initializer_list<std::uint32_t> payload)
    {
        put(type, std::vector<std::uint32_t>(payload));
        return *this;
    }
    EmfBuilder& put(std::uint32_t type, const std::vector<std::uint32_t>& payload)
    {
        body_.push_back(type);
        body_.push_back(std::uint32_t(8 + 4 * payload.size()));
        body_.insert(body_.end(), payload.begin(), payload.end());
        ++count_;
        return *this;
    }
    std::vector<std::uint8_t> bytes() const
    {
        std::vector<std::uint32_t> words = {1, 108, 0, 0, 999, 999, 0, 0, 25000, 25000, 0x464D4520, 0x10000,
                                            0, 0, 64, 0, 0, 0, 1000, 1000, 250, 250, 0, 0, 0, 250000, 250000};
        words.insert(words.end(), body_.begin(), body_.end());
        words.insert(words.end(), {14, 20, 0, 16, 20});
        words[12] = std::uint32_t(words.size() * 4);
        words[13] = std::uint32_t(count_ + 2);
        std::vector<std::uint8_t> out;
        for (std::uint32_t w : words)
            for (int i = 0; i < 4; ++i)
                out.push_back(std::uint8_t(w >> (8 * i)));
        return out;
    }

private:
    std::vector<std::uint32_t> body_;
    std::size_t count_ = 0;
};

inline std::uint32_t f(float v)
{
    std::uint32_t u;
    std::memcpy(&u, &v, 4);
    return u;
}

// Runs emf2svg-conv on a file; returns the SVG text, or "" when it refused the file.
inline std::string emf2svg(const std::string& emfPath)
{
    const std::string svg = emfPath + ".svg";
    std::remove(svg.c_str());
    const std::string command = "emf2svg-conv -i '" + emfPath + "' -o '" + svg + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        return {};
    std::ifstream in(svg);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace kelvppvw::test
