// A picture box much larger than its window, keeping its drawing as
// operations, plays them only for what comes into view.
#include "platform/automation/DispatchObject.h"
#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/PictureSource.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QWidget>

using namespace kelvppvw;

namespace {

// Notes, each time it is played, the device pixels the painter could reach.
struct SpyPicture : DispatchObject, PictureSource {
    void paint(QPainter& p, const QRectF& target) const override {
        const QRectF device(0, 0, p.device()->width(), p.device()->height());
        played.push_back(p.hasClipping() ? device & p.deviceTransform().mapRect(p.clipBoundingRect()) : device);
        p.fillRect(target, Qt::green);
    }
    double widthHimetric() const override { return 2540; }
    double heightHimetric() const override { return 2540; }
    int16_t pictureType() const override { return 1; }
    mutable std::vector<QRectF> played;
};

} // namespace

TEST(RetainedDrawing, scrolling_plays_only_what_comes_into_view_and_a_repaint_plays_nothing) {
    auto form = NewForm<Form>();
    form->Move(0, 0, 9000, 9000);
    auto back = form->add<PictureBox>("back");
    back->Move(0, 0, 200 * 15, 150 * 15);
    auto page = back->add<PictureBox>("page");
    page->SetBorderStyle(0);
    page->SetDrawingRetained(true);
    page->Move(0, 0, 2000 * 15, 2000 * 15);
    auto spy = std::make_shared<SpyPicture>();
    page->PaintPicture(*spy, 0, 0, 2000 * 15, 2000 * 15);
    form->Show();
    DoEvents();
    ASSERT_EQ(spy->played.size(), 1u);
    EXPECT_LE(spy->played[0].width() * spy->played[0].height(), 200 * 150) << "more than the window was played";
    page->widget()->repaint(QRect(40, 40, 10, 10)); // a pointer's line over the page
    EXPECT_EQ(spy->played.size(), 1u);
    page->SetLeft(-50 * 15); // scrolled 50 pixels sideways
    page->widget()->repaint();
    ASSERT_EQ(spy->played.size(), 2u);
    EXPECT_LE(spy->played[1].width(), 50) << "what was in view already was played again";
    EXPECT_EQ(page->widget()->grab(QRect(190, 10, 1, 1)).toImage().pixelColor(0, 0), QColor(Qt::green));
    form->Unload();
}
