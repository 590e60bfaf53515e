#pragma once
// A picture object as hosts hand them over: a type, a gdi handle and a size
// in hundredths of a millimetre. The picture owns its handle.
#include "platform/automation/DispatchObject.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/PictureTypeConstants.h"

#include <cstdint>
#include <memory>
#include <string>

namespace kelvppvw {

// Reachable by name as hosts use picture objects: Type, Handle, Width, Height.
class Picture : public DispatchObject {
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

    // Pixels at 96 per inch to hundredths of a millimetre, rounded.
    static std::int32_t pixelsToHimetric(std::int32_t pixels);

private:
    PictureTypeConstants type_ = ptNone;
    gdi::Handle handle_ = 0;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;

    void declareMembers();
};

} // namespace kelvppvw
