// Recording a typical report page through the by-name drawing operations,
// and playing it back at fit size, 96 dpi and 200 %.
#include "PageRecorder.h"

#include "platform/gdi/EmfPlayer.h"
#include "platform/gdi/QtRuntime.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

using namespace kelvppvw;

namespace {

// 60 text lines in 2 fonts, 20 lines and boxes.
void drawTypicalPage(PageRecorder& viewer, std::int32_t dc)
{
    Args none;
    viewer.call("CreateNewEMF", none);
    dc = glDrwHwnd;
    viewer.callWith("LetBackMode", 1);
    for (int line = 0; line < 60; ++line) {
        if (line % 10 == 0)
            viewer.callWith("SetNewEMFfont", dc, "Liberation Sans", std::int16_t(12), true, false, false, false);
        else if (line % 10 == 1)
            viewer.callWith("SetNewEMFfont", dc, "Courier New", std::int16_t(9), false, false, false, false);
        viewer.callWith("DrawNewTextMM", dc, 60, 60 + line * 15,
                        std::string("Line ") + std::to_string(line) + ": 4711 Widget, blue      12 x 3,50 = 42,00");
    }
    viewer.callWith("SetNewPen", 0, 0);
    for (int i = 0; i < 10; ++i) {
        viewer.callWith("MoveNewTo", 60.0f, float(70 + i * 90));
        viewer.callWith("LineNewMoveTo", 760, 70 + i * 90);
        viewer.callWith("MoveNewTo", 50.0f, float(50 + i * 90));
        viewer.callWith("DrawBoxedPoly", 50, 50 + i * 90, 770, 130 + i * 90);
    }
    viewer.call("CloseOnOutEMF", none);
}

struct Page {
    QTemporaryDir dir;
    std::shared_ptr<PageRecorder> recorder;
    std::vector<std::uint8_t> bytes;

    Page()
    {
        gdi::QtRuntime::ensure();
        recorder = std::make_shared<PageRecorder>(dir.path().toStdString(), 816 * 15, 1056 * 15);
        recorder->callWith("PagesStart", 1);
    }
    // Every page gets a file of its own, as in a preview run.
    void record()
    {
        recorder->callWith("PageAdded", ++number);
        drawTypicalPage(*recorder, 0);
    }
    int number = 0;
    void load()
    {
        record();
        QFile file(QString::fromStdString(recorder->pageFiles().back()));
        file.open(QIODevice::ReadOnly);
        const QByteArray data = file.readAll();
        bytes.assign(data.begin(), data.end());
    }
};

void BM_RecordTypicalPage(benchmark::State& state)
{
    Page page;
    for (auto _ : state)
        page.record();
}
BENCHMARK(BM_RecordTypicalPage)->Unit(benchmark::kMillisecond);

// Argument: destination width in pixels (816 is 96 dpi for Letter paper).
void BM_PlayTypicalPage(benchmark::State& state)
{
    Page page;
    page.load();
    const double width = double(state.range(0));
    QImage image(int(width), int(width * 1056 / 816), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        gdi::EmfPlayer::play(painter, page.bytes, QRectF(0, 0, image.width(), image.height()));
    }
    state.counters["bytes"] = double(page.bytes.size());
}
BENCHMARK(BM_PlayTypicalPage)->Arg(460)->Arg(816)->Arg(1632)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
