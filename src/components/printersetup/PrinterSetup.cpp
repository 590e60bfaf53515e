#include "components/printersetup/PrinterSetup.h"

#include "components/printersetup/PrinterSetupClass.h"
#include "components/printersetup/PrinterSetupDialog.h"
#include "components/printersetup/PrinterSetupStore.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/forms/Application.h"
#include "platform/forms/ModalScript.h"
#include "platform/printer/Printer.h"
#include "platform/printer/Printers.h"

namespace kelvppvw {

PrinterSetup::PrinterSetup() {
    method("ShowPrinterSetup", [this](Args& a) {
        if (a.size() < 2)
            throw AutomationError(err::ArgumentNotOptional);
        return Variant(ShowPrinterSetup(a[0].toString(), a[1].toString()));
    });
    method("ReadPrinterSetup", [this](Args& a) {
        if (a.size() < 10)
            throw AutomationError(err::ArgumentNotOptional);
        int32_t values[8];
        for (int i = 0; i < 8; ++i)
            values[i] = a[static_cast<size_t>(i)].isEmpty() ? 0 : a[static_cast<size_t>(i)].toLong();
        const int32_t result = ReadPrinterSetup(values, a[8].toString(), a[9].toString());
        if (result > -1)
            for (int i = 0; i < 8; ++i)
                a[static_cast<size_t>(i)] = Variant(values[i]);
        return Variant(result);
    });
}

PrinterChoice PrinterSetup::initialChoice(const std::string& section, const std::string& iniFile) {
    if (auto stored = PrinterSetupStore::load(section, iniFile))
        return *stored;
    PrinterChoice c;
    if (auto printer = Printer::current()) {
        c.deviceName = printer->deviceName();
        c.paperSize = printer->paperSize();
        c.orientation = printer->orientation();
        c.printQuality = printer->printQuality();
        c.colorMode = printer->colorMode();
        c.duplex = printer->duplex();
        c.paperBin = printer->paperBin();
        c.copies = printer->copies();
    }
    return c;
}

bool PrinterSetup::ShowPrinterSetup(const std::string& section, const std::string& iniFile) {
    Application::ensure();
    PrinterSetupDialog dialog(Printers::systemNames(), initialChoice(section, iniFile));
    ModalMoment moment;
    moment.kind = ModalKind::PrinterDialog;
    moment.title = dialog.windowTitle().toStdString();
    int result = QDialog::Rejected;
    if (ModalAction action = ModalScript::take(moment)) {
        dialog.show();
        result = action(moment) != 0 ? QDialog::Accepted : QDialog::Rejected;
        dialog.hide();
    } else if (!Application::isHeadless()) {
        result = dialog.exec();
    }
    if (result != QDialog::Accepted)
        return false;
    const PrinterChoice choice = dialog.choice();
    if (choice.deviceName.empty())
        return false;
    PrinterSetupStore::save(choice, section, iniFile);
    return true;
}

int32_t PrinterSetup::ReadPrinterSetup(int32_t (&values)[8], const std::string& section, const std::string& iniFile) {
    const auto stored = PrinterSetupStore::load(section, iniFile);
    if (!stored)
        return -1;
    const int32_t position = Printers::installed()->indexOf(stored->deviceName);
    if (position < 0)
        return -2;
    values[0] = position;
    values[1] = stored->colorMode;
    values[2] = stored->paperSize;
    values[3] = stored->duplex;
    values[4] = stored->paperBin;
    values[5] = stored->orientation;
    values[6] = stored->copies;
    values[7] = stored->printQuality;
    return position;
}

void RegisterPrinterSetupClass() {
    ClassRegistry::instance().registerClass(PrinterSetupClassName, [] { return std::make_shared<PrinterSetup>(); });
}

} // namespace kelvppvw
