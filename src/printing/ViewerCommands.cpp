#include "printing/ViewerCommands.h"

#include "host/PreviewValues.h"
#include "host/clsPreview.h"
#include "platform/automation/ErrorTrap.h"
#include "platform/forms/Application.h"
#include "platform/forms/ButtonMenu.h"
#include "platform/forms/ToolbarButton.h"
#include "platform/printer/Printer.h"
#include "printing/PrinterSetupCommands.h"
#include "recording/PageProduction.h"
#include "settings/ProfileStore.h"
#include "viewer/ViewerStartup.h"
#include "viewer/ZoomMenu.h"
#include "viewer/frmPrtPreview.h"

#include <algorithm>

namespace kelvppvw {

namespace {
// The list box message that selects (first <= last) or deselects a range.
constexpr uint32_t LB_SELITEMRANGEEX = 0x183;
// How far one wheel notch scrolls the page: a third of an inch.
constexpr double TwipsPerNotch = 480;
constexpr int16_t KeyPageUp = 33, KeyPageDown = 34, KeyEnd = 35, KeyHome = 36;
constexpr int16_t KeyLeft = 37, KeyUp = 38, KeyRight = 39, KeyDown = 40;
} // namespace

ViewerCommands::ViewerCommands(frmPrtPreview& viewer) : v(viewer) {
    // PrintSels' call is in printSelected().
    mainBar_ = {
        {"PrintAll", [this] { v.PrintAllPages(); }},
        {"PrintPage", [this] { v.PrintShownPage(); }},
        {"SelPages", [this] { selPages(); }},
        {"Printsetup", [this] { printSetup(); }},
        {"PrinterOptions", [this] { printerOptions(); }},
        // The buttons are enabled only where the target page exists.
        {"movefirst", [this] { v.GoToPage(1); }},
        {"moveprev", [this] { v.GoToPage(glMovingPage - 1); }},
        {"movenext", [this] { v.GoToPage(glMovingPage + 1); }},
        {"movelast", [this] { v.GoToPage(glHighPage); }},
        {"zoom", [this] { zoomFace(); }},
        {"portrait", [this] { orientation(Printer::Portrait); }},
        {"landscape", [this] { orientation(Printer::Landscape); }},
        {"close", [this] { v.Unload(); }},
    };
}

bool ViewerCommands::handles(const std::string& key) const {
    // The zoom menu's entries are the renderer's.
    return mainBar_.count(key) > 0 || key == "PrintSels" || key == "SelAll" || key == "SelNone" ||
           IsZoomKey(key) || key == "pOptions";
}

void ViewerCommands::tlbr1_ButtonClick(const std::string& key) {
    const auto command = mainBar_.find(key);
    if (command != mainBar_.end())
        command->second();
}

void ViewerCommands::selPages() {
    ResumeNext next;
    next([&] { v.mbPageListShown = v.tlbr1->Button("SelPages").Value() == vb::Pressed; });
    next([&] { v.Form_Resize(); });
}

void ViewerCommands::printSetup() {
    ResumeNext next;
    bool confirmed = false;
    next([&] { confirmed = RunPrinterSetup(gsAppName, gsPrtAppIni); });
    if (confirmed)
        next([&] { v.RefreshPreviewer(); });
    next([&] { v.ShowNoPrinterNotice(); });
    next([&] { v.UpdateZoomDisplay(); });
}

void ViewerCommands::printerOptions() {
    // The host shows its own dialog; nothing else happens here.
    stopSilently([&] {
        if (const auto preview = v.gm_clsPreview())
            preview->RaiseRequestPrinterOptions();
    });
}

void ViewerCommands::hideRulers() {
    ResumeNext next;
    next([&] { v.picRuler(0).SetVisible(false); });
    next([&] { v.picRuler(1).SetVisible(false); });
    next([&] { v.picCorn(2).SetVisible(false); });
}

void ViewerCommands::zoomFace() {
    ResumeNext next;
    hideRulers();
    next([&] {
        const ZoomState step = StepZoom({v.miZoomMode, v.miZoomIndex}, v.mbytZoomOut != 0);
        v.miZoomMode = step.mode;
        v.miZoomIndex = step.index;
    });
    next([&] {
        v.mdblZoomDivisor = Variant(v.tlbr1->Button("zoom").ButtonMenuAt(v.miZoomIndex).Tag()).toDouble();
    });
    // The recorded pages stay valid.
    v.mbPagesProduced = true;
    redrawAtZoom();
}

void ViewerCommands::orientation(int32_t value) {
    ResumeNext next;
    hideRulers();
    // Stored first: a redraw that fails still leaves the choice kept.
    next([&] {
        WriteProfileKey(gsAppName, "Printer_Orientation", std::to_string(value), ViewerStartup::PreviewIni());
    });
    next([&] {
        const auto printer = Printer::current();
        if (!printer)
            throw AutomationError(err::ObjectNotSet);
        printer->setOrientation(value);
    });
    // The pages are produced again for the new orientation.
    v.mbPagesProduced = false;
    redrawAtZoom();
}

void ViewerCommands::redrawAtZoom() {
    ResumeNext next;
    next([&] { v.ReadPrinterMetrics(); });
    next([&] {
        v.RenderPreviewPage(*v.picPreView, v.miZoomMode, v.settings[ViewerSetting::RulersDisplayed] != 0, true,
                            false);
    });
    next([&] {
        const double depth = v.settings[ViewerSetting::ShadowDepth];
        v.shpS->SetLeft(v.picPreView->Left() + depth);
        v.shpS->SetTop(v.picPreView->Top() + depth);
    });
    next([&] { v.UpdateZoomDisplay(); });
}

void ViewerCommands::pageAreaWheel(double notches, int16_t shift, bool horizontal) {
    ResumeNext next;
    if (shift & vb::CtrlMask) {
        if (!v.tlbr1->Button("zoom").Enabled() || notches == 0)
            return;
        // Towards the user zooms out; the mouse's own zoom direction is left as it was.
        const uint8_t mouseDirection = v.mbytZoomOut;
        v.mbytZoomOut = notches < 0 ? 1 : 0;
        next([&] { tlbr1_ButtonClick("zoom"); });
        v.mbytZoomOut = mouseDirection;
        return;
    }
    ScrollBar& bar = horizontal || (shift & vb::ShiftMask) ? *v.hscPV : *v.vscPV;
    if (!bar.Visible())
        return;
    next([&] {
        const double target = bar.Value() - notches * TwipsPerNotch;
        bar.SetValue(static_cast<int32_t>(std::max<double>(bar.Min(), std::min<double>(target, bar.Max()))));
    });
}

void ViewerCommands::viewerKey(int16_t keyCode, int16_t shift) {
    (void)shift;
    int32_t target = 0;
    switch (keyCode) {
    // The arrows scroll a zoomed page as far as a wheel notch does.
    case KeyUp: pageAreaWheel(1, 0, false); return;
    case KeyDown: pageAreaWheel(-1, 0, false); return;
    case KeyLeft: pageAreaWheel(1, 0, true); return;
    case KeyRight: pageAreaWheel(-1, 0, true); return;
    case KeyPageUp: target = glMovingPage - 1; break;
    case KeyPageDown: target = glMovingPage + 1; break;
    case KeyHome: target = 1; break;
    case KeyEnd: target = glHighPage; break;
    default: return;
    }
    if (target >= 1 && target <= glHighPage && target != glMovingPage)
        v.GoToPage(target);
}

void ViewerCommands::tlbr2_ButtonClick(const std::string& key) {
    if (key == "PrintSels")
        printSelected();
}

void ViewerCommands::printSelected() {
    if (v.lstPage->SelCount() < 1) {
        Beep();
        return;
    }
    v.PrintSelectedPages();
}

void ViewerCommands::tlbr2_ButtonMenuClick(const std::string& key) {
    if (key == "SelAll")
        selectAll(true);
    else if (key == "SelNone")
        selectAll(false);
}

void ViewerCommands::selectAll(bool select) {
    ResumeNext next;
    ListBox& list = *v.lstPage;
    int32_t remembered = 0;
    next([&] { remembered = std::max(list.ListIndex(), 0); });
    const int32_t last = list.ListCount() - 1;
    if (last == 0)
        next([&] { list.SetSelected(0, select); });
    else if (last > 0)
        next([&] { list.SendMessage(LB_SELITEMRANGEEX, select ? 0 : last, Variant(select ? last : 0)); });
    // Reselects the focus item and shows its page again.
    next([&] { list.SetListIndex(remembered); });
}

} // namespace kelvppvw
