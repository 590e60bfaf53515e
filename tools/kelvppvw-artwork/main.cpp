// Draws the component's pictures and cursors into a resource folder:
//   kelvppvw-artwork <folder>
// writes images/*.png, cursors/*.png (each also as name@2x.png at twice the
// size), pictures.txt, cursors.txt and the resource file kelvppvw.qrc there
// (strings.txt, kept by hand, is copied beside them). The build runs it; its
// output is never committed.
#include "Artwork.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool writeText(const QString& path, const QString& text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text.toUtf8()) == text.toUtf8().size();
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kelvppvw-artwork <resource folder>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    if (!root.exists() || !root.mkpath(QStringLiteral("images")) || !root.mkpath(QStringLiteral("cursors"))) {
        std::fprintf(stderr, "kelvppvw-artwork: cannot write into %s\n", argv[1]);
        return 1;
    }
    const auto files = kelvppvw::artwork::drawAll();
    const auto save = [&root](const QString& file, const QImage& image) {
        if (image.save(root.filePath(file), "PNG"))
            return true;
        std::fprintf(stderr, "kelvppvw-artwork: cannot write %s\n", qPrintable(root.filePath(file)));
        return false;
    };
    for (const auto& f : files)
        if (!save(f.file, f.image) || !save(kelvppvw::artwork::doubleSizeFile(f.file), f.doubleSize))
            return 1;
    if (!writeText(root.filePath(QStringLiteral("pictures.txt")), kelvppvw::artwork::picturesTable(files)) ||
        !writeText(root.filePath(QStringLiteral("cursors.txt")), kelvppvw::artwork::cursorsTable(files)) ||
        !writeText(root.filePath(QStringLiteral("kelvppvw.qrc")), kelvppvw::artwork::resourceFile(files))) {
        std::fprintf(stderr, "kelvppvw-artwork: cannot write the tables\n");
        return 1;
    }
    std::printf("%zu files\n", files.size());
    return 0;
}
