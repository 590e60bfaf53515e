#pragma once

#include "components/printersetup/PrinterChoice.h"
#include "platform/automation/DispatchObject.h"

#include <string>

namespace kelvppvw {

// The printer-setup component (class PrinterSetupClassName); its late-bound
// interface is described in PrinterSetupClass.h.
class PrinterSetup : public DispatchObject {
public:
    PrinterSetup();

    bool ShowPrinterSetup(const std::string& section, const std::string& iniFile);
    // The eight values in the order of the late-bound call; see PrinterSetupClass.h.
    int32_t ReadPrinterSetup(int32_t (&values)[8], const std::string& section, const std::string& iniFile);

private:
    static PrinterChoice initialChoice(const std::string& section, const std::string& iniFile);
};

} // namespace kelvppvw
