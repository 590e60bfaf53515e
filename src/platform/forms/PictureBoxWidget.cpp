#include "platform/forms/PictureBoxWidget.h"

#include "platform/forms/NativeConvert.h"
#include "platform/forms/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace kelvppvw {

PictureBoxWidget::PictureBoxWidget(PictureBox& owner) : owner_(&owner) { setMouseTracking(true); }

void PictureBoxWidget::paintEvent(QPaintEvent*) {
    if (!owner_)
        return;
    QPainter painter(this);
    owner_->nativePaint(painter);
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

} // namespace kelvppvw
