#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QPainter;
class QRectF;

namespace kelvppvw {

// What a printer can paint, described without any toolkit type so that code
// above the platform can hand it over: an enhanced metafile or image file on
// disk, a bitmap held in memory, or something that draws itself (a picture
// object of the graphics layer, played by its own player).
struct PrinterPicture {
    enum class Kind { None, EnhancedMetafile, ImageFile, Bitmap, Drawable };
    // Paints into the target rectangle (painter coordinates); false when it cannot.
    using Draw = std::function<bool(QPainter& painter, const QRectF& target)>;

    Kind kind = Kind::None;
    std::string path;             // EnhancedMetafile, ImageFile
    int width = 0;                // Bitmap, in pixels
    int height = 0;
    std::vector<uint32_t> argb;   // Bitmap, row-major 0xAARRGGBB, width * height entries
    Draw draw;                    // Drawable

    static PrinterPicture metafile(std::string path) { return {Kind::EnhancedMetafile, std::move(path), 0, 0, {}, {}}; }
    static PrinterPicture imageFile(std::string path) { return {Kind::ImageFile, std::move(path), 0, 0, {}, {}}; }
    static PrinterPicture bitmap(int width, int height, std::vector<uint32_t> argb) {
        return {Kind::Bitmap, {}, width, height, std::move(argb), {}};
    }
    static PrinterPicture drawable(Draw draw) { return {Kind::Drawable, {}, 0, 0, {}, std::move(draw)}; }
    // A file by its content: an enhanced metafile when it carries the EMF
    // signature, an image file otherwise.
    static PrinterPicture fromFile(const std::string& path);
};

} // namespace kelvppvw
