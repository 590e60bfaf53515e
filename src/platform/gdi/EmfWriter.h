#pragma once
// Writes an Enhanced Metafile: records collect in memory and the file is
// written whole on close, header first, once its byte, record and handle
// counts and the accumulated bounds are known.
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/LittleEndianBuffer.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace kelvppvw::gdi {

class EmfWriter {
public:
    struct Reference {
        std::int32_t widthPx = 0;
        std::int32_t heightPx = 0;
        std::int32_t widthMm = 0;
        std::int32_t heightMm = 0;
    };

    // Now: the file is created by open and written by close. Background: open
    // only checks that the folder takes new files and close hands the file to
    // the BackgroundFileWriter.
    enum class Delivery { Now, Background };

    EmfWriter() = default;
    EmfWriter(const EmfWriter&) = delete;
    EmfWriter& operator=(const EmfWriter&) = delete;
    ~EmfWriter();

    // `description` is "App\0Title"; the writer ends it with two NULs. nullopt writes none.
    // On failure no file is left and errno tells why.
    bool open(const std::string& path, const Reference& reference, std::optional<Rect> frame,
              std::optional<std::u16string> description, Delivery delivery = Delivery::Now);
    // Appends EOF and the final header; false when the file could not be
    // written, and then the file is gone (a page cut short by a full disk is
    // no page) and errno tells why. In the background the same happens later
    // and finishEnhMetaFiles tells.
    bool close();
    bool isOpen() const { return open_; }

    void writeDword(std::uint32_t type, std::uint32_t value);
    void writePoint(std::uint32_t type, Point p);
    void writeRectangle(Rect r);
    // Chooses the 16-bit form when every coordinate fits.
    void writePoly(std::uint32_t type16, std::uint32_t type32, const std::vector<Point>& points);
    void writeCreatePen(std::uint32_t index, std::uint32_t style, std::int32_t width, ColorRef color);
    void writeCreateBrush(std::uint32_t index, std::uint32_t style, ColorRef color, std::uint32_t hatch);
    void writeCreateFont(std::uint32_t index, const LogFont& font, const std::u16string& faceName32);
    void writeObjectIndex(std::uint32_t type, std::uint32_t index);
    void writeRecord(std::uint32_t type, const std::vector<std::uint8_t>& payload);
    void writeExtTextOutW(Rect bounds, Point reference, const std::u16string& text, const std::vector<std::int32_t>& dx,
                          std::uint32_t options, Rect clip, float xScale, float yScale);
    // `bmi` is a BITMAPINFOHEADER (plus colour table), `bits` the rows.
    void writeBitBlt(Rect bounds, Rect dest, Point src, std::uint32_t rop, const std::vector<std::uint8_t>& bmi,
                     const std::vector<std::uint8_t>& bits);
    void writeStretchDIBits(Rect bounds, Rect dest, Rect src, std::uint32_t rop, const std::vector<std::uint8_t>& bmi,
                            const std::vector<std::uint8_t>& bits);

    // Grows the picture's bounds (device pixels, inclusive).
    void includeBounds(Rect r);
    // A record used this object index: the header's handle count covers it.
    void noteObjectIndex(std::uint32_t index);

    std::uint32_t bytesWritten() const { return std::uint32_t(out_.size()); }
    std::uint32_t recordCount() const { return records_; }

private:
    // A record is started with its type and a size patched by end().
    std::size_t begin(std::uint32_t type);
    void end(std::size_t start);
    std::vector<std::uint8_t> header() const;

    std::FILE* file_ = nullptr;
    std::string path_;
    bool open_ = false;
    Delivery delivery_ = Delivery::Now;
    LittleEndianBuffer out_;
    Reference reference_;
    std::optional<Rect> frame_;
    std::optional<std::u16string> description_;
    std::uint32_t headerSize_ = 0;
    std::uint32_t records_ = 0;
    std::uint32_t handles_ = 1;
    bool hasBounds_ = false;
    Rect bounds_;
};

} // namespace kelvppvw::gdi
