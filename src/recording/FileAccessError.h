#pragma once

#include "platform/automation/AutomationError.h"

namespace kelvppvw {

// The error number and text a host's users know for a failed file operation
// with this errno: 61 "Disk full", 70 "Permission denied", else 75
// "Path/File access error".
AutomationError FileAccessError(int err);

}  // namespace kelvppvw
