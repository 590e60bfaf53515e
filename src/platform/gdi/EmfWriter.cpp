#include "platform/gdi/EmfWriter.h"

#include "platform/gdi/EmfRecordType.h"
#include "platform/gdi/LittleEndianBuffer.h"

#include <algorithm>
#include <cerrno>
#include <limits>

#include <unistd.h>

namespace kelvppvw::gdi {
namespace {

LittleEndianBuffer startRecord(std::uint32_t type, std::size_t reserve = 32)
{
    LittleEndianBuffer b(reserve);
    b.u32(type);
    b.u32(0); // size, patched when the record is complete
    return b;
}

void rect(LittleEndianBuffer& b, Rect r)
{
    b.i32(r.left);
    b.i32(r.top);
    b.i32(r.right);
    b.i32(r.bottom);
}

bool fits16(const Point& p)
{
    constexpr auto lo = std::numeric_limits<std::int16_t>::min();
    constexpr auto hi = std::numeric_limits<std::int16_t>::max();
    return p.x >= lo && p.x <= hi && p.y >= lo && p.y <= hi;
}

Rect boundsOf(const std::vector<Point>& points)
{
    Rect r{points.front().x, points.front().y, points.front().x, points.front().y};
    for (const Point& p : points) {
        r.left = std::min(r.left, p.x);
        r.top = std::min(r.top, p.y);
        r.right = std::max(r.right, p.x);
        r.bottom = std::max(r.bottom, p.y);
    }
    return r;
}

} // namespace

EmfWriter::~EmfWriter()
{
    if (file_)
        std::fclose(file_);
}

bool EmfWriter::open(const std::string& path, const Reference& reference, std::optional<Rect> frame,
                     std::optional<std::u16string> description)
{
    if (file_ || reference.widthPx <= 0 || reference.heightPx <= 0 || reference.widthMm <= 0 || reference.heightMm <= 0)
        return false;
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_)
        return false;
    path_ = path;
    // A page is a few tens of kilobytes: one buffer holds most of it.
    std::setvbuf(file_, nullptr, _IOFBF, 64 * 1024);
    reference_ = reference;
    frame_ = frame;
    description_ = std::move(description);
    std::uint32_t descriptionBytes = 0;
    if (description_) {
        description_->push_back(u'\0');
        description_->push_back(u'\0');
        descriptionBytes = std::uint32_t((description_->size() * 2 + 3) / 4 * 4);
    }
    headerSize_ = EMF_HEADER_SIZE + descriptionBytes;
    // Room for the header, rewritten on close.
    const std::vector<std::uint8_t> placeholder(headerSize_, 0);
    failed_ = std::fwrite(placeholder.data(), 1, placeholder.size(), file_) != placeholder.size();
    bytes_ = headerSize_;
    records_ = 1;
    handles_ = 1;
    hasBounds_ = false;
    if (failed_)
        discard();
    return !failed_;
}

void EmfWriter::discard()
{
    const int err = errno;
    std::fclose(file_);
    file_ = nullptr;
    ::unlink(path_.c_str());
    errno = err;
}

std::vector<std::uint8_t> EmfWriter::header() const
{
    LittleEndianBuffer b(headerSize_);
    b.u32(EMR_HEADER);
    b.u32(headerSize_);
    const Rect bounds = hasBounds_ ? bounds_ : Rect{0, 0, -1, -1};
    rect(b, bounds);
    Rect frame;
    if (frame_) {
        frame = *frame_;
    } else if (hasBounds_) {
        // No frame given: the bounds in hundredths of a millimetre.
        auto toFrame = [](std::int32_t v, std::int32_t mm, std::int32_t px) {
            return std::int32_t(std::int64_t(v) * mm * 100 / px);
        };
        frame = {toFrame(bounds.left, reference_.widthMm, reference_.widthPx),
                 toFrame(bounds.top, reference_.heightMm, reference_.heightPx),
                 toFrame(bounds.right, reference_.widthMm, reference_.widthPx),
                 toFrame(bounds.bottom, reference_.heightMm, reference_.heightPx)};
    } else {
        frame = {0, 0, -1, -1};
    }
    rect(b, frame);
    b.u32(EMF_SIGNATURE);
    b.u32(0x00010000);
    b.u32(bytes_);
    b.u32(records_);
    b.u16(std::uint16_t(std::min<std::uint32_t>(handles_, 0xFFFF)));
    b.u16(0);
    b.u32(description_ ? std::uint32_t(description_->size()) : 0);
    b.u32(description_ ? EMF_HEADER_SIZE : 0);
    b.u32(0); // palette entries
    b.i32(reference_.widthPx);
    b.i32(reference_.heightPx);
    b.i32(reference_.widthMm);
    b.i32(reference_.heightMm);
    b.u32(0); // pixel format size
    b.u32(0); // pixel format offset
    b.u32(0); // OpenGL
    b.i32(reference_.widthMm * 1000);
    b.i32(reference_.heightMm * 1000);
    if (description_) {
        b.utf16(*description_);
        b.pad4();
    }
    return b.take();
}

bool EmfWriter::close()
{
    if (!file_)
        return false;
    LittleEndianBuffer eof = startRecord(EMR_EOF);
    eof.u32(0);  // palette entries
    eof.u32(16); // palette offset
    eof.u32(20); // size of this record, repeated last
    eof.patch32(4, std::uint32_t(eof.size()));
    put(eof.data());
    const std::vector<std::uint8_t> head = header();
    if (!failed_ && (std::fflush(file_) != 0 || std::fseek(file_, 0, SEEK_SET) != 0
                     || std::fwrite(head.data(), 1, head.size(), file_) != head.size() || std::fflush(file_) != 0)) {
        failed_ = true;
        error_ = errno;
    }
    if (failed_) {
        errno = error_;
        discard();
        return false;
    }
    if (std::fclose(file_) != 0) {
        file_ = nullptr;
        failed_ = true;
        const int err = errno;
        ::unlink(path_.c_str());
        errno = err;
        return false;
    }
    file_ = nullptr;
    return true;
}

void EmfWriter::put(const std::vector<std::uint8_t>& record)
{
    if (!file_)
        return;
    if (std::fwrite(record.data(), 1, record.size(), file_) != record.size() && !failed_) {
        failed_ = true;
        error_ = errno;
    }
    bytes_ += std::uint32_t(record.size());
    ++records_;
}

void EmfWriter::writeRecord(std::uint32_t type, const std::vector<std::uint8_t>& payload)
{
    LittleEndianBuffer b = startRecord(type, 8 + payload.size() + 3);
    b.bytes(payload);
    b.pad4();
    b.patch32(4, std::uint32_t(b.size()));
    put(b.data());
}

void EmfWriter::writeDword(std::uint32_t type, std::uint32_t value)
{
    LittleEndianBuffer b = startRecord(type, 12);
    b.u32(value);
    b.patch32(4, 12);
    put(b.data());
}

void EmfWriter::writePoint(std::uint32_t type, Point p)
{
    LittleEndianBuffer b = startRecord(type, 16);
    b.i32(p.x);
    b.i32(p.y);
    b.patch32(4, 16);
    put(b.data());
}

void EmfWriter::writeRectangle(Rect r)
{
    LittleEndianBuffer b = startRecord(EMR_RECTANGLE, 24);
    rect(b, r);
    b.patch32(4, 24);
    put(b.data());
}

void EmfWriter::writePoly(std::uint32_t type16, std::uint32_t type32, const std::vector<Point>& points)
{
    if (points.empty())
        return;
    const bool small = std::all_of(points.begin(), points.end(), fits16);
    const Rect bounds = boundsOf(points);
    LittleEndianBuffer b = startRecord(small ? type16 : type32, 28 + points.size() * 8);
    rect(b, bounds);
    b.u32(std::uint32_t(points.size()));
    for (const Point& p : points) {
        if (small) {
            b.i16(std::int16_t(p.x));
            b.i16(std::int16_t(p.y));
        } else {
            b.i32(p.x);
            b.i32(p.y);
        }
    }
    b.patch32(4, std::uint32_t(b.size()));
    put(b.data());
}

void EmfWriter::writeCreatePen(std::uint32_t index, std::uint32_t style, std::int32_t width, ColorRef color)
{
    LittleEndianBuffer b = startRecord(EMR_CREATEPEN, 28);
    b.u32(index);
    b.u32(style);
    b.i32(width);
    b.i32(0);
    b.u32(color);
    b.patch32(4, 28);
    put(b.data());
    noteObjectIndex(index);
}

void EmfWriter::writeCreateBrush(std::uint32_t index, std::uint32_t style, ColorRef color, std::uint32_t hatch)
{
    LittleEndianBuffer b = startRecord(EMR_CREATEBRUSHINDIRECT, 24);
    b.u32(index);
    b.u32(style);
    b.u32(color);
    b.u32(hatch);
    b.patch32(4, 24);
    put(b.data());
    noteObjectIndex(index);
}

void EmfWriter::writeCreateFont(std::uint32_t index, const LogFont& f, const std::u16string& faceName32)
{
    LittleEndianBuffer b = startRecord(EMR_EXTCREATEFONTINDIRECTW, 104);
    b.u32(index);
    b.i32(f.height);
    b.i32(f.width);
    b.i32(f.escapement);
    b.i32(f.orientation);
    b.i32(f.weight);
    for (std::uint8_t v : {f.italic, f.underline, f.strikeOut, f.charSet, f.outPrecision, f.clipPrecision, f.quality,
                           f.pitchAndFamily})
        b.u8(v);
    for (std::size_t i = 0; i < 32; ++i)
        b.u16(i < faceName32.size() ? std::uint16_t(faceName32[i]) : 0);
    b.patch32(4, 104);
    put(b.data());
    noteObjectIndex(index);
}

void EmfWriter::writeObjectIndex(std::uint32_t type, std::uint32_t index)
{
    writeDword(type, index);
    if (!(index & EMF_STOCK_OBJECT))
        noteObjectIndex(index);
}

void EmfWriter::writeExtTextOutW(Rect bounds, Point reference, const std::u16string& text,
                                 const std::vector<std::int32_t>& dx, std::uint32_t options, Rect clip, float xScale,
                                 float yScale)
{
    const std::uint32_t n = std::uint32_t(text.size());
    const std::uint32_t stringBytes = (2 * n + 3) / 4 * 4;
    LittleEndianBuffer b = startRecord(EMR_EXTTEXTOUTW, 76 + stringBytes + 4 * n);
    rect(b, bounds);
    b.u32(1); // GM_COMPATIBLE
    b.f32(xScale);
    b.f32(yScale);
    b.i32(reference.x);
    b.i32(reference.y);
    b.u32(n);
    b.u32(76);
    b.u32(options);
    rect(b, clip);
    b.u32(76 + stringBytes);
    b.utf16(text);
    b.pad4();
    for (std::uint32_t i = 0; i < n; ++i)
        b.i32(i < dx.size() ? dx[i] : 0);
    b.patch32(4, std::uint32_t(b.size()));
    put(b.data());
    if (n)
        includeBounds(bounds);
}

void EmfWriter::writeBitBlt(Rect bounds, Rect dest, Point src, std::uint32_t rop, const std::vector<std::uint8_t>& bmi,
                            const std::vector<std::uint8_t>& bits)
{
    LittleEndianBuffer b = startRecord(EMR_BITBLT, 100 + bmi.size() + bits.size());
    rect(b, bounds);
    b.i32(dest.left);
    b.i32(dest.top);
    b.i32(dest.right - dest.left);
    b.i32(dest.bottom - dest.top);
    b.u32(rop);
    b.i32(src.x);
    b.i32(src.y);
    for (float v : {1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f})
        b.f32(v);
    b.u32(0); // background colour
    b.u32(0); // DIB_RGB_COLORS
    b.u32(100);
    b.u32(std::uint32_t(bmi.size()));
    b.u32(std::uint32_t(100 + bmi.size()));
    b.u32(std::uint32_t(bits.size()));
    b.bytes(bmi);
    b.bytes(bits);
    b.pad4();
    b.patch32(4, std::uint32_t(b.size()));
    put(b.data());
    includeBounds(bounds);
}

void EmfWriter::writeStretchDIBits(Rect bounds, Rect dest, Rect src, std::uint32_t rop,
                                   const std::vector<std::uint8_t>& bmi, const std::vector<std::uint8_t>& bits)
{
    LittleEndianBuffer b = startRecord(EMR_STRETCHDIBITS, 80 + bmi.size() + bits.size());
    rect(b, bounds);
    b.i32(dest.left);
    b.i32(dest.top);
    b.i32(src.left);
    b.i32(src.top);
    b.i32(src.right - src.left);
    b.i32(src.bottom - src.top);
    b.u32(80);
    b.u32(std::uint32_t(bmi.size()));
    b.u32(std::uint32_t(80 + bmi.size()));
    b.u32(std::uint32_t(bits.size()));
    b.u32(0); // DIB_RGB_COLORS
    b.u32(rop);
    b.i32(dest.right - dest.left);
    b.i32(dest.bottom - dest.top);
    b.bytes(bmi);
    b.bytes(bits);
    b.pad4();
    b.patch32(4, std::uint32_t(b.size()));
    put(b.data());
    includeBounds(bounds);
}

void EmfWriter::includeBounds(Rect r)
{
    if (r.right < r.left || r.bottom < r.top)
        return;
    if (!hasBounds_) {
        bounds_ = r;
        hasBounds_ = true;
        return;
    }
    bounds_.left = std::min(bounds_.left, r.left);
    bounds_.top = std::min(bounds_.top, r.top);
    bounds_.right = std::max(bounds_.right, r.right);
    bounds_.bottom = std::max(bounds_.bottom, r.bottom);
}

void EmfWriter::noteObjectIndex(std::uint32_t index)
{
    if (index < 0xFFFF)
        handles_ = std::max(handles_, index + 1);
}

} // namespace kelvppvw::gdi
