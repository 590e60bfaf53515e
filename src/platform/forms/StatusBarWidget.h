#pragma once

#include <QWidget>

namespace kelvppvw {

class StatusBar;

// The native window of a StatusBar; reports mouse presses anywhere on it.
class StatusBarWidget : public QWidget {
public:
    explicit StatusBarWidget(StatusBar& owner) : owner_(&owner) {}

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    StatusBar* owner_;
};

} // namespace kelvppvw
