// The report in Qt's own print preview widget, the way a Qt application
// previews: paintRequested draws every page on the preview printer.
#include "BenchReport.h"
#include "Measure.h"
#include "Sides.h"

#include <QFont>
#include <QGraphicsView>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>

namespace sidebyside {

namespace {

constexpr double Dpi = 600;
constexpr double Px = Dpi / 96.0; // report pixels to printer pixels

QPoint at(int x, int y) { return QPoint(int(x * Px), int(y * Px)); }

void drawText(QPainter& p, const Text& t)
{
    // The report places text by its top; Qt draws at the baseline.
    p.drawText(at(t.x, t.y) + QPoint(0, p.fontMetrics().ascent()), QString::fromStdString(t.text));
}

void drawReport(QPrinter* printer, int pages)
{
    QPainter p(printer);
    const QFont heading("Liberation Sans", 16, QFont::Bold);
    const QFont body("Courier New", 10);
    const QFont footer("Liberation Sans", 9, QFont::Normal, true);
    const int left = 48 + 10, top = 48 + 10; // half-inch margins, as the host of our side gets
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            printer->newPage();
        const PageContent c = pageContent(page, pages, left, top);
        p.setPen(QPen(QColor(0x00, 0x40, 0x80), 0));
        p.setFont(heading);
        drawText(p, c.heading);
        p.drawLine(at(c.headingRule.x1, c.headingRule.y1), at(c.headingRule.x2, c.headingRule.y2));
        p.setPen(QPen(Qt::black, 0));
        p.setFont(body);
        for (const Text& line : c.lines)
            drawText(p, line);
        for (const Segment& s : c.tableRules)
            p.drawLine(at(s.x1, s.y1), at(s.x2, s.y2));
        for (const Text& cell : c.cells)
            drawText(p, cell);
        p.setBrush(QColor(0xE0, 0xE0, 0xE0));
        p.drawRect(QRect(at(c.filledBox.x1, c.filledBox.y1), at(c.filledBox.x2, c.filledBox.y2)));
        p.setBrush(Qt::NoBrush);
        p.setFont(footer);
        drawText(p, c.footer);
    }
}

} // namespace

Figures runQtSide(int pages)
{
    Figures f;
    Stopwatch clock;
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(int(Dpi));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    auto* preview = new QPrintPreviewWidget(&printer);
    QObject::connect(preview, &QPrintPreviewWidget::paintRequested,
                     [pages](QPrinter* target) { drawReport(target, pages); });
    preview->resize(800, 600);
    preview->setZoomMode(QPrintPreviewWidget::FitInView);
    auto* view = preview->findChild<QGraphicsView*>();
    PaintWatch watch(view->viewport(), [preview] { return preview->pageCount() > 0; });
    preview->show();
    watch.waitForPaint();
    f.firstPage = Timing::of(clock);

    f.nextPage = medianOf(2, 1 + nextPageSamples(pages), [&](int page) {
        preview->setCurrentPage(page);
        watch.waitForPaint();
    });
    f.zoom = medianOf(1, ZoomSamples, [&](int) {
        preview->setZoomFactor(2.0);
        watch.waitForPaint();
        preview->setZoomMode(QPrintPreviewWidget::FitInView);
        watch.waitForPaint();
    });

    clock.restart();
    preview->close();
    delete preview;
    QCoreApplication::processEvents();
    f.close = f.closeUntilRemoved = Timing::of(clock); // keeps no files
    return f;
}

} // namespace sidebyside
