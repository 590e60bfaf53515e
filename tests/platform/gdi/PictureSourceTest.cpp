// gdi pictures taken by the forms controls: what a host hands over as a
// picture object must show in picture boxes, images and as a mouse pointer.
#include "platform/forms/Form.h"
#include "platform/forms/Image.h"
#include "platform/forms/ImageList.h"
#include "platform/forms/OleColor.h"
#include "platform/forms/PictureBox.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Picture.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include <fstream>

namespace kelvppvw {
namespace {

class PictureSourceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = NewForm<Form>();
        form->Move(0, 0, 9000, 9000);
        form->Load();
    }
    void TearDown() override { form->Unload(); }

    // One inch square; the top-left quarter filled black, the rest untouched.
    std::shared_ptr<Picture> quarterMetafile()
    {
        const std::string path = dir.filePath("quarter.emf").toStdString();
        const gdi::Handle dc = gdi::createEnhMetaFile(0, path, gdi::Rect{0, 0, 2540, 2540}, std::nullopt);
        gdi::selectObject(dc, gdi::getStockObject(gdi::BLACK_BRUSH));
        gdi::rectangle(dc, 0, 0, 48, 48);
        gdi::deleteEnhMetaFile(gdi::closeEnhMetaFile(dc));
        auto picture = Picture::load(path);
        EXPECT_TRUE(picture);
        return picture;
    }

    static bool dark(QRgb c) { return qGray(c) < 64; }

    QTemporaryDir dir;
    std::shared_ptr<Form> form;
};

TEST_F(PictureSourceTest, a_metafile_painted_into_a_picture_box_leaves_its_ink_where_it_was_recorded)
{
    auto pic = form->add<PictureBox>("picPreView");
    pic->SetBorderStyle(0);
    pic->SetAutoRedraw(true);
    pic->SetBackColor(RGB(255, 255, 255));
    pic->Move(0, 0, 3000, 3000); // 200 x 200 pixels
    const auto emf = quarterMetafile();
    ASSERT_TRUE(emf);
    EXPECT_EQ(emf->pictureType(), 4);
    EXPECT_DOUBLE_EQ(emf->widthHimetric(), 2540);

    pic->PaintPicture(*emf, 0, 0, 1500, 1500); // 100 x 100 pixels
    const QImage& image = pic->surfaceImage();
    EXPECT_TRUE(dark(image.pixel(10, 10)));
    EXPECT_TRUE(dark(image.pixel(45, 45)));
    EXPECT_FALSE(dark(image.pixel(75, 75))) << "outside the recorded rectangle";
    EXPECT_FALSE(dark(image.pixel(150, 20))) << "outside the destination";

    // The same by name, as hosts call it, stretched to the whole box.
    Args args{Variant(std::shared_ptr<Dispatch>(emf)), Variant(0.0), Variant(0.0), Variant(3000.0), Variant(3000.0)};
    pic->call("PaintPicture", args);
    EXPECT_TRUE(dark(pic->surfaceImage().pixel(90, 90)));
    EXPECT_FALSE(dark(pic->surfaceImage().pixel(110, 110)));
}

TEST_F(PictureSourceTest, an_image_control_shows_a_metafile_stretched_and_takes_its_size_unstretched)
{
    form->SetBackColor(RGB(255, 255, 255));
    auto image = form->add<Image>("imgMeta");
    const auto emf = quarterMetafile();
    image->put("Picture", Variant(std::shared_ptr<Dispatch>(emf)));
    EXPECT_DOUBLE_EQ(image->Width(), 1440) << "one inch in twips";
    image->SetStretch(true);
    image->Move(0, 0, 3000, 3000);
    const QImage shot = form->widget()->grab().toImage();
    EXPECT_TRUE(dark(shot.pixel(90, 90))) << "the quarter grows with the control";
    EXPECT_FALSE(dark(shot.pixel(110, 110)));
    EXPECT_EQ(image->get("Picture").toObject(), std::shared_ptr<Dispatch>(emf));

    ImageList list;
    list.Add("zoom", emf);
    EXPECT_EQ(list.Find(Variant("zoom")), std::shared_ptr<PictureSource>(emf));
}

} // namespace
} // namespace kelvppvw
