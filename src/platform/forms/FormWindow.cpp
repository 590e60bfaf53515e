#include "platform/forms/FormWindow.h"

#include "platform/forms/Form.h"

#include <QCloseEvent>

namespace kelvppvw {

FormWindow::FormWindow(Form& form, QWidget* owner) : QWidget(owner, Qt::Window), form_(&form) {}

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
