// One pointer move over the page view as the user makes it: the move event
// on the page view's widget, the two cross-hair lines and both ruler markers
// moved, the X and Y panels written, and the window's repaint of what changed.
#include "bench/BenchQueue.h"
#include "host/PreviewValues.h"
#include "platform/forms/Panel.h"
#include "viewer/frmPrtPreview.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>

using namespace kelvppvw;

namespace {

// The viewer on the test queue (A4 portrait, 600 dpi) in a 1000 x 733 pixel
// window with rulers and cross hairs; null without a printer.
std::shared_ptr<frmPrtPreview> pointerViewer() {
    if (!bench::useA4OnTestQueue())
        return nullptr;
    // Closing the viewer writes its settings: into a folder of its own.
    static QTemporaryDir home;
    bench::useHome(home.path().toStdString());
    return bench::rulerViewer(true);
}

void pointerMove(benchmark::State& state, double zoomDivisor) {
    const auto v = pointerViewer();
    if (!v) {
        state.SkipWithError("no printer installed");
        return;
    }
    if (zoomDivisor != 0) {
        v->miZoomMode = 1;
        v->mdblZoomDivisor = zoomDivisor;
        v->Form_Resize();
    }
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
    state.counters["pageWidthPx"] = page->width();
    if (v->stbr1->Panels(3).Text().rfind("X ", 0) != 0 || !v->LnDot(0).Visible())
        state.SkipWithError("the move did not reach the cross hairs and panels");
    v->Unload();
}

void BM_PointerMoveAtFit(benchmark::State& state) { pointerMove(state, 0); }
void BM_PointerMoveAt200(benchmark::State& state) { pointerMove(state, 0.5); }

} // namespace

BENCHMARK(BM_PointerMoveAtFit)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PointerMoveAt200)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application::ensure();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
