// The page view's work: a render of a typical page (the demo report's first
// page, played as vectors into the page view) at fit and at 200 %, and the
// scroll-area layout that follows every resize.
#include "bench/BenchQueue.h"
#include "bench/DemoPage.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

using namespace kelvppvw;

namespace {

// A viewer on the test queue (A4 portrait, 600 dpi) showing the demo page;
// null, with the benchmark skipped, without a printer or a page.
std::shared_ptr<frmPrtPreview> benchViewer(benchmark::State& state) {
    static QTemporaryDir dir;
    bench::useHome(dir.path().toStdString());
    const auto page = bench::useA4OnTestQueue() ? bench::demoPage(dir, 720) : nullptr;
    if (!page)
        state.SkipWithError("no printer installed or the page could not be recorded");
    return page ? bench::rulerViewer(false, page) : nullptr;
}

void render(benchmark::State& state, int16_t zoomMode, double divisor) {
    const auto v = benchViewer(state);
    if (!v)
        return;
    v->miZoomMode = zoomMode;
    v->mdblZoomDivisor = divisor;
    for (auto _ : state)
        v->RenderPreviewPage(*v->picPreView, v->miZoomMode, true, true, false);
    state.counters["pageWidthPx"] = v->picPreView->Width() / 15;
    v->Unload();
}

} // namespace

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

// The whole pass of a window resize: layout, render at fit, layout again.
static void BM_FormResizeAtFit(benchmark::State& state) {
    const auto v = benchViewer(state);
    if (!v)
        return;
    for (auto _ : state)
        v->Form_Resize();
    v->Unload();
}
BENCHMARK(BM_FormResizeAtFit)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
