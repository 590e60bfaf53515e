#include "EmfTestFile.h"

#include "platform/gdi/EmfFileInfo.h"
#include "platform/gdi/EmfRecordType.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiImages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

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

TEST(EmfPlayerMapping, window_and_viewport_extents_origins_and_metric_modes_place_shapes)
{
    EmfBuilder anisotropic;
    anisotropic.record(EMR_SELECTOBJECT, {stock(BLACK_BRUSH)})
        .record(EMR_SETMAPMODE, {8})
        .record(EMR_SETWINDOWEXTEX, {100, 100})
        .record(EMR_SETVIEWPORTEXTEX, {1000, 1000})
        .record(EMR_SETWINDOWORGEX, {10, 0})
        .record(EMR_RECTANGLE, {20, 10, 30, 20});
    QImage image = play(anisotropic.bytes(), page);
    EXPECT_TRUE(dark(image, 150, 150));
    EXPECT_FALSE(dark(image, 250, 150));
    EXPECT_FALSE(dark(image, 50, 150));

    // Hundredths of a millimetre, y up: 25 mm is 100 reference pixels.
    EmfBuilder himetric;
    himetric.record(EMR_SELECTOBJECT, {stock(BLACK_BRUSH)})
        .record(EMR_SETMAPMODE, {3})
        .record(EMR_RECTANGLE, {0, std::uint32_t(-2500), 2500, std::uint32_t(-5000)});
    image = play(himetric.bytes(), page);
    EXPECT_TRUE(dark(image, 50, 150));
    EXPECT_FALSE(dark(image, 50, 50));
    EXPECT_FALSE(dark(image, 150, 150));

    // Isotropic keeps the aspect: the smaller scale wins on both axes.
    EmfBuilder isotropic;
    isotropic.record(EMR_SELECTOBJECT, {stock(BLACK_BRUSH)})
        .record(EMR_SETMAPMODE, {7})
        .record(EMR_SETWINDOWEXTEX, {100, 100})
        .record(EMR_SETVIEWPORTEXTEX, {1000, 500})
        .record(EMR_RECTANGLE, {0, 0, 100, 100});
    image = play(isotropic.bytes(), page);
    EXPECT_TRUE(dark(image, 450, 450));
    EXPECT_FALSE(dark(image, 700, 200));
}

TEST(EmfPlayerMapping, the_frame_fills_the_destination_under_the_callers_transform_and_clip)
{
    EmfBuilder b;
    b.record(EMR_SELECTOBJECT, {stock(BLACK_BRUSH)}).record(EMR_RECTANGLE, {0, 0, 1000, 1000});
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(100, 100);
    painter.scale(0.5, 0.5);
    painter.setClipRect(QRectF(0, 0, 300, 600)); // in the scaled coordinates: 150 x 300 pixels
    EXPECT_TRUE(EmfPlayer::play(painter, b.bytes(), QRectF(0, 0, 400, 400)));
    EXPECT_EQ(painter.transform(), QTransform(0.5, 0, 0, 0.5, 100, 100)) << "left as it was found";
    painter.end();
    EXPECT_TRUE(dark(image, 110, 110));
    EXPECT_TRUE(dark(image, 240, 290));
    EXPECT_FALSE(dark(image, 260, 200)) << "outside the caller's clip";
    EXPECT_FALSE(dark(image, 90, 90)) << "outside the destination";
    EXPECT_FALSE(dark(image, 200, 310));
}

TEST(EmfPlayerMapping, world_transforms_are_set_multiplied_and_reset)
{
    EmfBuilder b;
    using test::f;
    b.record(EMR_SELECTOBJECT, {stock(BLACK_BRUSH)})
        .record(EMR_SETWORLDTRANSFORM, {f(1), 0, 0, f(1), f(300), f(300)})
        .record(EMR_MODIFYWORLDTRANSFORM, {f(2), 0, 0, f(2), 0, 0, 2}) // scale first, then move
        .record(EMR_RECTANGLE, {0, 0, 50, 50})
        .record(EMR_MODIFYWORLDTRANSFORM, {0, 0, 0, 0, 0, 0, 1})
        .record(EMR_RECTANGLE, {0, 0, 20, 20});
    const QImage image = play(b.bytes(), page);
    EXPECT_TRUE(dark(image, 390, 390));
    EXPECT_FALSE(dark(image, 410, 410));
    EXPECT_TRUE(dark(image, 10, 10));
}

TEST(EmfPlayerShapes, polygons_fill_by_the_fill_mode_and_ellipses_and_bezier_paths_draw)
{
    EmfBuilder b;
    // Square with a square hole, alternate filling.
    b.record(EMR_SELECTOBJECT, {stock(BLACK_BRUSH)})
        .record(EMR_SETPOLYFILLMODE, {1})
        .record(EMR_POLYPOLYGON16, {0, 0, 0, 0, 2, 8, 4, 4, points16(0, 0), points16(300, 0), points16(300, 300),
                                    points16(0, 300), points16(100, 100), points16(200, 100), points16(200, 200),
                                    points16(100, 200)})
        .record(EMR_ELLIPSE, {400, 0, 600, 200})
        .record(EMR_BEGINPATH, {})
        .record(EMR_MOVETOEX, {700, 300})
        .record(EMR_POLYBEZIERTO16, {0, 0, 0, 0, 3, points16(700, 0), points16(1000, 0), points16(1000, 300)})
        .record(EMR_CLOSEFIGURE, {})
        .record(EMR_ENDPATH, {})
        .record(EMR_FILLPATH, {0, 0, 0, 0});
    const QImage image = play(b.bytes(), page);
    EXPECT_TRUE(dark(image, 50, 50));
    EXPECT_FALSE(dark(image, 150, 150)) << "the hole of an alternate-filled ring stays empty";
    EXPECT_TRUE(dark(image, 500, 100));
    EXPECT_FALSE(dark(image, 405, 5)) << "an ellipse leaves its box's corners";
    EXPECT_TRUE(dark(image, 850, 100));
    EXPECT_FALSE(dark(image, 850, 500));
}

TEST(EmfPlayerShapes, extended_pens_draw_their_dashes_and_null_pens_draw_nothing)
{
    EmfBuilder b;
    // Geometric pen, user style: 20 on, 20 off; width 6.
    b.record(EMR_EXTCREATEPEN, {1, 0, 0, 0, 0, 0x00010007, 6, 0, 0x000000, 0, 2, 20, 20})
        .record(EMR_SELECTOBJECT, {1})
        .record(EMR_MOVETOEX, {0, 100})
        .record(EMR_LINETO, {400, 100})
        .record(EMR_SELECTOBJECT, {stock(NULL_PEN)})
        .record(EMR_MOVETOEX, {0, 300})
        .record(EMR_LINETO, {400, 300});
    const QImage image = play(b.bytes(), page);
    int on = 0, off = 0;
    for (int x = 0; x < 400; ++x)
        (dark(image, x, 100) ? on : off)++;
    EXPECT_GT(on, 120);
    EXPECT_GT(off, 120);
    EXPECT_EQ(inkIn(image, QRect(0, 290, 400, 20)), 0);
}

TEST(EmfPlayerState, clipping_saving_and_restoring)
{
    EmfBuilder b;
    b.record(EMR_SELECTOBJECT, {stock(BLACK_BRUSH)})
        .record(EMR_SAVEDC, {})
        .record(EMR_INTERSECTCLIPRECT, {0, 0, 100, 100})
        .record(EMR_SELECTOBJECT, {stock(GRAY_BRUSH)})
        .record(EMR_RECTANGLE, {0, 0, 300, 300})
        .record(EMR_RESTOREDC, {std::uint32_t(-1)})
        .record(EMR_RESTOREDC, {std::uint32_t(-5)}) // nothing saved that deep: ignored
        .record(EMR_RECTANGLE, {400, 0, 500, 100})
        // Region clip in device pixels, then cleared again.
        .record(EMR_EXTSELECTCLIPRGN, {48, 5, 32, 1, 1, 16, 600, 0, 700, 100, 600, 0, 700, 100})
        .record(EMR_RECTANGLE, {550, 0, 800, 100})
        .record(EMR_EXTSELECTCLIPRGN, {0, 5})
        .record(EMR_RECTANGLE, {550, 200, 800, 300});
    const QImage image = play(b.bytes(), page);
    EXPECT_EQ(qGray(image.pixel(50, 50)), 128) << "grey inside the clip";
    EXPECT_FALSE(dark(image, 200, 200));
    EXPECT_FALSE(qGray(image.pixel(200, 200)) < 255) << "nothing outside the clip";
    EXPECT_TRUE(dark(image, 450, 50)) << "restoring brings back the black brush and no clip";
    EXPECT_TRUE(dark(image, 650, 50));
    EXPECT_FALSE(dark(image, 575, 50));
    EXPECT_FALSE(dark(image, 750, 50));
    EXPECT_TRUE(dark(image, 575, 250));
}

TEST(EmfPlayerImages, device_independent_bitmaps_draw_bottom_up_and_stretched)
{
    // 2 x 2, 8 bits per pixel, palette red, green, blue, white; bottom row first.
    const std::uint32_t bmiSize = 40 + 16, bitsSize = 8;
    EmfBuilder b;
    b.put(EMR_STRETCHDIBITS, {0, 0, 999, 999,                    // bounds
                              100, 100, 0, 0, 2, 2,              // dest x, y; source x, y, w, h
                              80, bmiSize, 80 + bmiSize, bitsSize, 0, SRCCOPY, 200, 200,
                              40, 2, 2, 1 | 8 << 16, 0, bitsSize, 0, 0, 4, 0,
                              0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF,
                              0x00000302, 0x00000100}); // bottom: blue, white; top: red, green
    const QImage image = play(b.bytes(), page);
    EXPECT_EQ(image.pixel(150, 150), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(250, 150), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(150, 250), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(250, 250), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(350, 150), qRgb(255, 255, 255));
}

TEST(EmfPlayerImages, alpha_blended_bitmaps_use_their_own_alpha_and_the_constant_opacity)
{
    auto record = [](int constantAlpha) {
        return std::vector<std::uint32_t>{
            0, 0, 999, 999,                                       // bounds
            100, 100, 200, 100,                                   // dest x, y, w, h
            std::uint32_t(constantAlpha) << 16 | 1u << 24, 0, 0,  // blend function, source alpha; source x, y
            0, 0, 0, 0, 0, 0, 0, 0,                               // source transform, background, usage
            108, 40, 148, 8, 2, 1,                                // bitmap info and bits, source w, h
            40, 2, 1, 1 | 32 << 16, 0, 8, 0, 0, 0, 0,
            0xFFFF0000, 0x00000000};                              // opaque red, transparent
    };
    const QImage opaque = play(EmfBuilder().put(EMR_ALPHABLEND, record(255)).bytes(), page);
    EXPECT_EQ(opaque.pixel(150, 150), qRgb(255, 0, 0));
    EXPECT_EQ(opaque.pixel(250, 150), qRgb(255, 255, 255)) << "transparent pixels leave the page alone";
    const QImage half = play(EmfBuilder().put(EMR_ALPHABLEND, record(128)).bytes(), page);
    EXPECT_NEAR(qGreen(half.pixel(150, 150)), 127, 3);
    EXPECT_EQ(qRed(half.pixel(150, 150)), 255);
}

TEST(EmfPlayerRecords, text_without_advances_is_measured_and_drawn_in_the_text_colour)
{
    EmfBuilder b;
    std::vector<std::uint32_t> font = {1, std::uint32_t(-40), 0, 0, 0, 700, 0};
    const char16_t face[] = u"DejaVu Sans";
    for (int i = 0; i < 16; ++i)
        font.push_back(std::uint32_t(face[2 * i < 11 ? 2 * i : 11]) * (2 * i < 11) |
                       std::uint32_t(2 * i + 1 < 11 ? face[2 * i + 1] : 0) << 16);
    std::vector<std::uint32_t> text = {0, 0, 0, 0, 1, 0, 0, 100, 100, 4, 76, 0, 0, 0, std::uint32_t(-1),
                                       std::uint32_t(-1), 0};
    text.push_back('W' | 'W' << 16);
    text.push_back('W' | 'W' << 16);
    b.put(EMR_EXTCREATEFONTINDIRECTW, font)
        .record(EMR_SELECTOBJECT, {1})
        .record(EMR_SETTEXTCOLOR, {0x0000FF})
        .record(EMR_SETBKMODE, {1})
        .put(EMR_EXTTEXTOUTW, text);
    const QImage image = play(b.bytes(), page);
    int red = 0;
    for (int y = 100; y < 150; ++y)
        for (int x = 100; x < 260; ++x)
            red += qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) < 80;
    EXPECT_GT(red, 200);
    EXPECT_EQ(inkIn(image, QRect(0, 0, 1000, 95)), 0);
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
        auto bytes = EmfBuilder()
                         .record(EMR_SELECTOBJECT, {stock(BLACK_BRUSH)})
                         .record(EMR_RECTANGLE, {0, 0, 100, 100})
                         .record(EMR_RECTANGLE, {200, 200, 300, 300})
                         .bytes();
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
    QTemporaryDir dir;
    const std::string file = dir.filePath("page.emf").toStdString();
    const Handle reference = getScreenDC();
    const Handle dc = createEnhMetaFile(reference, file, Rect{0, 0, 5000, 5000}, std::nullopt);
    LogFont lf;
    lf.height = -11;
    std::strcpy(lf.faceName.data(), "Courier New");
    const Handle font = createFontIndirect(lf);
    selectObject(dc, font);
    textOut(dc, 5, 5, "Truncated");
    rectangle(dc, 2, 2, 80, 30);
    QImage logo(6, 6, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    const Handle bitmap = createBitmapFromImage(logo);
    const Handle memory = createCompatibleDC(dc);
    const Handle old = selectObject(memory, bitmap);
    bitBlt(dc, 40, 40, 6, 6, memory, 0, 0, SRCCOPY);
    selectObject(memory, old);
    deleteDC(memory);
    selectObject(dc, getStockObject(SYSTEM_FONT));
    deleteEnhMetaFile(closeEnhMetaFile(dc));
    deleteObject(font);
    deleteObject(bitmap);
    deleteDC(reference);
    const auto bytes = test::readBytes(file);
    ASSERT_GT(bytes.size(), 200u);
    for (std::size_t n = 0; n <= bytes.size(); n += 3) {
        std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + std::ptrdiff_t(n));
        QImage image(64, 64, QImage::Format_RGB32);
        QPainter painter(&image);
        const bool played = EmfPlayer::play(painter, cut, QRectF(0, 0, 64, 64));
        EXPECT_EQ(played, n >= 108) << n;
    }
}

// Inputs the fuzzer found crashing once; kept under tests/data/emf/crashes.
TEST(EmfPlayerMalformed, inputs_that_once_crashed_the_player_now_play)
{
    const QDir crashes(QString::fromLocal8Bit(KELVPPVW_SOURCE_TEST_DATA) + "/emf/crashes");
    const QStringList names = crashes.entryList({"*.emf"}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        const auto bytes = test::readBytes(crashes.filePath(name).toStdString());
        QImage image(96, 96, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        EXPECT_TRUE(EmfPlayer::play(painter, bytes, QRectF(0, 0, 96, 96))) << name.toStdString();
    }
}

TEST(EmfPlayerMalformed, what_is_not_a_metafile_is_refused_and_leaves_the_page_alone)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    std::vector<std::uint8_t> bytes(200, 0xFF);
    EXPECT_FALSE(EmfPlayer::play(painter, bytes, QRectF(0, 0, 10, 10)));
    EXPECT_FALSE(EmfPlayer::play(painter, std::span<const std::uint8_t>(), QRectF(0, 0, 10, 10)));
    EXPECT_FALSE(EmfPlayer::play(painter, Handle(0xDEADBEEF), QRectF(0, 0, 10, 10)));
    painter.end();
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));
}

} // namespace
} // namespace kelvppvw::gdi
