#include "components/ruler/Ruler.h"
#include "components/ruler/RulerUnits.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

using namespace kelvppvw;

namespace {

// A letter sheet across `pixels` (612 is 72 pixels per inch, 2448 the
// 200 % zoom on a 96 dpi screen), 20 pixels thick, half-inch margins.
void setUp(Ruler& r, int pixels, int unit) {
    r.resize(pixels, 20);
    r.setPrinterPageWidth(12240);
    r.setDisplayRangeBeginning(720);
    r.setDisplayRangeEnding(720);
    r.setRulerScale(unit);
}

void BM_PaintWholeRuler(benchmark::State& state) {
    Ruler r;
    setUp(r, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    QImage target(r.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        r.RefreshRuler();
        r.render(&target);
        benchmark::DoNotOptimize(target.bits());
    }
    state.SetLabel(rulerUnitMenuName(rulerUnitFromIndex(state.range(1))).data());
}
BENCHMARK(BM_PaintWholeRuler)
    ->ArgsProduct({{612, 2448}, {5, 6, 1}})
    ->ArgNames({"pixels", "unit"})
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
