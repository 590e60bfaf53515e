#pragma once

#include <QGroupBox>

namespace kelvppvw {

class ControlHost;

// The native window of a Frame: a group box that also paints the frame's
// windowless children.
class FrameWidget : public QGroupBox {
public:
    explicit FrameWidget(ControlHost& host) : host_(&host) {}
    void detach() { host_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ControlHost* host_;
};

} // namespace kelvppvw
