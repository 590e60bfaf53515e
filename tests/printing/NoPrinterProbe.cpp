// Reports what the printing code sees, one "name=value" per line; the tests
// run it with the print server pointed somewhere nobody answers.
#include "components/printersetup/PrinterSetupClass.h"
#include "platform/printer/Printer.h"
#include "platform/printer/Printers.h"
#include "printing/PaperInfo.h"
#include "printing/PrinterMargin.h"
#include "printing/PrinterMetrics.h"
#include "printing/PrinterSetupCommands.h"

#include <cstdio>
#include <string>

using namespace kelvppvw;

int main(int argc, char** argv) {
    const std::string ini = argc > 1 ? argv[1] : "/nonexistent/printers.ini";
    RegisterPrinterSetupClass();
    std::printf("printers=%d\n", Printers::installed()->count());
    std::printf("current=%s\n", Printer::current() ? Printer::current()->deviceName().c_str() : "(none)");
    std::string margins;
    for (uint8_t i = 1; i <= 7; ++i)
        margins += (i > 1 ? " " : "") + std::to_string(PrinterMargin(i));
    std::printf("margins=%s\n", margins.c_str());
    PrinterMetrics m;
    m.mlDpiX = 77;
    ReadPrinterMetrics(m, Printer::current().get());
    std::printf("dpi=%d\n", m.mlDpiX);
    const auto printer = Printer::current();
    std::printf("paper=%s\n", ShowPaperInfo(printer != nullptr, printer.get(), m).paperPanel.c_str());
    ApplyStoredPrinterSetup("App", ini);
    std::printf("setup=%d\n", RunPrinterSetup("App", ini) ? 1 : 0);
    std::printf("done=1\n");
    return 0;
}
