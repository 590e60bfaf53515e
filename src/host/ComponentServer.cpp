#include "host/ComponentServer.h"

#include "host/Graphic.h"
#include "host/Graphics.h"
#include "host/LiveObjects.h"
#include "host/clsPreview.h"
#include "components/printersetup/PrinterSetupClass.h"
#include "components/ruler/RulerClass.h"
#include "components/seams/PlatformSeams.h"

#include <cstring>

using namespace kelvppvw;

namespace {

ClassFactory factoryFor(const char* className) {
    if (!className)
        return {};
    if (strcasecmp(className, ClassNamePreview) == 0)
        return [] { return ObjectRef(std::make_shared<clsPreview>()); };
    if (strcasecmp(className, ClassNameGraphics) == 0)
        return [] { return ObjectRef(std::make_shared<Graphics>()); };
    if (strcasecmp(className, ClassNameGraphic) == 0)
        return [] { return ObjectRef(std::make_shared<Graphic>()); };
    // The outside controls the component brings along.
    for (const char* name : {"kelvRule.Ruler", "kelvRule.Font", PrinterSetupClassName})
        if (strcasecmp(className, name) == 0) {
            InstallPlatformSeams();
            return ClassRegistry::instance().factory(name);
        }
    return {};
}

} // namespace

extern "C" int32_t DllRegisterServer() {
    InstallPlatformSeams(); // also registers the ruler and printer-setup classes
    for (const char* name : {ClassNamePreview, ClassNameGraphics, ClassNameGraphic})
        ClassRegistry::instance().registerClass(name, factoryFor(name));
    return S_OK_;
}

extern "C" int32_t DllUnregisterServer() {
    for (const char* name : {ClassNamePreview, ClassNameGraphics, ClassNameGraphic})
        ClassRegistry::instance().unregisterClass(name);
    unregisterRulerClass(ClassRegistry::instance());
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
