// A picture box that retains its drawing shows what one with an image shows,
// and plays its drawing only for what comes into view.
#include "platform/automation/DispatchObject.h"
#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/OleColor.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/PictureSource.h"
#include "platform/forms/RasterPicture.h"
#include "platform/forms/RetainedDrawing.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

using namespace kelvppvw;

namespace {

constexpr uint32_t kWhite = RGB(255, 255, 255);
constexpr uint32_t kRed = RGB(255, 0, 0);
constexpr uint32_t kGreen = RGB(0, 160, 0);
constexpr uint32_t kBlue = RGB(0, 0, 255);

// Fills its target green and notes, each time it is played, the device
// pixels the painter could reach.
class SpyPicture : public DispatchObject, public PictureSource {
public:
    void paint(QPainter& p, const QRectF& target) const override {
        QRectF reach(0, 0, p.device()->width(), p.device()->height());
        if (p.hasClipping())
            reach &= p.deviceTransform().mapRect(p.clipBoundingRect());
        played.push_back(reach);
        p.fillRect(target, QColor(0, 160, 0));
    }
    double widthHimetric() const override { return 2540; }
    double heightHimetric() const override { return 2540; }
    int16_t pictureType() const override { return 1; }
    mutable std::vector<QRectF> played;
};

class RetainedBox : public ::testing::Test {
protected:
    void SetUp() override {
        form = NewForm<Form>();
        form->Move(0, 0, 9000, 9000);
        form->Load();
    }
    void TearDown() override { form->Unload(); }

    std::shared_ptr<PictureBox> box(const char* name, bool retained) {
        auto pic = form->add<PictureBox>(name);
        pic->SetBorderStyle(0);
        pic->SetAutoRedraw(true);
        pic->SetDrawingRetained(retained);
        pic->Move(150, 150, 3000, 3000); // 200 x 200 pixels
        pic->SetBackColor(kWhite);
        return pic;
    }

    std::shared_ptr<Form> form;
};

void drawScene(PictureBox& pic, const PictureSource& unshared) {
    pic.Scale(0, 0, 200, 200); // one unit per pixel
    pic.SetDrawStyle(vb::Dot);
    pic.Line(10, 10, 150, 120, kRed, LineBox::Box);
    pic.SetDrawStyle(vb::Solid);
    pic.SetDrawWidth(3);
    pic.Line(20, 190, 190, 140, kBlue);
    pic.SetDrawWidth(1);
    pic.SetFillStyle(vb::FillSolid);
    pic.SetFillColor(kGreen);
    pic.Line(30, 30, 60, 70, kBlue, LineBox::Box);
    pic.Line(100, 130, 110, 135, kRed, LineBox::BoxFilled);
    pic.PSet(5, 195, kBlue);
    pic.PaintPicture(*RasterPicture::filled(4, 4, kBlue), 160, 20, 30, 90);
    // A picture nobody shares cannot be kept for later: it goes onto the image.
    pic.PaintPicture(unshared, 120, 150, 40, 20);
}

} // namespace

TEST_F(RetainedBox, shows_pixel_for_pixel_what_a_box_with_an_image_shows) {
    RasterPicture unshared(QImage(2, 2, QImage::Format_RGB32)); // black
    const auto image = box("imageBox", false), kept = box("keptBox", true);
    drawScene(*image, unshared);
    drawScene(*kept, unshared);
    const QImage expected = image->widget()->grab().toImage();
    EXPECT_EQ(kept->widget()->grab().toImage(), expected);
    for (const auto& [x, y] : {std::pair{10, 40}, {60, 70}, {45, 50}, {105, 132}, {5, 195}, {170, 60}, {130, 160}})
        EXPECT_EQ(kept->Point(x, y), image->Point(x, y)) << x << "," << y;

    // Asking for the pixels makes them from the drawing; what is drawn next goes on top.
    const QImage& pixels = kept->surfaceImage();
    EXPECT_EQ(pixels.pixelColor(170, 60), QColor(0, 0, 255));
    kept->Line(0, 0, 199, 199, kRed, LineBox::BoxFilled);
    EXPECT_EQ(kept->Point(170, 60), static_cast<int32_t>(kRed));
    kept->Cls();
    EXPECT_EQ(kept->Point(170, 60), static_cast<int32_t>(kWhite));
    EXPECT_EQ(kept->widget()->grab().toImage().pixelColor(170, 60), QColor(Qt::white));
}

TEST_F(RetainedBox, scrolling_plays_only_what_comes_into_view_and_a_repaint_plays_nothing) {
    auto back = form->add<PictureBox>("back");
    back->SetBorderStyle(0);
    back->Move(0, 0, 200 * 15, 150 * 15);
    auto page = back->add<PictureBox>("page");
    page->SetBorderStyle(0);
    page->SetAutoRedraw(true);
    page->SetDrawingRetained(true);
    page->Move(0, 0, 2000 * 15, 2000 * 15);
    auto spy = std::make_shared<SpyPicture>();
    page->PaintPicture(*spy, 0, 0, 2000 * 15, 2000 * 15);
    form->Show();
    DoEvents();
    QWidget* view = page->widget();
    ASSERT_EQ(spy->played.size(), 1u);
    EXPECT_LE(spy->played[0].width() * spy->played[0].height(), 200 * 150) << "more than the window was played";
    EXPECT_EQ(view->grab(QRect(10, 10, 1, 1)).toImage().pixelColor(0, 0), QColor(0, 160, 0));

    view->repaint(QRect(40, 40, 10, 10)); // a pointer's line over the page
    EXPECT_EQ(spy->played.size(), 1u);

    page->SetLeft(-50 * 15); // scrolled 50 pixels sideways
    view->repaint();
    ASSERT_EQ(spy->played.size(), 2u);
    EXPECT_LE(spy->played[1].width(), 50) << "what was in view already was played again";
}

TEST(RetainedDrawingCache, is_made_at_the_painters_device_pixel_ratio) {
    RetainedDrawing drawing([](QPainter& p) { p.fillRect(QRect(0, 0, 10, 10), Qt::white); });
    // Half a logical pixel: only a device of twice the resolution shows it apart.
    drawing.append([](QPainter& p) { p.fillRect(QRectF(1.5, 0, 0.5, 10), Qt::black); });
    QImage screen(20, 20, QImage::Format_RGB32);
    screen.setDevicePixelRatio(2);
    QPainter painter(&screen);
    drawing.paint(painter, QRegion(0, 0, 10, 10), QRect(0, 0, 10, 10));
    painter.end();
    EXPECT_EQ(screen.pixelColor(2, 5), QColor(Qt::white));
    EXPECT_EQ(screen.pixelColor(3, 5), QColor(Qt::black));
    EXPECT_EQ(screen.pixelColor(4, 5), QColor(Qt::white));
}
