#include "printing/PrinterSetupCommands.h"

#include "components/printersetup/PrinterSetupClass.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/automation/ErrorTrap.h"
#include "platform/forms/Application.h"
#include "platform/printer/Printer.h"
#include "platform/printer/Printers.h"

namespace kelvppvw {

namespace {
// Each setting goes to whichever printer is current at that moment, so a
// printer that could not be selected still gets the rest of the choice.
Printer& currentPrinter() {
    auto printer = Printer::current();
    if (!printer)
        throw AutomationError(484);
    return *printer;
}
} // namespace

void ApplyStoredPrinterSetup(const std::string& section, const std::string& iniFile) {
    ResumeNext next;
    ObjectRef component;
    next([&] { component = ClassRegistry::instance().create(PrinterSetupClassName); });
    if (!component)
        return;
    Args a(8, Variant(int32_t{0}));
    a.emplace_back(section);
    a.emplace_back(iniFile);
    int32_t result = -1;
    next([&] { result = component->call("ReadPrinterSetup", a).toLong(); });
    if (result <= -1)
        return;
    next([&] { Printer::setCurrent(Printers::installed()->item(a[0].toLong())); });
    next([&] { currentPrinter().setColorMode(a[1].toLong()); });
    next([&] { currentPrinter().setPaperSize(a[2].toLong()); });
    next([&] { currentPrinter().setDuplex(a[3].toLong()); });
    next([&] { currentPrinter().setPaperBin(a[4].toLong()); });
    next([&] { currentPrinter().setOrientation(a[5].toLong()); });
    next([&] { currentPrinter().setPrintQuality(a[7].toLong()); });
    next([&] {
        if (a[6].toLong() > 0)
            currentPrinter().setCopies(a[6].toLong());
    });
}

bool RunPrinterSetup(const std::string& section, const std::string& iniFile) {
    ResumeNext next;
    ObjectRef component;
    bool confirmed = false;
    next([&] { component = ClassRegistry::instance().create(PrinterSetupClassName); });
    if (!component)
        return false;
    next([&] { confirmed = component->callWith("ShowPrinterSetup", section, iniFile).toBool(); });
    next([&] { DoEvents(); });
    if (confirmed) {
        next([&] { ApplyStoredPrinterSetup(section, iniFile); });
        next([&] { DoEvents(); });
    }
    return confirmed;
}

} // namespace kelvppvw
