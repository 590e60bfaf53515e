#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kelvppvw {

// What a printer can paint, described without any toolkit type so that code
// above the platform can hand it over: an enhanced metafile or image file on
// disk, or a bitmap held in memory.
struct PrinterPicture {
    enum class Kind { None, EnhancedMetafile, ImageFile, Bitmap };

    Kind kind = Kind::None;
    std::string path;             // EnhancedMetafile, ImageFile
    int width = 0;                // Bitmap, in pixels
    int height = 0;
    std::vector<uint32_t> argb;   // Bitmap, row-major 0xAARRGGBB, width * height entries

    static PrinterPicture metafile(std::string path) { return {Kind::EnhancedMetafile, std::move(path), 0, 0, {}}; }
    static PrinterPicture imageFile(std::string path) { return {Kind::ImageFile, std::move(path), 0, 0, {}}; }
    static PrinterPicture bitmap(int width, int height, std::vector<uint32_t> argb) {
        return {Kind::Bitmap, {}, width, height, std::move(argb)};
    }
    // A file by its content: an enhanced metafile when it carries the EMF
    // signature, an image file otherwise.
    static PrinterPicture fromFile(const std::string& path);
};

} // namespace kelvppvw
