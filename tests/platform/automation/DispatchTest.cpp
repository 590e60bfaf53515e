#include "platform/automation/ErrorOf.h"
#include "platform/automation/DispatchObject.h"

#include <gtest/gtest.h>

using namespace kelvppvw;
using kelvppvw::test::errorOf;

namespace {

class Sample : public DispatchObject {
public:
    int32_t handle = 0;
    std::string name;
    Variant any;
    bool flag = false;
    int writes = 0;

    Sample() {
        field("DrwHwnd", handle);
        field("AppName", name);
        field("Owner", any);
        field("CannedPT", flag);
        property("ReadOnly", [] { return Variant(7); });
        writeOnlyProperty("WriteOnly", [this](const Variant&) { ++writes; });
        method("Swap", [](Args& a) {
            std::swap(a.at(0), a.at(1));
            return Variant();
        });
        method("Sum", [](Args& a) { return Variant(a.at(0).toLong() + a.at(1).toLong()); });
    }
};

} // namespace

TEST(Dispatch, raises_438_for_unknown_members_and_wrong_directions) {
    Sample s;
    EXPECT_EQ(errorOf([&] { s.get("NoSuchMember"); }), err::MemberNotSupported);
    EXPECT_EQ(errorOf([&] { s.put("ReadOnly", Variant(1)); }), err::MemberNotSupported);
    EXPECT_EQ(errorOf([&] { s.get("WriteOnly"); }), err::MemberNotSupported);
    EXPECT_EQ(errorOf([&] { s.putRef("DrwHwnd", Variant(1)); }), 0); // value fields take either form
    s.put("WriteOnly", Variant(1));
    EXPECT_EQ(s.writes, 1);
}

TEST(Dispatch, writes_by_reference_arguments_back_to_the_caller) {
    Sample s;
    Args args{Variant("a"), Variant(2)};
    s.call("SWAP", args);
    EXPECT_EQ(args[0].toLong(), 2);
    EXPECT_EQ(args[1].toString(), "a");
    EXPECT_EQ(s.callWith("sum", 2, 3).toLong(), 5);
    EXPECT_EQ(s.get("Sum", {Variant(1), Variant(1)}).toLong(), 2); // a function read as a property
}
