// The printer queries the viewer repeats on every layout, zoom and refresh.
#include "platform/printer/Printer.h"
#include "platform/printer/Printers.h"
#include "printing/InchFraction.h"
#include "printing/PaperInfo.h"
#include "printing/PrinterMargin.h"
#include "printing/PrinterMetrics.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace kelvppvw;

namespace {
std::shared_ptr<Printer> benchPrinter() {
    const char* queue = std::getenv("KELVPPVW_TEST_QUEUE");
    const auto names = Printers::systemNames();
    if (names.empty())
        return nullptr;
    return Printer::open(queue && *queue ? queue : names.front());
}
} // namespace

static void BM_ReadPrinterMetrics(benchmark::State& state) {
    const auto printer = benchPrinter();
    if (!printer) {
        state.SkipWithError("no printer installed");
        return;
    }
    PrinterMetrics m;
    for (auto _ : state) {
        ReadPrinterMetrics(m, printer.get());
        benchmark::DoNotOptimize(m);
    }
}
BENCHMARK(BM_ReadPrinterMetrics);

static void BM_PrinterMarginAllSeven(benchmark::State& state) {
    const auto printer = benchPrinter();
    if (!printer) {
        state.SkipWithError("no printer installed");
        return;
    }
    for (auto _ : state)
        for (uint8_t i = 1; i <= 7; ++i)
            benchmark::DoNotOptimize(PrinterMargin(printer.get(), i));
}
BENCHMARK(BM_PrinterMarginAllSeven);

static void BM_UserDefinedPaperText(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(PaperPanelText(256, 5953, 8391));
}
BENCHMARK(BM_UserDefinedPaperText);

BENCHMARK_MAIN();
