#include "viewer/PageRenderer.h"

#include "platform/automation/ErrorTrap.h"
#include "platform/forms/ButtonMenu.h"
#include "platform/forms/Panel.h"
#include "platform/forms/RasterPicture.h"
#include "platform/forms/StdFont.h"
#include "platform/forms/ToolbarButton.h"
#include "platform/gdi/Gdi.h"
#include "platform/printer/Printer.h"
#include "printing/PaperInfo.h"
#include "viewer/ZoomMenu.h"
#include "viewer/frmPrtPreview.h"

#include <algorithm>

namespace kelvppvw {

namespace {

constexpr int16_t ZoomPanel = 6;
constexpr int16_t PaperPanel = 2;
constexpr int16_t QualityPanel = 7;

int32_t roundLong(double v) { return static_cast<int32_t>(roundHalfEven(v)); }

void copyPrinterGroup(PageGeometry& g, const PrinterMetrics& m) {
    g.mlOffsetXPx = m.mlOffsetXPx;
    g.mlOffsetYPx = m.mlOffsetYPx;
    g.mlPrintWidthPx = m.mlPrintWidthPx;
    g.mlPrintHeightPx = m.mlPrintHeightPx;
    g.mlPaperWidthPx = m.mlPaperWidthPx;
    g.mlPaperHeightPx = m.mlPaperHeightPx;
    g.mdblTwipsPerPxX = m.mdblTwipsPerPxX;
    g.mdblTwipsPerPxY = m.mdblTwipsPerPxY;
}

double screenPixelsPerInch() {
    const gdi::Handle dc = gdi::getScreenDC();
    const int dpi = gdi::getDeviceCaps(dc, gdi::LOGPIXELSX);
    gdi::deleteDC(dc);
    return dpi;
}

} // namespace

PageRenderer::PageRenderer(frmPrtPreview& viewer) : v(viewer) {}

void PageRenderer::renderStep(const std::function<void()>& step) {
    for (int retry = 0;; ++retry) {
        const auto error = trapError(step);
        if (!error || error->number() != err::CannotCreateAutoRedrawImage || retry >= MaxImageRetries)
            return;
        v.mdblZoomDivisor += 0.1;
    }
}

void PageRenderer::RenderPreviewPage(PictureBox& pic, int16_t& zoomMode, bool showRulers, bool relayout,
                                     bool reloadFirst) {
    renderStep([&] { v.stbr1->Panels(ZoomPanel).SetText({}); });
    if (!v.mbPrinterFound || !v.mbViewerReady)
        return;

    ViewerSettings& s = v.settings;
    PageGeometry& g = v.geometry;
    const double rulerDimension = s[ViewerSetting::RulerDimension];
    const double shadowDepth = s[ViewerSetting::ShadowDepth];
    double f0 = 0;
    renderStep([&] { f0 = v.Font()->Size(); });

    renderStep([&] { v.picFullScale->Cls(); });
    renderStep([&] { v.picDraw->Cls(); });
    renderStep([&] { v.shpS->SetVisible(false); });
    renderStep([&] { pic.Cls(); });
    renderStep([&] { pic.SetVisible(false); });
    renderStep([&] { pic.SetScaleMode(vb::Twips); });
    renderStep([&] { pic.SetLeft(0); });
    renderStep([&] { pic.SetTop(0); });

    // The room the page may take: the background less rulers, gap and shadow.
    renderStep([&] { pic.SetWidth(v.picBack->Width() - (rulerDimension + 230 + shadowDepth)); });
    renderStep([&] { pic.SetHeight(v.picBack->Height() - (rulerDimension + 230 + shadowDepth)); });

    renderStep([&] { DerivePageGeometry(g); });
    renderStep([&] { v.mdblScreenFactor = screenPixelsPerInch() / 76.0; });

    // The surfaces page production records against.
    renderStep([&] { v.picFullScale->SetWidth(g.mdblPageWidthTw); });
    renderStep([&] { v.picFullScale->SetHeight(g.mdblPageHeightTw); });
    renderStep([&] { v.picDraw->SetWidth(g.mdblPageWidthTw / v.mdblScreenFactor); });
    renderStep([&] { v.picDraw->SetHeight(g.mdblPageHeightTw / v.mdblScreenFactor); });
    renderStep([&] { v.picDraw->SetScaleMode(vb::Twips); });

    double innerWidth = 0, innerHeight = 0;
    renderStep([&] {
        innerWidth = pic.ScaleWidth();
        innerHeight = pic.ScaleHeight();
    });
    int16_t savedScaleMode = vb::Twips;
    renderStep([&] { savedScaleMode = pic.ScaleMode(); });
    renderStep([&] { pic.SetScaleMode(vb::Twips); });
    const bool autoRangeMax = s[ViewerSetting::AutoRangeMax] == 1;
    // The divisor is read afresh on every try: a retry has just enlarged it.
    renderStep([&] {
        pic.SetWidth(PageViewSize(g, zoomMode != 0, v.mdblZoomDivisor, autoRangeMax, innerWidth, innerHeight).width);
    });
    renderStep([&] {
        pic.SetHeight(
            PageViewSize(g, zoomMode != 0, v.mdblZoomDivisor, autoRangeMax, innerWidth, innerHeight).height);
    });
    renderStep([&] { pic.SetScaleMode(savedScaleMode); });
    renderStep([&] { v.stbr1->Panels(ZoomPanel).SetText(FormatPercent(pic.Height() / g.mlPrintHeightTw)); });

    double viewWidth = 0, viewHeight = 0;
    renderStep([&] {
        viewWidth = pic.ScaleWidth();
        viewHeight = pic.ScaleHeight();
    });
    renderStep([&] {
        const Point2 at = CenteredPageViewPosition(v.picBack->Width(), v.picBack->Height(), pic.Width(),
                                                   pic.Height(), rulerDimension);
        pic.SetLeft(at.x);
        pic.SetTop(at.y);
    });
    renderStep([&] { v.shpS->Move(pic.Left() + shadowDepth, pic.Top() + shadowDepth, pic.Width(), pic.Height()); });

    renderStep([&] { pic.SetFontName(v.Font()->Name()); });
    renderStep([&] { pic.SetFontSize(v.Font()->Size()); });
    renderStep([&] { pic.SetFontBold(v.Font()->Bold()); });
    renderStep([&] { pic.SetFontItalic(v.Font()->Italic()); });
    renderStep([&] { pic.SetFontUnderline(v.Font()->Underline()); });
    renderStep([&] { pic.SetFontStrikethru(v.Font()->Strikethrough()); });
    double ratio = 0;
    renderStep([&] { ratio = PageRatio(g, viewWidth, viewHeight); });
    renderStep([&] { pic.SetFontSize(std::min(f0 * ratio, f0)); });
    int32_t imageLeft = 0, imageTop = 0;
    renderStep([&] { imageLeft = roundLong(g.mlLeftTw * ratio); });
    renderStep([&] { imageTop = roundLong(g.mlTopTw * ratio); });

    if (!v.mbPagesProduced)
        renderStep([&] { ViewerSeams::run(v.seams.producePages); });
    if (reloadFirst && v.mbPagesProduced)
        renderStep([&] { ViewerSeams::run(v.seams.showFirstPage); });

    renderStep([&] { v.imgP->SetVisible(false); });
    renderStep([&] { v.imgP->SetEnabled(false); });
    renderStep([&] { v.imgP->SetLeft(imageLeft); });
    renderStep([&] { v.imgP->SetTop(imageTop); });
    renderStep([&] { v.imgP->SetWidth(g.mlPrintWidthTw * ratio); });
    renderStep([&] { v.imgP->SetHeight(g.mlPrintHeightTw * ratio); });

    // From here the page view speaks in page twips whatever its size on screen.
    renderStep([&] { pic.Scale(0, 0, g.mdblPageWidthTw, g.mdblPageHeightTw); });
    renderStep([&] { DerivePageGeometry(g); });
    renderStep([&] {
        const auto picture = v.imgP->Picture();
        if (!picture)
            throw AutomationError(err::ObjectNotSet);
        pic.PaintPicture(*picture, g.mlLeftTw, g.mlTopTw, g.mlPrintWidthTw, g.mlPrintHeightTw);
    });
    renderStep([&] { pic.SetDrawStyle(vb::Dot); });
    renderStep([&] {
        const auto outline = static_cast<uint32_t>(zoomMode == 0 ? s[ViewerSetting::Color1] : s[ViewerSetting::Color2]);
        pic.Line(g.mlLeftTw, g.mlTopTw, g.mlLeftTw + g.mlPrintWidthTw, g.mlTopTw + g.mlPrintHeightTw, outline,
                 LineBox::Box);
    });
    renderStep([&] { pic.SetDrawStyle(vb::Solid); });
    renderStep([&] { pic.SetVisible(true); });
    renderStep([&] { v.shpS->SetVisible(true); });

    // Rulers come back only once the page is complete.
    renderStep([&] { v.picRuler(0).SetVisible(false); });
    renderStep([&] { v.picRuler(1).SetVisible(false); });
    renderStep([&] { v.picCorn(2).SetVisible(false); });
    renderStep([&] { v.picRuler(0).put("PrinterPageWidth", Variant(roundLong(g.mdblPageWidthTw))); });
    renderStep([&] { v.picRuler(1).put("PrinterPageHeight", Variant(roundLong(g.mdblPageHeightTw))); });
    renderStep([&] { DerivePageGeometry(g); });
    renderStep([&] { v.picRuler(0).put("DisplayRangeBeginning", Variant(g.mlLeftTw)); });
    renderStep([&] { v.picRuler(0).put("DisplayRangeEnding", Variant(g.mlRightTw)); });
    renderStep([&] { v.picRuler(1).put("DisplayRangeBeginning", Variant(g.mlTopTw)); });
    renderStep([&] { v.picRuler(1).put("DisplayRangeEnding", Variant(g.mlBottomTw)); });
    renderStep([&] { v.picRuler(0).SetVisible(showRulers); });
    renderStep([&] { v.picRuler(1).SetVisible(showRulers); });
    renderStep([&] { v.picCorn(2).SetVisible(showRulers); });
    renderStep([&] { pic.Scale(0, 0, g.mdblPageWidthTw, g.mdblPageHeightTw); });

    if (relayout) {
        renderStep([&] { v.LayoutScrollArea(); });
        renderStep([&] { UpdateZoomDisplay(); });
    }
}

void PageRenderer::renderAgain() {
    v.RenderPreviewPage(*v.picPreView, v.miZoomMode, v.settings[ViewerSetting::RulersDisplayed] != 0, true, false);
}

void PageRenderer::setPageViewCursor() {
    v.SetPageViewCursor(PageViewCursor(v.settings[ViewerSetting::AutoScaleMenu] != 0, v.miZoomMode != 0));
}

void PageRenderer::centrePageView() {
    PictureBox& pic = *v.picPreView;
    const Point2 at = CenteredPageViewPosition(v.picBack->Width(), v.picBack->Height(), pic.Width(), pic.Height(),
                                               v.settings[ViewerSetting::RulerDimension]);
    pic.SetLeft(at.x);
    pic.SetTop(at.y);
}

void PageRenderer::UpdateZoomDisplay() {
    ResumeNext next;
    next([&] { v.tlbr1->Button("zoom").SetCaption(ZoomCaption(v.miZoomMode != 0, v.mdblZoomDivisor)); });
    next([&] { setPageViewCursor(); });
    next([&] { centrePageView(); });
    if (v.settings[ViewerSetting::RulersDisplayed] == 1)
        next([&] { ApplyRulerScale(); });
    next([&] { v.LayoutScrollArea(); });
}

void PageRenderer::ApplyRulerScale() {
    ResumeNext next;
    int16_t checked = 0;
    next([&] {
        for (int16_t k = 1; k <= 10 && checked == 0; ++k)
            if (v.mnuScale->Item("mnuIM", k).Checked())
                checked = k;
    });
    if (checked >= 1) {
        next([&] { v.picRuler(0).put("RulerScale", Variant(int32_t{checked})); });
        next([&] { v.picRuler(1).put("RulerScale", Variant(int32_t{checked})); });
    }
    if (checked == 10) {
        next([&] { v.picRuler(0).put("FontForPitch", Variant(ObjectRef(v.picDraw->Font()))); });
        next([&] { v.picRuler(1).put("FontForPitch", Variant(ObjectRef(v.picDraw->Font()))); });
    }
    next([&] { v.picRuler(0).callWith("RefreshRuler"); });
    next([&] { v.picRuler(1).callWith("RefreshRuler"); });
}

void PageRenderer::ReadPrinterMetrics() {
    kelvppvw::ReadPrinterMetrics(v.metrics, Printer::current().get());
    copyPrinterGroup(v.geometry, v.metrics);
}

void PageRenderer::RefreshPreviewer() {
    ResumeNext next;
    next([&] { v.picRuler(0).SetVisible(false); });
    next([&] { v.picRuler(1).SetVisible(false); });
    next([&] { v.picCorn(2).SetVisible(false); });
    v.mbPagesProduced = false;
    next([&] { ReadPrinterMetrics(); });
    next([&] { v.stbr1->Panels(PaperPanel).SetText({}); });
    next([&] { renderAgain(); });
    next([&] {
        const PaperInfoTexts texts = ShowPaperInfo(v.mbPrinterFound, Printer::current().get(), v.metrics);
        v.stbr1->Panels(PaperPanel).SetText(texts.paperPanel);
        if (texts.qualityPanel)
            v.stbr1->Panels(QualityPanel).SetText(*texts.qualityPanel);
        if (texts.qualityToolTip)
            v.stbr1->Panels(QualityPanel).SetToolTipText(*texts.qualityToolTip);
    });
    next([&] {
        const auto printer = Printer::current();
        if (!printer)
            throw AutomationError(err::ObjectNotSet);
        const bool landscape = printer->orientation() == Printer::Landscape;
        v.tlbr1->Button(landscape ? "landscape" : "portrait").SetValue(vb::Pressed);
    });
    next([&] { UpdateZoomDisplay(); });
}

void PageRenderer::tlbr1_ButtonMenuClick(ButtonMenu& entry) {
    ResumeNext next;
    if (entry.Parent().Key() != "zoom")
        return;
    const std::string& key = entry.Key();
    const bool zoomEntry = IsZoomKey(key);
    if (key == "zAuto") {
        v.miZoomIndex = FitZoomIndex;
        v.mdblZoomDivisor = 1.0;
        v.miZoomMode = 0;
    } else if (zoomEntry) {
        v.miZoomIndex = static_cast<int16_t>(entry.Index());
        next([&] { v.mdblZoomDivisor = Variant(entry.Tag()).toDouble(); });
        v.miZoomMode = 1;
    } else if (key == "pOptions") {
        next([&] { v.mnuZxxm_Click(); });
    }
    if (zoomEntry) {
        next([&] { renderAgain(); });
        next([&] {
            const double depth = v.settings[ViewerSetting::ShadowDepth];
            v.shpS->SetLeft(v.picPreView->Left() + depth);
            v.shpS->SetTop(v.picPreView->Top() + depth);
        });
        next([&] { UpdateZoomDisplay(); });
    }
    next([&] { UpdateZoomDisplay(); });
}

void PageRenderer::mnuZoom_Click(int16_t index) {
    stopSilently([&] { tlbr1_ButtonMenuClick(v.tlbr1->Button("zoom").ButtonMenuAt(index)); });
}

void PageRenderer::mnuIM_Click(int16_t index) {
    ResumeNext next;
    v.settings[ViewerSetting::RulerScale] = index;
    next([&] {
        for (int16_t k = 1; k <= 10; ++k)
            v.mnuScale->Item("mnuIM", k).SetChecked(false);
    });
    next([&] { v.mnuScale->Item("mnuIM", index).SetChecked(true); });
    next([&] { v.picRuler(0).put("RulerScale", Variant(int32_t{index})); });
    next([&] { v.picRuler(1).put("RulerScale", Variant(int32_t{index})); });
    next([&] { v.picRuler(0).put("FontForPitch", Variant(ObjectRef(v.picDraw->Font()))); });
    next([&] { v.picRuler(1).put("FontForPitch", Variant(ObjectRef(v.picDraw->Font()))); });
    next([&] { v.picRuler(0).callWith("RefreshRuler"); });
    next([&] { v.picRuler(1).callWith("RefreshRuler"); });
    next([&] { v.picRuler(0).callWith("SaveSettings"); });
    next([&] { v.picRuler(1).callWith("SaveSettings"); });
}

} // namespace kelvppvw
