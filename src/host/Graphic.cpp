#include "host/Graphic.h"

namespace kelvppvw {

Graphic::Graphic() {
    field("Name", Name);
    field("PictureType", PictureType);
    field("Picture", Picture);
    field("Left", Left);
    field("Top", Top);
    field("Width", Width);
    field("Height", Height);
    field("AutoScale", AutoScale);
}

} // namespace kelvppvw
