// Our side of printing a page: the recorded page (the demo report's, text,
// lines and a table) played as vectors over the printable area of an open
// job on the test queue, then the next sheet. The job is killed at the end,
// so the print server's own work is not measured.
#include "bench/BenchQueue.h"
#include "bench/DemoPage.h"

#include "components/seams/PlatformSeams.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

using namespace kelvppvw;

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

BENCHMARK_MAIN();
