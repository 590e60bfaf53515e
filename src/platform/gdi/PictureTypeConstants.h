#pragma once

#include <cstdint>

namespace kelvppvw {

enum PictureTypeConstants : int32_t {
    ptNone = 0,
    ptBitmap = 1,
    ptMetafile = 2,
    ptIcon = 3,
    ptEMetafile = 4,
};

} // namespace kelvppvw
