#pragma once
// The printer benchmarks of the viewer run on: the test queue (or the first
// queue there is), set as the current printer with an A4 sheet at 600 dpi.
#include "platform/forms/Application.h"
#include "platform/printer/Printer.h"
#include "platform/printer/Printers.h"

#include <cstdlib>
#include <memory>

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

} // namespace kelvppvw::bench
