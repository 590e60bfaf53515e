#include "platform/gdi/HandleTable.h"

#include <cstring>

namespace kelvppvw::gdi {
namespace {

std::unique_ptr<GdiObject> stockObject(int n)
{
    auto o = std::make_unique<GdiObject>();
    o->stockIndex = n;
    auto font = [&](const char* face, std::int32_t height, std::int32_t weight) {
        o->kind = ObjectKind::Font;
        o->logFont.height = height;
        o->logFont.weight = weight;
        std::strncpy(o->logFont.faceName.data(), face, o->logFont.faceName.size());
    };
    switch (n) {
    case WHITE_BRUSH: o->kind = ObjectKind::Brush; o->color = 0xFFFFFF; break;
    case LTGRAY_BRUSH: o->kind = ObjectKind::Brush; o->color = 0xC0C0C0; break;
    case GRAY_BRUSH: o->kind = ObjectKind::Brush; o->color = 0x808080; break;
    case DKGRAY_BRUSH: o->kind = ObjectKind::Brush; o->color = 0x404040; break;
    case BLACK_BRUSH: o->kind = ObjectKind::Brush; o->color = 0; break;
    case NULL_BRUSH: o->kind = ObjectKind::Brush; o->style = 1; break;
    case WHITE_PEN: o->kind = ObjectKind::Pen; o->color = 0xFFFFFF; break;
    case BLACK_PEN: o->kind = ObjectKind::Pen; o->color = 0; break;
    case NULL_PEN: o->kind = ObjectKind::Pen; o->style = PS_NULL; break;
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT: font("Courier New", 16, 400); break;
    case ANSI_VAR_FONT: font("Arial", 16, 400); break;
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT: font("Arial", 16, 700); break;
    case DEFAULT_GUI_FONT: font("Tahoma", -11, 400); break;
    case DEFAULT_PALETTE: o->kind = ObjectKind::Palette; break;
    default: return nullptr;
    }
    return o;
}

} // namespace

HandleTable& HandleTable::instance()
{
    static HandleTable table;
    return table;
}

HandleTable::HandleTable()
{
    for (int n = 0; n < int(stock_.size()); ++n)
        if (auto o = stockObject(n))
            stock_[std::size_t(n)] = addObject(std::move(o));
    auto bitmap = std::make_unique<GdiObject>();
    bitmap->kind = ObjectKind::Bitmap;
    bitmap->stockIndex = 100;
    bitmap->image = QImage(1, 1, QImage::Format_RGB32);
    bitmap->image.fill(Qt::black);
    defaultBitmap_ = addObject(std::move(bitmap));
}

Handle HandleTable::next()
{
    counter_ += 4;
    return counter_;
}

Handle HandleTable::addObject(std::unique_ptr<GdiObject> object)
{
    const Handle h = next();
    objects_.emplace(h, std::move(object));
    return h;
}

Handle HandleTable::addDc(std::unique_ptr<DeviceContext> dc)
{
    const Handle h = next();
    dcs_.emplace(h, std::move(dc));
    return h;
}

GdiObject* HandleTable::object(Handle h)
{
    auto it = objects_.find(h);
    return it == objects_.end() ? nullptr : it->second.get();
}

DeviceContext* HandleTable::dc(Handle h)
{
    auto it = dcs_.find(h);
    return it == dcs_.end() ? nullptr : it->second.get();
}

void HandleTable::removeObject(Handle h)
{
    objects_.erase(h);
}

std::unique_ptr<DeviceContext> HandleTable::takeDc(Handle h)
{
    auto it = dcs_.find(h);
    if (it == dcs_.end())
        return nullptr;
    auto dc = std::move(it->second);
    dcs_.erase(it);
    return dc;
}

Handle HandleTable::stock(int n) const
{
    return n >= 0 && n < int(stock_.size()) ? stock_[std::size_t(n)] : 0;
}

void HandleTable::forEachDc(const std::function<void(Handle, DeviceContext&)>& fn)
{
    for (auto& [h, dc] : dcs_)
        fn(h, *dc);
}

} // namespace kelvppvw::gdi
