// The page view and the rulers driven with the mouse on the widgets found by their names.
#include "ViewerFixture.h"

#include "components/ruler/Ruler.h"
#include "host/PreviewValues.h"
#include "settings/ProfileStore.h"

#include <QTest>

#include <cmath>
#include <tuple>

using namespace kelvppvw;
using namespace kelvppvw::viewer_test;

namespace {

class MouseOnViewer : public ViewerFixture {
protected:
    QWidget* widget(const QString& name) const { return v->widget()->findChild<QWidget*>(name); }
    QWidget* page() const { return widget("picPreView"); }
    Ruler* ruler(int i) const { return dynamic_cast<Ruler*>(widget(QString("picRuler(%1)").arg(i))); }
    QPoint at(double fx, double fy) const { return QPoint(page()->width() * fx, page()->height() * fy); }
    void click(Qt::MouseButton button, Qt::KeyboardModifiers keys = {}, double fx = 0.5, double fy = 0.5) {
        QTest::mouseClick(page(), button, keys, at(fx, fy));
    }
    QImage pointer() const { return page()->cursor().pixmap().toImage(); }

    // Pixels of the default marker blue along a row or a column (the lines lie on the pointer's pixel).
    static int blueAlong(const QImage& image, int place, bool row) {
        int n = 0;
        for (int i = 0; i < (row ? image.width() : image.height()); ++i)
            n += (row ? image.pixel(i, place) : image.pixel(place, i)) == 0xFF0000FF;
        return n;
    }
};

} // namespace

TEST_F(MouseOnViewer, a_move_draws_the_cross_hairs_through_the_pointer_moves_both_markers_and_fills_x_and_y) {
    chooseZoom("z100");
    const qint64 pagePicture = v->picPreView->surfaceImage().cacheKey();
    const QImage before = page()->grab().toImage();
    QWidget* back = widget("picBack");
    const QPoint p = page()->mapFrom(back, QPoint(back->width() * 45 / 100, back->height() * 40 / 100));
    QTest::mouseMove(page(), p);
    const QImage after = page()->grab().toImage();
    EXPECT_GT(blueAlong(after, p.y(), true) - blueAlong(before, p.y(), true), after.width() / 4);
    EXPECT_GT(blueAlong(after, p.x(), false) - blueAlong(before, p.x(), false), after.height() / 4);
    EXPECT_LE(blueAlong(after, p.y() + 20, true) - blueAlong(before, p.y() + 20, true), 2);
    // Each ruler is as long as the page view: its marker is in line with the pointer.
    EXPECT_NEAR(ruler(0)->markerPixel().value_or(-9), p.x(), 3);
    EXPECT_NEAR(ruler(1)->markerPixel().value_or(-9), p.y(), 3);
    EXPECT_EQ(panel(3).substr(0, 2) + panel(4).substr(0, 2), "X Y ");
    EXPECT_EQ(v->picPreView->surfaceImage().cacheKey(), pagePicture) << "the page was drawn again";
    screenshot("viewer-cross-hairs-100.png");

    // Over a ruler only its own marker follows; pressing on the status bar hides it.
    QTest::mouseMove(ruler(1), QPoint(5, 40));
    EXPECT_FALSE(v->LnDot(0).Visible() || ruler(0)->markerPixel());
    EXPECT_NEAR(ruler(1)->markerPixel().value_or(-1), 40, 1);
    QTest::mouseClick(widget("stbr1"), Qt::LeftButton);
    EXPECT_FALSE(ruler(1)->markerPixel());
}

TEST_F(MouseOnViewer, without_cross_hairs_or_rulers_a_move_shows_no_lines_and_blanks_x_and_y) {
    for (const bool rulers : {true, false}) {
        v->settings[ViewerSetting::RulerCrossHairs] = rulers ? 0 : 1;
        v->settings[ViewerSetting::RulersDisplayed] = rulers;
        v->Form_Resize();
        v->stbr1->Panels(3).SetText("X 1.00 in");
        v->stbr1->Panels(4).SetText("Y 1.00 in");
        QTest::mouseMove(page(), at(0.5, rulers ? 0.4 : 0.5)); // elsewhere each time: only a change is told
        EXPECT_FALSE(v->LnDot(0).Visible() || v->LnDot(1).Visible() || ruler(0)->markerPixel());
        EXPECT_EQ(panel(3) + panel(4), "") << rulers;
    }
}

TEST_F(MouseOnViewer, clicks_zoom_one_step_at_the_point_wrap_at_both_ends_and_shift_right_resets) {
    const QImage fitPointer = pointer();
    click(Qt::LeftButton);
    EXPECT_EQ(zoomCaption(), "100%");
    for (ScrollBar* bar : {v->hscPV.get(), v->vscPV.get()})
        EXPECT_TRUE(bar->Visible() && std::abs(bar->Value() - bar->Max() / 2.0) <= 1) << bar->Value();
    EXPECT_NE(pointer(), fitPointer);
    EXPECT_EQ(page()->cursor().hotSpot(), QPoint(11, 10)); // the lens centre

    chooseZoom("z200");
    click(Qt::LeftButton, {}, 0.1, 0.1); // in view
    EXPECT_EQ(zoomCaption(), "10%");
    click(Qt::RightButton);
    EXPECT_EQ(zoomCaption(), "200%");
    // After zooming out Shift+right gives fit; after zooming in, 100 %.
    click(Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(zoomCaption(), "zoom");
    EXPECT_EQ(pointer(), fitPointer);
    click(Qt::LeftButton);
    click(Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(zoomCaption(), "100%");

    // Ctrl and Alt clicks, and any plain click with the menu option, open the zoom menu instead.
    for (const auto& [button, keys] : {std::pair{Qt::LeftButton, Qt::ControlModifier},
                                       {Qt::RightButton, Qt::AltModifier}, {Qt::LeftButton, Qt::NoModifier}}) {
        v->settings[ViewerSetting::AutoScaleMenu] = keys == Qt::NoModifier;
        ModalScript::clear();
        ModalScript::push([](ModalMoment&) { return -1; }); // dismissed
        click(button, keys);
        EXPECT_EQ(ModalScript::history().at(0).title, "Zoom");
        EXPECT_EQ(zoomCaption(), "100%");
    }
}

TEST_F(MouseOnViewer, a_right_click_on_either_ruler_opens_the_scale_menu_and_centimetres_are_kept) {
    const QImage inches[] = {ruler(0)->grab().toImage(), ruler(1)->grab().toImage()};
    ModalScript::push([](ModalMoment&) { return -1; });
    QTest::mouseClick(ruler(0), Qt::RightButton);
    QTest::mouseClick(ruler(0), Qt::LeftButton);
    ModalScript::push([](ModalMoment&) { return 6; }); // the seventh unit
    QTest::mouseClick(ruler(1), Qt::RightButton);
    ASSERT_EQ(ModalScript::history().size(), 2u);
    for (const ModalMoment& menu : ModalScript::history())
        EXPECT_EQ(menu.text, "Twips\nPoints\nPixels\nCharacter\nInch\nMillimeters\nCentimeters\nDecimeters\nPicas\nPitch");
    EXPECT_TRUE(v->mnuScale->Item("mnuIM", 7).Checked());
    for (int i : {0, 1}) {
        EXPECT_EQ(ReadProfileKey(gsAppName, "RulerScale_" + std::to_string(i), "", gsAppPath + "/preview.ini"), "7");
        EXPECT_NE(ruler(i)->grab().toImage(), inches[i]);
    }
}

TEST(ScrollValueAtPoint, keeps_the_clicked_point_at_its_relative_place_on_the_new_bar) {
    const std::tuple<int16_t, double, double, int32_t> cases[] = {
        {1000, 12240, 6120, 500}, {1000, 12240, 0, 0}, {1000, 12240, 13000, 1000}, {3, 2, 1, 2}, {5, 2, 1, 2}};
    for (const auto& [max, extent, position, value] : cases)
        EXPECT_EQ(ScrollValueAtPoint(max, extent, position), value) << max << " " << position;
    EXPECT_THROW(ScrollValueAtPoint(100, 0, 0), AutomationError);
}
