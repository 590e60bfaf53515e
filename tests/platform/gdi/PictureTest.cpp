#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiImages.h"
#include "platform/gdi/Picture.h"
#include "platform/forms/Form.h"
#include "platform/forms/Image.h"
#include "platform/forms/OleColor.h"
#include "platform/gdi/QtRuntime.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <sys/stat.h>

namespace kelvppvw {
namespace {

class PictureTest : public ::testing::Test {
protected:
    void SetUp() override { gdi::QtRuntime::ensure(); }
    std::string saved(const char* name, const char* format, QImage image)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path, format));
        return path.toStdString();
    }
    QTemporaryDir dir;
};

// Every raster format goes through the same reader: one stands for them all.
// Its size and pixels are the recorded page's round trip, which draws bitmaps.
TEST_F(PictureTest, raster_files_load_as_bitmaps_whose_handle_goes_with_the_picture)
{
    QImage image(96, 48, QImage::Format_RGB32);
    image.fill(QColor(10, 20, 30));
    gdi::Handle handle = 0;
    {
        const auto picture = Picture::load(saved("logo.png", "PNG", image));
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->type(), ptBitmap);
        handle = picture->handle();
        EXPECT_EQ(gdi::objectImage(handle).pixel(3, 3), qRgb(10, 20, 30));
    }
    EXPECT_TRUE(gdi::objectImage(handle).isNull()) << "a picture releases its handle";
    EXPECT_FALSE(gdi::deleteObject(handle));
}

TEST_F(PictureTest, missing_and_unreadable_files_give_an_error_and_no_picture)
{
    std::string error;
    EXPECT_FALSE(Picture::load(dir.filePath("none.bmp").toStdString(), &error));
    EXPECT_NE(error.find("not found"), std::string::npos);
    QFile junk(dir.filePath("junk.png"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is no picture at all");
    junk.close();
    error.clear();
    EXPECT_FALSE(Picture::load(junk.fileName().toStdString(), &error));
    EXPECT_NE(error.find("Invalid picture"), std::string::npos);
    // A pipe that nobody writes to is refused, not waited on.
    const std::string pipe = dir.filePath("pipe.emf").toStdString();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(Picture::load(pipe));
    EXPECT_EQ(gdi::getEnhMetaFile(pipe) + gdi::loadBitmapFile(pipe), 0u);
}

// What a host hands over as a picture object shows in an image control.
TEST_F(PictureTest, an_image_control_shows_a_metafile_stretched_and_takes_its_size_unstretched)
{
    // One inch square; the top-left quarter filled black.
    const std::string path = dir.filePath("quarter.emf").toStdString();
    const gdi::Handle dc = gdi::createEnhMetaFile(0, path, gdi::Rect{0, 0, 2540, 2540}, std::nullopt);
    gdi::selectObject(dc, gdi::getStockObject(gdi::BLACK_BRUSH));
    gdi::rectangle(dc, 0, 0, 48, 48);
    gdi::deleteEnhMetaFile(gdi::closeEnhMetaFile(dc));
    const auto emf = Picture::load(path);
    ASSERT_TRUE(emf);

    auto form = NewForm<Form>();
    form->Move(0, 0, 9000, 9000);
    form->Load();
    form->SetBackColor(RGB(255, 255, 255));
    auto image = form->add<Image>("imgMeta");
    image->put("Picture", Variant(std::shared_ptr<Dispatch>(emf)));
    EXPECT_DOUBLE_EQ(image->Width(), 1440) << "one inch in twips";
    image->SetStretch(true);
    image->Move(0, 0, 3000, 3000);
    const QImage shot = form->widget()->grab().toImage();
    EXPECT_LT(qGray(shot.pixel(90, 90)), 64) << "the quarter grows with the control";
    EXPECT_GE(qGray(shot.pixel(110, 110)), 64);
    form->Unload();
}

} // namespace
} // namespace kelvppvw
