#include "viewer/ViewerLayout.h"

#include "platform/automation/ErrorTrap.h"
#include "platform/forms/Panel.h"
#include "platform/forms/ToolbarButton.h"
#include "viewer/frmPrtPreview.h"

namespace kelvppvw {

namespace {
// The gap between a ruler and the page.
constexpr double RulerGap = 30;
} // namespace

ViewerLayout::ViewerLayout(frmPrtPreview& viewer) : v(viewer) {}

void ViewerLayout::Form_Resize() {
    ResumeNext next;
    next([&] { v.picRuler(0).put("HoldRedraw", Variant(true)); });
    next([&] { v.picRuler(1).put("HoldRedraw", Variant(true)); });
    next([&] { v.shpS->SetVisible(false); });
    next([&] { v.picPreView->SetVisible(false); });
    next([&] { v.lstPage->SetVisible(false); });

    if (v.mbPageListShown) {
        next([&] { v.picList->SetVisible(true); });
        next([&] { v.lstPage->SetEnabled(true); });
        next([&] { v.picBack->SetWidth(v.ScaleWidth() - v.picList->Width() - 30); });
        next([&] { v.picBack->SetLeft(v.lstPage->Width() + 60); });
    } else {
        next([&] { v.picList->SetVisible(false); });
        next([&] { v.lstPage->SetEnabled(false); });
        next([&] { v.picBack->SetWidth(v.ScaleWidth()); });
        next([&] { v.picBack->SetLeft(0); });
    }
    next([&] { v.picBack->SetHeight(v.ScaleHeight() - (v.stbr1->Height() + v.tlbr1->Height())); });
    next([&] { v.picBack->SetTop(v.tlbr1->Height()); });
    if (v.mbPageListShown) {
        next([&] { v.picList->SetTop(v.picBack->Top()); });
        next([&] { v.picList->SetHeight(v.picBack->Height()); });
        next([&] { v.lstPage->SetTop(v.tlbr2->Top() + v.tlbr2->Height() - 30); });
        next([&] { v.lstPage->SetHeight(v.picList->Height() - (v.tlbr2->Height() + v.txtJump->Height())); });
        // The jump box sits under the list, never over it.
        next([&] { v.txtJump->Move(v.lstPage->Left(), v.lstPage->Top() + v.lstPage->Height(), v.lstPage->Width()); });
    }

    next([&] {
        v.RenderPreviewPage(*v.picPreView, v.miZoomMode, v.settings[ViewerSetting::RulersDisplayed] != 0, true,
                            false);
    });
    next([&] { ViewerSeams::run(v.seams.showNoPrinterNotice); });
    const int32_t pages = v.seams.pageCount ? v.seams.pageCount() : 0;
    if (pages == 0) {
        next([&] { v.tlbr2->ButtonAt(1).SetEnabled(false); });
        next([&] { v.tlbr1->Button("PrintPage").SetEnabled(false); });
        next([&] { v.tlbr1->Button("PrintAll").SetEnabled(false); });
        if (!v.mbPrinterFound)
            next([&] { v.tlbr1->Button("Printsetup").SetEnabled(true); });
    }
    next([&] { v.lstPage->SetVisible(true); });
    next([&] { v.stbr1->SetVisible(true); });
    next([&] { LayoutScrollArea(); });
    next([&] { placeShadow(); });
    if (v.mbPrinterFound) {
        next([&] { v.shpS->SetVisible(true); });
        next([&] { v.picPreView->SetVisible(true); });
    }
    next([&] { v.picRuler(0).put("HoldRedraw", Variant(false)); });
    next([&] { v.picRuler(1).put("HoldRedraw", Variant(false)); });
}

void ViewerLayout::LayoutScrollArea() {
    ResumeNext next;
    PictureBox& page = *v.picPreView;
    ScrollBar& hsc = *v.hscPV;
    ScrollBar& vsc = *v.vscPV;
    const double rd = v.settings[ViewerSetting::RulerDimension];
    const double sd = v.settings[ViewerSetting::ShadowDepth];

    next([&] { v.picRuler(0).SetHeight(rd); });
    next([&] { v.picRuler(1).SetWidth(rd); });
    next([&] { v.picCorn(2).SetHeight(rd); });
    next([&] { v.picCorn(2).SetWidth(rd); });

    ScrollLayout bars;
    next([&] {
        bars = LayoutScroll({page.Width(), page.Height(), v.picBack->Width(), v.picBack->Height(), rd, sd,
                             hsc.Height(), vsc.Width()});
    });
    next([&] { vsc.SetVisible(bars.vscVisible); });
    next([&] { hsc.SetVisible(bars.hscVisible); });
    // A maximum beyond the bar's range is not stored; the bar keeps its old one.
    if (bars.hscMax)
        next([&] { hsc.SetMax(*bars.hscMax); });
    if (bars.vscMax)
        next([&] { vsc.SetMax(*bars.vscMax); });
    next([&] { hsc.SetMin(0); });
    next([&] { vsc.SetMin(0); });
    next([&] {
        if (const auto large = LargeChangeFor(hsc.Max()))
            hsc.SetLargeChange(*large);
    });
    next([&] {
        if (const auto large = LargeChangeFor(vsc.Max()))
            vsc.SetLargeChange(*large);
    });

    const double innerWidth = v.picBack->ScaleWidth(), innerHeight = v.picBack->ScaleHeight();
    if (hsc.Visible()) {
        next([&] { page.SetLeft(rd + RulerGap); });
        next([&] { hsc.SetValue(hsc.Min()); });
        next([&] { vsc.SetHeight(innerHeight - hsc.Height()); });
    } else {
        next([&] { vsc.SetHeight(innerHeight); });
    }
    next([&] { vsc.SetLeft(innerWidth - vsc.Width()); });
    if (vsc.Visible()) {
        next([&] { page.SetTop(rd + RulerGap); });
        next([&] { vsc.SetValue(vsc.Min()); });
        next([&] { hsc.SetLeft(0); });
        next([&] { hsc.SetWidth(innerWidth - vsc.Width()); });
    } else {
        next([&] { hsc.SetWidth(innerWidth); });
    }
    next([&] { hsc.SetTop(innerHeight - hsc.Height()); });
    next([&] { placeShadow(); });

    if (v.settings[ViewerSetting::RulersDisplayed] == 1) {
        ComponentHost& top = v.picRuler(0);
        ComponentHost& side = v.picRuler(1);
        next([&] { top.SetWidth(page.Width()); });
        next([&] { side.SetHeight(page.Height()); });
        next([&] { top.put("PrinterPageWidth", Variant(static_cast<int32_t>(roundHalfEven(v.geometry.mdblPageWidthTw)))); });
        next([&] {
            side.put("PrinterPageHeight", Variant(static_cast<int32_t>(roundHalfEven(v.geometry.mdblPageHeightTw))));
        });
        next([&] { top.SetTop(page.Top() - (rd + RulerGap)); });
        next([&] { top.SetLeft(page.Left()); });
        next([&] { side.SetTop(page.Top()); });
        next([&] { side.SetLeft(page.Left() - (rd + RulerGap)); });
        next([&] { placeCorner(); });
        next([&] { top.callWith("RefreshRuler"); });
        next([&] { side.callWith("RefreshRuler"); });
        next([&] { v.picCorn(2).Refresh(); });
    }
}

void ViewerLayout::placeShadow() {
    const double sd = v.settings[ViewerSetting::ShadowDepth];
    v.shpS->SetLeft(v.picPreView->Left() + sd);
    v.shpS->SetTop(v.picPreView->Top() + sd);
}

void ViewerLayout::placeCorner() {
    v.picCorn(2).SetTop(v.picRuler(0).Top());
    v.picCorn(2).SetLeft(v.picRuler(1).Left());
}

// Positions are worked out in double precision: every value a bar can hold
// gives a valid place.
void ViewerLayout::followHorizontalBar() {
    ResumeNext next;
    next([&] { v.picPreView->SetLeft(double(v.settings[ViewerSetting::RulerDimension]) - v.hscPV->Value()); });
    next([&] { AlignAfterHorizontalScroll(); });
}

void ViewerLayout::followVerticalBar() {
    ResumeNext next;
    next([&] {
        v.picPreView->SetTop(double(v.settings[ViewerSetting::RulerDimension]) + RulerGap - v.vscPV->Value());
    });
    next([&] { AlignAfterVerticalScroll(); });
}

void ViewerLayout::hscPV_Change() {
    ResumeNext next;
    next([&] { v.picRuler(1).SetLeft(-RulerGap - v.hscPV->Value()); });
    followHorizontalBar();
}

void ViewerLayout::hscPV_Scroll() { followHorizontalBar(); }
void ViewerLayout::vscPV_Change() { followVerticalBar(); }
void ViewerLayout::vscPV_Scroll() { followVerticalBar(); }

void ViewerLayout::AlignAfterHorizontalScroll() { alignAfterScroll(true); }

// A vertical scroll does not move the page sideways: ruler 1 keeps its left,
// and ruler 0's top is set in its place (and again later, as it always was).
void ViewerLayout::AlignAfterVerticalScroll() { alignAfterScroll(false); }

void ViewerLayout::alignAfterScroll(bool horizontal) {
    ResumeNext next;
    const double rd = v.settings[ViewerSetting::RulerDimension];
    PictureBox& page = *v.picPreView;
    next([&] { placeShadow(); });
    if (horizontal)
        next([&] { v.picRuler(1).SetLeft(page.Left() - (rd + RulerGap)); });
    else
        next([&] { v.picRuler(0).SetTop(page.Top() - (rd + RulerGap)); });
    next([&] { v.picRuler(1).SetTop(page.Top()); });
    next([&] { v.picRuler(0).SetLeft(page.Left()); });
    next([&] { v.picRuler(0).SetTop(page.Top() - (rd + RulerGap)); });
    next([&] { placeCorner(); });
    next([&] { ClearPointerPanels(); });
    next([&] { HideCrossHairs(); });
}

void ViewerLayout::picBack_Resize() { LayoutScrollArea(); }

void ViewerLayout::picBack_MouseMove(int16_t, int16_t, float, float) {
    ClearPointerPanels();
    HideCrossHairs();
}

void ViewerLayout::picBack_MouseDown(int16_t, int16_t, float, float) {}

void ViewerLayout::ClearPointerPanels() {
    v.stbr1->Panels(3).SetText({});
    v.stbr1->Panels(4).SetText({});
}

void ViewerLayout::HideCrossHairs() {
    v.LnDot(0).SetVisible(false);
    v.LnDot(1).SetVisible(false);
    v.picRuler(0).callWith("HideMarker");
    v.picRuler(1).callWith("HideMarker");
}

} // namespace kelvppvw
