// kelvppvw-emf: looks at, renders and records the page files of a preview.
//   info FILE.emf                      header fields and record counts
//   render FILE.emf OUT.png [--dpi N]  through the component's own player
//   render FILE.emf OUT.pdf
//   sample DIR [--pages N]             records the demo's sample report
#include "PageRecorder.h"
#include "SampleReport.h"

#include "platform/gdi/EmfFileInfo.h"
#include "platform/gdi/EmfPlayer.h"
#include "platform/gdi/GdiImages.h"
#include "platform/gdi/QtRuntime.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace kelvppvw;

namespace {

int usage()
{
    std::fprintf(stderr, "usage: kelvppvw-emf info FILE.emf\n"
                         "       kelvppvw-emf render FILE.emf OUT.png [--dpi N]\n"
                         "       kelvppvw-emf render FILE.emf OUT.pdf\n"
                         "       kelvppvw-emf sample DIR [--pages N]\n");
    return 64;
}

bool readFile(const char* path, std::vector<std::uint8_t>& bytes)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "kelvppvw-emf: cannot read %s: %s\n", path, qPrintable(file.errorString()));
        return false;
    }
    const QByteArray data = file.readAll();
    bytes.assign(data.begin(), data.end());
    return true;
}

// The value after `--name`, or `fallback`; false when it is there but no number.
bool intOption(std::vector<std::string>& args, const char* name, int& value)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != name)
            continue;
        if (i + 1 >= args.size())
            return false;
        try {
            std::size_t used = 0;
            value = std::stoi(args[i + 1], &used);
            if (used != args[i + 1].size())
                return false;
        } catch (...) {
            return false;
        }
        args.erase(args.begin() + std::ptrdiff_t(i), args.begin() + std::ptrdiff_t(i + 2));
        return true;
    }
    return true;
}

int info(const char* path)
{
    std::vector<std::uint8_t> bytes;
    if (!readFile(path, bytes))
        return 1;
    const gdi::EmfFileInfo info = gdi::EmfFileInfo::read(bytes);
    if (!info.valid) {
        std::fprintf(stderr, "kelvppvw-emf: %s: %s\n", path, info.problem.c_str());
        return 1;
    }
    std::printf("file        %s (%zu bytes)\n", path, bytes.size());
    std::printf("bounds      %d %d %d %d (pixels)\n", info.bounds.left, info.bounds.top, info.bounds.right,
                info.bounds.bottom);
    std::printf("frame       %d %d %d %d (0.01 mm)\n", info.frame.left, info.frame.top, info.frame.right,
                info.frame.bottom);
    std::printf("device      %d x %d pixels, %d x %d mm\n", info.deviceWidthPx, info.deviceHeightPx,
                info.deviceWidthMm, info.deviceHeightMm);
    std::printf("bytes       %u\nrecords     %u\nhandles     %u\n", info.nBytes, info.nRecords, info.nHandles);
    if (!info.description.empty()) {
        QString text = QString::fromUtf16(info.description.data(), qsizetype(info.description.size()));
        text.replace(QChar(0), QLatin1Char('|'));
        std::printf("description %s\n", qPrintable(text));
    }
    std::printf("record counts:\n");
    for (const auto& [type, count] : info.recordCounts) {
        const char* name = gdi::EmfFileInfo::recordName(type);
        if (name)
            std::printf("  %-24s %u\n", name, count);
        else
            std::printf("  type %-19u %u\n", type, count);
    }
    if (!info.problem.empty()) {
        std::printf("problem     %s\n", info.problem.c_str());
        return 2;
    }
    return 0;
}

int render(const char* path, const char* out, int dpi)
{
    std::vector<std::uint8_t> bytes;
    if (!readFile(path, bytes))
        return 1;
    const gdi::EmfFileInfo info = gdi::EmfFileInfo::readHeader(bytes);
    if (!info.valid) {
        std::fprintf(stderr, "kelvppvw-emf: %s: %s\n", path, info.problem.c_str());
        return 1;
    }
    const double widthMm = (info.frame.right - info.frame.left) / 100.0;
    const double heightMm = (info.frame.bottom - info.frame.top) / 100.0;
    if (!(widthMm > 0 && heightMm > 0)) {
        std::fprintf(stderr, "kelvppvw-emf: %s: the picture has an empty frame\n", path);
        return 1;
    }
    const QString target = QString::fromLocal8Bit(out);
    if (target.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        QPdfWriter pdf(target);
        pdf.setPageSize(QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(600);
        QPainter painter(&pdf);
        if (!painter.isActive()) {
            std::fprintf(stderr, "kelvppvw-emf: cannot write %s\n", out);
            return 1;
        }
        gdi::EmfPlayer::play(painter, bytes, QRectF(0, 0, pdf.width(), pdf.height()));
        return painter.end() ? 0 : 1;
    }
    const double w = widthMm / 25.4 * dpi, h = heightMm / 25.4 * dpi;
    if (w > 30000 || h > 30000) {
        std::fprintf(stderr, "kelvppvw-emf: %.0f x %.0f pixels is too large; lower --dpi\n", w, h);
        return 1;
    }
    QImage image(std::max(1, int(std::lround(w))), std::max(1, int(std::lround(h))), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        gdi::EmfPlayer::play(painter, bytes, QRectF(0, 0, image.width(), image.height()));
    }
    if (!image.save(target)) {
        std::fprintf(stderr, "kelvppvw-emf: cannot write %s\n", out);
        return 1;
    }
    return 0;
}

QImage logo()
{
    QImage image(120, 40, QImage::Format_RGB32);
    image.fill(QColor(0, 64, 128));
    QPainter painter(&image);
    painter.fillRect(QRect(6, 6, 28, 28), QColor(255, 200, 0));
    painter.setPen(Qt::white);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(18);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(40, 0, 80, 40), Qt::AlignVCenter, QStringLiteral("kelv"));
    return image;
}

int sample(const char* directory, int pages)
{
    if (!QDir().mkpath(QString::fromLocal8Bit(directory))) {
        std::fprintf(stderr, "kelvppvw-emf: cannot create %s\n", directory);
        return 1;
    }
    // Letter paper at 96 pixels per inch.
    auto recorder = std::make_shared<PageRecorder>(directory, 816 * 15, 1056 * 15);
    const QImage image = logo();
    auto picture = std::make_shared<Picture>(ptBitmap, gdi::createBitmapFromImage(image),
                                             Picture::pixelsToHimetric(image.width()),
                                             Picture::pixelsToHimetric(image.height()));
    recorder->graphics.push_back({picture, 640, 50, image.width() * 15, image.height() * 15, false});
    auto report = std::make_shared<SampleReport>();
    report->pages = pages;
    report->Parent = recorder;
    report->AreGraphics = true;
    report->MarginLeft = report->MarginTop = report->MarginRight = report->MarginBottom = 720;
    recorder->printDataObject = report;
    try {
        report->callWith("PrintDataObjText", Variant(), Variant("Sample report"));
    } catch (const AutomationError& e) {
        std::fprintf(stderr, "kelvppvw-emf: the report failed: error %d: %s\n", e.number(), e.description().c_str());
        return 1;
    }
    for (const std::string& file : recorder->pageFiles())
        std::printf("%s\n", file.c_str());
    return recorder->pageFiles().size() == std::size_t(pages) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return usage();
    gdi::QtRuntime::ensure();
    const std::string command = args[0];
    if (command == "info" && args.size() == 2)
        return info(args[1].c_str());
    if (command == "render") {
        int dpi = 96;
        if (!intOption(args, "--dpi", dpi) || args.size() != 3 || dpi < 1 || dpi > 2400)
            return usage();
        return render(args[1].c_str(), args[2].c_str(), dpi);
    }
    if (command == "sample") {
        int pages = 3;
        if (!intOption(args, "--pages", pages) || args.size() != 2 || pages < 1 || pages > 10000)
            return usage();
        return sample(args[1].c_str(), pages);
    }
    return usage();
}
