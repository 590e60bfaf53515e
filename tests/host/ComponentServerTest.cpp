#include "components/printersetup/PrinterSetupClass.h"
#include "components/seams/PlatformSeams.h"
#include "host/ComponentServer.h"
#include "platform/forms/Application.h"
#include "host/clsPreview.h"
#include "viewer/frmPrtPreview.h"

#include <gtest/gtest.h>

using namespace kelvppvw;

TEST(ComponentServer, registers_its_classes_and_hands_out_factories) {
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

    ASSERT_EQ(DllUnregisterServer(), S_OK_);
    EXPECT_THROW(ClassRegistry::instance().create("kelvppvw.clsPreview"), AutomationError);
}

TEST(ComponentServer, registering_brings_the_ruler_and_printer_setup_classes_and_unregistering_takes_them) {
    Application::ensure(); // rulers are widgets
    ClassRegistry& registry = ClassRegistry::instance();
    ASSERT_EQ(DllRegisterServer(), S_OK_);
    EXPECT_TRUE(registry.create("kelvRule.Ruler"));
    EXPECT_TRUE(registry.create("kelvRule.Font"));
    EXPECT_TRUE(registry.create(PrinterSetupClassName));
    ClassFactory factory;
    EXPECT_EQ(DllGetClassObject("KELVRULE.RULER", &factory), S_OK_);
    EXPECT_TRUE(factory());

    ASSERT_EQ(DllUnregisterServer(), S_OK_);
    EXPECT_FALSE(registry.isRegistered("kelvRule.Ruler"));
    EXPECT_FALSE(registry.isRegistered(PrinterSetupClassName));
    // The viewer installs the seams itself and finds them again.
    InstallPlatformSeams();
    EXPECT_TRUE(registry.create("kelvRule.Ruler"));
    EXPECT_TRUE(registry.create(PrinterSetupClassName));
}

TEST(ViewerByName, offers_the_host_facing_setters_and_nothing_unbuilt) {
    auto viewer = NewForm<frmPrtPreview>();
    viewer->put("sTitleText", Variant("Title"));
    viewer->put("SLISTTEXT", Variant("List"));
    viewer->put("cMilling", Variant(250));
    viewer->put("SetBarFlatOrNone", Variant(true));
    viewer->put("ShowPOButton", Variant(true));
    EXPECT_EQ(viewer->sTitleText(), "Title");
    EXPECT_EQ(viewer->get("sListText").toString(), "List");
    EXPECT_EQ(viewer->get("cMilling").toLong(), 250);
    EXPECT_TRUE(viewer->mbFlatToolbars);
    EXPECT_TRUE(viewer->mbShowPrintOptions);
    try {
        viewer->get("SetBarFlatOrNone"); // write only
        ADD_FAILURE();
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.number(), err::MemberNotSupported);
    }
    auto preview = std::make_shared<clsPreview>();
    viewer->putRef("gm_clsPreview", Variant(preview));
    EXPECT_EQ(viewer->gm_clsPreview(), preview);
}
