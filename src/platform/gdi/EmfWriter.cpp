#include "platform/gdi/EmfWriter.h"

#include "platform/gdi/EmfRecordType.h"
#include "platform/gdi/BackgroundFileWriter.h"
#include "platform/gdi/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <limits>

#include <unistd.h>

namespace kelvppvw::gdi {
namespace {

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

// Whether the file's folder takes new files. A file of that name in the way is
// left to the writer thread, which reports it with the write errors: looking
// the new name up here would wait on the folder's lock while the writer
// creates the previous page, and on ext4 without a journal that creation can
// take a millisecond (it scans past recently freed inodes).
bool folderTakesFiles(const std::string& path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return ::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) == 0;
}

} // namespace

EmfWriter::~EmfWriter()
{
    if (file_)
        std::fclose(file_);
}

bool EmfWriter::open(const std::string& path, const Reference& reference, std::optional<Rect> frame,
                     std::optional<std::u16string> description, Delivery delivery)
{
    if (open_ || reference.widthPx <= 0 || reference.heightPx <= 0 || reference.widthMm <= 0 || reference.heightMm <= 0)
        return false;
    if (delivery == Delivery::Now) {
        const int fd = openRegularForWriting(path);
        file_ = fd >= 0 ? ::fdopen(fd, "wb") : nullptr;
        if (!file_) {
            if (fd >= 0)
                ::close(fd);
            return false;
        }
    } else if (!folderTakesFiles(path)) {
        return false;
    }
    open_ = true;
    path_ = path;
    delivery_ = delivery;
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
    // A page is a few tens of kilobytes; room for the header, filled in on close.
    out_ = LittleEndianBuffer(64 * 1024);
    out_.zeros(headerSize_);
    records_ = 1;
    handles_ = 1;
    hasBounds_ = false;
    return true;
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
    b.u32(std::uint32_t(out_.size()));
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
    if (!open_)
        return false;
    open_ = false;
    const std::size_t eof = begin(EMR_EOF);
    out_.u32(0);  // palette entries
    out_.u32(16); // palette offset
    out_.u32(20); // size of this record, repeated last
    end(eof);
    out_.patch(0, header());
    if (delivery_ == Delivery::Background) {
        BackgroundFileWriter::instance().write(path_, out_.take());
        return true;
    }
    const std::vector<std::uint8_t>& bytes = out_.data();
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size() && std::fflush(file_) == 0;
    int error = errno;
    if (std::fclose(file_) != 0 && ok) {
        ok = false;
        error = errno;
    }
    file_ = nullptr;
    out_.clear();
    if (!ok) {
        ::unlink(path_.c_str()); // a page cut short is no page
        errno = error;
    }
    return ok;
}

std::size_t EmfWriter::begin(std::uint32_t type)
{
    const std::size_t start = out_.size();
    out_.u32(type);
    out_.u32(0);
    return start;
}

void EmfWriter::end(std::size_t start)
{
    out_.pad4();
    out_.patch32(start + 4, std::uint32_t(out_.size() - start));
    ++records_;
}

void EmfWriter::writeRecord(std::uint32_t type, const std::vector<std::uint8_t>& payload)
{
    const std::size_t at = begin(type);
    out_.bytes(payload);
    end(at);
}

void EmfWriter::writeDword(std::uint32_t type, std::uint32_t value)
{
    const std::size_t at = begin(type);
    out_.u32(value);
    end(at);
}

void EmfWriter::writePoint(std::uint32_t type, Point p)
{
    const std::size_t at = begin(type);
    out_.i32(p.x);
    out_.i32(p.y);
    end(at);
}

void EmfWriter::writeRectangle(Rect r)
{
    const std::size_t at = begin(EMR_RECTANGLE);
    rect(out_, r);
    end(at);
}

void EmfWriter::writePoly(std::uint32_t type16, std::uint32_t type32, const std::vector<Point>& points)
{
    if (points.empty())
        return;
    const bool small = std::all_of(points.begin(), points.end(), fits16);
    const std::size_t at = begin(small ? type16 : type32);
    rect(out_, boundsOf(points));
    out_.u32(std::uint32_t(points.size()));
    for (const Point& p : points) {
        if (small) {
            out_.i16(std::int16_t(p.x));
            out_.i16(std::int16_t(p.y));
        } else {
            out_.i32(p.x);
            out_.i32(p.y);
        }
    }
    end(at);
}

void EmfWriter::writeCreatePen(std::uint32_t index, std::uint32_t style, std::int32_t width, ColorRef color)
{
    const std::size_t at = begin(EMR_CREATEPEN);
    out_.u32(index);
    out_.u32(style);
    out_.i32(width);
    out_.i32(0);
    out_.u32(color);
    end(at);
    noteObjectIndex(index);
}

void EmfWriter::writeCreateBrush(std::uint32_t index, std::uint32_t style, ColorRef color, std::uint32_t hatch)
{
    const std::size_t at = begin(EMR_CREATEBRUSHINDIRECT);
    out_.u32(index);
    out_.u32(style);
    out_.u32(color);
    out_.u32(hatch);
    end(at);
    noteObjectIndex(index);
}

void EmfWriter::writeCreateFont(std::uint32_t index, const LogFont& f, const std::u16string& faceName32)
{
    const std::size_t at = begin(EMR_EXTCREATEFONTINDIRECTW);
    out_.u32(index);
    out_.i32(f.height);
    out_.i32(f.width);
    out_.i32(f.escapement);
    out_.i32(f.orientation);
    out_.i32(f.weight);
    for (std::uint8_t v : {f.italic, f.underline, f.strikeOut, f.charSet, f.outPrecision, f.clipPrecision, f.quality,
                           f.pitchAndFamily})
        out_.u8(v);
    for (std::size_t i = 0; i < 32; ++i)
        out_.u16(i < faceName32.size() ? std::uint16_t(faceName32[i]) : 0);
    end(at);
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
    const std::size_t at = begin(EMR_EXTTEXTOUTW);
    rect(out_, bounds);
    out_.u32(1); // GM_COMPATIBLE
    out_.f32(xScale);
    out_.f32(yScale);
    out_.i32(reference.x);
    out_.i32(reference.y);
    out_.u32(n);
    out_.u32(76);
    out_.u32(options);
    rect(out_, clip);
    out_.u32(76 + stringBytes);
    out_.utf16(text);
    out_.pad4();
    const std::size_t given = std::min<std::size_t>(dx.size(), n);
    out_.i32s(dx.data(), given);
    out_.zeros(4 * (n - given));
    end(at);
    if (n)
        includeBounds(bounds);
}

void EmfWriter::writeBitBlt(Rect bounds, Rect dest, Point src, std::uint32_t rop, const std::vector<std::uint8_t>& bmi,
                            const std::vector<std::uint8_t>& bits)
{
    const std::size_t at = begin(EMR_BITBLT);
    rect(out_, bounds);
    out_.i32(dest.left);
    out_.i32(dest.top);
    out_.i32(dest.right - dest.left);
    out_.i32(dest.bottom - dest.top);
    out_.u32(rop);
    out_.i32(src.x);
    out_.i32(src.y);
    for (float v : {1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f})
        out_.f32(v);
    out_.u32(0); // background colour
    out_.u32(0); // DIB_RGB_COLORS
    out_.u32(100);
    out_.u32(std::uint32_t(bmi.size()));
    out_.u32(std::uint32_t(100 + bmi.size()));
    out_.u32(std::uint32_t(bits.size()));
    out_.bytes(bmi);
    out_.bytes(bits);
    end(at);
    includeBounds(bounds);
}

void EmfWriter::writeStretchDIBits(Rect bounds, Rect dest, Rect src, std::uint32_t rop,
                                   const std::vector<std::uint8_t>& bmi, const std::vector<std::uint8_t>& bits)
{
    const std::size_t at = begin(EMR_STRETCHDIBITS);
    rect(out_, bounds);
    out_.i32(dest.left);
    out_.i32(dest.top);
    out_.i32(src.left);
    out_.i32(src.top);
    out_.i32(src.right - src.left);
    out_.i32(src.bottom - src.top);
    out_.u32(80);
    out_.u32(std::uint32_t(bmi.size()));
    out_.u32(std::uint32_t(80 + bmi.size()));
    out_.u32(std::uint32_t(bits.size()));
    out_.u32(0); // DIB_RGB_COLORS
    out_.u32(rop);
    out_.i32(dest.right - dest.left);
    out_.i32(dest.bottom - dest.top);
    out_.bytes(bmi);
    out_.bytes(bits);
    end(at);
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
