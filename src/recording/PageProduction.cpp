#include "recording/PageProduction.h"

#include "host/PreviewValues.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/automation/ErrorTrap.h"
#include "platform/forms/Application.h"
#include "platform/forms/Image.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/PictureSource.h"
#include "recording/ClosedRunRemoval.h"
#include "recording/FileAccessError.h"
#include "recording/MetafileToolkit.h"
#include "recording/PageFiles.h"


namespace kelvppvw {

std::int32_t glThePrintingPage = 0;
std::int32_t glMovingPage = 0;
std::int32_t glHighPage = 0;
std::string gsPageStamp;
std::string gsStampKey;

std::string RunPageFile(std::int32_t page)
{
    return PageFolder::beside(gsAppPath).pageFile(gsPageStamp, page);
}

namespace {

std::int32_t longArg(const Args& a, std::size_t i)
{
    return i < a.size() && !a[i].isMissing() ? a[i].toLong() : 0;
}

ProgressPanel::Site progressSite(const ProductionSite& site)
{
    ProgressPanel::Site p;
    p.panel = site.picBack;
    p.settings = site.settings;
    p.physicalPageSize = site.physicalPageSize;
    p.texts = site.texts;
    return p;
}

} // namespace

PageProduction::PageProduction(ProductionSite site) : site_(std::move(site)), progress_(progressSite(site_)) {}

void PageProduction::declareOn(const std::function<void(std::string, std::function<Variant(Args&)>)>& addMethod)
{
    addMethod("PagesStart", [this](Args& a) {
        PagesStart(longArg(a, 0), longArg(a, 1), longArg(a, 2));
        return Variant();
    });
    addMethod("PageAdded", [this](Args& a) {
        PageAdded(longArg(a, 0));
        return Variant();
    });
    addMethod("PageFinished", [this](Args& a) {
        PageFinished(longArg(a, 0));
        return Variant();
    });
    addMethod("PagesComplete", [this](Args& a) {
        PagesComplete(longArg(a, 0), longArg(a, 1));
        return Variant();
    });
}

RecordingHooks PageProduction::hooks() const
{
    RecordingHooks hooks;
    hooks.setBusyCursor = [](bool busy) { SetScreenPointer(busy ? ScreenPointer::Hourglass : ScreenPointer::Default); };
    if (site_.errorBox)
        hooks.showErrorBox = site_.errorBox;
    return hooks;
}

void PageProduction::ProducePages()
{
    ResumeNext next;
    next([] { SetScreenPointer(ScreenPointer::Hourglass); });
    next([&] { RemoveAllPages(PageFolder::beside(gsAppPath), gsPageStamp, hooks()); });
    next([&] { site_.resetPageStatus(); });
    // The counters describe this production only; a previous preview's count
    // must not list pages that were never written.
    next([] { glThePrintingPage = glMovingPage = glHighPage = 0; });
    next([&] { site_.picBack->SetAutoRedraw(true); });
    next([&] {
        std::string text = site_.listText();
        GPrintPreView(*site_.picDraw, text, site_.titleText());
        if (site_.setListText)
            site_.setListText(text);
    });
    next([&] { gsPageFile = RunPageFile(1); });
    next([&] {
        if (glDrwHwnd == 0)
            return;
        bool show = true;
        const auto shown = ClosePageMetafile(show);
        site_.imgP->SetPicture(std::dynamic_pointer_cast<PictureSource>(shown));
        if (const int err = TakePageWriteError())
            showProductionError(FileAccessError(err));
    });
    next([&] { site_.addATab(); });
    next([&] { site_.layoutScrollArea(); });
    next([&] { site_.pagesProduced(); });
    next([&] { site_.picBack->SetAutoRedraw(false); });
    next([] { SetScreenPointer(ScreenPointer::Default); });
    // Closing the viewer while the host drew removed the run's files so far;
    // the pages drawn after that must go too, or nothing would ever list them.
    if (viewerClosed())
        next([&] { RemoveClosedRun(PageFolder::beside(gsAppPath), gsPageStamp, gsStampKey, hooks()); });
}

void PageProduction::GPrintPreView(PictureBox& surface, std::string& listText, const std::string& titleText)
{
    (void)titleText;
    // The page opener hands every new page's handle to the object while it exists.
    // The events let the user close the viewer: the host is then asked to stop.
    gPageRecordingHooks.doEvents = [this] {
        DoEvents();
        if (viewerClosed())
            CancelProduction();
    };
    gPageRecordingHooks.setPrintDataObjDrwHwnd = [](gdi::Handle h) {
        if (goPrintDataObj)
            goPrintDataObj->put("DrwHwnd", Variant(std::int32_t(h)));
    };
    // Closed pages go to disk on another core while the host draws the next.
    SetPageFilesInBackground(true);
    const auto failure = trapError([&] {
        const std::int32_t pictures = site_.graphicsCount ? site_.graphicsCount() : 0;
        // Held here too: a preview the host opens from inside its own call
        // replaces the global and would free the object while it runs.
        const ObjectRef held = goPrintDataObj = ClassRegistry::instance().create(gsObjClassName, gsRmtServerName);
        Dispatch& object = *held;
        if (!gsSetupKey.empty())
            object.put("SETUPKEYASGLOBAL", Variant(gsSetupKey));
        object.putRef("Parent", Variant(site_.viewer()));
        if (pictures > 0)
            object.put("AreGraphics", Variant(true));
        object.put("DrwHwnd", Variant(std::int32_t(glDrwHwnd)));
        object.put("PrntINI", Variant(gsPrtAppIni));
        object.put("AppName", Variant(gsAppName));
        object.put("PrntSec", Variant(gsAppPrnt));
        object.put("SetsSec", Variant(gsAppSect));
        object.put("InnitFileName", Variant(gsPrtFileName));
        object.put("InnitFilePath", Variant(gsPrtFilePath));
        object.put("MarginRight", Variant(site_.printerMargin(1)));
        object.put("MarginBottom", Variant(site_.printerMargin(2)));
        object.put("MarginLeft", Variant(site_.printerMargin(3)));
        object.put("MarginTop", Variant(site_.printerMargin(4)));

        const std::int16_t scaleMode = surface.ScaleMode();
        surface.SetScaleMode(vb::Twips);
        surface.Print(" ", false);
        surface.SetForeColor(0);
        surface.SetFontName("Courier New");
        surface.SetFontSize(8);
        surface.SetFontBold(false);
        surface.SetFontUnderline(false);
        surface.SetFontItalic(false);
        surface.SetFontStrikethru(false);
        SelectPageFont(glDrwHwnd, surface.FontName(), std::int16_t(roundHalfEven(surface.FontSize())),
                       surface.FontBold(), surface.FontItalic(), surface.FontUnderline(), surface.FontStrikethru());

        object.put("DrwHwnd", Variant(std::int32_t(glDrwHwnd)));
        const ObjectRef surfaceObject = surface.shared_from_this();
        object.putRef("picPreView", Variant(surfaceObject));
        Args args{Variant(surfaceObject), Variant(listText)};
        TakePageWriteError();
        object.call("PrintDataObjText", args);
        listText = args[1].toString();
        FinishPageFiles();
        // The host was told nothing while drawing; a page that could not be
        // written fails the production now, with the pages before it kept.
        if (const int err = TakePageWriteError())
            throw FileAccessError(err);

        surface.SetScaleMode(scaleMode);
        goPrintDataObj.reset();
    });
    gPageRecordingHooks.doEvents = [] { DoEvents(); };  // the hook above dies with this viewer
    // Nothing after production may find a page file unfinished.
    SetPageFilesInBackground(false);
    FinishPageFiles();
    progress_.flush();
    if (failure) {
        showProductionError(*failure);
        goPrintDataObj.reset();
    }
}

void PageProduction::showProductionError(const AutomationError& failure)
{
    if (site_.errorBox)
        site_.errorBox("Error: " + std::to_string(failure.number()) + "\r\n" + failure.description() +
                       "\r\n0\r\nSub frmPrtPreview GPrintPreView");
}

void PageProduction::PagesStart(std::int32_t thePrintingPage, std::int32_t movingPage, std::int32_t highPage)
{
    stopSilently([&] {
        glThePrintingPage = thePrintingPage;
        glMovingPage = movingPage;
        glHighPage = highPage;
        site_.holdRulerRedraw(true);
    });
}

void PageProduction::PageAdded(std::int32_t page)
{
    stopSilently([&] {
        glThePrintingPage = page;
        progress_.pageAdded(page);
    });
}

void PageProduction::PageFinished(std::int32_t pageFinished) { (void)pageFinished; }

void PageProduction::PagesComplete(std::int32_t thePrintingPage, std::int32_t movingPage)
{
    stopSilently([&] {
        glThePrintingPage = thePrintingPage;
        glHighPage = thePrintingPage;
        glMovingPage = movingPage;
        site_.picBack->Cls();
        progress_.cleared();
        site_.holdRulerRedraw(false);
    });
}

void PageProduction::CancelProduction()
{
    stopSilently([] {
        if (goPrintDataObj)
            goPrintDataObj->put("CannedPT", Variant(true));
    });
}

} // namespace kelvppvw
