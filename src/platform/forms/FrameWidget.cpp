#include "platform/forms/FrameWidget.h"

#include "platform/forms/ControlHost.h"

#include <QPainter>

namespace kelvppvw {

void FrameWidget::paintEvent(QPaintEvent* event) {
    QGroupBox::paintEvent(event);
    if (!host_)
        return;
    QPainter painter(this);
    host_->paintWindowlessChildren(painter);
}

} // namespace kelvppvw
