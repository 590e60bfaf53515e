#include "Artwork.h"

#include "resources/ResourceIds.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace kelvppvw::artwork {
namespace {

namespace ids = resource_ids;

// One palette for the resting images, a livelier one for hot tracking.
struct Palette {
    QColor ink, paper, body, shade, accent, green, red;
};
const Palette Normal{QColor(0x3a, 0x3a, 0x3a), Qt::white, QColor(0x9a, 0x9a, 0x9a), QColor(0x6e, 0x6e, 0x6e),
                     QColor(0x2b, 0x63, 0xc6), QColor(0x2e, 0x8b, 0x3a), QColor(0xc0, 0x39, 0x2b)};
const Palette Hot{QColor(0x10, 0x10, 0x10), Qt::white, QColor(0x7f, 0xa4, 0xd8), QColor(0x3d, 0x6a, 0xa8),
                  QColor(0x1e, 0x8b, 0xff), QColor(0x22, 0xb8, 0x44), QColor(0xe8, 0x3a, 0x2a)};

using Drawing = std::function<void(QPainter&, const Palette&)>;

QImage canvas(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QImage draw(int size, const Palette& pal, const Drawing& drawing)
{
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0); // every drawing is designed on a 16 x 16 grid
    drawing(p, pal);
    return image;
}

QPen line(const QColor& c, double width = 1.0)
{
    return QPen(c, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

// A sheet with a folded corner and a few text lines.
void sheet(QPainter& p, const Palette& pal, const QRectF& r, int textLines = 3)
{
    QPainterPath outline;
    const double fold = std::min(r.width(), r.height()) * 0.3;
    outline.moveTo(r.topLeft());
    outline.lineTo(r.right() - fold, r.top());
    outline.lineTo(r.right(), r.top() + fold);
    outline.lineTo(r.bottomRight());
    outline.lineTo(r.bottomLeft());
    outline.closeSubpath();
    p.setPen(line(pal.ink));
    p.setBrush(pal.paper);
    p.drawPath(outline);
    p.drawPolyline(QPolygonF{{r.right() - fold, r.top()}, {r.right() - fold, r.top() + fold}, {r.right(), r.top() + fold}});
    p.setPen(line(pal.shade));
    for (int i = 0; i < textLines; ++i) {
        const double y = r.top() + fold + 2 + i * 2;
        if (y < r.bottom() - 1)
            p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
    }
}

// A printer: paper going in at the top, the body, the tray at the bottom.
// `feed` is how far (0..1) the outgoing sheet has come out.
void printer(QPainter& p, const Palette& pal, int sheetsIn = 1, double feed = 0.0)
{
    // Several sheets fan out from back right to front left.
    if (sheetsIn == 1)
        sheet(p, pal, QRectF(4.5, 0.5, 7, 7), 0);
    for (int i = 0; sheetsIn > 1 && i < sheetsIn; ++i) {
        // plain sheets: at this size folded corners would only smudge the stack
        p.setPen(line(pal.ink));
        p.setBrush(pal.paper);
        p.drawRect(QRectF(8.5 - i * 2.5, 0.5 + i * 1.5, 5, 6));
    }
    p.setPen(line(pal.ink));
    p.setBrush(pal.body);
    p.drawRoundedRect(QRectF(0.5, 5.5, 15, 6.5), 1.5, 1.5);
    p.setBrush(pal.shade);
    p.drawRect(QRectF(2.5, 10.0, 11, 2.0));
    p.setPen(Qt::NoPen);
    p.setBrush(pal.green);
    p.drawEllipse(QPointF(13.0, 7.8), 0.9, 0.9);
    if (feed > 0) {
        const double h = 1.0 + 3.5 * feed;
        p.setPen(line(pal.ink));
        p.setBrush(pal.paper);
        p.drawRect(QRectF(4.0, 11.5, 8, h));
        p.setPen(line(pal.accent));
        for (double y = 13.0; y < 11.5 + h - 0.5; y += 1.5)
            p.drawLine(QPointF(5.5, y), QPointF(10.5, y));
    }
}

void triangle(QPainter& p, const QColor& c, double tipX, double baseX)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygonF{{tipX, 8.0}, {baseX, 3.0}, {baseX, 13.0}});
}

void bar(QPainter& p, const QColor& c, double x)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRect(QRectF(x, 3.0, 2.0, 10.0));
}

void magnifier(QPainter& p, const Palette& pal)
{
    p.setPen(QPen(pal.ink, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.0, 10.0), QPointF(14.5, 14.5));
    p.setPen(line(pal.ink, 1.5));
    p.setBrush(QColor(0xd8, 0xea, 0xff));
    p.drawEllipse(QPointF(6.5, 6.5), 5.0, 5.0);
    p.setPen(QPen(pal.paper, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(3.5, 3.5, 6, 6), 100 * 16, 70 * 16);
}

void tick(QPainter& p, const QColor& c, const QPointF& at, double size)
{
    p.setPen(QPen(c, size / 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{at + QPointF(0, size * 0.5), at + QPointF(size * 0.35, size * 0.85), at + QPointF(size, 0)});
}

// The drawing for each toolbar key, in the order of ResourceIds' key table.
const std::array<Drawing, 14>& toolbarDrawings()
{
    static const std::array<Drawing, 14> drawings = {
        // PrintAll: several sheets going in.
        Drawing([](QPainter& p, const Palette& pal) { printer(p, pal, 3); }),
        // PrintPage: one sheet.
        Drawing([](QPainter& p, const Palette& pal) { printer(p, pal, 1); }),
        // SelPages: the page list with a selected row.
        Drawing([](QPainter& p, const Palette& pal) {
            p.setPen(line(pal.ink));
            p.setBrush(pal.paper);
            p.drawRect(QRectF(1.5, 1.5, 13, 13));
            p.setPen(Qt::NoPen);
            p.setBrush(pal.accent);
            p.drawRect(QRectF(2.5, 6.5, 11, 3));
            p.setPen(line(pal.shade));
            for (double y : {4.0, 12.0})
                p.drawLine(QPointF(4, y), QPointF(12, y));
            p.setPen(line(pal.paper));
            p.drawLine(QPointF(4, 8), QPointF(12, 8));
        }),
        // Printsetup: a printer with a setting wheel.
        Drawing([](QPainter& p, const Palette& pal) {
            printer(p, pal, 1);
            p.setPen(line(pal.ink, 0.6));
            p.setBrush(pal.accent);
            QPainterPath wheel;
            for (int i = 0; i < 8; ++i) {
                QTransform t;
                t.translate(11.5, 11.5);
                t.rotate(i * 45.0);
                wheel.addPolygon(t.map(QPolygonF(QRectF(-0.9, -4.2, 1.8, 2.0))));
            }
            wheel.addEllipse(QPointF(11.5, 11.5), 3.0, 3.0);
            p.drawPath(wheel.simplified());
            p.setBrush(pal.paper);
            p.drawEllipse(QPointF(11.5, 11.5), 1.1, 1.1);
        }),
        // PrinterOptions: a sheet of ticked choices.
        Drawing([](QPainter& p, const Palette& pal) {
            sheet(p, pal, QRectF(1.5, 0.5, 12, 15), 0);
            for (double y : {4.0, 8.5, 13.0}) {
                p.setPen(line(pal.ink));
                p.setBrush(pal.paper);
                p.drawRect(QRectF(3.5, y - 1.5, 3, 3));
                p.setPen(line(pal.shade));
                p.drawLine(QPointF(8.5, y), QPointF(11.5, y));
            }
            tick(p, pal.green, QPointF(3.9, 3.0), 2.4);
            tick(p, pal.green, QPointF(3.9, 12.0), 2.4);
        }),
        // movefirst, moveprev, movenext, movelast.
        Drawing([](QPainter& p, const Palette& pal) {
            bar(p, pal.accent, 2.5);
            triangle(p, pal.accent, 5.0, 13.0);
        }),
        Drawing([](QPainter& p, const Palette& pal) { triangle(p, pal.accent, 4.0, 12.0); }),
        Drawing([](QPainter& p, const Palette& pal) { triangle(p, pal.accent, 12.0, 4.0); }),
        Drawing([](QPainter& p, const Palette& pal) {
            triangle(p, pal.accent, 11.0, 3.0);
            bar(p, pal.accent, 11.5);
        }),
        // zoom.
        Drawing([](QPainter& p, const Palette& pal) { magnifier(p, pal); }),
        // portrait and landscape: a tall and a wide sheet with a heading band.
        Drawing([](QPainter& p, const Palette& pal) {
            sheet(p, pal, QRectF(3.5, 0.5, 9, 15), 5);
            p.setPen(Qt::NoPen);
            p.setBrush(pal.accent);
            p.drawRect(QRectF(5.0, 2.0, 3.5, 2.0));
        }),
        Drawing([](QPainter& p, const Palette& pal) {
            sheet(p, pal, QRectF(0.5, 3.5, 15, 9), 3);
            p.setPen(Qt::NoPen);
            p.setBrush(pal.accent);
            p.drawRect(QRectF(2.0, 5.0, 5.0, 2.0));
        }),
        // close.
        Drawing([](QPainter& p, const Palette& pal) {
            p.setPen(QPen(pal.red, 2.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
            p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
        }),
        // PrintSels: a printer and a tick for the chosen pages.
        Drawing([](QPainter& p, const Palette& pal) {
            printer(p, pal, 1);
            p.setPen(Qt::NoPen);
            p.setBrush(pal.paper);
            p.drawEllipse(QPointF(11.8, 11.8), 3.8, 3.8);
            tick(p, pal.green, QPointF(9.3, 9.5), 5.0);
        }),
    };
    return drawings;
}

// 32 x 32 pointer: a magnifier whose lens centre is the hot spot (11, 10),
// with a mark inside it.
QImage cursor(const std::function<void(QPainter&)>& mark, int scale)
{
    QImage image = canvas(32 * scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    const QPointF centre(ids::CursorHotX + 0.5, ids::CursorHotY + 0.5);
    // The handle, white-edged so it shows on dark pages too.
    p.setPen(QPen(Qt::white, 6.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(6.5, 6.5), QPointF(26.5, 25.5));
    p.setPen(QPen(Qt::black, 4.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(6.5, 6.5), QPointF(26.5, 25.5));
    p.setPen(QPen(Qt::white, 4.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 8.0, 8.0);
    p.setPen(QPen(Qt::black, 2.0));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(centre, 8.0, 8.0);
    p.translate(centre);
    p.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    mark(p);
    return image;
}

} // namespace

std::vector<ArtworkFile> drawAll()
{
    std::vector<ArtworkFile> files;
    // Every picture at its own size and twice that, drawn from the same vectors.
    const auto add = [&files](int id, bool isCursor, const QString& file, const std::function<QImage(int)>& at) {
        files.push_back({id, isCursor, file, at(1), at(2)});
    };
    const auto icon = [](int size, const Palette& pal, const Drawing& drawing) {
        return [=](int scale) { return draw(size * scale, pal, drawing); };
    };
    const auto& drawings = toolbarDrawings();
    for (std::size_t i = 0; i < ids::ToolbarKeys.size(); ++i) {
        const QString key = QString::fromLatin1(ids::ToolbarKeys[i].data(), qsizetype(ids::ToolbarKeys[i].size()));
        const int id = ids::ToolbarImageBase + int(i);
        add(id, false, QStringLiteral("images/%1.png").arg(key), icon(16, Normal, drawings[i]));
        add(id + ids::HotImageOffset, false, QStringLiteral("images/%1-hot.png").arg(key), icon(16, Hot, drawings[i]));
    }
    add(ids::NoPrinterImage, false, QStringLiteral("images/noprinter.png"),
        icon(32, Normal, [](QPainter& p, const Palette& pal) {
            printer(p, pal, 1);
            p.setPen(QPen(pal.red, 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
            p.drawLine(QPointF(3.4, 3.4), QPointF(12.6, 12.6));
        }));
    for (int n = 0; n < ids::AnimationFrames; ++n)
        add(ids::AnimationFrameBase + n, false, QStringLiteral("images/printing%1.png").arg(n),
            icon(16, Normal, [n](QPainter& p, const Palette& pal) {
                printer(p, pal, 1, (n + 1) / double(ids::AnimationFrames));
            }));
    const auto pointer = [](std::function<void(QPainter&)> mark) {
        return [mark = std::move(mark)](int scale) { return cursor(mark, scale); };
    };
    add(ids::CursorZoomIn, true, QStringLiteral("cursors/zoomin.png"), pointer([](QPainter& p) {
            p.drawLine(QPointF(-4.5, 0), QPointF(4.5, 0));
            p.drawLine(QPointF(0, -4.5), QPointF(0, 4.5));
        }));
    add(ids::CursorZoomInOut, true, QStringLiteral("cursors/zoominout.png"), pointer([](QPainter& p) {
            p.drawLine(QPointF(-3.5, -2), QPointF(3.5, -2));
            p.drawLine(QPointF(0, -5.5), QPointF(0, 1.5));
            p.drawLine(QPointF(-3.5, 4), QPointF(3.5, 4));
        }));
    add(ids::CursorZoomText, true, QStringLiteral("cursors/zoomtext.png"), pointer([](QPainter& p) {
            p.drawPolyline(QPolygonF{{-4, 5}, {0, -5}, {4, 5}});
            p.drawLine(QPointF(-2.4, 1.5), QPointF(2.4, 1.5));
        }));
    return files;
}

QString doubleSizeFile(const QString& file)
{
    return file.left(file.lastIndexOf(QLatin1Char('.'))) + QStringLiteral("@2x.png");
}

QString picturesTable(const std::vector<ArtworkFile>& files)
{
    QString out = QStringLiteral("# Pictures: \"id<TAB>file\"; the id scheme is in ResourceIds.h.\n"
                                 "# Written by tools/kelvppvw-artwork.\n");
    for (const ArtworkFile& f : files)
        if (!f.cursor)
            out += QStringLiteral("%1\t%2\n").arg(f.id).arg(f.file);
    return out;
}

QString cursorsTable(const std::vector<ArtworkFile>& files)
{
    QString out = QStringLiteral("# Cursors: \"id<TAB>file<TAB>hotX<TAB>hotY\".\n"
                                 "# Written by tools/kelvppvw-artwork.\n");
    for (const ArtworkFile& f : files)
        if (f.cursor)
            out += QStringLiteral("%1\t%2\t%3\t%4\n").arg(f.id).arg(f.file).arg(ids::CursorHotX).arg(ids::CursorHotY);
    return out;
}

QString resourceFile(const std::vector<ArtworkFile>& files)
{
    QString out = QStringLiteral("<!DOCTYPE RCC><RCC version=\"1.0\">\n"
                                 "<!-- Written by tools/kelvppvw-artwork. -->\n"
                                 "<qresource prefix=\"/kelvppvw\">\n"
                                 "    <file>strings.txt</file>\n"
                                 "    <file>pictures.txt</file>\n"
                                 "    <file>cursors.txt</file>\n");
    for (const ArtworkFile& f : files)
        out += QStringLiteral("    <file>%1</file>\n    <file>%2</file>\n").arg(f.file, doubleSizeFile(f.file));
    out += QStringLiteral("</qresource>\n</RCC>\n");
    return out;
}

} // namespace kelvppvw::artwork
