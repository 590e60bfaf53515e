#include "platform/forms/ToolbarButtonWidget.h"

#include "platform/forms/FocusFrame.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

namespace kelvppvw {

void ToolbarButtonWidget::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool opensMenu = (event->key() == Qt::Key_Down && (mods == Qt::NoModifier || mods == Qt::AltModifier)) ||
                           (event->key() == Qt::Key_F4 && mods == Qt::NoModifier);
    if (opensMenu && menu()) {
        showMenu();
    } else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && mods == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
    } else {
        QToolButton::keyPressEvent(event);
    }
}

void ToolbarButtonWidget::paintEvent(QPaintEvent* event) {
    QToolButton::paintEvent(event);
    // The style's focus mark on a flat button is too faint to find.
    if (hasFocus()) {
        QPainter painter(this);
        paintFocusFrame(painter, *this, rect().adjusted(2, 2, -2, -2));
    }
}

} // namespace kelvppvw
