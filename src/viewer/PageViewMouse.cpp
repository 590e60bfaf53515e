#include "viewer/PageViewMouse.h"

#include "platform/automation/ErrorTrap.h"
#include "viewer/ZoomMenu.h"
#include "viewer/frmPrtPreview.h"

namespace kelvppvw {

namespace {

constexpr int16_t ShiftOnly = 1;
constexpr int16_t AutoZoomIndex = 14;

// Keeps the clicked point in place along one bar, when that bar is shown.
void scrollToPoint(ScrollBar& bar, double extent, double position) {
    const int32_t value = ScrollValueAtPoint(bar.Max(), extent, position);
    if (bar.Visible())
        bar.SetValue(value);
}

} // namespace

PageViewMouse::PageViewMouse(frmPrtPreview& viewer) : v(viewer) {}

void PageViewMouse::popupZoomMenu() { v.PopupMenu(*v.mnuZom); }

void PageViewMouse::picPreView_MouseDown(int16_t button, int16_t shift, float x, float y) {
    ResumeNext next;
    const bool autoScaleMenu = v.settings[ViewerSetting::AutoScaleMenu] != 0;
    if (button == vb::RightButton) {
        if (shift != 0 && shift != ShiftOnly) {
            next([&] { popupZoomMenu(); });
        } else if (shift == ShiftOnly) {
            // What this gives depends on the last click: the zoom command
            // leaves fit mode alone while it steps downwards.
            next([&] { v.SetPageViewCursor(PageViewCursor(autoScaleMenu, false)); });
            v.miZoomMode = 0;
            v.miZoomIndex = AutoZoomIndex;
            next([&] { v.tlbr1_ButtonClick("zoom"); });
        } else if (autoScaleMenu) {
            next([&] { popupZoomMenu(); });
        } else {
            v.mbytZoomOut = 1;
            zoomAtPoint(x, y);
        }
    } else if (button == vb::LeftButton) {
        if (shift != 0 || autoScaleMenu) {
            next([&] { popupZoomMenu(); });
        } else {
            v.mbytZoomOut = 0;
            zoomAtPoint(x, y);
        }
    }
}

void PageViewMouse::zoomAtPoint(float x, float y) {
    ResumeNext next;
    PictureBox& pic = *v.picPreView;
    next([&] { v.SetPageViewCursor(PageViewCursor(false, true)); });
    double width = 0, height = 0;
    next([&] { width = roundHalfEven(pic.ScaleWidth()); });
    next([&] { height = roundHalfEven(pic.ScaleHeight()); });
    v.miZoomMode = 1;
    next([&] { v.tlbr1_ButtonClick("zoom"); });
    next([&] { scrollToPoint(*v.hscPV, width, x); });
    next([&] { scrollToPoint(*v.vscPV, height, y); });
}

void PageViewMouse::picPreView_MouseMove(int16_t, int16_t, float x, float y) {
    ResumeNext next;
    bool rulerShown = true;
    next([&] { rulerShown = v.picRuler(0).Visible(); });
    if (!rulerShown) {
        next([&] { v.ClearPointerPanels(); });
        next([&] { v.HideCrossHairs(); });
        return;
    }
    next([&] { v.HideCrossHairs(); });
    PictureBox& pic = *v.picPreView;
    if (v.miZoomMode == 0)
        next([&] {
            if (pic.Height() == 0)
                throw AutomationError(err::DivisionByZero);
            v.mdblZoomDivisor = v.geometry.mdblPageHeightTw / pic.Height();
        });
    const int32_t crossHairs = v.settings[ViewerSetting::RulerCrossHairs];
    if (crossHairs == 0)
        next([&] { v.ClearPointerPanels(); });
    const bool shown = crossHairs != 0;
    next([&] { v.LnDot(0).SetVisible(shown); });
    next([&] { v.LnDot(1).SetVisible(shown); });
    next([&] { v.picRuler(0).put("DisplayRuleMarker", Variant(shown)); });
    next([&] { v.picRuler(1).put("DisplayRuleMarker", Variant(shown)); });
    // Through the pointer, from edge to edge of the page.
    next([&] { v.LnDot(0).SetX1(0); });
    next([&] { v.LnDot(0).SetY1(y); });
    next([&] { v.LnDot(0).SetX2(pic.ScaleWidth()); });
    next([&] { v.LnDot(0).SetY2(y); });
    next([&] { v.LnDot(1).SetX1(x); });
    next([&] { v.LnDot(1).SetY1(0); });
    next([&] { v.LnDot(1).SetX2(x); });
    next([&] { v.LnDot(1).SetY2(pic.ScaleHeight()); });
    // The rulers answer with their position texts for the status bar.
    next([&] { v.picRuler(0).callWith("MoveMarker", x, y); });
    next([&] { v.picRuler(1).callWith("MoveMarker", x, y); });
}

void PageViewMouse::stbr1_MouseDown(int16_t, int16_t, float, float) { v.HideCrossHairs(); }

} // namespace kelvppvw
