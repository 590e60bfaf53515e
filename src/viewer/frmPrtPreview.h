#pragma once

#include "platform/forms/CheckBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ComponentHost.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Image.h"
#include "platform/forms/ImageList.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/Menu.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/ScrollBar.h"
#include "platform/forms/Shape.h"
#include "platform/forms/StatusBar.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"
#include "platform/forms/Toolbar.h"
#include "printing/CancelCountdown.h"
#include "printing/PagePrinting.h"
#include "printing/PrinterMetrics.h"
#include "rulers/ApplyViewerColors.h"
#include "rulers/RulerEvents.h"
#include "settings/ViewerSettings.h"
#include "viewer/PageGeometry.h"
#include "viewer/PageRenderer.h"
#include "viewer/PageViewMouse.h"
#include "viewer/ViewerLayout.h"
#include "viewer/ViewerOptions.h"
#include "viewer/ViewerSeams.h"

#include <functional>
#include <memory>
#include <string>

namespace kelvppvw {

class clsPreview;
class PageDrawingInterface;
class PageNavigation;
class PageProduction;
class ViewerCommands;
class ViewerStartup;

// The modal preview window. The host's print data object reaches its public
// operations by name through the Parent it receives; the child controls carry
// the names the rest of the viewer uses.
class frmPrtPreview : public Form {
public:
    frmPrtPreview();
    ~frmPrtPreview() override;

    std::shared_ptr<clsPreview> gm_clsPreview() const { return gm_clsPreview_; }
    void set_gm_clsPreview(std::shared_ptr<clsPreview> preview) { gm_clsPreview_ = std::move(preview); }

    const std::string& sTitleText() const { return sTitleText_; }
    void set_sTitleText(const std::string& text) { sTitleText_ = text; }
    const std::string& sListText() const { return sListText_; }
    void set_sListText(const std::string& text) { sListText_ = text; }

    int32_t cMilling() const;
    void set_cMilling(int32_t vNewcMilling);

    void SetBarFlatOrNone(bool bBarValue) { mbFlatToolbars = bBarValue; }
    void ShowPOButton(bool bPOBValue) { mbShowPrintOptions = bPOBValue; }

    // Page production runs once per preview run, from the first render.
    void ProducePages();
    bool ProducingPages() const { return producing_; }
    // Points gsPageFile at page 1 of this run and loads it into imgP.
    void ShowFirstPage();
    void ShowNoPrinterNotice();
    void ResetPageStatus();
    void AddATab();
    // Esc while pages are produced: asks the print data object to stop.
    void CancelProduction();
    // Toolbar commands by button Key ("zoom", "movenext", ...), as a click runs them.
    void tlbr1_ButtonClick(const std::string& key);
    void tlbr2_ButtonClick(const std::string& key);
    // Page navigation: every page change goes through the page list.
    void GoToPage(int32_t page);
    void UpdateNavButtons(int32_t page);
    void lstPage_Click();
    void txtJump_Change();
    ViewerCommands& commands() { return *commands_; }
    ViewerStartup& startup() { return *startup_; }
    PageProduction& production() { return *production_; }
    ViewerColorTargets colorTargets() const;

    // Viewer state shared by the viewer, navigation and printing.
    bool mbFlatToolbars = false;
    bool mbShowPrintOptions = false;
    bool mbPrinterFound = false;
    bool mbPageListShown = false;
    bool mbViewerReady = false;
    bool mbPagesProduced = false;
    double mdblScreenFactor = 1.26;
    double mdblZoomDivisor = 1.0;
    int16_t miZoomMode = 0;
    int16_t miZoomIndex = 9;
    uint8_t mbytZoomOut = 0;
    PrinterMetrics metrics;
    PageGeometry geometry;
    ViewerSettings settings{};
    ViewerSeams seams;
    ObjectRef mc_ppvos; // the options launcher while its dialog is open

    // Rendering and zoom.
    void RenderPreviewPage(PictureBox& pic, int16_t& zoomMode, bool showRulers, bool relayout, bool reloadFirst) {
        renderer.RenderPreviewPage(pic, zoomMode, showRulers, relayout, reloadFirst);
    }
    void UpdateZoomDisplay() { renderer.UpdateZoomDisplay(); }
    void ApplyRulerScale() { renderer.ApplyRulerScale(); }
    void RefreshPreviewer() { renderer.RefreshPreviewer(); }
    void ReadPrinterMetrics() { renderer.ReadPrinterMetrics(); }
    void mnuZoom_Click(int16_t index) { renderer.mnuZoom_Click(index); }
    void mnuZxxm_Click() { options_.mnuZxxm_Click(); }
    void mnuIM_Click(int16_t index) { renderer.mnuIM_Click(index); }
    // The pointer the zoom state and the options call for.
    void SetPageViewCursor() { renderer.setPageViewCursor(); }
    // The options dialog's events while mc_ppvos holds it.
    void mc_ppvos_RequestData(const std::string& sWantThis) { options_.mc_ppvos_RequestData(sWantThis); }
    void mc_ppvos_NewOptionsApplied() { options_.mc_ppvos_NewOptionsApplied(); }
    // Layout and scrolling.
    void LayoutScrollArea() { layout.LayoutScrollArea(); }
    void AlignAfterHorizontalScroll() { layout.AlignAfterHorizontalScroll(); }
    void AlignAfterVerticalScroll() { layout.AlignAfterVerticalScroll(); }
    void ClearPointerPanels() { layout.ClearPointerPanels(); }
    void HideCrossHairs() { layout.HideCrossHairs(); }
    // The page view's pointer: one of the magnifier cursor resources.
    void SetPageViewCursor(int16_t resourceId);
    // The layout pass; public because the page-list command runs it too.
    void Form_Resize() override { layout.Form_Resize(); }
    // Printing, each page behind the cancel countdown when one is set.
    void PrintAllPages() { printing_->PrintAllPages(); }
    void PrintShownPage() { printing_->PrintShownPage(); }
    void PrintSelectedPages() { printing_->PrintSelectedPages(); }
    void StartCancelCountdown() { countdown_->StartCancelCountdown(); }
    void EndCancelCountdown() { countdown_->EndCancelCountdown(); }

    // Child controls.
    std::shared_ptr<Toolbar> tlbr1, tlbr2;
    std::shared_ptr<ImageList> ImageList1, ImageList2;
    std::shared_ptr<StatusBar> stbr1;
    std::shared_ptr<PictureBox> picList;
    std::shared_ptr<ListBox> lstPage;
    std::shared_ptr<TextBox> txtJump;
    std::shared_ptr<PictureBox> picBack;
    std::shared_ptr<PictureBox> picPreView;
    std::shared_ptr<Image> imgP;
    std::shared_ptr<Shape> shpS;
    std::shared_ptr<Image> imgNoP;
    std::shared_ptr<PictureBox> picFullScale;
    std::shared_ptr<PictureBox> picDraw;
    ControlArray<ComponentHost> picRuler;
    ControlArray<PictureBox> picCorn;
    ControlArray<Line> LnDot;
    std::shared_ptr<ScrollBar> hscPV, vscPV;
    std::shared_ptr<PictureBox> picCan;
    std::shared_ptr<CommandButton> cmdCanlP;
    ControlArray<Label> lblCP;
    std::shared_ptr<Image> imgMov;
    ControlArray<Image> imgPrt;
    std::shared_ptr<Timer> tmrCntD, tmrMovie;
    std::shared_ptr<Menu> mnuZom, mnuScale;

protected:
    void Form_Initialize() override;
    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(int16_t& cancel, int16_t unloadMode) override;
    void Form_Unload(int16_t& cancel) override;
    void Form_KeyUp(int16_t& keyCode, int16_t shift) override;
    void Form_KeyDown(int16_t& keyCode, int16_t shift) override;

private:
    void buildControls();
    void buildToolbars();
    void buildMenus();
    void buildRulers();
    void wireProduction();
    void wireViewerEvents();
    void wireRulerEvents();
    void wirePrinting();

    std::shared_ptr<clsPreview> gm_clsPreview_;
    std::string sTitleText_;
    std::string sListText_;
    std::unique_ptr<ViewerStartup> startup_;
    std::unique_ptr<PageDrawingInterface> drawing_;
    std::unique_ptr<PageProduction> production_;
    std::unique_ptr<CancelCountdown> countdown_;
    std::unique_ptr<PagePrinting> printing_;
    std::unique_ptr<ViewerCommands> commands_;
    std::unique_ptr<PageNavigation> navigation_;
    bool producing_ = false;
    PageRenderer renderer{*this};
    ViewerLayout layout{*this};
    PageViewMouse mouse{*this};
    std::unique_ptr<RulerEvents> rulerEvents_;
    ViewerOptions options_{*this};
};

} // namespace kelvppvw
