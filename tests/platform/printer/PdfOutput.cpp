#include "platform/printer/PdfOutput.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <atomic>
#include <cstdlib>
#include <random>
#include <thread>
#include <unistd.h>

namespace kelvppvw::print_test {

namespace {
std::string env(const char* name, const char* fallback) {
    const char* v = std::getenv(name);
    return v && *v ? v : fallback;
}

QStringList filesFor(const std::string& title) {
    // cups-pdf appends its own suffix after the title.
    const QString t = QString::fromStdString(title);
    QStringList out;
    for (const QString& name : QDir(QString::fromStdString(pdfDirectory())).entryList({t + "*.pdf"}, QDir::Files))
        if (name.size() > t.size() && (name[t.size()] == '_' || name[t.size()] == '.'))
            out << QDir(QString::fromStdString(pdfDirectory())).filePath(name);
    return out;
}
} // namespace

QString run(const QString& program, const QStringList& args, bool* ok) {
    QProcess p;
    p.start(program, args);
    const bool finished = p.waitForFinished(60000);
    if (ok)
        *ok = finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return QString::fromUtf8(p.readAllStandardOutput());
}

std::string testQueue() { return env("KELVPPVW_TEST_QUEUE", "kelvppvw-pdf"); }
std::string pdfDirectory() { return env("KELVPPVW_PDF_DIR", "/var/spool/cups-pdf/kelvppvw"); }

::testing::AssertionResult queueInstalled() {
    bool ok = false;
    run("lpstat", {"-p", QString::fromStdString(testQueue())}, &ok);
    if (ok)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "CUPS queue '" << testQueue()
                                         << "' is not installed or cupsd is not running: run scripts/start-cups.sh";
}

std::string uniqueJobTitle(std::string_view prefix) {
    static std::atomic<int> counter{0};
    static const unsigned salt = std::random_device{}();
    return std::string(prefix) + "-" + std::to_string(getpid()) + "-" + std::to_string(salt % 100000) + "-" +
           std::to_string(++counter);
}

bool pdfExists(const std::string& title) { return !filesFor(title).isEmpty(); }

std::optional<std::string> waitForPdf(const std::string& title, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    qint64 lastSize = -1;
    while (std::chrono::steady_clock::now() < deadline) {
        const QStringList files = filesFor(title);
        if (!files.isEmpty()) {
            const qint64 size = QFileInfo(files.front()).size();
            // Complete once its size holds still and pdfinfo can read it.
            if (size > 0 && size == lastSize && !pdfPages(files.front().toStdString()).empty())
                return files.front().toStdString();
            lastSize = size;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return std::nullopt;
}

std::vector<PdfPage> pdfPages(const std::string& path) {
    bool ok = false;
    const QString info = run("pdfinfo", {"-f", "1", "-l", "9999", QString::fromStdString(path)}, &ok);
    std::vector<PdfPage> pages;
    if (!ok)
        return pages;
    static const QRegularExpression size(R"(Page\s+\d+\s+size:\s+([\d.]+) x ([\d.]+) pts)");
    for (auto it = size.globalMatch(info); it.hasNext();) {
        const auto m = it.next();
        pages.push_back({m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return pages;
}

QImage renderPdfPage(const std::string& path, int page, int dpi) {
    QTemporaryDir dir;
    const QString prefix = dir.filePath("page");
    bool ok = false;
    run("pdftoppm", {"-r", QString::number(dpi), "-f", QString::number(page), "-l", QString::number(page), "-png",
                     "-singlefile", QString::fromStdString(path), prefix},
        &ok);
    return ok ? QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32) : QImage();
}

double meanGrey(const QImage& image, const QRect& area) {
    const QRect r = area.intersected(image.rect());
    if (r.isEmpty())
        return -1;
    double sum = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (r.width() * r.height());
}

} // namespace kelvppvw::print_test
