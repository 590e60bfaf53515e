#include "platform/automation/ErrorOf.h"
#include "host/Graphics.h"
#include "platform/automation/AutomationError.h"

#include <gtest/gtest.h>

using namespace kelvppvw;
using kelvppvw::test::errorOf;

namespace {

std::shared_ptr<Graphic> named(const std::string& name) {
    auto g = std::make_shared<Graphic>();
    g->Name = name;
    return g;
}

} // namespace

TEST(Graphics, numbers_the_hosts_objects_from_one_finds_them_by_key_and_enumerates_them) {
    auto list = std::make_shared<Graphics>();
    auto logo = named("logo");
    list->callWith("Add", logo, "Logo");
    list->Add(named("a"));
    list->Add(named("b"), "");
    EXPECT_EQ(list->Count(), 3);
    EXPECT_EQ(list->Item(Variant(1)), logo) << "a copy would miss the host's later changes";
    EXPECT_EQ(list->callWith("Item", "LOGO").objectAs<Graphic>(), logo);
    EXPECT_EQ(list->Item(Variant(3))->Name, "b"); // empty keys are no keys: both stored
    EXPECT_EQ(list->Item(Variant(2.5))->Name, "a"); // positions round like any number
    auto e = list->get("NewEnum").toObject();
    std::vector<std::string> names;
    for (Variant v = e->get("Next"); !v.isEmpty(); v = e->get("Next"))
        names.push_back(v.objectAs<Graphic>()->Name);
    EXPECT_EQ(names, (std::vector<std::string>{"logo", "a", "b"}));
}

TEST(Graphics, fails_with_the_collection_errors) {
    Graphics list;
    list.Add(named("x"), "key");
    EXPECT_EQ(errorOf([&] { list.Add(named("y"), "KEY"); }), err::KeyAlreadyAssociated);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(errorOf([&] { list.Item(Variant(0)); }), err::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { list.Item(Variant(2)); }), err::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { list.Item(Variant("nokey")); }), err::InvalidProcedureCall);
    EXPECT_EQ(errorOf([&] { list.Remove(Variant(5)); }), err::SubscriptOutOfRange);
}
