#include "platform/gdi/GdiImages.h"

#include "platform/gdi/HandleTable.h"

namespace kelvppvw::gdi {
namespace {

Handle addImageObject(ObjectKind kind, const QImage& image)
{
    if (image.isNull())
        return 0;
    auto o = std::make_unique<GdiObject>();
    o->kind = kind;
    o->image = image.convertToFormat(kind == ObjectKind::Icon ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    return HandleTable::instance().addObject(std::move(o));
}

} // namespace

Handle createBitmapFromImage(const QImage& image)
{
    return addImageObject(ObjectKind::Bitmap, image);
}

Handle createIconFromImage(const QImage& image)
{
    return addImageObject(ObjectKind::Icon, image);
}

QImage objectImage(Handle h)
{
    const GdiObject* o = HandleTable::instance().object(h);
    return o && (o->kind == ObjectKind::Bitmap || o->kind == ObjectKind::Icon) ? o->image : QImage();
}

} // namespace kelvppvw::gdi
