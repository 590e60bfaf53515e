#include "viewer/frmPrtPreview.h"

#include "components/seams/PlatformSeams.h"
#include "host/PreviewValues.h"
#include "host/clsPreview.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/automation/ErrorTrap.h"
#include "platform/forms/ButtonMenu.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Panel.h"
#include "platform/forms/RasterPicture.h"
#include "platform/forms/ResourceStore.h"
#include "platform/forms/StdFont.h"
#include "platform/forms/ToolbarButton.h"
#include "printing/PageNavigation.h"
#include "printing/PrinterMargin.h"
#include "printing/ViewerCommands.h"
#include "recording/PageDrawingInterface.h"
#include "recording/PageProduction.h"
#include "rulers/LoadRulerSettings.h"
#include "rulers/SaveRulerSetting.h"
#include "platform/automation/EventProvider.h"
#include "viewer/ViewerStartup.h"
#include "viewer/ZoomMenu.h"

#include <array>

namespace kelvppvw {

namespace {

struct MainButton {
    const char* key;
    const char* description;
    const char* toolTip;
    int16_t style;
    bool needsPrinter; // enabled by start-up once a printer is found
};

// The main command bar, in its order on the bar.
constexpr std::array<MainButton, 13> MainButtons = {{
    {"PrintAll", "P.A.", "Print All pages", vb::ButtonDefault, true},
    {"PrintPage", "P.P.", "Print Page displayed", vb::ButtonDefault, true},
    {"SelPages", "S.P.", "Select Pages to Print", vb::ButtonCheck, false},
    {"Printsetup", "P.S.", "Printer Setup", vb::ButtonDefault, true},
    {"PrinterOptions", "P.O.", "Print Options", vb::ButtonDefault, false},
    {"movefirst", "First", "First Page", vb::ButtonDefault, false},
    {"moveprev", "Prev", "Previous Page", vb::ButtonDefault, false},
    {"movenext", "Next", "Next Page", vb::ButtonDefault, false},
    {"movelast", "Last", "Last Page", vb::ButtonDefault, false},
    {"zoom", "zoom", "Zoom", vb::ButtonDropdown, true},
    {"portrait", "Port", "Portrait", vb::ButtonGroup, true},
    {"landscape", "Land", "Landscape", vb::ButtonGroup, true},
    {"close", "", "Close", vb::ButtonDefault, false},
}};

constexpr std::array<const char*, 10> ScaleNames = {"Twips",       "Points",      "Pixels",     "Character",
                                                    "Inch",        "Millimeters", "Centimeters", "Decimeters",
                                                    "Picas",       "Pitch"};

constexpr const char* RulerClass = "kelvRule.Ruler";

} // namespace

frmPrtPreview::frmPrtPreview() {
    SetFormName("frmPrtPreview");
    objectProperty("gm_clsPreview", [this] { return Variant(gm_clsPreview_); },
                   [this](const Variant& v) {
                       auto preview = v.objectAs<clsPreview>();
                       if (!preview && v.toObject())
                           throw AutomationError(err::TypeMismatch);
                       gm_clsPreview_ = std::move(preview);
                   });
    property("sTitleText", [this] { return Variant(sTitleText_); },
             [this](const Variant& v) { sTitleText_ = v.toString(); });
    property("sListText", [this] { return Variant(sListText_); },
             [this](const Variant& v) { sListText_ = v.toString(); });
    property("cMilling", [this] { return Variant(cMilling()); },
             [this](const Variant& v) { set_cMilling(v.toLong()); });
    writeOnlyProperty("SetBarFlatOrNone", [this](const Variant& v) { SetBarFlatOrNone(v.toBool()); });
    writeOnlyProperty("ShowPOButton", [this](const Variant& v) { ShowPOButton(v.toBool()); });
    method("RefreshPreviewer", [this](Args&) {
        RefreshPreviewer();
        return Variant();
    });
    buildControls();
    wireProduction();
    wireViewerEvents();
    wireRulerEvents();
    wirePrinting();
}

frmPrtPreview::~frmPrtPreview() = default;

void frmPrtPreview::wireProduction() {
    startup_ = std::make_unique<ViewerStartup>(*this);
    startup_->LoadResourceImages();
    // Esc must reach the window whichever control has the focus.
    SetKeyPreview(true);
    const auto addMethod = [this](std::string name, std::function<Variant(Args&)> fn) {
        method(std::move(name), std::move(fn));
    };
    const auto rulerCall = [this](const std::function<void(ComponentHost&)>& each) {
        for (int16_t i = 0; i <= 1; ++i)
            each(picRuler(i));
    };

    DrawingSite drawing;
    drawing.picFullScale = picFullScale.get();
    drawing.picDraw = picDraw.get();
    drawing.imgP = imgP.get();
    drawing.graphics = [this]() -> ObjectRef {
        return gm_clsPreview_ ? gm_clsPreview_->get("Graphics").toObject() : nullptr;
    };
    drawing.setRulerPageFont = [rulerCall](const ObjectRef& font) {
        rulerCall([&](ComponentHost& ruler) { ruler.putRef("PageFont", Variant(font)); });
    };
    drawing_ = std::make_unique<PageDrawingInterface>(std::move(drawing));
    drawing_->declareOn(addMethod);

    ProductionSite site;
    site.viewer = [this]() -> ObjectRef { return shared_from_this(); };
    site.picBack = picBack.get();
    site.picDraw = picDraw.get();
    site.imgP = imgP.get();
    site.settings = &settings;
    site.listText = [this] { return sListText_; };
    site.titleText = [this] { return sTitleText_; };
    site.setListText = [this](const std::string& text) { sListText_ = text; };
    site.holdRulerRedraw = [rulerCall](bool hold) {
        rulerCall([&](ComponentHost& ruler) { ruler.put("HoldRedraw", Variant(hold)); });
    };
    site.resetPageStatus = [this] { ResetPageStatus(); };
    site.addATab = [this] { AddATab(); };
    site.layoutScrollArea = [this] { LayoutScrollArea(); };
    site.graphicsCount = [this]() -> int32_t {
        return gm_clsPreview_ && gm_clsPreview_->Graphics ? gm_clsPreview_->Graphics->Count() : 0;
    };
    site.printerMargin = [](uint8_t index) { return PrinterMargin(index); };
    site.physicalPageSize = [this](int32_t& width, int32_t& height) {
        width = geometry.mlPaperWidthPx;
        height = geometry.mlPaperHeightPx;
    };
    site.texts = [] {
        ProgressTexts texts;
        texts.excessivePreview = ViewerStartup::ResText(105);
        texts.numberOfPages = ViewerStartup::ResText(106);
        texts.pageTooSmall = ViewerStartup::ResText(108);
        texts.toStop = ViewerStartup::ResText(117);
        return texts;
    };
    site.errorBox = [](const std::string& text) { MsgBox(text, vb::Exclamation); };
    site.pagesProduced = [this] { mbPagesProduced = true; };
    site.viewerOpen = [this] { return IsLoaded(); };
    production_ = std::make_unique<PageProduction>(std::move(site));
    production_->declareOn(addMethod);

    // What rendering and layout ask of production, page files and the rulers.
    // Page 1 comes from the page list's first selection at the end of production.
    seams.producePages = [this] { ProducePages(); };
    seams.showFirstPage = [this] { ShowFirstPage(); };
    seams.showNoPrinterNotice = [this] { ShowNoPrinterNotice(); };
    seams.loadRulerSettings = [this] {
        LoadRulerSettings(picRuler(0), picRuler(1), LnDot(0), LnDot(1), gsAppName, ViewerStartup::PreviewIni());
    };
    seams.applyViewerColors = [this] { ApplyViewerColors(colorTargets(), settings); };
    seams.pageCount = [] { return glHighPage; };
}

void frmPrtPreview::wireRulerEvents() {
    RulerEventTargets targets;
    targets.ruler0 = &picRuler(0);
    targets.ruler1 = &picRuler(1);
    targets.crossHair0 = &LnDot(0);
    targets.crossHair1 = &LnDot(1);
    targets.stbr1 = stbr1.get();
    targets.settings = &settings;
    targets.popupScaleMenu = [this] { PopupMenu(*mnuScale); };
    targets.hideCrossHairs = [this] { HideCrossHairs(); };
    targets.clearPointerPanels = [this] { ClearPointerPanels(); };
    targets.saveSetting = [](int32_t index, std::string_view name, const Variant& value) {
        SaveRulerSetting(index, name, value, gsAppName, ViewerStartup::PreviewIni());
    };
    rulerEvents_ = std::make_unique<RulerEvents>(std::move(targets));
    for (int16_t i = 0; i <= 1; ++i)
        if (auto provider = std::dynamic_pointer_cast<EventProvider>(picRuler(i).object()))
            provider->events().connect(
                [this](std::string_view event, Args& args) { rulerEvents_->raised(event, args); });
}

void frmPrtPreview::buildControls() {
    // Picture-box DCs, the printer's player and the ruler class must be there first.
    InstallPlatformSeams();
    Move(0, 0, 12000, 9000);
    SetStartUpPosition(1);
    buildToolbars();

    stbr1 = add<StatusBar>("stbr1");
    for (int i = 1; i <= 7; ++i)
        stbr1->AddPanel();
    // The paper panel takes the room left; the others fit their texts.
    for (int i : {1, 5, 6, 7})
        stbr1->Panels(i).SetAutoSize(2);
    stbr1->Panels(1).SetWidth(1200);
    stbr1->Panels(2).SetAutoSize(1);
    stbr1->Panels(2).SetWidth(1500);
    for (int i : {3, 4})
        stbr1->Panels(i).SetWidth(1100);
    for (int i : {5, 6})
        stbr1->Panels(i).SetWidth(600);
    stbr1->Panels(5).SetToolTipText("Total Pages");
    stbr1->Panels(6).SetToolTipText("Viewable Scale Factor");

    // The page list panel: its own small toolbar above the list and the jump box below.
    picList = add<PictureBox>("picList");
    picList->Move(0, 570, 2100, 6000);
    picList->SetVisible(false);
    tlbr2 = picList->add<Toolbar>("tlbr2");
    auto& printSels = *tlbr2->AddButton("PrintSels", {}, vb::ButtonDropdown);
    printSels.SetDescription("Print Pages");
    printSels.SetTag("Print Pages");
    printSels.SetToolTipText("Print Selected Pages");
    printSels.AddButtonMenu("SelAll", "Select All");
    printSels.AddButtonMenu("SelNone", "Select None");
    tlbr2->SetImageList(ImageList1);
    tlbr2->SetHotImageList(ImageList2);
    lstPage = picList->add<ListBox>("lstPage");
    lstPage->SetMultiSelect(vb::MultiSelectExtended);
    lstPage->Move(0, 540, 2070, 5100);
    txtJump = picList->add<TextBox>("txtJump");
    txtJump->SetText("Jump To Page");
    txtJump->Move(0, 5640, 2070, 300);

    // The page area: the page view floats in it with its shadow, rulers and bars.
    picBack = add<PictureBox>("picBack");
    picBack->Move(0, 570, 12000, 7800);
    shpS = picBack->add<Shape>("shpS");
    shpS->SetVisible(false);
    picPreView = picBack->add<PictureBox>("picPreView");
    picPreView->SetVisible(false);
    imgP = picPreView->add<Image>("imgP");
    imgP->SetVisible(false);
    imgP->SetEnabled(false);
    imgP->SetStretch(true);
    LnDot.load(*picPreView, "LnDot", 0);
    LnDot.load(*picPreView, "LnDot", 1);
    imgNoP = picBack->add<Image>("imgNoP");
    imgNoP->SetVisible(false);
    hscPV = picBack->add<ScrollBar>("hscPV", ScrollBar::Orientation::Horizontal);
    vscPV = picBack->add<ScrollBar>("vscPV", ScrollBar::Orientation::Vertical);
    hscPV->SetVisible(false);
    vscPV->SetVisible(false);
    buildRulers();
    // A ruler scrolled against a bar must not cover its arrows.
    hscPV->ZOrder(0);
    vscPV->ZOrder(0);

    // Hidden surfaces the page production draws on.
    picFullScale = add<PictureBox>("picFullScale");
    picFullScale->SetVisible(false);
    picDraw = add<PictureBox>("picDraw");
    picDraw->SetVisible(false);

    // The printing panel with its cancel button and animation; it waits
    // out of sight, above the page area, until a countdown brings it in.
    picCan = add<PictureBox>("picCan");
    picCan->SetBorderStyle(0);
    picCan->Move(3000, 2500, 5400, 2100);
    cmdCanlP = picCan->add<CommandButton>("cmdCanlP");
    cmdCanlP->SetCaption("Cancel");
    cmdCanlP->Move(3900, 1560, 1300, 380);
    cmdCanlP->SetEnabled(false);
    for (int16_t i = 0; i <= 4; ++i) {
        auto& label = *lblCP.load(*picCan, "lblCP", i);
        label.Move(120, 120 + i * 280, 3600, 255);
        label.SetBackStyle(0);
    }
    lblCP(3).SetCaption("100");
    imgMov = picCan->add<Image>("imgMov");
    imgMov->Move(4560, 180, 240, 240);
    for (int16_t i = 0; i <= 4; ++i)
        imgPrt.load(*picCan, "imgPrt", i)->SetVisible(false);

    tmrCntD = add<Timer>("tmrCntD");
    tmrCntD->SetEnabled(false);
    tmrCntD->SetInterval(100);
    tmrMovie = add<Timer>("tmrMovie");
    tmrMovie->SetEnabled(false);
    tmrMovie->SetInterval(50);

    buildMenus();
}

void frmPrtPreview::buildToolbars() {
    ImageList1 = std::make_shared<ImageList>();
    ImageList2 = std::make_shared<ImageList>();
    tlbr1 = add<Toolbar>("tlbr1");
    for (const MainButton& design : MainButtons) {
        auto button = tlbr1->AddButton(design.key, {}, design.style);
        button->SetDescription(design.description);
        button->SetTag(design.description);
        button->SetToolTipText(design.toolTip);
        button->SetEnabled(!design.needsPrinter);
    }
    tlbr1->Button("PrinterOptions").SetVisible(false);
    auto& zoom = tlbr1->Button("zoom");
    for (const ZoomEntry& entry : ZoomEntries) {
        if (entry.key.empty()) {
            zoom.AddButtonMenu({}, "-");
            continue;
        }
        zoom.AddButtonMenu(std::string(entry.key), std::string(entry.text))->SetTag(std::string(entry.tag));
    }
    tlbr1->SetImageList(ImageList1);
    tlbr1->SetHotImageList(ImageList2);
    // One width for every button, so that the zoom caption ("zoom", "150%")
    // never pushes the buttons after it sideways.
    tlbr1->SetButtonWidth(810);
}

void frmPrtPreview::buildMenus() {
    mnuZom = AddMenu("mnuZom", "Zoom");
    for (const ZoomEntry& entry : ZoomEntries) {
        if (entry.index <= 14)
            mnuZom->AddItem("mnuZoom", std::string(entry.popupCaption), entry.index);
        else if (entry.key.empty())
            mnuZom->AddItem("mnuZuum", "-");
        else
            mnuZom->AddItem("mnuZxxm", std::string(entry.popupCaption));
    }
    mnuScale = AddMenu("mnuScale", "Scale");
    for (int16_t i = 1; i <= 10; ++i)
        mnuScale->AddItem("mnuIM", ScaleNames[static_cast<size_t>(i - 1)], i);
}

void frmPrtPreview::buildRulers() {
    ClassRegistry& registry = ClassRegistry::instance();
    for (int16_t i = 0; i <= 1; ++i) {
        ObjectRef ruler = registry.create(RulerClass);
        // 1 horizontal above the page, 2 vertical left of it.
        ruler->put("Orientation", Variant(int32_t(i + 1)));
        ruler->put("Index", Variant(int32_t(i)));
        auto host = picBack->addIndexed<ComponentHost>("picRuler", i, ruler);
        host->SetVisible(false);
        picRuler.add(i, host);
    }
    auto& corner = *picCorn.load(*picBack, "picCorn", 2);
    corner.SetVisible(false);
    LnDot.load(corner, "LnDot", 2);
}

void frmPrtPreview::wireViewerEvents() {
    // The page view keeps what is painted on it, as drawing played for the
    // part in the window at the screen's resolution; the shadow is a filled block.
    picPreView->SetAutoRedraw(true);
    picPreView->SetDrawingRetained(true);
    picPreView->SetBackColor(0x00FFFFFF);
    shpS->SetFillStyle(vb::FillSolid);
    shpS->SetBackStyle(1);

    commands_ = std::make_unique<ViewerCommands>(*this);
    navigation_ = std::make_unique<PageNavigation>(*this);
    tlbr1->onButtonClick = [this](ToolbarButton& button) { tlbr1_ButtonClick(button.Key()); };
    tlbr1->onButtonMenuClick = [this](ButtonMenu& entry) { renderer.tlbr1_ButtonMenuClick(entry); };
    tlbr2->onButtonClick = [this](ToolbarButton& button) { tlbr2_ButtonClick(button.Key()); };
    tlbr2->onButtonMenuClick = [this](ButtonMenu& entry) { commands_->tlbr2_ButtonMenuClick(entry.Key()); };
    lstPage->onClick = [this] { lstPage_Click(); };
    txtJump->onChange = [this] { txtJump_Change(); };
    // The page area is one stop of the tab order, its bars none: the keys
    // that page and scroll reach the window from wherever the focus is.
    picBack->SetTabStop(true);
    hscPV->SetTabStop(false);
    vscPV->SetTabStop(false);
    picBack->onMouseWheel = [this](double notches, int16_t shift, bool horizontal) {
        commands_->pageAreaWheel(notches, shift, horizontal);
    };
    for (const auto& item : mnuZom->Items()) {
        Menu& menu = *item;
        if (menu.Name() == "mnuZoom")
            menu.onClick = [this, index = menu.Index()] { mnuZoom_Click(index); };
        else if (menu.Name() == "mnuZxxm")
            menu.onClick = [this] { mnuZxxm_Click(); };
    }
    for (const auto& item : mnuScale->Items())
        item->onClick = [this, index = item->Index()] { mnuIM_Click(index); };

    hscPV->onChange = [this] { layout.hscPV_Change(); };
    hscPV->onScroll = [this] { layout.hscPV_Scroll(); };
    vscPV->onChange = [this] { layout.vscPV_Change(); };
    vscPV->onScroll = [this] { layout.vscPV_Scroll(); };
    picBack->onResize = [this] { layout.picBack_Resize(); };
    picBack->onMouseMove = [this](int16_t button, int16_t shift, float x, float y) {
        layout.picBack_MouseMove(button, shift, x, y);
    };
    picBack->onMouseDown = [this](int16_t button, int16_t shift, float x, float y) {
        layout.picBack_MouseDown(button, shift, x, y);
    };
    picPreView->onMouseDown = [this](int16_t button, int16_t shift, float x, float y) {
        mouse.picPreView_MouseDown(button, shift, x, y);
    };
    picPreView->onMouseMove = [this](int16_t button, int16_t shift, float x, float y) {
        mouse.picPreView_MouseMove(button, shift, x, y);
    };
    stbr1->onMouseDown = [this](int16_t button, int16_t shift, float x, float y) {
        mouse.stbr1_MouseDown(button, shift, x, y);
    };
}

void frmPrtPreview::wirePrinting() {
    countdown_ = std::make_unique<CancelCountdown>(CountdownPanel{
        picBack.get(), picCan.get(), cmdCanlP.get(), &lblCP, imgMov.get(), &imgPrt, tmrCntD.get(), tmrMovie.get()});
    PrintingSite site;
    site.form = this;
    site.imgP = imgP.get();
    site.lstPage = lstPage.get();
    site.countdown = countdown_.get();
    site.printableArea = [this](int32_t& width, int32_t& height) {
        width = geometry.mlPrintWidthTw;
        height = geometry.mlPrintHeightTw;
    };
    printing_ = std::make_unique<PagePrinting>(std::move(site));
}

int32_t frmPrtPreview::cMilling() const { return glMilliWait; }

void frmPrtPreview::set_cMilling(int32_t vNewcMilling) { glMilliWait = vNewcMilling; }

void frmPrtPreview::Form_Initialize() { startup_->Form_Initialize(); }
void frmPrtPreview::Form_Load() {
    startup_->Form_Load();
    // The keys work at once: the window opens with the focus on the page.
    trapError([this] { picBack->SetFocus(); });
}
void frmPrtPreview::Form_Activate() { startup_->Form_Activate(); }
void frmPrtPreview::Form_QueryUnload(int16_t& cancel, int16_t unloadMode) {
    (void)cancel;
    (void)unloadMode;
    startup_->Form_QueryUnload();
}
void frmPrtPreview::Form_Unload(int16_t& cancel) {
    (void)cancel;
    startup_->Form_Unload();
}

void frmPrtPreview::Form_KeyDown(int16_t& keyCode, int16_t shift) { commands_->viewerKey(keyCode, shift); }

void frmPrtPreview::Form_KeyUp(int16_t& keyCode, int16_t shift) {
    (void)shift;
    // Esc is the one key: it asks a running production to stop.
    if (keyCode == 27)
        CancelProduction();
}

void frmPrtPreview::ProducePages() {
    // Production ends by selecting page 1 in the list: nothing that follows
    // from that selection may start another production.
    if (producing_)
        return;
    producing_ = true;
    production_->ProducePages();
    producing_ = false;
}

void frmPrtPreview::tlbr1_ButtonClick(const std::string& key) { commands_->tlbr1_ButtonClick(key); }
void frmPrtPreview::tlbr2_ButtonClick(const std::string& key) { commands_->tlbr2_ButtonClick(key); }
void frmPrtPreview::GoToPage(int32_t page) { navigation_->GoToPage(page); }
void frmPrtPreview::UpdateNavButtons(int32_t page) { navigation_->UpdateNavButtons(page); }
void frmPrtPreview::lstPage_Click() { navigation_->lstPage_Click(); }
void frmPrtPreview::txtJump_Change() { navigation_->txtJump_Change(); }
void frmPrtPreview::ShowFirstPage() { startup_->ShowFirstPage(); }
void frmPrtPreview::ShowNoPrinterNotice() { startup_->ShowNoPrinterNotice(); }
void frmPrtPreview::ResetPageStatus() { startup_->ResetPageStatus(); }
void frmPrtPreview::AddATab() { startup_->AddATab(); }
void frmPrtPreview::CancelProduction() { production_->CancelProduction(); }

void frmPrtPreview::SetPageViewCursor(int16_t resourceId) {
    picPreView->SetMouseIcon(ResourceStore::standard().LoadResCursor(resourceId));
    picPreView->SetMousePointer(vb::Custom);
}

ViewerColorTargets frmPrtPreview::colorTargets() const {
    return {shpS.get(), picList.get(), picBack.get(), lstPage.get(), picCan.get(), &lblCP};
}

} // namespace kelvppvw
