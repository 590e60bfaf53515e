#include "platform/forms/BorderPen.h"

#include "platform/forms/NativeConvert.h"

namespace kelvppvw {

QPen borderPen(uint32_t color, int16_t borderStyle, int16_t borderWidth) {
    if (borderStyle == 0)
        return QPen(Qt::NoPen);
    QPen pen(toQColor(color));
    pen.setWidth(borderWidth <= 1 ? 0 : borderWidth);
    pen.setCapStyle(Qt::FlatCap);
    if (borderWidth <= 1) {
        switch (borderStyle) {
        case 2: pen.setDashPattern({6, 2}); break;
        case 3: pen.setDashPattern({1, 1}); break;
        case 4: pen.setDashPattern({6, 2, 1, 2}); break;
        case 5: pen.setDashPattern({6, 2, 1, 2, 1, 2}); break;
        default: break;
        }
    }
    return pen;
}

} // namespace kelvppvw
