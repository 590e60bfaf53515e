#pragma once

#include <QToolButton>

namespace kelvppvw {

// The native button of a Toolbar as the keyboard reaches it: Tab stops on it,
// Space or Enter presses it, and Down, Alt+Down or F4 opens a drop-down
// button's menu, which the arrow keys then walk.
class ToolbarButtonWidget : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kelvppvw
