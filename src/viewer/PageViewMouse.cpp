#include "viewer/PageViewMouse.h"

#include "platform/automation/ErrorTrap.h"
#include "viewer/frmPrtPreview.h"

namespace kelvppvw {

PageViewMouse::PageViewMouse(frmPrtPreview& viewer) : v(viewer) {}

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
