#include "platform/automation/ErrorTrap.h"

#include <new>

namespace kelvppvw {

AutomationError toAutomationError(std::exception_ptr error) noexcept {
    try {
        std::rethrow_exception(error);
    } catch (const AutomationError& e) {
        return e;
    } catch (const std::bad_alloc&) {
        return AutomationError(7);
    } catch (const std::exception& e) {
        return AutomationError(440, std::string("Automation error: ") + e.what());
    } catch (...) {
        return AutomationError(440, "Automation error");
    }
}

std::string errorBoxText(const AutomationError& error, std::string_view procedure, bool withLineNumber) {
    std::string text = "Error: " + std::to_string(error.number()) + "\r\n" + error.description() + "\r\n";
    text += procedure;
    if (withLineNumber)
        text += "\r\n0";
    return text;
}

} // namespace kelvppvw
