#pragma once
// Drawing on a surface DC: a painter on the control's persistent image with
// the DC's pen and brush, telling the control when done. Internal to the layer.
#include "platform/gdi/DeviceContext.h"

#include <QPainter>

namespace kelvppvw::gdi {

class SurfacePaint {
public:
    // Inactive for any DC that is not a surface DC or whose image is null.
    explicit SurfacePaint(DeviceContext* dc);
    ~SurfacePaint();
    SurfacePaint(const SurfacePaint&) = delete;
    SurfacePaint& operator=(const SurfacePaint&) = delete;

    bool active() const { return painter_.isActive(); }
    QPainter& painter() { return painter_; }

    static QColor colour(ColorRef c) { return QColor(int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF)); }

private:
    DeviceContext* dc_ = nullptr;
    QPainter painter_;
};

} // namespace kelvppvw::gdi
