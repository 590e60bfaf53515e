// The page view and the rulers driven with the mouse, as a user drives them:
// synthesized events on the widgets found by their control names.
#include "ViewerFixture.h"

#include "components/ruler/Ruler.h"
#include "host/PreviewValues.h"
#include "settings/ProfileStore.h"

#include <QTest>

#include <cmath>

using namespace kelvppvw;
using namespace kelvppvw::viewer_test;

namespace {

constexpr QRgb MarkerBlue = 0xFF0000FF; // the rulers' default marker colour

class MouseOnViewer : public ViewerFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        savedPath_ = gsAppPath;
        savedName_ = gsAppName;
        gsAppPath = home_.path().toStdString();
        gsAppName = "MouseTest";
        ViewerFixture::SetUp();
    }
    void TearDown() override {
        ViewerFixture::TearDown(); // closing writes preview.ini in the temporary home
        gsAppPath = savedPath_;
        gsAppName = savedName_;
    }

    QWidget* widget(const char* name) const {
        auto* w = v->widget()->findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    QWidget* page() const { return widget("picPreView"); }
    Ruler* ruler(int index) const {
        return dynamic_cast<Ruler*>(widget(index == 0 ? "picRuler(0)" : "picRuler(1)"));
    }
    // A point of the page view at fractions of its size.
    QPoint at(double fx, double fy) const {
        return {static_cast<int>(page()->width() * fx), static_cast<int>(page()->height() * fy)};
    }
    void moveOverPage(QPoint p) { QTest::mouseMove(page(), p); }
    QImage cursorImage() const { return page()->cursor().pixmap().toImage(); }

    // Marker-coloured pixels along a row or a column of the page view, at most
    // one pixel off the given place (the line lies at the nearest pixel).
    static int blueAlong(const QImage& image, int place, bool row) {
        int best = 0;
        for (int at = place - 1; at <= place + 1; ++at) {
            int n = 0;
            const int length = row ? image.width() : image.height();
            for (int i = 0; i < length; ++i)
                n += (row ? image.pixel(i, at) : image.pixel(at, i)) == MarkerBlue;
            best = std::max(best, n);
        }
        return best;
    }

    QTemporaryDir home_;
    std::string savedPath_, savedName_;
};

} // namespace

TEST_F(MouseOnViewer, a_move_over_the_page_draws_the_cross_hairs_moves_both_markers_and_fills_x_and_y) {
    const qint64 pagePicture = v->picPreView->surfaceImage().cacheKey();
    const QImage before = page()->grab().toImage();
    const QPoint p = at(0.4, 0.3);
    moveOverPage(p);

    ASSERT_TRUE(v->LnDot(0).Visible());
    ASSERT_TRUE(v->LnDot(1).Visible());
    EXPECT_DOUBLE_EQ(v->LnDot(0).Y1(), v->LnDot(0).Y2());
    EXPECT_DOUBLE_EQ(v->LnDot(1).X1(), v->LnDot(1).X2());
    EXPECT_DOUBLE_EQ(v->LnDot(0).X2(), v->picPreView->ScaleWidth());
    EXPECT_DOUBLE_EQ(v->LnDot(1).Y2(), v->picPreView->ScaleHeight());
    // In page twips: the pointer's place on the sheet.
    EXPECT_NEAR(v->LnDot(1).X1() / v->geometry.mdblPageWidthTw, 0.4, 0.01);
    EXPECT_NEAR(v->LnDot(0).Y1() / v->geometry.mdblPageHeightTw, 0.3, 0.01);

    // The dotted lines cross the whole page through the pointer, nowhere else.
    const QImage after = page()->grab().toImage();
    EXPECT_GT(blueAlong(after, p.y(), true) - blueAlong(before, p.y(), true), after.width() / 4);
    EXPECT_GT(blueAlong(after, p.x(), false) - blueAlong(before, p.x(), false), after.height() / 4);
    EXPECT_LE(blueAlong(after, p.y() + 20, true) - blueAlong(before, p.y() + 20, true), 2); // the vertical one

    // Each ruler is as long as the page view: its marker is in line with the pointer.
    ASSERT_TRUE(ruler(0)->markerPixel());
    ASSERT_TRUE(ruler(1)->markerPixel());
    EXPECT_NEAR(*ruler(0)->markerPixel(), p.x(), 3);
    EXPECT_NEAR(*ruler(1)->markerPixel(), p.y(), 3);
    EXPECT_EQ(panel(3).rfind("X ", 0), 0u) << panel(3);
    EXPECT_EQ(panel(4).rfind("Y ", 0), 0u) << panel(4);
    EXPECT_GT(panel(3).size(), 2u);

    // Nothing was drawn into the page picture for it.
    EXPECT_EQ(v->picPreView->surfaceImage().cacheKey(), pagePicture);
}

TEST_F(MouseOnViewer, without_cross_hairs_or_rulers_a_move_shows_nothing_and_blanks_x_and_y) {
    struct Case {
        const char* what;
        int32_t crossHairs;
        bool rulers;
    };
    for (const Case c : {Case{"cross hairs off", 0, true}, Case{"rulers hidden", 1, false}}) {
        SCOPED_TRACE(c.what);
        v->settings[ViewerSetting::RulerCrossHairs] = c.crossHairs;
        v->settings[ViewerSetting::RulersDisplayed] = c.rulers ? 1 : 0;
        v->settings[ViewerSetting::RulerDimension] = c.rulers ? 300 : 0;
        v->Form_Resize();
        v->stbr1->Panels(3).SetText("X 1.00 in");
        v->stbr1->Panels(4).SetText("Y 1.00 in");
        const QImage before = page()->grab().toImage();
        const QPoint p = at(0.5, 0.5);
        moveOverPage(p);
        EXPECT_FALSE(v->LnDot(0).Visible());
        EXPECT_FALSE(v->LnDot(1).Visible());
        EXPECT_EQ(panel(3), "");
        EXPECT_EQ(panel(4), "");
        EXPECT_FALSE(ruler(0)->markerPixel());
        EXPECT_FALSE(ruler(1)->markerPixel());
        EXPECT_EQ(blueAlong(page()->grab().toImage(), p.y(), true), blueAlong(before, p.y(), true));
        moveOverPage(at(0.1, 0.1)); // leave the pointer elsewhere for the next case
    }
}

TEST_F(MouseOnViewer, leaving_the_page_or_pressing_on_the_status_bar_takes_the_cross_hairs_away) {
    moveOverPage(at(0.5, 0.5));
    ASSERT_TRUE(v->LnDot(0).Visible());
    QTest::mouseClick(widget("stbr1"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(v->LnDot(0).Visible());
    EXPECT_FALSE(v->LnDot(1).Visible());
    EXPECT_FALSE(ruler(0)->markerPixel());
    EXPECT_NE(panel(3), ""); // the status bar keeps the last position

    moveOverPage(at(0.5, 0.5));
    QTest::mouseMove(widget("picBack"), QPoint(3, widget("picBack")->height() - 3));
    EXPECT_FALSE(v->LnDot(0).Visible());
    EXPECT_FALSE(ruler(1)->markerPixel());
    EXPECT_EQ(panel(3), "");
    EXPECT_EQ(panel(4), "");
}

TEST_F(MouseOnViewer, over_a_ruler_only_that_rulers_marker_follows_and_fills_its_panel) {
    moveOverPage(at(0.5, 0.5));
    for (int index : {0, 1}) {
        SCOPED_TRACE(index);
        v->stbr1->Panels(3).SetText({});
        v->stbr1->Panels(4).SetText({});
        Ruler* over = ruler(index);
        const QPoint p = index == 0 ? QPoint(over->width() / 3, over->height() / 2)
                                    : QPoint(over->width() / 2, over->height() / 3);
        QTest::mouseMove(over, p);
        EXPECT_FALSE(v->LnDot(0).Visible());
        EXPECT_FALSE(v->LnDot(1).Visible());
        ASSERT_TRUE(over->markerPixel());
        EXPECT_NEAR(*over->markerPixel(), index == 0 ? p.x() : p.y(), 1);
        EXPECT_FALSE(ruler(1 - index)->markerPixel());
        EXPECT_EQ(panel(index == 0 ? 3 : 4).rfind(index == 0 ? "X " : "Y ", 0), 0u);
        EXPECT_EQ(panel(index == 0 ? 4 : 3), "");
    }
    // Switched off, the marker stays away and the panel is blanked.
    v->settings[ViewerSetting::RulerCrossHairs] = 0;
    v->stbr1->Panels(3).SetText("X 1.00 in");
    QTest::mouseMove(ruler(0), QPoint(20, 5));
    EXPECT_FALSE(ruler(0)->markerPixel());
    EXPECT_EQ(panel(3), "");
}

TEST_F(MouseOnViewer, the_markers_line_style_and_width_carry_over_to_the_cross_hairs) {
    // Whichever ruler tells, both lines follow.
    v->picRuler(1).put("DisplayMarkerType", Variant(int32_t{2}));
    v->picRuler(1).put("DisplayMarkerWidth", Variant(int32_t{3}));
    for (int16_t i : {0, 1}) {
        EXPECT_EQ(v->LnDot(i).BorderStyle(), 2);
        EXPECT_EQ(v->LnDot(i).BorderWidth(), 3);
    }
}

TEST_F(MouseOnViewer, a_right_click_on_either_ruler_opens_the_scale_menu_and_centimetres_are_kept) {
    const std::string units = "Twips\nPoints\nPixels\nCharacter\nInch\nMillimeters\nCentimeters\nDecimeters\nPicas\nPitch";
    for (int index : {0, 1}) {
        ModalScript::clear();
        ModalScript::push([](ModalMoment&) { return -1; }); // dismissed
        QTest::mouseClick(ruler(index), Qt::RightButton, {}, QPoint(10, 10));
        ASSERT_EQ(ModalScript::history().size(), 1u) << index;
        EXPECT_EQ(ModalScript::history()[0].kind, ModalKind::PopupMenu);
        EXPECT_EQ(ModalScript::history()[0].title, "Scale");
        EXPECT_EQ(ModalScript::history()[0].text, units);
    }
    ModalScript::clear();
    QTest::mouseClick(ruler(0), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(ModalScript::history().empty());

    const QImage inches0 = ruler(0)->grab().toImage(), inches1 = ruler(1)->grab().toImage();
    ModalScript::push([](ModalMoment&) { return 6; }); // "Centimeters"
    QTest::mouseClick(ruler(1), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(v->settings[ViewerSetting::RulerScale], 7);
    EXPECT_TRUE(v->mnuScale->Item("mnuIM", 7).Checked());
    EXPECT_FALSE(v->mnuScale->Item("mnuIM", 5).Checked());
    const std::string ini = gsAppPath + "/preview.ini";
    EXPECT_EQ(ReadProfileKey(gsAppName, "RulerScale_0", "", ini), "7");
    EXPECT_EQ(ReadProfileKey(gsAppName, "RulerScale_1", "", ini), "7");
    EXPECT_EQ(ruler(0)->rulerScale(), 7);
    EXPECT_EQ(ruler(1)->rulerScale(), 7);
    EXPECT_NE(ruler(0)->grab().toImage(), inches0);
    EXPECT_NE(ruler(1)->grab().toImage(), inches1);
}

TEST_F(MouseOnViewer, screenshot_of_the_cross_hairs_and_markers_at_one_hundred_percent) {
    chooseZoom("z100");
    QWidget* back = widget("picBack");
    const QPoint p = page()->mapFrom(back, QPoint(back->width() * 45 / 100, back->height() * 40 / 100));
    moveOverPage(p);
    ASSERT_TRUE(v->LnDot(0).Visible());
    ASSERT_TRUE(ruler(0)->markerPixel());
    EXPECT_EQ(panel(3).rfind("X ", 0), 0u);
    const QImage shot = screenshot("viewer-cross-hairs-100.png");
    // The lines show where the pointer is on screen.
    const QPoint inWindow = page()->mapTo(v->widget(), p);
    EXPECT_GT(blueAlong(shot, inWindow.y(), true), back->width() / 8);
}

TEST_F(MouseOnViewer, a_click_zooms_one_step_and_keeps_the_clicked_point_in_the_middle_of_the_bars) {
    const QImage fitPointer = cursorImage();
    QTest::mouseClick(page(), Qt::LeftButton, {}, at(0.5, 0.5));
    EXPECT_EQ(v->miZoomMode, 1);
    EXPECT_EQ(v->miZoomIndex, 10);
    EXPECT_EQ(zoomCaption(), "100%");
    for (ScrollBar* bar : {v->hscPV.get(), v->vscPV.get()}) {
        ASSERT_TRUE(bar->Visible());
        EXPECT_NEAR(bar->Value(), bar->Max() / 2.0, 1.0);
    }
    // The magnifier with both signs, pointing with the lens centre.
    EXPECT_EQ(page()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(page()->cursor().hotSpot(), QPoint(11, 10));
    EXPECT_NE(cursorImage(), fitPointer);
    // Out again, then Shift with the right button: fit, with the plain one.
    QTest::mouseClick(page(), Qt::RightButton, {}, at(0.5, 0.5));
    QTest::mouseClick(page(), Qt::RightButton, Qt::ShiftModifier, at(0.5, 0.5));
    EXPECT_EQ(cursorImage(), fitPointer);
}

TEST_F(MouseOnViewer, clicks_wrap_at_both_ends_of_the_zoom_steps) {
    chooseZoom("z200");
    QTest::mouseClick(page(), Qt::LeftButton, {}, at(0.3, 0.3));
    EXPECT_EQ(v->miZoomIndex, 1);
    EXPECT_EQ(zoomCaption(), "10%");
    QTest::mouseClick(page(), Qt::RightButton, {}, at(0.5, 0.5));
    EXPECT_EQ(v->miZoomIndex, 13);
    EXPECT_EQ(zoomCaption(), "200%");
    // The toolbar's button now steps the same way as the last click.
    v->tlbr1_ButtonClick("zoom");
    EXPECT_EQ(v->miZoomIndex, 12);
}

TEST_F(MouseOnViewer, shift_right_click_gives_fit_after_zooming_out_and_one_hundred_percent_after_zooming_in) {
    struct Case {
        Qt::MouseButton before;
        int16_t mode;
        const char* caption;
    };
    for (const Case c : {Case{Qt::RightButton, 0, "zoom"}, Case{Qt::LeftButton, 1, "100%"}}) {
        chooseZoom("z050");
        QTest::mouseClick(page(), c.before, {}, at(0.5, 0.5));
        QTest::mouseClick(page(), Qt::RightButton, Qt::ShiftModifier, at(0.5, 0.5));
        EXPECT_EQ(v->miZoomMode, c.mode) << c.caption;
        EXPECT_EQ(zoomCaption(), c.caption);
        EXPECT_EQ(v->mdblZoomDivisor, 1.0);
    }
}

TEST_F(MouseOnViewer, modifier_clicks_and_the_menu_option_open_the_zoom_menu_instead_of_zooming) {
    struct Case {
        bool autoScaleMenu;
        Qt::MouseButton button;
        Qt::KeyboardModifiers modifiers;
    };
    const Case cases[] = {{false, Qt::LeftButton, Qt::ControlModifier}, {false, Qt::LeftButton, Qt::ShiftModifier},
                          {false, Qt::RightButton, Qt::AltModifier},    {true, Qt::LeftButton, {}},
                          {true, Qt::RightButton, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.autoScaleMenu << " " << c.button << " " << c.modifiers);
        v->settings[ViewerSetting::AutoScaleMenu] = c.autoScaleMenu;
        ModalScript::clear();
        ModalScript::push([](ModalMoment&) { return -1; });
        QTest::mouseClick(page(), c.button, c.modifiers, at(0.5, 0.5));
        ASSERT_EQ(ModalScript::history().size(), 1u);
        EXPECT_EQ(ModalScript::history()[0].title, "Zoom");
        EXPECT_EQ(v->miZoomMode, 0);
        EXPECT_EQ(v->miZoomIndex, 9);
    }
    // Shift with the right button still resets, and shows the lettered magnifier.
    const QImage plainPointer = cursorImage();
    v->mbytZoomOut = 1;
    QTest::mouseClick(page(), Qt::RightButton, Qt::ShiftModifier, at(0.5, 0.5));
    EXPECT_EQ(v->miZoomIndex, 14);
    EXPECT_EQ(v->miZoomMode, 0);
    EXPECT_NE(cursorImage(), plainPointer);
    EXPECT_EQ(page()->cursor().hotSpot(), QPoint(11, 10));
}

TEST(ScrollValueAtPoint, keeps_the_clicked_point_at_its_relative_place_on_the_new_bar) {
    struct Case {
        int16_t max;
        double extent, position;
        int32_t value;
    };
    for (const Case c : {Case{1000, 12240, 6120, 500}, Case{1000, 12240, 0, 0}, Case{1000, 12240, 12240, 1000},
                         Case{1000, 12240, 13000, 1000}, Case{3, 2, 1, 2}, Case{5, 2, 1, 2}, Case{0, 100, 50, 0}})
        EXPECT_EQ(ScrollValueAtPoint(c.max, c.extent, c.position), c.value)
            << c.max << " " << c.extent << " " << c.position;
    try {
        ScrollValueAtPoint(100, 0, 0);
        ADD_FAILURE() << "an empty page view has no relative place";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), 11);
    }
}
