// A page change as the user waits for it: the page list's selection moves,
// its Click loads the next page file, renders it into the page view, lays out
// the scroll area, and the page view is painted on screen. The demo report's
// twelve pages are produced on the current printer.
#include "SampleReport.h"

#include "bench/BenchQueue.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <QWidget>


using namespace kelvppvw;

namespace {

constexpr const char* BenchReport = "Bench.TwelvePages";

std::shared_ptr<frmPrtPreview> producedViewer(bool zoomed) {
    Application::ensure();
    // The system's current printer, as a host's viewer gets it.
    const auto printer = Printer::current();
    if (!printer)
        return nullptr;
    printer->setPaperSize(9);
    printer->setPrintQuality(600);

    static QTemporaryDir home;
    bench::useHome(home.path().toStdString(), BenchReport, [] {
        auto report = std::make_shared<SampleReport>();
        report->pages = 12;
        return ObjectRef(report);
    });
    auto v = NewForm<frmPrtPreview>();
    v->Show();
    DoEvents();
    if (zoomed)
        for (int i = 0; i < 5; ++i) // fit, 90 %, 100 %, 125 %, 150 %, 200 %
            v->tlbr1_ButtonClick("zoom");
    return v->mbPagesProduced && v->lstPage->ListCount() == 12 ? v : nullptr;
}

void BM_PageChange(benchmark::State& state) {
    auto v = producedViewer(state.range(0) != 0);
    if (!v) {
        state.SkipWithError("no printer, or the report was not produced");
        return;
    }
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

} // namespace

BENCHMARK_MAIN();
