#include "platform/forms/FormWindow.h"

#include "platform/forms/Form.h"
#include "platform/forms/NativeConvert.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

namespace kelvppvw {

FormWindow::FormWindow(Form& form, QWidget* owner) : QWidget(owner, Qt::Window), form_(&form) {
    // Key events of the controls pass here first (the form's key preview).
    qApp->installEventFilter(this);
}

void FormWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!form_)
        return;
    QPainter painter(this);
    form_->paintWindowlessChildren(painter);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyRelease || !form_ || !watched->isWidgetType())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    auto* target = static_cast<QWidget*>(watched);
    if (key->isAutoRepeat() || target->window() != this)
        return false;
    // Application filters see an event once, at its first receiver, before it
    // climbs to the parents: the form hears each key exactly once.
    if (target == this || form_->KeyPreview())
        form_->raiseKeyUp(classicKeyCode(key->key()), classicShift(key->modifiers()));
    return false;
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    // Keys the focused control left unused climb its parents to here.
    if (form_)
        form_->raiseKeyDown(classicKeyCode(event->key()), classicShift(event->modifiers()));
    QWidget::keyPressEvent(event);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The form decides: its QueryUnload and Unload handlers may cancel.
    event->ignore();
    if (form_)
        form_->requestClose();
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (form_)
        form_->raiseResize();
}

void FormWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Offscreen platforms never activate windows; a shown form counts as active.
    if (!active_ && form_) {
        active_ = true;
        form_->raiseActivate();
    }
}

bool FormWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !active_ && form_) {
        active_ = true;
        form_->raiseActivate();
    } else if (event->type() == QEvent::WindowDeactivate) {
        active_ = false;
    }
    return QWidget::event(event);
}

} // namespace kelvppvw
