#include "platform/automation/ErrorOf.h"
#include "platform/forms/Form.h"
#include "platform/forms/Line.h"
#include "platform/forms/OleColor.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/RasterPicture.h"
#include "platform/forms/Shape.h"
#include "platform/forms/StdFont.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>

using namespace kelvppvw;
using kelvppvw::test::errorOf;

namespace {

constexpr uint32_t kWhite = RGB(255, 255, 255);
constexpr uint32_t kBlack = RGB(0, 0, 0);
constexpr uint32_t kRed = RGB(255, 0, 0);
constexpr uint32_t kBlue = RGB(0, 0, 255);

class PictureBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = NewForm<Form>();
        form->Move(0, 0, 9000, 9000);
        form->Load();
        pic = form->add<PictureBox>("picPreView");
        pic->SetBorderStyle(0);
        pic->SetAutoRedraw(true);
        pic->Move(150, 150, 3000, 3000); // 200 x 200 pixels
        pic->SetBackColor(kWhite);
        pic->SetForeColor(kBlack);
    }
    void TearDown() override { form->Unload(); }

    // Columns that hold a pixel other than white in rows [top, bottom).
    static int firstInkColumn(const QImage& image, int top, int bottom) {
        for (int x = 0; x < image.width(); ++x)
            for (int y = top; y < bottom; ++y)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    return x;
        return -1;
    }
    static bool rowHasInk(const QImage& image, int y) {
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return true;
        return false;
    }

    std::shared_ptr<Form> form;
    std::shared_ptr<PictureBox> pic;
};

} // namespace

TEST_F(PictureBoxTest, print_moves_down_one_line_and_starts_at_current_x) {
    const double line = pic->TextHeight("Xg");
    ASSERT_GT(line, 0);
    pic->SetCurrentX(1500); // 100 pixels in
    pic->SetCurrentY(300);
    pic->Print("Hello");
    EXPECT_DOUBLE_EQ(pic->CurrentY(), 300 + line);
    EXPECT_DOUBLE_EQ(pic->CurrentX(), 0);
    const QImage& image = pic->surfaceImage();
    const int top = 20, bottom = 20 + static_cast<int>(line / 15);
    const int ink = firstInkColumn(image, top, bottom);
    EXPECT_GE(ink, 100);
    EXPECT_LE(ink, 103);
    EXPECT_FALSE(rowHasInk(image, top - 2));

    // An empty Print is an empty line; Print without ending the line moves right.
    pic->Print();
    EXPECT_DOUBLE_EQ(pic->CurrentY(), 300 + 2 * line);
    pic->Print("ab", false);
    EXPECT_DOUBLE_EQ(pic->CurrentY(), 300 + 2 * line);
    EXPECT_NEAR(pic->CurrentX(), pic->TextWidth("ab"), 1e-9);
    EXPECT_GT(pic->CurrentX(), 0);
}

TEST_F(PictureBoxTest, dotted_box_and_filled_box_land_in_the_persistent_image) {
    pic->SetDrawStyle(vb::Dot);
    pic->Line(150, 150, 1500, 1500, kRed, LineBox::Box); // pixels 10..100
    pic->SetDrawStyle(vb::Solid);
    const QImage& image = pic->surfaceImage();
    int red = 0, white = 0;
    for (int x = 10; x <= 100; ++x)
        (image.pixel(x, 10) == qRgb(255, 0, 0) ? red : white) += 1;
    EXPECT_GT(red, 30);   // a dotted line: about every other pixel
    EXPECT_GT(white, 30);
    EXPECT_EQ(image.pixel(50, 50), qRgb(255, 255, 255)); // not filled by default
    EXPECT_EQ(pic->CurrentX(), 1500);

    pic->Line(1800, 1800, 2250, 2250, kBlue, LineBox::BoxFilled);
    EXPECT_EQ(pic->Point(1800, 1800), static_cast<int32_t>(kBlue));
    EXPECT_EQ(pic->Point(2250, 2250), static_cast<int32_t>(kBlue));
    EXPECT_EQ(pic->Point(2280, 2280), static_cast<int32_t>(kWhite));

    pic->SetFillStyle(vb::FillSolid);
    pic->SetFillColor(kRed);
    pic->Line(300, 2400, 900, 2850, kBlack, LineBox::Box);
    EXPECT_EQ(pic->Point(600, 2600), static_cast<int32_t>(kRed));
    EXPECT_EQ(pic->Point(300, 2600), static_cast<int32_t>(kBlack));

    pic->Cls();
    EXPECT_EQ(pic->Point(1800, 1800), static_cast<int32_t>(kWhite));
    EXPECT_EQ(pic->CurrentX(), 0);
}

TEST_F(PictureBoxTest, paint_picture_stretches_into_a_rectangle_in_scale_units) {
    // A page of twips, whatever the box's size on screen.
    pic->Scale(0, 0, 12000, 12000); // 60 twips of page per pixel
    EXPECT_EQ(pic->ScaleMode(), vb::User);
    EXPECT_DOUBLE_EQ(pic->ScaleWidth(), 12000);
    auto red = RasterPicture::filled(4, 4, kRed);
    pic->PaintPicture(*red, 1200, 2400, 6000, 3000); // pixels x 20..120, y 40..90
    const QImage& image = pic->surfaceImage();
    EXPECT_EQ(image.pixel(20, 40), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(119, 89), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(120, 60), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(19, 60), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(60, 90), qRgb(255, 255, 255));

    // Without a size the picture keeps its natural size: 4 pixels = 60 twips.
    pic->Scale();
    pic->PaintPicture(*red, 0, 0);
    EXPECT_EQ(image.pixel(3, 3), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(4, 4), qRgb(255, 255, 255));
}

TEST_F(PictureBoxTest, an_image_too_large_for_memory_raises_480_and_keeps_the_old_size) {
    EXPECT_EQ(errorOf([&] { pic->SetWidth(40000 * 15.0); }), 480); // wider than any painter can address
    EXPECT_DOUBLE_EQ(pic->Width(), 3000);
    PictureBox::SetImageMemoryLimit(1024.0 * 1024);
    EXPECT_THROW(pic->Move(0, 0, 15000, 15000), AutomationError); // 1000 x 1000 x 4 bytes
    PictureBox::SetImageMemoryLimit(512.0 * 1024 * 1024);
    EXPECT_DOUBLE_EQ(pic->Height(), 3000);
    // Without a persistent image the same size is accepted.
    pic->SetAutoRedraw(false);
    EXPECT_NO_THROW(pic->SetWidth(40000 * 15.0));
    EXPECT_THROW(pic->SetAutoRedraw(true), AutomationError);
    EXPECT_FALSE(pic->AutoRedraw());
}

TEST_F(PictureBoxTest, scale_modes_map_units_and_children_keep_twips) {
    EXPECT_DOUBLE_EQ(pic->ScaleWidth(), 3000);
    pic->SetScaleMode(vb::Pixels);
    EXPECT_DOUBLE_EQ(pic->ScaleWidth(), 200);
    pic->SetScaleMode(vb::Twips);
    pic->SetBorderStyle(1); // a two-pixel border on each side
    EXPECT_DOUBLE_EQ(pic->ScaleWidth(), 196 * 15.0);

    auto child = pic->add<PictureBox>("picChild");
    child->Move(300, 150, 600, 600);
    int x, y, w, h;
    child->pixelRect(x, y, w, h);
    EXPECT_EQ(x, 2 + 20);
    EXPECT_EQ(y, 2 + 10);
    EXPECT_EQ(w, 40);
    pic->Scale(0, 0, 196, 196); // one unit per pixel
    EXPECT_NEAR(child->Left(), 20, 1e-9);
    child->SetLeft(30);
    EXPECT_NEAR(child->Left(), 30, 1e-9);
    child->pixelRect(x, y, w, h);
    EXPECT_EQ(x, 2 + 30);
    EXPECT_THROW(pic->Scale(0, 0, 0, 10), AutomationError);
}

TEST_F(PictureBoxTest, mouse_and_resize_events_report_in_scale_units) {
    form->Show();
    pic->Scale(0, 0, 2000, 1000); // 10 x 5 units per pixel
    int downs = 0, resizes = 0;
    int16_t button = 0, shift = -1;
    float fx = 0, fy = 0;
    pic->onMouseDown = [&](int16_t b, int16_t s, float x, float y) {
        ++downs;
        button = b;
        shift = s;
        fx = x;
        fy = y;
    };
    pic->onResize = [&] { ++resizes; };
    QTest::mouseClick(pic->widget(), Qt::RightButton, Qt::ShiftModifier, QPoint(40, 60));
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(button, vb::RightButton);
    EXPECT_EQ(shift, vb::ShiftMask);
    EXPECT_FLOAT_EQ(fx, 400);
    EXPECT_FLOAT_EQ(fy, 300);
    pic->SetLeft(0);
    EXPECT_EQ(resizes, 0);
    pic->SetHeight(1500);
    EXPECT_EQ(resizes, 1);
    EXPECT_DOUBLE_EQ(pic->ScaleHeight(), 1000); // a user scale stretches with the box
}

TEST_F(PictureBoxTest, windowless_controls_paint_above_the_drawing_and_below_child_windows) {
    form->Show();
    pic->Line(0, 0, 3000, 3000, kBlue, LineBox::BoxFilled);
    auto shape = pic->add<Shape>("shpS");
    shape->Move(300, 300, 1500, 1500); // pixels 20..120
    shape->SetBackStyle(1);
    shape->SetBackColor(kRed);
    shape->SetBorderStyle(vb::BorderTransparent);
    auto cover = pic->add<PictureBox>("picCover");
    cover->SetBorderStyle(0);
    cover->SetBackColor(kWhite);
    cover->Move(1500, 1500, 750, 750); // pixels 100..150
    auto line = pic->add<kelvppvw::Line>("LnDot");
    line->SetBorderColor(kBlack);
    line->SetX1(0);
    line->SetY1(2700);
    line->SetX2(3000);
    line->SetY2(2700); // row 180
    pic->Refresh();
    const QImage shot = pic->widget()->grab().toImage();
    EXPECT_EQ(shot.pixel(5, 5), qRgb(0, 0, 255));
    EXPECT_EQ(shot.pixel(50, 50), qRgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(110, 110), qRgb(255, 255, 255)); // the child window covers the shape
    EXPECT_EQ(shot.pixel(60, 180), qRgb(0, 0, 0));
    line->SetVisible(false);
    pic->Refresh();
    EXPECT_EQ(pic->widget()->grab().toImage().pixel(60, 180), qRgb(0, 0, 255));
}

TEST_F(PictureBoxTest, without_a_persistent_image_the_paint_event_redraws_on_each_repaint) {
    form->Show();
    pic->SetAutoRedraw(false);
    int paints = 0;
    pic->onPaint = [&] {
        ++paints;
        pic->Line(0, 0, 750, 750, kRed, LineBox::BoxFilled);
    };
    const QImage shot = pic->widget()->grab().toImage(); // a repaint of the window
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(shot.pixel(20, 20), qRgb(255, 0, 0));
    pic->SetAutoRedraw(true);
    pic->widget()->grab();
    EXPECT_EQ(paints, 1); // the persistent image needs no Paint
}
