#pragma once

#include <QWidget>

namespace kelvppvw {

class PictureBox;

// The native window of a PictureBox: paints its border, image and windowless
// children, and reports the mouse.
class PictureBoxWidget : public QWidget {
public:
    explicit PictureBoxWidget(PictureBox& owner);
    void detach() { owner_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    PictureBox* owner_;
};

} // namespace kelvppvw
