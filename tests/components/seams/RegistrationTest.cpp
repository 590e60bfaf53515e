// The outside controls the viewer creates by class name are there once the
// seams are installed, whether or not a host registered the component.
#include "components/printersetup/PrinterSetupClass.h"
#include "components/seams/PlatformSeams.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/forms/Application.h"

#include <gtest/gtest.h>

namespace kelvppvw {
namespace {

TEST(SeamRegistration, rulers_and_the_printer_setup_class_become_creatable_and_installing_twice_is_harmless)
{
    Application::ensure();
    ClassRegistry& registry = ClassRegistry::instance();
    EXPECT_THROW(registry.create("kelvRule.Ruler"), AutomationError) << "nothing registered yet";
    InstallPlatformSeams();
    InstallPlatformSeams();
    auto ruler = registry.create("kelvRule.Ruler");
    ASSERT_TRUE(ruler);
    EXPECT_NO_THROW(ruler->get("Orientation"));
    EXPECT_TRUE(registry.create("kelvRule.Font"));
    auto setup = registry.create(PrinterSetupClassName);
    ASSERT_TRUE(setup);
}

} // namespace
} // namespace kelvppvw
