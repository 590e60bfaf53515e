#pragma once
// What the viewer's benchmarks start from: the test queue (or the first queue
// there is) as the current printer with an A4 sheet at 600 dpi, a home folder
// of their own for preview.ini and Preview/, and the viewer with rulers.
#include "host/PreviewValues.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/forms/Application.h"
#include "platform/gdi/Picture.h"
#include "platform/printer/Printer.h"
#include "platform/printer/Printers.h"
#include "viewer/frmPrtPreview.h"

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace kelvppvw::bench {

// Null when no queue is installed.
inline std::shared_ptr<Printer> useA4OnTestQueue() {
    Application::ensure();
    const char* queue = std::getenv("KELVPPVW_TEST_QUEUE");
    const auto names = Printers::systemNames();
    if (names.empty())
        return nullptr;
    auto printer = Printer::open(queue && *queue ? queue : names.front());
    printer->setPaperSize(9);
    printer->setPrintQuality(600);
    Printer::setCurrent(printer);
    return printer;
}

// The viewer reads and writes its settings and page files under `home`, and
// produces its pages from `className` (registered when `make` is given).
inline void useHome(const std::string& home, const char* className = nullptr,
                    std::function<ObjectRef()> make = nullptr) {
    setenv(AppPathVariable, home.c_str(), 1);
    gsAppPath = home;
    gsAppName = "Bench";
    std::filesystem::create_directories(home + "/Preview");
    if (className)
        gsObjClassName = className;
    if (make)
        ClassRegistry::instance().registerClass(className, std::move(make));
}

// A shown viewer of 1000 x 733 pixels with rulers, taken as ready with its
// pages produced (`page` shown when given); the printer must be set first.
inline std::shared_ptr<frmPrtPreview> rulerViewer(bool crossHairs, const std::shared_ptr<Picture>& page = nullptr) {
    auto v = NewForm<frmPrtPreview>();
    v->Move(0, 0, 15000, 11000);
    v->Show();
    v->settings = {};
    v->settings[ViewerSetting::ShadowDepth] = 30;
    v->settings[ViewerSetting::RulersDisplayed] = 1;
    v->settings[ViewerSetting::RulerDimension] = 300;
    if (crossHairs)
        v->settings[ViewerSetting::RulerCrossHairs] = 1;
    v->mbPrinterFound = true;
    v->ReadPrinterMetrics();
    v->mbViewerReady = true;
    v->mbPagesProduced = true;
    if (page)
        v->imgP->SetPicture(page);
    v->Form_Resize();
    return v;
}

} // namespace kelvppvw::bench
