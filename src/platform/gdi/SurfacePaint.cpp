#include "platform/gdi/SurfacePaint.h"

#include "platform/forms/DeviceSurface.h"
#include "platform/gdi/HandleTable.h"

#include <QImage>

namespace kelvppvw::gdi {
namespace {

QPen penOf(const GdiObject* o)
{
    if (!o || o->style == PS_NULL)
        return Qt::NoPen;
    QPen pen(SurfacePaint::colour(o->color));
    pen.setWidth(std::max(1, o->penWidth));
    switch (o->style) {
    case PS_DASH: pen.setStyle(Qt::DashLine); break;
    case PS_DOT: pen.setStyle(Qt::DotLine); break;
    case PS_DASHDOT: pen.setStyle(Qt::DashDotLine); break;
    case PS_DASHDOTDOT: pen.setStyle(Qt::DashDotDotLine); break;
    default: break;
    }
    return pen;
}

QBrush brushOf(const GdiObject* o)
{
    // Style 1 is the hollow brush; hatches are drawn solid on a surface.
    if (!o || o->style == 1)
        return Qt::NoBrush;
    return QBrush(SurfacePaint::colour(o->color));
}

} // namespace

SurfacePaint::SurfacePaint(DeviceContext* dc)
{
    if (!dc || dc->kind != DcKind::Surface || !dc->surface)
        return;
    QImage& image = dc->surface->surfaceImage();
    if (image.isNull() || !painter_.begin(&image))
        return;
    dc_ = dc;
    HandleTable& table = HandleTable::instance();
    painter_.setPen(penOf(table.object(dc->pen)));
    painter_.setBrush(brushOf(table.object(dc->brush)));
}

SurfacePaint::~SurfacePaint()
{
    if (!dc_)
        return;
    painter_.end();
    dc_->surface->surfaceChanged();
}

} // namespace kelvppvw::gdi
