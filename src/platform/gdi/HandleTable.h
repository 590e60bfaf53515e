#pragma once
// Maps the 32-bit handles callers hold to DCs and objects. Handle values are
// never reused within a process, so a stale or twice-deleted handle finds
// nothing instead of someone else's object.
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObject.h"

#include <array>
#include <functional>
#include <memory>
#include <unordered_map>

namespace kelvppvw::gdi {

class HandleTable {
public:
    static HandleTable& instance();

    Handle addObject(std::unique_ptr<GdiObject> object);
    Handle addDc(std::unique_ptr<DeviceContext> dc);
    GdiObject* object(Handle h);
    DeviceContext* dc(Handle h);
    void removeObject(Handle h);
    std::unique_ptr<DeviceContext> takeDc(Handle h);

    // Stock object n (0..17), or 0 when there is none with that number.
    Handle stock(int n) const;
    // The 1x1 bitmap a new memory DC holds.
    Handle defaultBitmap() const { return defaultBitmap_; }

    void forEachDc(const std::function<void(Handle, DeviceContext&)>& fn);
    std::size_t objectCount() const { return objects_.size(); }
    std::size_t dcCount() const { return dcs_.size(); }

private:
    HandleTable();
    Handle next();

    Handle counter_ = 0x00010000;
    std::unordered_map<Handle, std::unique_ptr<GdiObject>> objects_;
    std::unordered_map<Handle, std::unique_ptr<DeviceContext>> dcs_;
    std::array<Handle, 18> stock_{};
    Handle defaultBitmap_ = 0;
};

} // namespace kelvppvw::gdi
