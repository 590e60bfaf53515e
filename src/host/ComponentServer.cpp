#include "host/ComponentServer.h"

#include "host/Graphic.h"
#include "host/Graphics.h"
#include "host/LiveObjects.h"
#include "host/clsPreview.h"

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
    return {};
}

} // namespace

extern "C" int32_t DllRegisterServer() {
    for (const char* name : {ClassNamePreview, ClassNameGraphics, ClassNameGraphic})
        ClassRegistry::instance().registerClass(name, factoryFor(name));
    return S_OK_;
}

extern "C" int32_t DllUnregisterServer() {
    for (const char* name : {ClassNamePreview, ClassNameGraphics, ClassNameGraphic})
        ClassRegistry::instance().unregisterClass(name);
    return S_OK_;
}

extern "C" int32_t DllGetClassObject(const char* className, ClassFactory* factory) {
    if (!factory)
        return E_POINTER_;
    *factory = factoryFor(className);
    return *factory ? S_OK_ : CLASS_E_CLASSNOTAVAILABLE_;
}

extern "C" int32_t DllCanUnloadNow() { return LiveObjects::count() == 0 ? S_OK_ : S_FALSE_; }
