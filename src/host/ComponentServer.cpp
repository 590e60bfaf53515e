#include "host/ComponentServer.h"

#include "host/Graphic.h"
#include "host/Graphics.h"
#include "host/LiveObjects.h"
#include "host/clsPreview.h"
#include "components/colorpicker/ColorPickerClass.h"
#include "components/printersetup/PrinterSetupClass.h"
#include "components/ruler/RulerClass.h"
#include "components/seams/PlatformSeams.h"
#include "settings/clsPPVOS.h"

#include <cstring>

using namespace kelvppvw;

namespace {

constexpr const char* PublicClasses[] = {ClassNamePreview, ClassNameGraphics, ClassNameGraphic, ClassNameOptions};

ClassFactory factoryFor(const char* className) {
    if (!className)
        return {};
    if (strcasecmp(className, ClassNamePreview) == 0)
        return [] { return ObjectRef(std::make_shared<clsPreview>()); };
    if (strcasecmp(className, ClassNameGraphics) == 0)
        return [] { return ObjectRef(std::make_shared<Graphics>()); };
    if (strcasecmp(className, ClassNameGraphic) == 0)
        return [] { return ObjectRef(std::make_shared<Graphic>()); };
    if (strcasecmp(className, ClassNameOptions) == 0)
        return [] { return ObjectRef(std::make_shared<clsPPVOS>()); };
    // The outside controls the component brings along.
    for (const char* name : {"kelvRule.Ruler", "kelvRule.Font", ColorPickerClassName, PrinterSetupClassName})
        if (strcasecmp(className, name) == 0) {
            InstallPlatformSeams();
            return ClassRegistry::instance().factory(name);
        }
    return {};
}

} // namespace

extern "C" int32_t DllRegisterServer() {
    InstallPlatformSeams(); // also registers the ruler, colour-picker and printer-setup classes
    for (const char* name : PublicClasses)
        ClassRegistry::instance().registerClass(name, factoryFor(name));
    return S_OK_;
}

extern "C" int32_t DllUnregisterServer() {
    for (const char* name : PublicClasses)
        ClassRegistry::instance().unregisterClass(name);
    unregisterRulerClass(ClassRegistry::instance());
    unregisterColorPickerClass(ClassRegistry::instance());
    ClassRegistry::instance().unregisterClass(PrinterSetupClassName);
    return S_OK_;
}

extern "C" int32_t DllGetClassObject(const char* className, ClassFactory* factory) {
    if (!factory)
        return E_POINTER_;
    *factory = factoryFor(className);
    return *factory ? S_OK_ : CLASS_E_CLASSNOTAVAILABLE_;
}

extern "C" int32_t DllCanUnloadNow() { return LiveObjects::count() == 0 ? S_OK_ : S_FALSE_; }
