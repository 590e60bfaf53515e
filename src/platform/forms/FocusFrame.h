#pragma once

class QPainter;
class QRect;
class QWidget;

namespace kelvppvw {

// The classic focus rectangle, a dotted line in the widget's text colour, for
// controls whose own painting hides the style's (flat toolbar buttons, colour
// swatches) or that have none (picture boxes that take the keyboard).
void paintFocusFrame(QPainter& painter, const QWidget& widget, const QRect& around);

} // namespace kelvppvw
