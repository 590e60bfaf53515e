#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/OleColor.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/RasterPicture.h"
#include "platform/forms/ScrollBar.h"
#include "platform/forms/Shape.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <vector>

using namespace kelvppvw;

namespace {

// The viewer's page area: a background box holding the page view, its
// shadow, rulers, corner, scroll bars and cross-hair lines, 20 in all.
struct PageArea {
    std::shared_ptr<Form> form = NewForm<Form>();
    std::shared_ptr<PictureBox> back;
    std::vector<std::shared_ptr<Control>> children;

    PageArea() {
        form->Move(0, 0, 12000, 9000);
        form->Load();
        back = form->add<PictureBox>("picBack");
        back->Move(0, 600, 12000, 7800);
        for (int i = 0; i < 12; ++i)
            children.push_back(back->addIndexed<PictureBox>("picRuler", static_cast<int16_t>(i)));
        for (int i = 0; i < 6; ++i)
            children.push_back(back->addIndexed<Shape>("shpS", static_cast<int16_t>(i)));
        children.push_back(back->add<ScrollBar>("hscPV", ScrollBar::Orientation::Horizontal));
        children.push_back(back->add<ScrollBar>("vscPV", ScrollBar::Orientation::Vertical));
        form->Show();
        DoEvents();
    }
    ~PageArea() { form->Unload(); }

    void layout(double shift) {
        for (size_t i = 0; i < children.size(); ++i)
            children[i]->Move(300 + shift + 45.0 * i, 300 + shift, 3000 + shift, 2400 - shift);
    }
};

// Without and with the repaint the pass leads to.
void layoutPass(benchmark::State& state, bool repaint) {
    PageArea area;
    double shift = 0;
    for (auto _ : state) {
        shift = shift > 600 ? 0 : shift + 15;
        area.layout(shift);
        if (repaint)
            DoEvents();
    }
}
void BM_LayoutPassOf20Controls(benchmark::State& state) { layoutPass(state, false); }
void BM_LayoutPassOf20ControlsWithRepaint(benchmark::State& state) { layoutPass(state, true); }
BENCHMARK(BM_LayoutPassOf20Controls);
BENCHMARK(BM_LayoutPassOf20ControlsWithRepaint);

// A letter page at 96 dpi stretched into the printable area of a page view
// 600 pixels wide, in page twips, as a render does once per page.
void BM_PaintPictureOnePage(benchmark::State& state) {
    Application::ensure();
    QImage page(816, 1056, QImage::Format_ARGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    for (int y = 40; y < 1000; y += 18)
        p.fillRect(48, y, 700, 9, Qt::black);
    p.end();
    RasterPicture picture(page);
    auto form = NewForm<Form>();
    form->Load();
    auto view = form->add<PictureBox>("picPreView");
    view->SetAutoRedraw(true);
    view->Move(0, 0, 9000, 11640);
    view->Scale(0, 0, 12240, 15840);
    for (auto _ : state)
        view->PaintPicture(picture, 360, 360, 11520, 15120);
    form->Unload();
}
BENCHMARK(BM_PaintPictureOnePage)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
