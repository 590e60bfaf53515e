#include "printing/PagePrinting.h"

#include "host/PreviewValues.h"
#include "platform/automation/ErrorTrap.h"
#include "platform/forms/Form.h"
#include "platform/forms/Image.h"
#include "platform/forms/ListBox.h"
#include "platform/gdi/Picture.h"
#include "platform/printer/Printer.h"
#include "printing/CancelCountdown.h"
#include "recording/MetafileToolkit.h"
#include "recording/PageProduction.h"

namespace kelvppvw {

namespace {

constexpr int32_t NoPrinter = 484;

Printer& currentPrinter() {
    auto printer = Printer::current();
    if (!printer)
        throw AutomationError(NoPrinter);
    return *printer;
}

} // namespace

PagePrinting::PagePrinting(PrintingSite site) : s_(std::move(site)) {}

bool PagePrinting::printPage(int32_t page, AfterPage after) {
    ResumeNext next;
    next([&] { gsPageFile = RunPageFile(page); });
    // A page that cannot be read leaves the previous picture to be printed.
    next([&] { s_.imgP->SetPicture(Picture::LoadPicture(gsPageFile)); });
    next([&] { s_.form->SetCaption("(" + gsPrtFileName + ")" + PageLine(page)); });
    s_.countdown->WaitBeforePage(page);
    // Cancelled before page 1 nothing has reached the printer: no job to kill.
    if (page == 1 && gPrintCancelled)
        return false;
    next([&] { printStep(); });
    next([&] { finishPage(after); });
    return true;
}

void PagePrinting::printStep() {
    int32_t width = 0, height = 0;
    s_.printableArea(width, height);
    Printer& printer = currentPrinter();
    // The job carries the host's document name; the first painting opens it.
    printer.setDocumentName(gsPrtFileName);
    auto picture = std::dynamic_pointer_cast<Dispatch>(s_.imgP->Picture());
    Args args{Variant(ObjectRef(picture)), Variant(int32_t{0}), Variant(int32_t{0}), Variant(width), Variant(height)};
    printer.call("PaintPicture", args);
}

void PagePrinting::finishPage(AfterPage after) {
    Printer& printer = currentPrinter();
    if (gPrintCancelled)
        printer.killDoc();
    else if (after == AfterPage::EndJob)
        printer.endDoc();
    else if (after == AfterPage::NextSheet)
        printer.newPage();
}

void PagePrinting::restoreShownPage(const std::string& caption) {
    ResumeNext next;
    if (glMilliWaitSet > 0)
        next([&] { s_.countdown->EndCancelCountdown(); });
    next([&] { gsPageFile = RunPageFile(glMovingPage); });
    next([&] { s_.imgP->SetPicture(Picture::LoadPicture(gsPageFile)); });
    next([&] { s_.form->SetCaption(caption); });
}

void PagePrinting::PrintAllPages() {
    ResumeNext next;
    gPrintCancelled = false;
    if (glHighPage < 1)
        return;
    std::string caption;
    next([&] { caption = s_.form->Caption(); });
    const int32_t last = glHighPage;
    for (int32_t n = 1; n <= last; ++n)
        if (!printPage(n, n == last ? AfterPage::EndJob : AfterPage::NextSheet) || gPrintCancelled)
            break;
    restoreShownPage(caption);
}

void PagePrinting::PrintSelectedPages() {
    ResumeNext next;
    gPrintCancelled = false;
    if (glHighPage < 1)
        return;
    std::string caption;
    int32_t wanted = 0, printed = 0;
    next([&] { caption = s_.form->Caption(); });
    next([&] { wanted = s_.lstPage->SelCount(); });
    const int32_t last = glHighPage;
    for (int32_t n = 1; n <= last; ++n) {
        bool selected = false;
        next([&] { selected = s_.lstPage->Selected(n - 1); });
        if (selected) {
            const AfterPage after = printed + 1 == wanted ? AfterPage::EndJob
                                    : wanted > 1          ? AfterPage::NextSheet
                                                          : AfterPage::Nothing;
            if (!printPage(n, after))
                break;
            ++printed;
        }
        if (gPrintCancelled)
            break;
    }
    restoreShownPage(caption);
}

void PagePrinting::PrintShownPage() {
    ResumeNext next;
    gPrintCancelled = false;
    if (glMovingPage <= 0)
        return;
    s_.countdown->WaitBeforePage(glMovingPage);
    if (!gPrintCancelled) {
        std::string caption;
        next([&] { caption = s_.form->Caption(); });
        next([&] { s_.form->SetCaption(gsPrtFileName + PageLine(glMovingPage)); });
        next([&] { printStep(); });
        next([&] { currentPrinter().endDoc(); });
        next([&] { s_.form->SetCaption(caption); });
    }
    if (glMilliWaitSet > 0)
        next([&] { s_.countdown->EndCancelCountdown(); });
}

} // namespace kelvppvw
