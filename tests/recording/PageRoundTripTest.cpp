#include "PageFixture.h"

#include <QImage>

#include <cstdlib>
#include <tuple>

namespace kelvppvw {
namespace {

using test::dark;
using test::inkIn;

class PageRoundTrip : public test::PageFixture {
protected:
    std::shared_ptr<Picture> savedPicture(const char* name, const char* format, const QImage& image)
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(image.save(path, format));
        return Picture::load(path.toStdString());
    }

    // A page with text, lines, boxes, a bitmap, an icon and an EMF picture.
    std::vector<std::uint8_t> recordSamplePage()
    {
        QImage halves(40, 40, QImage::Format_RGB32);
        halves.fill(QColor(255, 0, 0));
        for (int y = 0; y < 40; ++y)
            for (int x = 20; x < 40; ++x)
                halves.setPixel(x, y, qRgb(0, 0, 255));
        bitmap = savedPicture("halves.bmp", "BMP", halves);
        QImage iconImage(16, 16, QImage::Format_ARGB32);
        iconImage.fill(qRgba(0, 160, 0, 255));
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                iconImage.setPixel(x, y, qRgba(0, 0, 0, 0));
        icon = savedPicture("mark.ico", "ICO", iconImage);

        openPage("picture.emf");
        LinePageTo(10, 10);
        bool show = false;
        ClosePageMetafile(show);
        metafile = Picture::load(file("picture.emf"));

        openPage("Page_1.emf");
        DrawPageBox(50, 400, 150, 450); // from the page origin: no move first
        TextOnPage(glDrwHwnd, 100, 100, "Hello page");
        SelectPageFont(glDrwHwnd, "Tahoma", 12, true, false, false, false);
        SetPageTextColor(glDrwHwnd, 0x0000FF);
        TextOnPage(glDrwHwnd, 100, 150, "Total");
        MovePageTo(200, 200);
        DrawPageBox(200, 200, 300, 260);
        DrawPageRectangle(400, 200, 500, 260);
        SetPagePen(gdi::PS_SOLID, 0x00FF00);
        MovePageTo(550, 200);
        LinePageTo(700, 200);
        DrawPictureOnPage(bitmap.get(), 100, 500, 20 * 15, 30 * 15, false);
        DrawPictureOnPage(bitmap.get(), 300, 500, 0, 0, true);
        DrawPictureOnPage(icon.get(), 600, 500, 48 * 15, 48 * 15, false);
        DrawPictureOnPage(metafile.get(), 700, 700, 100 * 15, 100 * 15, false);
        return closePage();
    }

    std::shared_ptr<Picture> bitmap, icon, metafile;
};

TEST_F(PageRoundTrip, recorded_pages_play_back_with_text_boxes_lines_and_pictures_in_place)
{
    const QImage page = render(recordSamplePage());
    // The frame is exact at 96 pixels per inch; the reference device's size is
    // whole millimetres, so the reference-pixel scale may differ by a pixel or two.
    ASSERT_NEAR(page.width(), 816, 2);
    ASSERT_NEAR(page.height(), 1056, 2);

    // Text ink where text was drawn, in its colour; none above it.
    EXPECT_GT(inkIn(page, QRect(100, 100, 70, 14)), 40);
    EXPECT_EQ(inkIn(page, QRect(90, 80, 200, 18)), 0);
    int redInk = 0;
    for (int y = 150; y < 170; ++y)
        for (int x = 100; x < 150; ++x)
            redInk += qRed(page.pixel(x, y)) > 150 && qBlue(page.pixel(x, y)) < 100;
    EXPECT_GT(redInk, 30);

    // Box outline on all four sides, empty inside; the rectangle's outline
    // inside its right and bottom edges, filled white.
    for (const auto& [x, y, ink] : {std::tuple{250, 200, true}, {300, 230, true}, {250, 260, true}, {200, 230, true},
                                   {250, 230, false}, {400, 230, true}, {499, 230, true}, {500, 230, false},
                                   {450, 230, false}})
        EXPECT_EQ(dark(page, x, y), ink) << x << "," << y;
    // The box drawn first starts at the page origin.
    EXPECT_GT(inkIn(page, QRect(23, 198, 5, 5)), 0);

    // The green pen. The bitmap cut to 20 x 30, not scaled: red up to x = 119.
    // At its own size (40 pixels is 1058 hundredths of a millimetre, /15 = 70)
    // whole and unscaled. The icon stretched from 16 to 48 pixels, its
    // transparent quarter left alone.
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255), white = qRgb(255, 255, 255), green = qRgb(0, 160, 0);
    for (const auto& [x, y, colour] : {std::tuple{600, 200, qRgb(0, 255, 0)}, {101, 501, red}, {118, 528, red},
                                      {121, 510, white}, {110, 531, white}, {310, 510, red}, {335, 535, blue},
                                      {345, 510, white}, {640, 540, green}, {630, 505, green}, {605, 505, white},
                                      {649, 549, white}})
        EXPECT_EQ(page.pixel(x, y), colour) << x << "," << y;

    // The EMF picture is skipped.
    EXPECT_EQ(inkIn(page, QRect(690, 690, 120, 120)), 0);
}

// Positions scale with the frame mapping (the player's own tests); what is
// left to see here is how the page's pens grow with the zoom.
TEST_F(PageRoundTrip, at_200_percent_the_stock_pen_stays_one_pixel_and_created_pens_grow)
{
    const QImage page = render(recordSamplePage(), 2.0);
    ASSERT_NEAR(page.width(), 1632, 4);
    // The stock pen is one device pixel at any zoom; a created pen of width 1 grows.
    for (const auto& [x, y, ink] : {std::tuple{500, 400, true}, {500, 402, false}, {500, 398, false},
                                   {400, 460, true}, {500, 460, false}})
        EXPECT_EQ(dark(page, x, y), ink) << x << "," << y;
    int green = 0;
    for (int y = 396; y <= 404; ++y)
        green += page.pixel(1200, y) == qRgb(0, 255, 0);
    EXPECT_EQ(green, 2);
}

} // namespace
} // namespace kelvppvw
