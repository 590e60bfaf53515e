#include "viewer/ViewerStartup.h"

#include "components/seams/PlatformSeams.h"
#include "host/PreviewValues.h"
#include "platform/automation/ErrorTrap.h"
#include "platform/forms/Application.h"
#include "platform/forms/Menu.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Panel.h"
#include "platform/forms/RasterPicture.h"
#include "platform/forms/ResourceStore.h"
#include "platform/forms/ToolbarButton.h"
#include "platform/gdi/Picture.h"
#include "platform/printer/Printer.h"
#include "platform/profile/ProfileWriteBatch.h"
#include "platform/printer/Printers.h"
#include "printing/NoPrinterNotice.h"
#include "printing/PageNavigation.h"
#include "printing/PaperInfo.h"
#include "printing/PrinterSetupCommands.h"
#include "recording/ClosedRunRemoval.h"
#include "recording/MetafileToolkit.h"
#include "recording/PageProduction.h"
#include "recording/RunStamp.h"
#include "resources/ResourceIds.h"
#include "rulers/ApplyViewerColors.h"
#include "rulers/LoadRulerSettings.h"
#include "settings/ProfileStore.h"
#include "viewer/ZoomMenu.h"
#include "viewer/frmPrtPreview.h"

namespace kelvppvw {

namespace {

RecordingHooks viewerHooks()
{
    RecordingHooks hooks;
    hooks.setBusyCursor = [](bool busy) {
        SetScreenPointer(busy ? ScreenPointer::Hourglass : ScreenPointer::Default);
    };
    hooks.showErrorBox = [](const std::string& text) { MsgBox(text, vb::Exclamation); };
    return hooks;
}

} // namespace

void InitCommonControlsVersion(std::int32_t dwICC)
{
    (void)dwICC;
    Application::ensure();
    // Picture-box DCs, the printer's player and the ruler class, before any control needs them.
    InstallPlatformSeams();
}

std::string PadPageNumber(std::uint8_t mode, const std::string& number, std::int32_t highPage)
{
    const std::size_t width = std::to_string(highPage).size();
    if (mode == 1)
        return number + std::string(width > number.size() ? width - number.size() : 0, '0');
    const auto value = ParseLong(number);
    if (!value)
        return number; // not a number: the format leaves it as it is
    std::string digits = std::to_string(*value < 0 ? -std::int64_t(*value) : std::int64_t(*value));
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    return (*value < 0 ? "-" : "") + digits;
}

ViewerStartup::ViewerStartup(frmPrtPreview& viewer) : v_(viewer) {}

std::string ViewerStartup::ResText(int id) { return ResourceStore::standard().LoadResString(id); }

void ViewerStartup::LoadResourceImages()
{
    namespace ids = resource_ids;
    const ResourceStore& store = ResourceStore::standard();
    ResumeNext next;
    for (std::string_view key : ids::ToolbarKeys) {
        next([&] { v_.ImageList1->Add(std::string(key), store.LoadResPicture(ids::ToolbarImageId(key))); });
        next([&] { v_.ImageList2->Add(std::string(key), store.LoadResPicture(ids::HotImageId(key))); });
    }
    next([&] { v_.imgNoP->SetPicture(store.LoadResPicture(ids::NoPrinterImage)); });
    for (std::int16_t i = 0; i < ids::AnimationFrames; ++i)
        next([&] { v_.imgPrt(i).SetPicture(store.LoadResPicture(ids::AnimationFrameBase + i)); });
}

std::string ViewerStartup::PreviewIni() { return gsAppPath + "/preview.ini"; }

void ViewerStartup::Form_Initialize()
{
    // Nothing like the shell library needs holding here: only the controls' set-up.
    InitCommonControlsVersion(255);
}

void ViewerStartup::Form_Load()
{
    ResumeNext next;
    ViewerSettings& s = v_.settings;
    const std::string ini = PreviewIni();

    next([&] {
        v_.mdblScreenFactor = 1.26;
        v_.mdblZoomDivisor = 1.0;
        v_.miZoomMode = 0;
        v_.miZoomIndex = 9;
    });
    next([] { DoEvents(); });
    next([] { SetScreenPointer(ScreenPointer::Hourglass); });
    // Built-in values, the keys, the thickness rule (reading skips what is not a number).
    next([&] { ReadViewerSettings(s, gsAppName, ini); });
    next([&] { v_.mnuScale->Item("mnuIM", 5).SetChecked(false); });
    next([&] { v_.mnuScale->Item("mnuIM", std::int16_t(s[ViewerSetting::RulerScale])).SetChecked(true); });

    const auto color6 = std::int32_t(s[ViewerSetting::Color6]);
    next([&] { v_.picRuler(0).put("ColorBackColor", Variant(color6)); });
    next([&] { v_.picRuler(1).put("ColorBackColor", Variant(color6)); });
    next([&] { v_.picCorn(2).SetBackColor(std::uint32_t(color6)); });
    next([&] { v_.LnDot(2).SetBorderColor(std::uint32_t(s[ViewerSetting::Color5])); });

    next([&] { LoadRulerSettings(v_.picRuler(0), v_.picRuler(1), v_.LnDot(0), v_.LnDot(1), gsAppName, ini); });
    next([&] { ApplyViewerColors(v_.colorTargets(), s); });
    next([&] { ApplyStoredPrinterSetup(gsAppName, gsPrtAppIni); });

    next([&] { attachToolbarImages(); });

    next([] { DoEvents(); });
    // The previous viewer's page files may still be going; its failure is told before this run starts.
    next([] { FinishClosedRunRemoval(viewerHooks()); });
    next([&] {
        const RunStamp stamp = RunStamp::NewRunStamp(PageFolder::beside(gsAppPath), viewerHooks());
        gsPageStamp = stamp.gsPageStamp;
        gsStampKey = stamp.gsStampKey;
    });
    next([&] { v_.mbViewerReady = false; });

    bool printRange = false;
    next([&] { printRange = ReadViewerSwitches(s, gsAppName, ini); });
    if (printRange) {
        next([&] { v_.tlbr1->Button("SelPages").SetValue(1); });
        next([&] { v_.mbPageListShown = true; });
    }

    next([&] { checkPrinter(); });
    next([&] { v_.tlbr1->Button("PrinterOptions").SetVisible(v_.mbShowPrintOptions); });

    next([&] {
        if (v_.mbPrinterFound)
            v_.ReadPrinterMetrics();
    });
    next([&] { v_.mbViewerReady = true; });
    if (v_.mbPrinterFound) {
        next([&] {
            const auto printer = Printer::current();
            const PaperInfoTexts texts = ShowPaperInfo(true, printer.get(), v_.metrics);
            v_.stbr1->Panels(2).SetText(texts.paperPanel);
            if (texts.qualityToolTip)
                v_.stbr1->Panels(7).SetToolTipText(*texts.qualityToolTip);
            if (texts.qualityPanel)
                v_.stbr1->Panels(7).SetText(*texts.qualityPanel);
        });
    }
    next([&] { v_.SetCaption(ResText(110) + " (" + gsPrtFileName + ")"); });
    next([&] { setPageViewCursor(); });
    next([] { SetScreenPointer(ScreenPointer::Default); });
}

void ViewerStartup::attachToolbarImages()
{
    ResumeNext next;
    for (Toolbar* bar : {v_.tlbr1.get(), v_.tlbr2.get()}) {
        next([&] { bar->SetImageList(v_.ImageList1); });
        next([&] { bar->SetHotImageList(v_.ImageList2); });
        for (const auto& button : bar->Buttons()) {
            if (button->Key().empty())
                continue;
            next([&] { button->SetImage(Variant(button->Key())); });
            next([&] { button->SetCaption(button->Tag()); });
        }
    }
}

void ViewerStartup::checkPrinter()
{
    ResumeNext next;
    next([&] { v_.mbPrinterFound = Printers::installed()->count() > 0; });
    if (v_.mbPrinterFound) {
        next([&] { v_.tlbr2->Button("PrintSels").SetEnabled(true); });
        for (const char* key : {"PrintPage", "PrintAll", "Printsetup", "zoom", "portrait", "landscape"})
            next([&] { v_.tlbr1->Button(key).SetEnabled(true); });
        next([&] {
            const auto printer = Printer::current();
            const bool landscape = printer && printer->orientation() == Printer::Landscape;
            v_.tlbr1->Button(landscape ? "landscape" : "portrait").SetValue(1);
        });
        next([&] { v_.shpS->SetVisible(false); });
        next([&] { v_.imgP->SetVisible(false); });
        next([&] { v_.picPreView->SetVisible(false); });
        next([&] { v_.imgNoP->SetVisible(false); });
        return;
    }
    std::string line;
    next([&] { line = " " + ResText(101) + "..."; });
    next([&] { v_.picBack->Print(); });
    next([&] { v_.picBack->Print(line); });
    next([&] { v_.stbr1->Panels(1).SetText(ResText(107)); });
    next([&] { v_.stbr1->Panels(2).SetText(line); });
    next([&] { v_.stbr1->Panels(5).SetText("0"); });
    next([&] { v_.imgNoP->SetVisible(true); });
}

void ViewerStartup::setPageViewCursor()
{
    v_.SetPageViewCursor(PageViewCursor(v_.settings[ViewerSetting::AutoScaleMenu] != 0, false));
}

void ViewerStartup::Form_Activate()
{
    ResumeNext next;
    const std::int16_t style = v_.mbFlatToolbars ? 1 : 0;
    next([&] { v_.tlbr1->SetStyle(style); });
    next([&] { v_.tlbr2->SetStyle(style); });
}

void ViewerStartup::Form_QueryUnload()
{
    ResumeNext next;
    const std::string ini = PreviewIni();
    bool printRange = false;
    next([&] { printRange = v_.tlbr1->Button("SelPages").Value() == 1; });
    {
        // The viewer's keys and both rulers' keys reach preview.ini in one rewrite.
        ProfileWriteBatch batch(ini);
        next([&] { WriteViewerSettings(v_.settings, printRange, gsAppName, ini); });
        next([&] { Args none; v_.picRuler(0).call("SaveSettings", none); });
        next([&] { Args none; v_.picRuler(1).call("SaveSettings", none); });
    }
    next([&] { v_.tmrMovie->SetEnabled(false); });
    next([&] { v_.tmrCntD->SetEnabled(false); });
    next([&] { v_.imgMov->SetPicture(nullptr); });
    for (std::int16_t i = 0; i <= 4; ++i)
        next([&] { v_.imgPrt(i).SetPicture(nullptr); });
    next([&] { v_.set_sListText({}); });
    next([&] { v_.set_sTitleText({}); });
    next([&] { v_.lstPage->Clear(); });
    next([&] { v_.picPreView->SetAutoRedraw(false); });
    next([&] { v_.picFullScale->SetAutoRedraw(false); });
    next([&] { v_.picPreView->SetPicture(nullptr); });
    next([&] { v_.picFullScale->SetPicture(nullptr); });
    next([&] { v_.picDraw->SetPicture(nullptr); });
    // The entry outlives any file that could not go, so a later run's purge finds it.
    next([&] { RemoveClosedRun(PageFolder::beside(gsAppPath), gsPageStamp, gsStampKey, viewerHooks()); });
}

void ViewerStartup::Form_Unload()
{
    detachToolbarImages();
}

void ViewerStartup::detachToolbarImages()
{
    ResumeNext next;
    for (Toolbar* bar : {v_.tlbr1.get(), v_.tlbr2.get()}) {
        for (const auto& button : bar->Buttons())
            next([&] { button->SetImage(Variant(std::int32_t(0))); });
        next([&] { bar->SetImageList(nullptr); });
        next([&] { bar->SetHotImageList(nullptr); });
    }
}

void ViewerStartup::ShowFirstPage()
{
    stopSilently([&] {
        gsPageFile = RunPageFile(1);
        v_.imgP->SetPicture(nullptr);
        if (FileExists(gsPageFile)) {
            v_.imgP->SetPicture(std::dynamic_pointer_cast<PictureSource>(Picture::LoadPicture(gsPageFile)));
            v_.LayoutScrollArea();
        }
    });
}

void ViewerStartup::ShowNoPrinterNotice()
{
    const ViewerSettings& s = v_.settings;
    ResumeNext next;
    std::vector<NoticeStep> steps;
    next([&] {
        steps = NoPrinterNoticeSteps(v_.mbPrinterFound, s[ViewerSetting::Color3], s[ViewerSetting::Color4],
                                     s[ViewerSetting::Color5]);
    });
    PictureBox& box = *v_.picBack;
    for (const NoticeStep& step : steps) {
        next([&] {
            switch (step.kind) {
            case NoticeStep::Kind::Clear: box.Cls(); break;
            case NoticeStep::Kind::BackColor: box.SetBackColor(std::uint32_t(step.color)); break;
            case NoticeStep::Kind::ForeColor: box.SetForeColor(std::uint32_t(step.color)); break;
            case NoticeStep::Kind::SetCurrentX: box.SetCurrentX(step.amount); break;
            case NoticeStep::Kind::MoveCurrentY: box.SetCurrentY(box.CurrentY() + step.amount); break;
            case NoticeStep::Kind::Print: box.Print(step.text, step.endLine); break;
            }
        });
    }
}

void ViewerStartup::ResetPageStatus()
{
    // No trap: a failure here reaches the caller.
    v_.stbr1->Panels(1).SetText(ResText(107));
    v_.stbr1->Panels(5).SetText("1");
    v_.lstPage->Clear();
}

void ViewerStartup::AddATab()
{
    bool listFull = false;
    bool stop = false;
    // Error 32755 ends the procedure; others are told and skipped; 7 also ends the adding.
    const auto step = [&](auto&& statement) {
        if (stop)
            return;
        if (const auto e = trapError(statement)) {
            if (e->number() == 32755) {
                stop = true;
                return;
            }
            MsgBox("Error: " + std::to_string(e->number()) + "\r\n" + e->description() + "\r\nAddATab",
                   vb::Exclamation);
            if (e->number() == 7)
                listFull = true;
        }
    };
    Toolbar& bar = *v_.tlbr1;
    std::string pageWord;
    step([&] { pageWord = ResText(107); });
    if (glHighPage == 1) {
        for (const char* key : {"movefirst", "moveprev", "movenext", "movelast"})
            step([&] { bar.Button(key).SetEnabled(false); });
        step([&] { v_.lstPage->AddItem("Page " + PadPageNumber(0, std::to_string(glHighPage), glHighPage)); });
        step([&] { v_.lstPage->SetListIndex(0); });
    } else if (glHighPage > 1) {
        step([&] { bar.Button("movefirst").SetEnabled(false); });
        step([&] { bar.Button("moveprev").SetEnabled(false); });
        step([&] { bar.Button("movenext").SetEnabled(true); });
        step([&] { bar.Button("movelast").SetEnabled(true); });
        for (std::int32_t n = 1; n <= glHighPage && !listFull && !stop; ++n)
            step([&] {
                v_.lstPage->AddItem(pageWord + " " + PadPageNumber(0, std::to_string(n), glHighPage));
            });
        step([&] { v_.lstPage->SetListIndex(0); });
    }
    step([&] { v_.stbr1->Panels(1).SetText(PagePositionText(pageWord, glMovingPage, glHighPage)); });
    step([&] { v_.stbr1->Panels(5).SetText(std::to_string(glHighPage)); });
}

} // namespace kelvppvw
