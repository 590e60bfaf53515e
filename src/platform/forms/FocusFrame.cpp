#include "platform/forms/FocusFrame.h"

#include <QPainter>
#include <QPen>
#include <QWidget>

namespace kelvppvw {

void paintFocusFrame(QPainter& painter, const QWidget& widget, const QRect& around) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(widget.palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(around.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace kelvppvw
