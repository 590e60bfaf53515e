#include "printing/PrinterTexts.h"

#include "platform/forms/ResourceStore.h"
#include "resources/ResourceIds.h"

namespace kelvppvw::printer_texts {
namespace {

std::string text(int id)
{
    return ResourceStore::standard().LoadResString(id);
}

} // namespace

std::string NoPrinterFound() { return text(resource_ids::StrNoPrinterFound); }
std::string InstallFirst() { return text(resource_ids::StrInstallFirst); }
std::string AddPrinterStep2() { return text(resource_ids::StrAddPrinterStep2); }
std::string PaperSizeWord() { return text(resource_ids::StrPapersize); }
std::string PrintQualityTip() { return text(resource_ids::StrPrintQuality); }
std::string AddPrinterStep1() { return text(resource_ids::StrAddPrinterStep1); }
std::string UserDefined() { return text(resource_ids::StrUserDefined); }

} // namespace kelvppvw::printer_texts
