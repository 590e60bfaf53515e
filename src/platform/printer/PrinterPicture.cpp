#include "platform/printer/PrinterPicture.h"

#include <cstring>
#include <fstream>

namespace kelvppvw {

PrinterPicture PrinterPicture::fromFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char head[44] = {};
    in.read(head, sizeof head);
    // The EMF header record is type 1 and carries " EMF" at byte 40.
    const bool emf = in.gcount() == sizeof head && head[0] == 1 && head[1] == 0 && head[2] == 0 && head[3] == 0 &&
                     std::memcmp(head + 40, " EMF", 4) == 0;
    return emf ? metafile(path) : imageFile(path);
}

} // namespace kelvppvw
