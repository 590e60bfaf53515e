#include "platform/forms/StatusBarWidget.h"

#include "platform/forms/NativeConvert.h"
#include "platform/forms/StatusBar.h"

#include <QMouseEvent>

namespace kelvppvw {

void StatusBarWidget::mousePressEvent(QMouseEvent* e) {
    owner_->nativeMouseDown(classicButton(e->button()), classicShift(e->modifiers()), e->position().x(),
                            e->position().y());
}

void StatusBarWidget::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    owner_->layoutPanels();
}

} // namespace kelvppvw
