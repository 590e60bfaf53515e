// A picture box's hDC as a gdi DC: the metrics a page is recorded against
// (the viewer's runs record every page so), and gdi drawing landing in the
// box's persistent image.
#include "components/seams/PlatformSeams.h"
#include "platform/forms/Form.h"
#include "platform/forms/OleColor.h"
#include "platform/forms/PictureBox.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/EmfTestFile.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

namespace kelvppvw {
namespace {

using test::inkIn;

class SurfaceDc : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallPlatformSeams();
        form = NewForm<Form>();
        form->Move(0, 0, 9000, 9000);
        form->Load();
        pic = form->add<PictureBox>("picFullScale");
        pic->SetBorderStyle(0);
        pic->SetAutoRedraw(true);
        pic->SetBackColor(RGB(255, 255, 255));
        pic->Move(0, 0, 3000, 3000); // 200 x 200 pixels
    }
    void TearDown() override { form->Unload(); }

    std::shared_ptr<Form> form;
    std::shared_ptr<PictureBox> pic;
};

TEST_F(SurfaceDc, the_handle_is_one_gdi_dc_per_box_at_96_dpi_and_dies_with_the_box)
{
    const int32_t hdc = pic->hDC();
    EXPECT_EQ(pic->hDC(), hdc) << "asked twice, the same DC";
    EXPECT_EQ(pic->get("hDC").toLong(), hdc);
    EXPECT_EQ(gdi::getDeviceCaps(hdc, gdi::LOGPIXELSX), 96);
    EXPECT_EQ(gdi::getDeviceCaps(hdc, gdi::LOGPIXELSY), 96);
    EXPECT_GT(gdi::getDeviceCaps(hdc, gdi::HORZRES), 0);

    auto lone = std::make_shared<PictureBox>();
    const int32_t loneDc = lone->hDC();
    EXPECT_NE(loneDc, hdc);
    EXPECT_EQ(gdi::getDeviceCaps(loneDc, gdi::LOGPIXELSX), 96);
    lone.reset();
    EXPECT_EQ(gdi::getDeviceCaps(loneDc, gdi::LOGPIXELSX), 0) << "a dead box's DC is gone";
    EXPECT_EQ(gdi::getDeviceCaps(hdc, gdi::LOGPIXELSX), 96);
}

TEST_F(SurfaceDc, lines_boxes_text_and_bitmaps_drawn_on_the_dc_land_in_the_persistent_image)
{
    const gdi::Handle dc = gdi::Handle(pic->hDC());
    const QImage& image = pic->surfaceImage();
    ASSERT_EQ(inkIn(image, image.rect()), 0);

    gdi::selectObject(dc, gdi::getStockObject(gdi::BLACK_BRUSH));
    EXPECT_TRUE(gdi::rectangle(dc, 10, 10, 50, 50));
    EXPECT_GT(inkIn(pic->surfaceImage(), QRect(15, 15, 30, 30)), 800);
    EXPECT_EQ(inkIn(pic->surfaceImage(), QRect(55, 10, 40, 40)), 0);

    gdi::moveToEx(dc, 0, 100, nullptr);
    EXPECT_TRUE(gdi::lineTo(dc, 199, 100));
    EXPECT_GT(inkIn(pic->surfaceImage(), QRect(0, 99, 200, 3)), 150);

    gdi::LogFont font;
    font.height = -24;
    font.weight = 700;
    std::copy_n("DejaVu Sans", 12, font.faceName.begin());
    const gdi::Handle hfont = gdi::createFontIndirect(font);
    gdi::selectObject(dc, hfont);
    gdi::setBkMode(dc, gdi::TRANSPARENT);
    EXPECT_TRUE(gdi::textOut(dc, 10, 130, "WWW"));
    EXPECT_GT(inkIn(pic->surfaceImage(), QRect(10, 130, 60, 30)), 50);
    EXPECT_EQ(inkIn(pic->surfaceImage(), QRect(120, 130, 70, 30)), 0);

    QTemporaryDir dir;
    QImage red(20, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(dir.filePath("red.bmp")));
    const gdi::Handle memory = gdi::createCompatibleDC(dc);
    const gdi::Handle bitmap = gdi::loadBitmapFile(dir.filePath("red.bmp").toStdString());
    gdi::selectObject(memory, bitmap);
    EXPECT_TRUE(gdi::bitBlt(dc, 150, 10, 40, 40, memory, 0, 0, gdi::SRCCOPY));
    EXPECT_EQ(pic->surfaceImage().pixel(155, 15), qRgb(255, 0, 0));
    EXPECT_EQ(pic->surfaceImage().pixel(175, 35), qRgb(255, 255, 255)) << "copied unscaled, cut to the bitmap";
    gdi::deleteDC(memory);
    gdi::deleteObject(bitmap);

    // A picture box shows what was drawn on its DC.
    const QImage shot = pic->widget()->grab().toImage();
    EXPECT_LT(qGray(shot.pixel(30, 30)), 64);
}

} // namespace
} // namespace kelvppvw
