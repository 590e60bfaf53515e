#include "components/printersetup/PrinterSetupStore.h"

#include "platform/automation/ErrorTrap.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/Variant.h"
#include "platform/profile/PrivateProfile.h"

#include <cstdint>

namespace kelvppvw {

namespace {

std::string readKey(const std::string& section, const std::string& key, const std::string& def,
                    const std::string& file) {
    char buffer[256];
    const std::uint32_t n = GetPrivateProfileString(section, key, def, buffer, file);
    return std::string(buffer, n);
}

void writeKey(const std::string& section, const std::string& key, const std::string& value, const std::string& file) {
    if (!WritePrivateProfileString(section, key, value, file))
        throw AutomationError(75, "Path/File access error: " + file);
}

// Key names carry the component's prefix: the section is the host's and holds its own keys too.
constexpr const char* KeyDevice = "PrtSetup_DeviceName";
constexpr const char* KeyPaper = "PrtSetup_PaperSize";
constexpr const char* KeyOrientation = "PrtSetup_Orientation";
constexpr const char* KeyQuality = "PrtSetup_PrintQuality";
constexpr const char* KeyColor = "PrtSetup_ColorMode";
constexpr const char* KeyDuplex = "PrtSetup_Duplex";
constexpr const char* KeyBin = "PrtSetup_PaperBin";
constexpr const char* KeyCopies = "PrtSetup_Copies";

} // namespace

std::optional<PrinterChoice> PrinterSetupStore::load(const std::string& section, const std::string& file) {
    PrinterChoice c;
    c.deviceName = readKey(section, KeyDevice, "", file);
    if (c.deviceName.empty())
        return std::nullopt;
    ResumeNext next;
    const auto number = [&](const char* key, int32_t& field) {
        next([&] { field = Variant(readKey(section, key, std::to_string(field), file)).toLong(); });
    };
    number(KeyPaper, c.paperSize);
    number(KeyOrientation, c.orientation);
    number(KeyQuality, c.printQuality);
    number(KeyColor, c.colorMode);
    number(KeyDuplex, c.duplex);
    number(KeyBin, c.paperBin);
    number(KeyCopies, c.copies);
    return c;
}

void PrinterSetupStore::save(const PrinterChoice& c, const std::string& section, const std::string& file) {
    writeKey(section, KeyDevice, c.deviceName, file);
    writeKey(section, KeyPaper, std::to_string(c.paperSize), file);
    writeKey(section, KeyOrientation, std::to_string(c.orientation), file);
    writeKey(section, KeyQuality, std::to_string(c.printQuality), file);
    writeKey(section, KeyColor, std::to_string(c.colorMode), file);
    writeKey(section, KeyDuplex, std::to_string(c.duplex), file);
    writeKey(section, KeyBin, std::to_string(c.paperBin), file);
    writeKey(section, KeyCopies, std::to_string(c.copies), file);
}

} // namespace kelvppvw
