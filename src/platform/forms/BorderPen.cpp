#include "platform/forms/BorderPen.h"

#include "platform/forms/NativeConvert.h"

#include <algorithm>

namespace kelvppvw {

QPen borderPen(uint32_t color, int16_t borderStyle, int16_t borderWidth) {
    if (borderStyle == 0)
        return QPen(Qt::NoPen);
    QPen pen(toQColor(color));
    pen.setWidth(std::max<int16_t>(1, borderWidth));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
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

double borderAlignment(int16_t borderWidth) { return std::max<int16_t>(1, borderWidth) % 2 ? 0.5 : 0.0; }

} // namespace kelvppvw
