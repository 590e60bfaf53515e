#include "platform/gdi/Picture.h"

#include "platform/gdi/BackgroundFileWriter.h"
#include "platform/gdi/EmfFileInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/PicturePainter.h"
#include "platform/gdi/RegularFile.h"

#include <cerrno>
#include <cmath>
#include <filesystem>
#include <iterator>
#include <vector>

#include <unistd.h>

namespace kelvppvw {
namespace {

std::shared_ptr<Picture> fail(std::string* error, std::string text)
{
    if (error)
        *error = std::move(text);
    return nullptr;
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return at + 4 <= b.size() ? std::uint32_t(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24)
                              : 0;
}

std::int16_t le16(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return at + 2 <= b.size() ? std::int16_t(b[at] | b[at + 1] << 8) : 0;
}

} // namespace

Picture::Picture()
{
    declareMembers();
}

Picture::Picture(PictureTypeConstants type, gdi::Handle handle, std::int32_t width, std::int32_t height)
    : type_(type), handle_(handle), width_(width), height_(height)
{
    declareMembers();
}

void Picture::declareMembers()
{
    property("Type", [this] { return Variant(std::int16_t(type_)); });
    property("Handle", [this] { return Variant(std::int32_t(handle_)); });
    property("Width", [this] { return Variant(width_); });
    property("Height", [this] { return Variant(height_); });
}

std::shared_ptr<Picture> Picture::LoadPicture(const std::string& path)
{
    gdi::BackgroundFileWriter::instance().waitFor(path);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        throw AutomationError(53, "File not found");
    std::string error;
    auto picture = load(path, &error);
    if (!picture)
        throw AutomationError(481, "Invalid picture");
    return picture;
}

Picture::~Picture()
{
    if (type_ == ptEMetafile)
        gdi::deleteEnhMetaFile(handle_);
    else if (handle_)
        gdi::deleteObject(handle_);
}

std::int32_t Picture::pixelsToHimetric(std::int32_t pixels)
{
    return std::int32_t(std::lround(double(pixels) * 2540.0 / 96.0));
}

std::shared_ptr<Picture> Picture::load(const std::string& path, std::string* error)
{
    gdi::BackgroundFileWriter::instance().waitFor(path);
    const int fd = gdi::openRegularForReading(path);
    if (fd == -EINVAL)
        return fail(error, "Invalid picture: " + path);
    if (fd < 0)
        return fail(error, "File not found: " + path);
    std::vector<std::uint8_t> head(128);
    const ssize_t got = ::pread(fd, head.data(), head.size(), 0);
    ::close(fd);
    head.resize(got > 0 ? std::size_t(got) : 0);

    if (head.size() >= 44 && le32(head, 0) == 1 && le32(head, 40) == 0x464D4520) {
        const gdi::Handle h = gdi::getEnhMetaFile(path);
        const gdi::EmfFileInfo emf =
            h ? gdi::EmfFileInfo::readHeader(*gdi::enhMetaFileBits(h)) : gdi::EmfFileInfo();
        if (!emf.valid) {
            gdi::deleteEnhMetaFile(h);
            return fail(error, "Invalid picture: " + path);
        }
        return std::make_shared<Picture>(ptEMetafile, h, emf.frame.right - emf.frame.left,
                                         emf.frame.bottom - emf.frame.top);
    }
    // Windows metafiles are kept as pictures of their type; nothing draws them.
    if (le32(head, 0) == 0x9AC6CDD7) {
        const int unitsPerInch = std::max<int>(1, std::uint16_t(le16(head, 14)));
        const int w = le16(head, 10) - le16(head, 6);
        const int h = le16(head, 12) - le16(head, 8);
        return std::make_shared<Picture>(ptMetafile, 0, int(std::lround(w * 2540.0 / unitsPerInch)),
                                         int(std::lround(h * 2540.0 / unitsPerInch)));
    }
    // Icon and cursor files share a layout; a cursor's first directory entry
    // keeps its hot spot where an icon keeps planes and bit count.
    const bool cursor = head.size() >= 22 && le32(head, 0) == 0x00020000;
    const bool icon = cursor || (head.size() >= 6 && le32(head, 0) == 0x00010000);
    const gdi::Handle h = icon ? gdi::loadIconFile(path) : gdi::loadBitmapFile(path);
    int w = 0, hgt = 0;
    if (!h || !gdi::objectSize(h, w, hgt)) {
        if (h)
            gdi::deleteObject(h);
        return fail(error, "Invalid picture: " + path);
    }
    auto picture = std::make_shared<Picture>(icon ? ptIcon : ptBitmap, h, pixelsToHimetric(w), pixelsToHimetric(hgt));
    if (cursor)
        picture->setHotSpot(std::uint16_t(le16(head, 10)), std::uint16_t(le16(head, 12)));
    return picture;
}

void Picture::paint(QPainter& painter, const QRectF& target) const
{
    PicturePainter::paint(painter, *this, target);
}

bool Picture::hotSpot(int& x, int& y) const
{
    if (!hasHotSpot_)
        return false;
    x = hotX_;
    y = hotY_;
    return true;
}

void Picture::setHotSpot(int x, int y)
{
    hasHotSpot_ = true;
    hotX_ = x;
    hotY_ = y;
}

} // namespace kelvppvw
