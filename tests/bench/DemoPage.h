#pragma once
// The demo report's first page (text, lines and a table) recorded as the
// viewer records it; for benchmarks and tests built with PageRecorder and SampleReport.
#include "PageRecorder.h"
#include "SampleReport.h"

#include "platform/gdi/Picture.h"

#include <QTemporaryDir>

namespace kelvppvw::bench {

// Null when the page could not be recorded; `margin` in twips on every side.
inline std::shared_ptr<Picture> demoPage(const QTemporaryDir& dir, int32_t margin = 0) {
    auto recorder = std::make_shared<PageRecorder>(dir.path().toStdString(), 816 * 15, 1056 * 15);
    auto report = std::make_shared<SampleReport>();
    report->pages = 1;
    report->Parent = recorder;
    report->MarginLeft = report->MarginTop = report->MarginRight = report->MarginBottom = margin;
    recorder->printDataObject = report;
    report->callWith("PrintDataObjText", Variant(), Variant("Benchmark report"));
    return Picture::load(dir.filePath("Page_1.emf").toStdString());
}

} // namespace kelvppvw::bench
