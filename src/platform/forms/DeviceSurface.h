#pragma once

#include <cstdint>
#include <functional>

class QImage;

namespace kelvppvw {

// The drawing surface behind a picture box's device handle: its persistent
// image at 96 pixels per inch. The gdi layer wraps it in a device context.
class DeviceSurface {
public:
    virtual ~DeviceSurface() = default;
    // The persistent image; valid until the surface is resized.
    virtual QImage& surfaceImage() = 0;
    // To call after drawing on the image from outside, so the screen follows.
    virtual void surfaceChanged() = 0;
};

// Installed by the gdi layer: makes (or finds) the device-context handle of a surface.
using DeviceContextFactory = std::function<int32_t(DeviceSurface&)>;
// Installed with the factory: forgets a surface's handle as the surface goes away.
using DeviceContextRelease = std::function<void(DeviceSurface&)>;

} // namespace kelvppvw
