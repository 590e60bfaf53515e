#include "platform/forms/PictureBoxWidget.h"

#include "platform/forms/FocusFrame.h"
#include "platform/forms/NativeConvert.h"
#include "platform/forms/PictureBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QPaintEvent>
#include <QPainter>

namespace kelvppvw {

PictureBoxWidget::PictureBoxWidget(PictureBox& owner) : owner_(&owner) {
    setMouseTracking(true);
    // The box paints every pixel it covers (border, back colour, image): what
    // lies beneath need not be painted first, which keeps small repaints small.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBoxWidget::paintEvent(QPaintEvent* event) {
    if (!owner_)
        return;
    QPainter painter(this);
    owner_->nativePaint(painter, event->region());
    // A box that takes the keyboard shows when it has it, inside its border.
    if (hasFocus())
        paintFocusFrame(painter, *this, rect().adjusted(3, 3, -3, -3));
}

void PictureBoxWidget::mousePressEvent(QMouseEvent* e) {
    if (owner_)
        owner_->nativeMouse(0, classicButton(e->button()), classicShift(e->modifiers()), e->position().x(),
                            e->position().y());
}

void PictureBoxWidget::mouseMoveEvent(QMouseEvent* e) {
    if (owner_)
        owner_->nativeMouse(1, classicButtons(e->buttons()), classicShift(e->modifiers()), e->position().x(),
                            e->position().y());
}

void PictureBoxWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (owner_)
        owner_->nativeMouse(2, classicButton(e->button()), classicShift(e->modifiers()), e->position().x(),
                            e->position().y());
}

void PictureBoxWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    if (owner_)
        owner_->nativeMouse(3, classicButton(e->button()), classicShift(e->modifiers()), e->position().x(),
                            e->position().y());
}

void PictureBoxWidget::keyPressEvent(QKeyEvent* e) {
    if (!owner_ || !owner_->nativeKey(classicKeyCode(e->key()), classicShift(e->modifiers())))
        QWidget::keyPressEvent(e);
}

void PictureBoxWidget::wheelEvent(QWheelEvent* e) {
    // One notch of a common wheel is 120 eighths of a degree.
    const QPoint turn = e->angleDelta();
    const bool horizontal = turn.x() != 0 && turn.y() == 0;
    const double notches = (horizontal ? turn.x() : turn.y()) / 120.0;
    if (!owner_ || !owner_->nativeWheel(notches, classicShift(e->modifiers()), horizontal))
        e->ignore();
}

} // namespace kelvppvw
