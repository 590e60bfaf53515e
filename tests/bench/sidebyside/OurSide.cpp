// The report in our preview, the way a host previews: a print data object
// that draws every page through the viewer it gets as Parent, shown with
// ShowPreviewDialog.
#include "BenchReport.h"
#include "Measure.h"
#include "Sides.h"

#include "bench/BenchQueue.h"
#include "platform/forms/ModalScript.h"
#include "recording/ClosedRunRemoval.h"
#include "recording/PageProduction.h"

#include <kelvppvw/kelvppvw.h>

#include <QTemporaryDir>


using namespace kelvppvw;

namespace sidebyside {

namespace {

class Report : public PrintDataObject {
public:
    static constexpr const char* ClassName = "SideBySide.Report";
    static inline int pages = 1;

protected:
    void PrintDataObjText(Variant&, Variant&) override
    {
        Dispatch& viewer = *Parent;
        const int left = MarginLeft / 15 + 10, top = MarginTop / 15 + 10;
        for (int page = 1; page <= pages && !CannedPT; ++page) {
            if (page == 1)
                viewer.callWith("PagesStart", 1, 1, pages);
            else
                viewer.callWith("PageAdded", page);
            drawPage(viewer, pageContent(page, pages, left, top));
            viewer.callWith("PageFinished", page);
        }
        viewer.callWith("PagesComplete", pages, 1);
    }

private:
    void text(Dispatch& viewer, const Text& t) { viewer.callWith("DrawNewTextMM", DrwHwnd, t.x, t.y, t.text); }
    void line(Dispatch& viewer, const Segment& s)
    {
        viewer.callWith("MoveNewTo", float(s.x1), float(s.y1));
        viewer.callWith("LineNewMoveTo", s.x2, s.y2);
    }

    void drawPage(Dispatch& viewer, const PageContent& c)
    {
        Args none;
        viewer.call("CreateNewEMF", none);
        viewer.callWith("LetBackMode", 1);
        viewer.callWith("SetNewEMFfont", DrwHwnd, "Liberation Sans", int16_t(16), true, false, false, false);
        viewer.callWith("SetNewPen", 0, 0x00804000);
        text(viewer, c.heading);
        line(viewer, c.headingRule);
        viewer.callWith("SetNewPen", 0, 0);
        viewer.callWith("SetNewEMFfont", DrwHwnd, "Courier New", int16_t(10), false, false, false, false);
        for (const Text& l : c.lines)
            text(viewer, l);
        for (const Segment& s : c.tableRules)
            line(viewer, s);
        for (const Text& cell : c.cells)
            text(viewer, cell);
        viewer.callWith("LineDrawRectangle", c.filledBox.x1, c.filledBox.y1, c.filledBox.x2, c.filledBox.y2);
        viewer.callWith("SetNewEMFfont", DrwHwnd, "Liberation Sans", int16_t(9), false, true, false, false);
        text(viewer, c.footer);
        viewer.call("CloseOnOutEMF", none);
    }
};

} // namespace

Figures runOurSide(int pages)
{
    Figures f;
    QTemporaryDir home;
    Report::pages = pages;
    bench::useHome(home.path().toStdString(), Report::ClassName, [] { return ObjectRef(std::make_shared<Report>()); });
    if (!bench::useA4OnTestQueue()) {
        std::fprintf(stderr, "no printer installed\n");
        return f;
    }

    Stopwatch clock;
    ModalScript::push([&](ModalMoment& m) {
        auto& v = dynamic_cast<frmPrtPreview&>(*m.form);
        PaintWatch watch(v.picPreView->widget(), [&v] { return v.mbPagesProduced && v.imgP->Picture(); });
        watch.waitForPaint();
        f.firstPage = Timing::of(clock);
        if (std::abs(v.geometry.mlPaperWidthPx - 4960) > 10)
            std::fprintf(stderr, "the page is %d printer pixels wide, not A4 at 600 dpi\n", v.geometry.mlPaperWidthPx);

        f.nextPage = medianOf(2, 1 + nextPageSamples(pages), [&](int page) {
            v.GoToPage(page);
            watch.waitForPaint();
        });
        f.zoom = medianOf(1, ZoomSamples, [&](int) {
            v.mnuZoom_Click(13); // 200 %
            watch.waitForPaint();
            v.mnuZoom_Click(14); // Auto
            watch.waitForPaint();
        });

        clock.restart();
        m.form->Unload();
        return 0;
    });
    auto preview = std::make_shared<clsPreview>();
    clock.restart();
    preview->ShowPreviewDialog(Report::ClassName, "", false, "Bench", "Sect", "Prnt", "bench.ini", "Report.txt",
                               home.path().toStdString(), "Quarterly report", "Listing", false, 0);
    f.close = Timing::of(clock);
    FinishClosedRunRemoval();
    f.closeUntilRemoved = Timing::of(clock);
    return f;
}

} // namespace sidebyside
