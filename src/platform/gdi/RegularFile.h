#pragma once
// Opening the files the component reads and writes by name: page files and
// pictures. Anything can be planted under a name in a shared folder, so only a
// regular file is opened: never a pipe that would block the caller, a device
// that reads without end, or (for writing) a link or second name through which
// a file elsewhere would be overwritten.
#include <string>

namespace kelvppvw::gdi {

// A descriptor to read from, or -errno; -EINVAL when the name is not a
// regular file.
int openRegularForReading(const std::string& path);

// A descriptor to write the file from its start, created when missing, or
// -errno; -EEXIST when the name is a link, a second name of a file or not a
// regular file.
int openRegularForWriting(const std::string& path);

} // namespace kelvppvw::gdi
