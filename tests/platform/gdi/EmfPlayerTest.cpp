#include "EmfTestFile.h"

#include "platform/gdi/EmfFileInfo.h"
#include "platform/gdi/EmfRecordType.h"
#include "platform/gdi/Gdi.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>

namespace kelvppvw::gdi {
namespace {

using test::dark;
using test::EmfBuilder;
using test::inkIn;
using test::play;

constexpr std::uint32_t stock(int n)
{
    return 0x80000000u | std::uint32_t(n);
}

std::uint32_t points16(std::int16_t x, std::int16_t y)
{
    return std::uint32_t(std::uint16_t(x)) | std::uint32_t(std::uint16_t(y)) << 16;
}

const QSize page(1000, 1000);

// Records `text` in Courier New of `height` (with underline and strike-out
// when asked) through the writer, as a page would hold it.
std::vector<std::uint8_t> textMetafile(const char* text, std::int32_t height, bool lines = false)
{
    QTemporaryDir dir;
    const std::string file = dir.filePath("text.emf").toStdString();
    const Handle dc = createEnhMetaFile(0, file, std::nullopt, std::nullopt);
    LogFont lf;
    lf.height = height;
    lf.underline = lf.strikeOut = lines;
    std::strcpy(lf.faceName.data(), "Courier New");
    const Handle font = createFontIndirect(lf);
    selectObject(dc, font);
    textOut(dc, lines ? 0 : 10, lines ? 0 : 10, text);
    selectObject(dc, getStockObject(SYSTEM_FONT));
    deleteObject(font);
    deleteEnhMetaFile(closeEnhMetaFile(dc));
    return test::readBytes(file);
}

// What a pixel well inside a shape (never on an anti-aliased edge) should hold.
struct Probe {
    int x, y;
    QRgb colour;
};

struct RecordCase {
    const char* what;
    EmfBuilder records;
    std::vector<Probe> probes;
};

constexpr QRgb ink = qRgb(0, 0, 0), paper = qRgb(255, 255, 255);

EmfBuilder withBlackBrush()
{
    return EmfBuilder().record(EMR_SELECTOBJECT, {stock(BLACK_BRUSH)});
}

// Bitmap records: a 2 x 2, 8-bit DIB (palette red, green, blue, white, bottom
// row first) stretched to 200 x 200, and a 2 x 1 32-bit alpha bitmap (opaque
// red, transparent) blended with the constant opacity given.
EmfBuilder stretchedDib()
{
    const std::uint32_t bmiSize = 40 + 16, bitsSize = 8;
    return EmfBuilder().put(EMR_STRETCHDIBITS, {0, 0, 999, 999, 100, 100, 0, 0, 2, 2, 80, bmiSize, 80 + bmiSize,
                                                bitsSize, 0, SRCCOPY, 200, 200, 40, 2, 2, 1 | 8 << 16, 0, bitsSize, 0,
                                                0, 4, 0, 0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF, 0x00000302,
                                                0x00000100});
}

EmfBuilder alphaBlend(std::uint32_t constantAlpha)
{
    return EmfBuilder().put(EMR_ALPHABLEND, {0, 0, 999, 999, 100, 100, 200, 100, constantAlpha << 16 | 1u << 24, 0,
                                             0, 0, 0, 0, 0, 0, 0, 0, 0, 108, 40, 148, 8, 2, 1, 40, 2, 1, 1 | 32 << 16,
                                             0, 8, 0, 0, 0, 0, 0xFFFF0000, 0x00000000});
}

// Each record kind as another program writes it, played onto a 1000 x 1000
// page whose reference device has the same size: the ink lands where the
// record puts it and nowhere else.
TEST(EmfPlayer, every_record_kind_puts_its_ink_in_place)
{
    using test::f;
    const RecordCase cases[] = {
        {"anisotropic window and viewport, moved origin",
         withBlackBrush()
             .record(EMR_SETMAPMODE, {8})
             .record(EMR_SETWINDOWEXTEX, {100, 100})
             .record(EMR_SETVIEWPORTEXTEX, {1000, 1000})
             .record(EMR_SETWINDOWORGEX, {10, 0})
             .record(EMR_RECTANGLE, {20, 10, 30, 20}),
         {{150, 150, ink}, {250, 150, paper}, {50, 150, paper}}},
        // Hundredths of a millimetre, y up: 25 mm is 100 reference pixels.
        {"metric mode",
         withBlackBrush()
             .record(EMR_SETMAPMODE, {3})
             .record(EMR_RECTANGLE, {0, std::uint32_t(-2500), 2500, std::uint32_t(-5000)}),
         {{50, 150, ink}, {50, 50, paper}, {150, 150, paper}}},
        // The smaller scale wins on both axes.
        {"isotropic keeps the aspect",
         withBlackBrush()
             .record(EMR_SETMAPMODE, {7})
             .record(EMR_SETWINDOWEXTEX, {100, 100})
             .record(EMR_SETVIEWPORTEXTEX, {1000, 500})
             .record(EMR_RECTANGLE, {0, 0, 100, 100}),
         {{450, 450, ink}, {700, 200, paper}}},
        // Scale first, then move; then back to identity.
        {"world transform set, multiplied and reset",
         withBlackBrush()
             .record(EMR_SETWORLDTRANSFORM, {f(1), 0, 0, f(1), f(300), f(300)})
             .record(EMR_MODIFYWORLDTRANSFORM, {f(2), 0, 0, f(2), 0, 0, 2})
             .record(EMR_RECTANGLE, {0, 0, 50, 50})
             .record(EMR_MODIFYWORLDTRANSFORM, {0, 0, 0, 0, 0, 0, 1})
             .record(EMR_RECTANGLE, {0, 0, 20, 20}),
         {{390, 390, ink}, {410, 410, paper}, {10, 10, ink}}},
        // A square with a square hole filled alternately, an ellipse, a bezier path.
        {"polygons by fill mode, ellipses and bezier paths",
         withBlackBrush()
             .record(EMR_SETPOLYFILLMODE, {1})
             .record(EMR_POLYPOLYGON16, {0, 0, 0, 0, 2, 8, 4, 4, points16(0, 0), points16(300, 0),
                                         points16(300, 300), points16(0, 300), points16(100, 100), points16(200, 100),
                                         points16(200, 200), points16(100, 200)})
             .record(EMR_ELLIPSE, {400, 0, 600, 200})
             .record(EMR_BEGINPATH, {})
             .record(EMR_MOVETOEX, {700, 300})
             .record(EMR_POLYBEZIERTO16, {0, 0, 0, 0, 3, points16(700, 0), points16(1000, 0), points16(1000, 300)})
             .record(EMR_CLOSEFIGURE, {})
             .record(EMR_ENDPATH, {})
             .record(EMR_FILLPATH, {0, 0, 0, 0}),
         {{50, 50, ink}, {150, 150, paper}, {500, 100, ink}, {405, 5, paper}, {850, 100, ink}, {850, 500, paper}}},
        // Geometric pen of width 6, user style 20 on, 20 off, in logical units.
        {"extended pen dashes and the null pen",
         EmfBuilder()
             .record(EMR_EXTCREATEPEN, {1, 0, 0, 0, 0, 0x00010007, 6, 0, 0x000000, 0, 2, 20, 20})
             .record(EMR_SELECTOBJECT, {1})
             .record(EMR_MOVETOEX, {0, 100})
             .record(EMR_LINETO, {400, 100})
             .record(EMR_SELECTOBJECT, {stock(NULL_PEN)})
             .record(EMR_MOVETOEX, {0, 300})
             .record(EMR_LINETO, {400, 300}),
         {{10, 100, ink}, {30, 100, paper}, {50, 100, ink}, {200, 300, paper}}},
        // A grey box clipped to 100 x 100, then restored; a region clip in
        // device pixels, then cleared. Restoring deeper than saved is ignored.
        {"clipping, saving and restoring",
         withBlackBrush()
             .record(EMR_SAVEDC, {})
             .record(EMR_INTERSECTCLIPRECT, {0, 0, 100, 100})
             .record(EMR_SELECTOBJECT, {stock(GRAY_BRUSH)})
             .record(EMR_RECTANGLE, {0, 0, 300, 300})
             .record(EMR_RESTOREDC, {std::uint32_t(-1)})
             .record(EMR_RESTOREDC, {std::uint32_t(-5)})
             .record(EMR_RECTANGLE, {400, 0, 500, 100})
             .record(EMR_EXTSELECTCLIPRGN, {48, 5, 32, 1, 1, 16, 600, 0, 700, 100, 600, 0, 700, 100})
             .record(EMR_RECTANGLE, {550, 0, 800, 100})
             .record(EMR_EXTSELECTCLIPRGN, {0, 5})
             .record(EMR_RECTANGLE, {550, 200, 800, 300}),
         {{50, 50, qRgb(128, 128, 128)}, {200, 200, paper}, {450, 50, ink}, {650, 50, ink}, {575, 50, paper},
          {750, 50, paper}, {575, 250, ink}}},
        {"device-independent bitmaps bottom up and stretched", stretchedDib(),
         {{150, 150, qRgb(255, 0, 0)}, {250, 150, qRgb(0, 255, 0)}, {150, 250, qRgb(0, 0, 255)},
          {250, 250, paper}, {350, 150, paper}}},
        {"alpha bitmaps by their own alpha", alphaBlend(255), {{150, 150, qRgb(255, 0, 0)}, {250, 150, paper}}},
        {"alpha bitmaps by the constant opacity", alphaBlend(128), {{150, 150, qRgb(255, 127, 127)}}},
    };
    for (const RecordCase& c : cases) {
        const QImage image = play(c.records.bytes(), page);
        for (const Probe& p : c.probes) {
            const QRgb got = image.pixel(p.x, p.y);
            EXPECT_TRUE(std::abs(qRed(got) - qRed(p.colour)) <= 4 && std::abs(qGreen(got) - qGreen(p.colour)) <= 4 &&
                        std::abs(qBlue(got) - qBlue(p.colour)) <= 4)
                << c.what << " at " << p.x << "," << p.y << ": " << std::hex << got;
        }
    }
}

TEST(EmfPlayerRecords, characters_the_font_lacks_are_drawn_from_a_fallback_font)
{
    const auto bytes = textMetafile("\u2603\u2603", -40);
    const gdi::EmfFileInfo info = gdi::EmfFileInfo::readHeader(bytes);
    const QRectF frame(info.bounds.left, info.bounds.top, info.bounds.right - info.bounds.left + 1,
                       info.bounds.bottom - info.bounds.top + 1);
    const QImage played = play(bytes, frame.size().toSize());
    // What Qt itself draws for the same text with its font fallback.
    QImage reference(played.size(), QImage::Format_RGB32);
    reference.fill(Qt::white);
    {
        QPainter painter(&reference);
        QFont qfont(QStringLiteral("Courier New"));
        qfont.setPixelSize(40);
        painter.setFont(qfont);
        painter.drawText(QPointF(0, QFontMetricsF(qfont).ascent()), QString::fromUtf8("\u2603\u2603"));
    }
    const int drawn = inkIn(played, played.rect()), expected = inkIn(reference, reference.rect());
    EXPECT_GT(expected, 100);
    EXPECT_NEAR(drawn, expected, expected / 5);
}

TEST(EmfPlayerRecords, underline_and_strike_out_run_the_whole_width_of_the_text)
{
    const auto bytes = textMetafile(". . . .", -30, true);
    const gdi::EmfFileInfo info = gdi::EmfFileInfo::readHeader(bytes);
    const int width = info.bounds.right + 1, height = info.bounds.bottom + 1;
    const QImage image = play(bytes, QSize(width, height));
    int lines = 0;
    bool inLine = false;
    for (int y = 0; y < height; ++y) {
        const bool full = inkIn(image, QRect(0, y, width, 1)) >= width * 9 / 10;
        lines += full && !inLine;
        inLine = full;
    }
    EXPECT_EQ(lines, 2) << "one line for the underline, one for the strike-out";
}

// Inputs that once were or could be trouble: each plays without reading
// outside the file and keeps drawing what is sound.
TEST(EmfPlayerMalformed, bad_sizes_and_counts_are_survived)
{
    EmfBuilder overflowing;
    overflowing.record(EMR_GDICOMMENT, {12, 0x2B464D45, 0x00000000, 0xFFFFFFFF}) // "EMF+" with nonsense inside
        .record(999, {1, 2, 3})                                                 // unknown record
        .record(EMR_SELECTOBJECT, {stock(BLACK_BRUSH)})
        .record(EMR_POLYLINE16, {0, 0, 0, 0, 0xFFFFFFFF, 0})
        .record(EMR_POLYPOLYGON16, {0, 0, 0, 0, 2, 0, 0x80000000, 0x80000000, 0})
        .record(EMR_POLYPOLYLINE, {0, 0, 0, 0, 0x40000000, 1, 1})
        .record(EMR_CREATEPEN, {0xFFFFFFF0, 0, 1, 0, 0})
        .record(EMR_SELECTOBJECT, {0xFFFFFFF0})
        .record(EMR_DELETEOBJECT, {0x7FFFFFFF})
        .record(EMR_RESTOREDC, {0x80000000})
        .record(EMR_EXTTEXTOUTW, {0, 0, 0, 0, 1, 0, 0, 0, 0, 0xFFFFFFFF, 76, 0, 0, 0, 0, 0, 0})
        .record(EMR_STRETCHDIBITS, {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 80, 40, 120, 4, 0, SRCCOPY, 10, 10, 40,
                                    0x7FFFFFFF, 0x7FFFFFFF, 1 | 32 << 16, 0, 0, 0, 0, 0, 0, 0})
        .record(EMR_SETWORLDTRANSFORM, {0x7F800000, 0, 0, 0x7F800000, 0, 0}) // infinities
        .record(EMR_RECTANGLE, {0, 0, 100, 100});
    const QImage image = play(overflowing.bytes(), page);
    EXPECT_TRUE(dark(image, 50, 50)) << "sound records after the broken ones still draw";

    // A record whose size is not a multiple of 4, or runs past the end, ends playback.
    for (std::uint32_t badSize : {0u, 6u, 14u, 0x1000u}) {
        auto bytes =
            withBlackBrush().record(EMR_RECTANGLE, {0, 0, 100, 100}).record(EMR_RECTANGLE, {200, 200, 300, 300}).bytes();
        const std::size_t second = 108 + 12 + 24;
        bytes[second + 4] = std::uint8_t(badSize);
        bytes[second + 5] = std::uint8_t(badSize >> 8);
        const QImage cut = play(bytes, page);
        EXPECT_TRUE(dark(cut, 50, 50)) << badSize;
        EXPECT_FALSE(dark(cut, 250, 250)) << badSize;
    }
}

TEST(EmfPlayerMalformed, every_truncation_of_a_real_page_plays_or_is_refused)
{
    const auto bytes = textMetafile("Truncated", -11, true);
    ASSERT_GT(bytes.size(), 200u);
    for (std::size_t n = 0; n <= bytes.size(); n += 3) {
        std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + std::ptrdiff_t(n));
        QImage image(64, 64, QImage::Format_RGB32);
        QPainter painter(&image);
        const bool played = EmfPlayer::play(painter, cut, QRectF(0, 0, 64, 64));
        EXPECT_EQ(played, n >= 108) << n;
    }
}

TEST(EmfPlayerMalformed, what_is_not_a_metafile_is_refused_and_leaves_the_page_alone)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    std::vector<std::uint8_t> bytes(200, 0xFF);
    EXPECT_FALSE(EmfPlayer::play(painter, bytes, QRectF(0, 0, 10, 10)));
    EXPECT_FALSE(EmfPlayer::play(painter, Handle(0xDEADBEEF), QRectF(0, 0, 10, 10)));
    painter.end();
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));
}

} // namespace
} // namespace kelvppvw::gdi
