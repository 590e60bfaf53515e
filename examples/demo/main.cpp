// The demo host: registers its print data object class and shows a preview.
// Without a display it runs offscreen, closes the viewer by itself after a
// moment and leaves a screenshot. `kelvppvw-demo --tour FILE` does the same
// on any display with the rulers, the page list and the cross hairs out, in a
// settings folder of its own: the picture of the viewer the README shows.
#include "SampleReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>

using namespace kelvppvw;

namespace {

// The host's logo, the way a host keeps one: a bitmap file it loads as a picture.
std::shared_ptr<Graphic> makeLogo(const QString& folder) {
    QImage image(96, 48, QImage::Format_RGB32);
    image.fill(QColor(0x1f, 0x4e, 0x79));
    QPainter painter(&image);
    painter.setPen(Qt::white);
    painter.setFont(QFont("Liberation Sans", 16, QFont::Bold));
    painter.drawText(image.rect(), Qt::AlignCenter, "KELV");
    painter.end();
    const QString path = folder + "/logo.bmp";
    image.save(path);
    auto logo = std::make_shared<Graphic>();
    logo->Name = "logo";
    logo->PictureType = ptBitmap;
    logo->Picture = Picture::LoadPicture(path.toStdString());
    logo->Left = 660; // page pixels, top right beside the title
    logo->Top = 40;
    logo->Width = 96 * 15; // twips
    logo->Height = 48 * 15;
    return logo;
}

// The pointer resting on the page, a third of the way in: the cross hairs
// and the rulers' markers follow it.
void restPointerOnPage(QWidget& window) {
    QWidget* page = window.findChild<QWidget*>(QStringLiteral("picPreView"));
    if (!page)
        return;
    const QPointF at(page->width() / 3.0, page->height() / 3.0);
    QMouseEvent move(QEvent::MouseMove, at, page->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(page, &move);
}

} // namespace

int main(int argc, char** argv) {
    const bool tour = argc > 1 && std::strcmp(argv[1], "--tour") == 0;
    if (tour && argc < 3) {
        std::fprintf(stderr, "usage: %s [--tour] [SCREENSHOT.png]\n", argv[0]);
        return 2;
    }
    const std::string shot = tour       ? argv[2]
                             : argc > 1 ? argv[1]
                                        : QDir::current().absoluteFilePath("kelvppvw-demo.png").toStdString();

    Application::ensure();
    SampleReport::registerClass();
    auto preview = std::make_shared<clsPreview>();
    QTemporaryDir scratch;
    preview->Graphics->Add(makeLogo(scratch.path()), "logo");
    preview->onRequestData([](std::string&) { /* no owner window: the viewer stands alone */ });
    if (tour) {
        // Stored options the viewer starts with: rulers with cross hairs, the page list open.
        setenv("KELVPPVW_HOME", scratch.path().toLocal8Bit().constData(), 1);
        std::ofstream(scratch.filePath("preview.ini").toStdString())
            << "[KelvDemo]\nRulersDisplayed=1\nRulerCrossHairs=1\nPrintRange=1\n";
    }

    if (Application::isHeadless() || tour) {
        ModalScript::push([shot, tour](ModalMoment& m) {
            QElapsedTimer clock;
            clock.start();
            while (clock.elapsed() < 1500)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            if (tour)
                restPointerOnPage(*m.form->widget());
            const bool saved = m.form->widget()->grab().save(QString::fromStdString(shot));
            std::cout << (saved ? "screenshot: " : "could not write the screenshot: ") << shot << std::endl;
            m.form->Unload();
            return 0;
        });
    }

    const bool ok = preview->ShowPreviewDialog(SampleReport::ClassName, "", true, "KelvDemo", "Settings", "Printer",
                                               "kelvdemo.ini", "Quarterly report", "", "Demo", "Quarterly report",
                                               true, 0);
    std::cout << "ShowPreviewDialog returned " << (ok ? "True" : "False") << std::endl;
    return ok ? 0 : 1;
}
