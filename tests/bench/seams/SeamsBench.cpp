// Drawing through a picture box's gdi DC opens a painter on the persistent
// image per call; a page of short lines shows what that costs.
#include "components/seams/PlatformSeams.h"
#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/PictureBox.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Picture.h"

#include <benchmark/benchmark.h>

#include <QDir>

using namespace kelvppvw;

namespace {

struct Surface {
    Surface()
    {
        Application::ensure();
        InstallPlatformSeams();
        form = NewForm<Form>();
        form->Load();
        pic = form->add<PictureBox>("picFullScale");
        pic->SetAutoRedraw(true);
        pic->Move(0, 0, 12240, 15840); // a letter page at 96 dpi
    }
    ~Surface() { form->Unload(); }
    std::shared_ptr<Form> form;
    std::shared_ptr<PictureBox> pic;
};

void BM_LinesOnSurfaceDc(benchmark::State& state)
{
    Surface s;
    const gdi::Handle dc = gdi::Handle(s.pic->hDC());
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            gdi::moveToEx(dc, 10, i, nullptr);
            gdi::lineTo(dc, 800, i);
        }
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_LinesOnSurfaceDc)->Unit(benchmark::kMillisecond);

void BM_RecordedPagePaintedOnBox(benchmark::State& state)
{
    Surface s;
    const std::string path = QDir::temp().filePath("kelvppvw-bench-page.emf").toStdString();
    const gdi::Handle dc = gdi::createEnhMetaFile(gdi::Handle(s.pic->hDC()), path, gdi::Rect{0, 0, 21590, 27940},
                                                  std::nullopt);
    for (int i = 0; i < 60; ++i)
        gdi::textOut(dc, 40, 20 + i * 16, "The quick brown fox jumps over the lazy dog, line after line.");
    gdi::deleteEnhMetaFile(gdi::closeEnhMetaFile(dc));
    const auto page = Picture::load(path);
    for (auto _ : state)
        s.pic->PaintPicture(*page, 0, 0, 12240, 15840);
    std::remove(path.c_str());
}
BENCHMARK(BM_RecordedPagePaintedOnBox)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
