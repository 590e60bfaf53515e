#include "components/ruler/Ruler.h"
#include "components/ruler/TickLayout.h"

#include <QApplication>
#include <QImage>
#include <QRegion>

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

// One pointer move: the marker leaves one place and appears at the next,
// and only those columns are painted again from the buffered ruler.
void BM_MoveMarker(benchmark::State& state) {
    Ruler r;
    setUp(r, static_cast<int>(state.range(0)), 5);
    r.setDisplayMarkerType(1);
    QImage target(r.size(), QImage::Format_ARGB32_Premultiplied);
    r.render(&target);  // builds the buffer once
    const int reach = r.displayMarkerWidth() + 2;
    float x = 0.0f;
    int last = 0;
    for (auto _ : state) {
        x = x >= 12000.0f ? 0.0f : x + 37.0f;
        r.MoveMarker(x, 0.0f);
        const int now = *r.markerPixel();
        QRegion dirty(last - reach, 0, 2 * reach + 1, 20);
        dirty += QRect(now - reach, 0, 2 * reach + 1, 20);
        r.render(&target, QPoint(), dirty);
        last = now;
        benchmark::DoNotOptimize(target.bits());
    }
    state.counters["backgroundRenders"] = r.backgroundRenders();
}
BENCHMARK(BM_MoveMarker)->Arg(612)->Arg(2448)->ArgName("pixels")->Unit(benchmark::kMicrosecond);

void BM_PlanTicks(benchmark::State& state) {
    TickRequest r;
    r.mapping = {12240.0, static_cast<double>(state.range(0))};
    const auto unit = rulerUnitFromIndex(state.range(1));
    r.twipsPerUnit = twipsPerUnit(unit, RulerOrientation::Horizontal);
    r.ladder = &unitLadder(unit);
    r.labelExtent = [](std::string_view text) { return 4.8 * static_cast<double>(text.size()); };
    for (auto _ : state)
        benchmark::DoNotOptimize(planTicks(r));
}
BENCHMARK(BM_PlanTicks)->ArgsProduct({{612, 2448}, {5, 6}})->ArgNames({"pixels", "unit"});

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
