#pragma once

// Conversions between the classic values and Qt's, for forms/ and the
// Qt-side components it hosts; never for code above the platform.

#include <QColor>
#include <QFont>
#include <QString>

#include <cstdint>
#include <string>

namespace kelvppvw {

class PictureSource;
class StdFont;

QColor toQColor(uint32_t oleColor);
QFont toQFont(const StdFont& font);
inline QString qs(const std::string& s) { return QString::fromStdString(s); }
// Twips to whole pixels, halves to even.
int twipsToPixels(double twips);
// Mouse button / keyboard modifiers as the classic events report them.
int16_t classicButtons(Qt::MouseButtons buttons);
int16_t classicButton(Qt::MouseButton button);
int16_t classicShift(Qt::KeyboardModifiers modifiers);
int16_t classicKeyCode(int qtKey);
// A small pixmap of a picture, for icons and cursors: width x height logical
// pixels (0: the picture's own size) at deviceScale device pixels each.
QPixmap renderPicture(const PictureSource& picture, int width = 0, int height = 0, double deviceScale = 1.0);

} // namespace kelvppvw
