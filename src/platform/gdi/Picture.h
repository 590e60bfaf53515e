#pragma once
// A picture object as hosts hand them over: a type, a gdi handle and a size
// in hundredths of a millimetre. The picture owns its handle.
#include "platform/automation/DispatchObject.h"
#include "platform/forms/PictureSource.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/PictureTypeConstants.h"

#include <cstdint>
#include <memory>
#include <string>

namespace kelvppvw {

// Reachable by name as hosts use picture objects: Type, Handle, Width, Height.
// As a PictureSource it goes wherever a control takes a picture (Picture
// properties, PaintPicture, MouseIcon, image lists); only the interface
// header of the forms layer is used, so gdi does not link forms.
class Picture : public DispatchObject, public PictureSource {
public:
    Picture();
    Picture(PictureTypeConstants type, gdi::Handle handle, std::int32_t width, std::int32_t height);
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    virtual ~Picture();

    // BMP, ICO, EMF, WMF (kept, never drawn) and the raster formats Qt reads
    // (a PNG or JPEG becomes a bitmap). Null with `error` set when the file is
    // missing or not a picture.
    static std::shared_ptr<Picture> load(const std::string& path, std::string* error = nullptr);
    // The same, raising 53 (file not found) or 481 (invalid picture).
    static std::shared_ptr<Picture> LoadPicture(const std::string& path);

    PictureTypeConstants type() const { return type_; }
    gdi::Handle handle() const { return handle_; }
    std::int32_t width() const { return width_; }   // hundredths of a millimetre
    std::int32_t height() const { return height_; } // hundredths of a millimetre

    // PictureSource: drawn by PicturePainter; an icon's or cursor's hot spot
    // comes from its file (icons without one answer false).
    void paint(QPainter& painter, const QRectF& target) const override;
    double widthHimetric() const override { return width_; }
    double heightHimetric() const override { return height_; }
    std::int16_t pictureType() const override { return std::int16_t(type_); }
    bool hotSpot(int& x, int& y) const override;
    void setHotSpot(int x, int y);

    // Pixels at 96 per inch to hundredths of a millimetre, rounded.
    static std::int32_t pixelsToHimetric(std::int32_t pixels);

private:
    PictureTypeConstants type_ = ptNone;
    gdi::Handle handle_ = 0;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    bool hasHotSpot_ = false;
    int hotX_ = 0;
    int hotY_ = 0;

    void declareMembers();
};

} // namespace kelvppvw
