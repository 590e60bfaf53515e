#include "recording/FileAccessError.h"

#include <cerrno>

namespace kelvppvw {

AutomationError FileAccessError(int err)
{
    switch (err) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return AutomationError(61, "Disk full");
    case EACCES:
    case EPERM:
    case EROFS:
        return AutomationError(70, "Permission denied");
    default:
        return AutomationError(75, "Path/File access error");
    }
}

}  // namespace kelvppvw
