#pragma once
// State of one device context. Internal to the layer.
#include "platform/gdi/EmfWriter.h"
#include "platform/gdi/GdiTypes.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace kelvppvw {
class DeviceSurface;
}

namespace kelvppvw::gdi {

// Surface: a window's persistent image (a picture box); drawing lands on it.
enum class DcKind { Screen, Memory, Metafile, Information, Surface };


struct DeviceContext {
    DcKind kind = DcKind::Screen;
    DeviceCaps caps;

    Handle pen = 0;
    Handle brush = 0;
    Handle font = 0;
    Handle bitmap = 0;

    int bkMode = OPAQUE;
    ColorRef bkColor = 0x00FFFFFF;
    ColorRef textColor = 0;
    std::uint32_t textAlign = 0;
    Point current;

    // Surface DCs only: the image drawn on (owned by the control).
    DeviceSurface* surface = nullptr;

    // Metafile DCs only: the file being written and the slot each object has in it.
    std::unique_ptr<EmfWriter> writer;
    std::unordered_map<Handle, std::uint32_t> objectSlots;
    std::vector<bool> slotUsed{true}; // slot 0 is reserved

    std::uint32_t takeSlot()
    {
        for (std::uint32_t i = 1; i < slotUsed.size(); ++i)
            if (!slotUsed[i]) {
                slotUsed[i] = true;
                return i;
            }
        slotUsed.push_back(true);
        return std::uint32_t(slotUsed.size() - 1);
    }
};

} // namespace kelvppvw::gdi
