#include "platform/automation/ErrorOf.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/automation/DispatchObject.h"
#include "platform/automation/EventSource.h"

#include <gtest/gtest.h>

using namespace kelvppvw;
using kelvppvw::test::errorOf;

namespace {

class Thing : public DispatchObject {};

} // namespace

TEST(ClassRegistry, creates_registered_classes_here_refuses_elsewhere_and_passes_factory_failures) {
    ClassRegistry registry;
    registry.registerClass("Host.Report", [] { return std::make_shared<Thing>(); });
    EXPECT_NE(registry.create("host.REPORT"), nullptr);
    EXPECT_NE(registry.create("Host.Report", ClassRegistry::localMachineName()), nullptr);
    EXPECT_EQ(errorOf([&] { registry.create("Host.Report", "faraway-server"); }), err::RemoteServerUnavailable);
    EXPECT_EQ(errorOf([&] { registry.create("Host.Unknown"); }), err::CannotCreateObject);
    EXPECT_TRUE(registry.unregisterClass("HOST.report"));
    EXPECT_EQ(errorOf([&] { registry.create("Host.Report"); }), err::CannotCreateObject);
    // A factory's own failure passes through.
    registry.registerClass("Host.Broken", []() -> ObjectRef { throw AutomationError(1001, "no printer data"); });
    EXPECT_EQ(errorOf([&] { registry.create("Host.Broken"); }), 1001);
}

TEST(EventSource, sinks_run_synchronously_write_arguments_back_and_may_reenter) {
    EventSource events;
    std::vector<std::string> seen;
    int cookie = 0;
    cookie = events.connect([&](std::string_view name, Args& args) {
        seen.emplace_back(name);
        args.at(0) = Variant("answered");
        if (seen.size() == 1) {
            Args inner{Variant()};
            events.raise("Nested", inner); // a sink calling back into the raiser
        }
        events.disconnect(cookie);
    });
    Args args{Variant("Me_Passer_Form")};
    events.raise("RequestData", args);
    EXPECT_EQ(args[0].toString(), "answered");
    EXPECT_EQ(seen, (std::vector<std::string>{"RequestData", "Nested"}));
    events.raise("RequestData", args);
    EXPECT_EQ(seen.size(), 2u);
}
