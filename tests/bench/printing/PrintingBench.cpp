// Our side of printing a page: the recorded page (the demo report's, text,
// lines and a table) played as vectors over the printable area of an open
// job on the test queue, then the next sheet. The job is killed at the end,
// so the print server's own work is not measured.
#include "PageRecorder.h"
#include "SampleReport.h"

#include "components/seams/PlatformSeams.h"
#include "platform/forms/Application.h"
#include "platform/gdi/Picture.h"
#include "platform/printer/Printer.h"
#include "platform/printer/Printers.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <cstdlib>

using namespace kelvppvw;

static void BM_PrintPages(benchmark::State& state) {
    Application::ensure();
    InstallPlatformSeams();
    const char* queue = std::getenv("KELVPPVW_TEST_QUEUE");
    const auto names = Printers::systemNames();
    if (names.empty()) {
        state.SkipWithError("no printer installed");
        return;
    }
    auto printer = Printer::open(queue && *queue ? queue : names.front());
    printer->setPaperSize(9);
    printer->setPrintQuality(600);

    QTemporaryDir dir;
    auto recorder = std::make_shared<PageRecorder>(dir.path().toStdString(), 816 * 15, 1056 * 15);
    auto report = std::make_shared<SampleReport>();
    report->pages = 1;
    report->Parent = recorder;
    recorder->printDataObject = report;
    report->callWith("PrintDataObjText", Variant(), Variant("Benchmark report"));
    const ObjectRef page = Picture::load(dir.filePath("Page_1.emf").toStdString());
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
