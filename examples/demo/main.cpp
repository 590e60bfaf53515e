// The demo host: registers its print data object class and shows a preview.
// Without a display it runs offscreen, closes the viewer by itself after a
// moment and leaves a screenshot.
#include "SampleReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QWidget>

#include <iostream>

using namespace kelvppvw;

int main(int argc, char** argv) {
    const std::string shot = argc > 1 ? argv[1] : QDir::current().absoluteFilePath("kelvppvw-demo.png").toStdString();

    Application::ensure();
    SampleReport::registerClass();
    auto preview = std::make_shared<clsPreview>();
    preview->onRequestData([](std::string&) { /* no owner window: the viewer stands alone */ });

    if (Application::isHeadless()) {
        ModalScript::push([shot](ModalMoment& m) {
            QElapsedTimer clock;
            clock.start();
            while (clock.elapsed() < 1500)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
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
