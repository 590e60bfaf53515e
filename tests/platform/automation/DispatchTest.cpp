// Late-bound members by name. Conversions on put are the variant's tests;
// arguments written back by reference are the printer setup's read call's.
#include "platform/automation/ErrorOf.h"
#include "platform/automation/DispatchObject.h"

#include <gtest/gtest.h>

using namespace kelvppvw;
using kelvppvw::test::errorOf;

namespace {

class Sample : public DispatchObject {
public:
    int32_t handle = 0;
    int writes = 0;

    Sample() {
        field("DrwHwnd", handle);
        property("ReadOnly", [] { return Variant(7); });
        writeOnlyProperty("WriteOnly", [this](const Variant&) { ++writes; });
        method("Sum", [](Args& a) { return Variant(a.at(0).toLong() + a.at(1).toLong()); });
    }
};

} // namespace

TEST(Dispatch, raises_438_for_unknown_members_and_wrong_directions) {
    Sample s;
    EXPECT_EQ(errorOf([&] { s.get("NoSuchMember"); }), err::MemberNotSupported);
    EXPECT_EQ(errorOf([&] { s.put("ReadOnly", Variant(1)); }), err::MemberNotSupported);
    EXPECT_EQ(errorOf([&] { s.get("WriteOnly"); }), err::MemberNotSupported);
    EXPECT_EQ(errorOf([&] { s.putRef("drwhwnd", Variant(1)); }), 0); // value fields take either form
    s.put("WriteOnly", Variant(1));
    EXPECT_EQ(s.writes, 1);
    EXPECT_EQ(s.get("SUM", {Variant(1), Variant(1)}).toLong(), 2); // a function read as a property
}
