#include "platform/forms/Form.h"
#include "platform/forms/OleColor.h"
#include "platform/forms/PictureBox.h"

#include <gtest/gtest.h>

#include <QImage>

using namespace kelvppvw;

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

    // The first column that holds a pixel other than white in rows [top, bottom).
    static int firstInkColumn(const QImage& image, int top, int bottom) {
        for (int x = 0; x < image.width(); ++x)
            for (int y = top; y < bottom; ++y)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    return x;
        return -1;
    }

    std::shared_ptr<Form> form;
    std::shared_ptr<PictureBox> pic;
};

} // namespace

TEST_F(PictureBoxTest, print_moves_down_one_line_and_print_without_ending_the_line_moves_right) {
    const double line = pic->TextHeight("Xg");
    ASSERT_GT(line, 0);
    pic->SetCurrentX(1500);
    pic->SetCurrentY(300);
    pic->Print("Hello");
    EXPECT_DOUBLE_EQ(pic->CurrentY(), 300 + line);
    EXPECT_DOUBLE_EQ(pic->CurrentX(), 0);
    EXPECT_NEAR(firstInkColumn(pic->surfaceImage(), 20, 20 + static_cast<int>(line / 15)), 101.5, 1.5)
        << "the text starts at CurrentX, 100 pixels in";
    pic->Print("ab", false);
    EXPECT_DOUBLE_EQ(pic->CurrentY(), 300 + line);
    EXPECT_NEAR(pic->CurrentX(), pic->TextWidth("ab"), 1e-9);
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
