// The viewer's hot paths: recording a typical page (the demo report's first
// page: text, lines and a table) and loading it, a render of it (played as
// vectors into the page view) at fit and at 200 %, the scroll-area layout that
// follows every resize, a page change, a pointer move, and printing.
#include "bench/BenchQueue.h"
#include "bench/DemoPage.h"

#include "components/seams/PlatformSeams.h"
#include "platform/forms/Form.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/Panel.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <malloc.h>

using namespace kelvppvw;

namespace {

// A viewer on the test queue (A4 portrait, 600 dpi) showing the demo page;
// null, with the benchmark skipped, without a printer or a page.
std::shared_ptr<frmPrtPreview> benchViewer(benchmark::State& state, bool crossHairs = false) {
    static QTemporaryDir dir;
    bench::useHome(dir.path().toStdString());
    const auto page = bench::useA4OnTestQueue() ? bench::demoPage(dir, 720) : nullptr;
    if (!page)
        state.SkipWithError("no printer installed or the page could not be recorded");
    return page ? bench::rulerViewer(crossHairs, page) : nullptr;
}

void render(benchmark::State& state, int16_t zoomMode, double divisor) {
    const auto v = benchViewer(state);
    if (!v)
        return;
    v->miZoomMode = zoomMode;
    v->mdblZoomDivisor = divisor;
    QApplication::processEvents(); // the window is shown before it paints
    for (auto _ : state) {
        v->RenderPreviewPage(*v->picPreView, v->miZoomMode, true, true, false);
        v->picPreView->widget()->repaint(); // the page is played as it is painted
    }
    state.counters["pageWidthPx"] = v->picPreView->Width() / 15;
    v->Unload();
}

} // namespace

// The host drawing the page through the viewer's by-name operations into its
// page file, and the file loaded as the page list's Click loads it.
static void BM_RecordAndLoadPage(benchmark::State& state) {
    QTemporaryDir dir;
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::demoPage(dir));
}
BENCHMARK(BM_RecordAndLoadPage)->Unit(benchmark::kMillisecond);

static void BM_RenderAtFit(benchmark::State& state) { render(state, 0, 1.0); }
BENCHMARK(BM_RenderAtFit)->Unit(benchmark::kMillisecond);

static void BM_RenderAt200Percent(benchmark::State& state) { render(state, 1, 0.5); }
BENCHMARK(BM_RenderAt200Percent)->Unit(benchmark::kMillisecond);

// The layout pass a resize of the page area runs (rendering excluded).
static void BM_LayoutAfterResize(benchmark::State& state) {
    const auto v = benchViewer(state);
    if (!v)
        return;
    v->miZoomMode = 1;
    v->mdblZoomDivisor = 0.5;
    v->RenderPreviewPage(*v->picPreView, v->miZoomMode, true, true, false);
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        v->picBack->SetWidth(wide ? 15000 : 14000); // raises picBack_Resize, which lays out
    }
    v->Unload();
}
BENCHMARK(BM_LayoutAfterResize)->Unit(benchmark::kMicrosecond);

// A page change as the user waits for it: the page list's selection moves,
// its Click loads the next page file, renders it into the page view, lays out
// the scroll area, and the page view is painted on screen. The demo report's
// twelve pages are produced on the test queue.
static void BM_PageChange(benchmark::State& state) {
    static QTemporaryDir home;
    bench::useHome(home.path().toStdString(), "Bench.TwelvePages", [] {
        auto report = std::make_shared<SampleReport>();
        report->pages = 12;
        return ObjectRef(report);
    });
    std::shared_ptr<frmPrtPreview> v;
    if (bench::useA4OnTestQueue()) {
        v = NewForm<frmPrtPreview>();
        v->Show();
        DoEvents();
    }
    if (!v || !v->mbPagesProduced || v->lstPage->ListCount() != 12)
        return state.SkipWithError("no printer, or the report was not produced");
    if (state.range(0))
        for (int i = 0; i < 5; ++i) // fit, 90 %, 100 %, 125 %, 150 %, 200 %
            v->tlbr1_ButtonClick("zoom");
    int32_t item = 0;
    for (auto _ : state) {
        item = (item + 1) % 12;
        v->lstPage->SetListIndex(item);
        v->picPreView->widget()->repaint();
    }
    state.SetLabel(state.range(0) ? "at 200 %" : "fit to window");
    v->Unload();
}
BENCHMARK(BM_PageChange)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One pointer move over the page view as the user makes it: the move event
// on the page view's widget, the two cross-hair lines and both ruler markers
// moved, the X and Y panels written, and the window's repaint of what changed.
static void BM_PointerMove(benchmark::State& state) {
    const auto v = benchViewer(state, true);
    if (!v)
        return;
    QWidget* page = v->widget()->findChild<QWidget*>(QStringLiteral("picPreView"));
    QApplication::processEvents();
    // What a running event loop would have deleted by now (widgets the
    // toolbars replaced while being built) is not left to slow every move.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const int width = std::min(page->width(), 900), height = std::min(page->height(), 600);
    int step = 0;
    for (auto _ : state) {
        // Diagonally across the visible page, a few pixels a move.
        const QPointF at(20 + (step * 7) % (width - 40), 20 + (step * 5) % (height - 40));
        ++step;
        QMouseEvent move(QEvent::MouseMove, at, page->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(page, &move);
        QApplication::processEvents();
    }
    if (v->stbr1->Panels(3).Text().rfind("X ", 0) != 0 || !v->LnDot(0).Visible())
        state.SkipWithError("the move did not reach the cross hairs and panels");
    v->Unload();
}
BENCHMARK(BM_PointerMove)->Unit(benchmark::kMicrosecond);

// Our side of printing a page: the demo page played as vectors over the
// printable area of an open job on the test queue, then the next sheet. The
// job is killed at the end, so the print server's own work is not measured.
static void BM_PrintPages(benchmark::State& state) {
    const auto printer = bench::useA4OnTestQueue();
    if (!printer) {
        state.SkipWithError("no printer installed");
        return;
    }
    InstallPlatformSeams();
    QTemporaryDir dir;
    const ObjectRef page = bench::demoPage(dir);
    if (!page) {
        state.SkipWithError("the page could not be recorded");
        return;
    }
    const DeviceCaps caps = printer->deviceCaps();
    const double width = caps.horzRes * 1440.0 / caps.logPixelsX, height = caps.vertRes * 1440.0 / caps.logPixelsY;
    const int64_t pages = state.range(0);
    for (auto _ : state) {
        for (int64_t n = 1; n <= pages; ++n) {
            Args args{Variant(page), Variant(0.0), Variant(0.0), Variant(width), Variant(height)};
            printer->call("PaintPicture", args);
            if (n < pages)
                printer->newPage();
        }
        printer->killDoc();
    }
    state.counters["per_page"] =
        benchmark::Counter(double(state.iterations() * pages), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PrintPages)->Arg(100)->Unit(benchmark::kMillisecond);

// The page list filled as production fills it, one "Page NN" item per page,
// and the heap each item holds while listed.
static void BM_FillPageList(benchmark::State& state) {
    const auto form = NewForm<Form>();
    form->Load();
    const auto list = form->add<ListBox>("lstPage");
    list->SetMultiSelect(vb::MultiSelectExtended);
    const int32_t items = int32_t(state.range(0));
    // Large blocks come straight from mmap, outside the arena's count.
    const auto inUse = [] { return mallinfo2().uordblks + mallinfo2().hblkhd; };
    size_t heap = 0;
    for (auto _ : state) {
        const size_t before = inUse();
        for (int32_t n = 1; n <= items; ++n)
            list->AddItem("Page " + std::to_string(n));
        state.PauseTiming();
        heap = inUse() - before;
        list->Clear();
        state.ResumeTiming();
    }
    state.counters["heap_per_item"] = double(heap) / items;
    form->Unload();
}
BENCHMARK(BM_FillPageList)->Arg(10000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application::ensure();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
