#include "platform/printer/Printers.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/Application.h"

#include <QPrinterInfo>

#include <algorithm>

namespace kelvppvw {

std::vector<std::string> Printers::systemNames() {
    Application::ensure();
    std::vector<std::string> out;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        out.push_back(name.toStdString());
    std::sort(out.begin(), out.end());
    return out;
}

std::string Printers::systemDefaultName() {
    Application::ensure();
    return QPrinterInfo::defaultPrinterName().toStdString();
}

std::shared_ptr<Printers> Printers::installed() {
    return std::shared_ptr<Printers>(new Printers(systemNames()));
}

Printers::Printers(std::vector<std::string> names) : names_(std::move(names)) {
    property("Count", [this] { return Variant(count()); });
    indexedProperty("Item", [this](Args& a) {
        if (a.empty())
            throw AutomationError(err::ArgumentNotOptional);
        return Variant(item(a[0].toLong()));
    });
}

int32_t Printers::indexOf(const std::string& deviceName) const {
    const auto it = std::find(names_.begin(), names_.end(), deviceName);
    return it == names_.end() ? -1 : static_cast<int32_t>(it - names_.begin());
}

std::shared_ptr<Printer> Printers::item(int32_t index) const {
    if (index < 0 || index >= count())
        throw AutomationError(err::SubscriptOutOfRange);
    return Printer::open(names_[static_cast<size_t>(index)]);
}

} // namespace kelvppvw
