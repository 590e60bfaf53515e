#include "platform/forms/NativeConvert.h"

#include "platform/automation/Variant.h"
#include "platform/forms/OleColor.h"
#include "platform/forms/PictureSource.h"
#include "platform/forms/StdFont.h"

#include <QPainter>
#include <QPixmap>

#include <cmath>

namespace kelvppvw {

QColor toQColor(uint32_t oleColor) {
    const uint32_t c = ResolveColor(oleColor);
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

QFont toQFont(const StdFont& font) {
    QFont f(QString::fromStdString(font.Name()));
    f.setPointSizeF(font.Size());
    f.setBold(font.Bold());
    f.setItalic(font.Italic());
    f.setUnderline(font.Underline());
    f.setStrikeOut(font.Strikethrough());
    return f;
}

int twipsToPixels(double twips) { return static_cast<int>(roundHalfEven(twips / 15.0)); }

int16_t classicButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int16_t classicButtons(Qt::MouseButtons buttons) {
    int16_t b = 0;
    if (buttons & Qt::LeftButton) b |= 1;
    if (buttons & Qt::RightButton) b |= 2;
    if (buttons & Qt::MiddleButton) b |= 4;
    return b;
}

int16_t classicShift(Qt::KeyboardModifiers modifiers) {
    int16_t s = 0;
    if (modifiers & Qt::ShiftModifier) s |= 1;
    if (modifiers & Qt::ControlModifier) s |= 2;
    if (modifiers & Qt::AltModifier) s |= 4;
    return s;
}

int16_t classicKeyCode(int key) {
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<int16_t>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<int16_t>(112 + key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Escape: return 27;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    default: return 0;
    }
}

QPixmap renderPicture(const PictureSource& picture, int width, int height, double deviceScale) {
    if (width <= 0)
        width = std::max(1, static_cast<int>(std::lround(picture.widthHimetric() * 96.0 / 2540.0)));
    if (height <= 0)
        height = std::max(1, static_cast<int>(std::lround(picture.heightHimetric() * 96.0 / 2540.0)));
    QPixmap pixmap(QSize(width, height) * deviceScale);
    pixmap.setDevicePixelRatio(deviceScale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    picture.paint(painter, QRectF(0, 0, width, height));
    return pixmap;
}

} // namespace kelvppvw
