#include "components/printersetup/PrinterSetupClass.h"
#include "components/seams/PlatformSeams.h"
#include "host/ComponentServer.h"
#include "platform/forms/Application.h"
#include "host/clsPreview.h"
#include "viewer/frmPrtPreview.h"

#include <gtest/gtest.h>

using namespace kelvppvw;

TEST(ComponentServer, registers_its_classes_and_the_components_and_hands_out_factories) {
    ASSERT_EQ(DllRegisterServer(), S_OK_);
    auto preview = ClassRegistry::instance().create("KELVPPVW.clsPreview");
    EXPECT_EQ(preview->get("PlugNameVersion").toString(), "kelvppvw\t1.0.0");
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE_); // an object of ours is alive
    preview.reset();
    EXPECT_EQ(DllCanUnloadNow(), S_OK_);

    ClassFactory factory;
    EXPECT_EQ(DllGetClassObject("kelvppvw.Graphic", &factory), S_OK_);
    EXPECT_NE(std::dynamic_pointer_cast<Graphic>(factory()), nullptr);
    EXPECT_EQ(DllGetClassObject("kelvppvw.Nothing", &factory), CLASS_E_CLASSNOTAVAILABLE_);
    EXPECT_EQ(DllGetClassObject("kelvppvw.Graphic", nullptr), E_POINTER_);

    // The ruler and printer setup classes come and go with the server.
    Application::ensure(); // rulers are widgets
    ClassRegistry& registry = ClassRegistry::instance();
    EXPECT_TRUE(registry.create("kelvRule.Font"));
    EXPECT_TRUE(registry.create(PrinterSetupClassName));
    EXPECT_EQ(DllGetClassObject("KELVRULE.RULER", &factory), S_OK_);
    EXPECT_TRUE(factory());

    ASSERT_EQ(DllUnregisterServer(), S_OK_);
    EXPECT_THROW(registry.create("kelvppvw.clsPreview"), AutomationError);
    EXPECT_FALSE(registry.isRegistered("kelvRule.Ruler"));
    EXPECT_FALSE(registry.isRegistered(PrinterSetupClassName));
    // The viewer installs the seams itself and finds them again.
    InstallPlatformSeams();
    EXPECT_TRUE(registry.create("kelvRule.Ruler"));
    EXPECT_TRUE(registry.create(PrinterSetupClassName));
}
