#include "components/seams/PlatformSeams.h"

#include "components/colorpicker/ColorPickerClass.h"
#include "components/printersetup/PrinterSetupClass.h"
#include "components/ruler/RulerClass.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/forms/PictureBox.h"
#include "platform/gdi/EmfPlayer.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Picture.h"
#include "platform/gdi/PicturePainter.h"
#include "platform/printer/MetafilePlayer.h"
#include "platform/printer/Printer.h"

#include <cmath>
#include <map>
#include <memory>
#include <mutex>

namespace kelvppvw {
namespace {

gdi::DeviceCaps gdiCaps(const DeviceCaps& c)
{
    gdi::DeviceCaps caps;
    caps.logPixelsX = c.logPixelsX;
    caps.logPixelsY = c.logPixelsY;
    caps.horzRes = c.horzRes;
    caps.vertRes = c.vertRes;
    caps.horzSize = c.logPixelsX > 0 ? int(std::lround(c.horzRes * 25.4 / c.logPixelsX)) : 0;
    caps.vertSize = c.logPixelsY > 0 ? int(std::lround(c.vertRes * 25.4 / c.logPixelsY)) : 0;
    caps.physicalWidth = c.physicalWidth;
    caps.physicalHeight = c.physicalHeight;
    caps.physicalOffsetX = c.physicalOffsetX;
    caps.physicalOffsetY = c.physicalOffsetY;
    return caps;
}

// One information DC per live printer; its metrics are refreshed whenever
// the handle is asked for, so a change of paper or orientation shows.
int32_t printerDc(Printer& printer)
{
    static std::mutex mutex;
    static std::map<const Printer*, std::pair<std::weak_ptr<Printer>, gdi::Handle>> dcs;
    std::lock_guard lock(mutex);
    for (auto it = dcs.begin(); it != dcs.end();) {
        if (it->second.first.expired()) {
            gdi::deleteDC(it->second.second);
            it = dcs.erase(it);
        } else {
            ++it;
        }
    }
    const gdi::DeviceCaps caps = gdiCaps(printer.deviceCaps());
    auto& entry = dcs[&printer];
    if (entry.second == 0 || !gdi::setDeviceCaps(entry.second, caps)) {
        entry.first = std::static_pointer_cast<Printer>(printer.shared_from_this());
        entry.second = gdi::createDeviceDC(caps);
    }
    return int32_t(entry.second);
}

bool playMetafileFile(const std::string& path, QPainter& painter, const QRectF& target)
{
    const gdi::Handle metafile = gdi::getEnhMetaFile(path);
    if (!metafile)
        return false;
    const bool played = gdi::EmfPlayer::play(painter, metafile, target);
    gdi::deleteEnhMetaFile(metafile);
    return played;
}

// A gdi picture object handed to Printer.PaintPicture. Anything else is no
// picture the printer can draw.
PrinterPicture resolvePicture(const Variant& value)
{
    auto picture = value.isObject() ? std::dynamic_pointer_cast<Picture>(value.toObject()) : nullptr;
    if (!picture)
        throw AutomationError(13, "Type mismatch");
    return PrinterPicture::drawable([picture](QPainter& painter, const QRectF& target) {
        return PicturePainter::paint(painter, *picture, target);
    });
}

} // namespace

void InstallPlatformSeams()
{
    static std::once_flag once;
    std::call_once(once, [] {
        PictureBox::SetDeviceContextFactory([](DeviceSurface& s) { return int32_t(gdi::surfaceDC(s)); },
                                            [](DeviceSurface& s) { gdi::releaseSurfaceDC(s); });
        setPrinterMetafilePlayer(playMetafileFile);
        Printer::setPictureResolver(resolvePicture);
        Printer::setDcProvider(printerDc);
    });
    // Every call: the classes may have been unregistered since; a class a
    // host registered under the same name is left alone.
    ClassRegistry& registry = ClassRegistry::instance();
    if (!registry.isRegistered("kelvRule.Ruler") || !registry.isRegistered("kelvRule.Font"))
        registerRulerClass(registry);
    if (!registry.isRegistered(ColorPickerClassName))
        registerColorPickerClass(registry);
    if (!registry.isRegistered(PrinterSetupClassName))
        RegisterPrinterSetupClass();
}

} // namespace kelvppvw
