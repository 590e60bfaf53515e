// Producing the demo's 100-page report: host calls through Dispatch, the
// metafile toolkit, files on disk; pages per second are reported.
#include "SampleReport.h"

#include "bench/BenchQueue.h"
#include "recording/PageProduction.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

using namespace kelvppvw;

namespace {

class HundredPages : public SampleReport {
public:
    HundredPages() { pages = 100; }
};

void BM_ProduceDemoReport(benchmark::State& state) {
    Application::ensure();
    std::string home = (std::filesystem::temp_directory_path() / "kelvppvw-bench-XXXXXX").string();
    if (!mkdtemp(home.data()))
        return state.SkipWithError("no temporary folder");
    bench::useHome(home, "Bench.Report", [] { return ObjectRef(std::make_shared<HundredPages>()); });
    auto viewer = NewForm<frmPrtPreview>();
    viewer->Load();
    for (auto _ : state) {
        viewer->mbPagesProduced = false;
        viewer->ProducePages();
        if (glHighPage != 100)
            state.SkipWithError("the report did not produce 100 pages");
    }
    state.counters["pages/s"] =
        benchmark::Counter(double(state.iterations()) * 100, benchmark::Counter::kIsRate);
    viewer->Unload();
    std::filesystem::remove_all(home);
}
BENCHMARK(BM_ProduceDemoReport)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
