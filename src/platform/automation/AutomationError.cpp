#include "platform/automation/AutomationError.h"

#include <utility>

namespace kelvppvw {

AutomationError::AutomationError(int32_t number, std::string description)
    : std::runtime_error(description), number_(number), description_(std::move(description)) {}

AutomationError::AutomationError(int32_t number)
    : AutomationError(number, standardDescription(number)) {}

std::string AutomationError::standardDescription(int32_t number) {
    switch (number) {
    case 5: return "Invalid procedure call or argument";
    case 6: return "Overflow";
    case 7: return "Out of memory";
    case 9: return "Subscript out of range";
    case 11: return "Division by zero";
    case 13: return "Type mismatch";
    case 53: return "File not found";
    case 61: return "Disk full";
    case 75: return "Path/File access error";
    case 76: return "Path not found";
    case 91: return "Object variable or With block variable not set";
    case 94: return "Invalid use of Null";
    case 380: return "Invalid property value";
    case 424: return "Object required";
    case 429: return "ActiveX component can't create object";
    case 438: return "Object doesn't support this property or method";
    case 449: return "Argument not optional";
    case 457: return "This key is already associated with an element of this collection";
    case 462: return "The remote server machine does not exist or is unavailable";
    case 480: return "Can't create AutoRedraw image";
    case 482: return "Printer error";
    case 484: return "Problem getting printer information from the system. Make sure the printer is set up correctly";
    default: return {};
    }
}

} // namespace kelvppvw
