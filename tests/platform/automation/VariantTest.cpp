#include "platform/automation/ErrorOf.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/Variant.h"

#include <gtest/gtest.h>

#include <limits>

using namespace kelvppvw;
using kelvppvw::test::errorOf;

TEST(VariantToLong, rounds_halves_to_even_from_every_numeric_source) {
    struct Case {
        Variant in;
        int32_t out;
    };
    const Case cases[] = {
        {Variant(2.5), 2},       {Variant(3.5), 4},         {Variant(-2.5), -2},
        {Variant(-3.5), -4},     {Variant(2.4999), 2},      {Variant(2.5001), 3},
        {Variant(0.5f), 0},      {Variant(1.5f), 2},        {Variant("2.5"), 2},
        {Variant(" 7.5 "), 8},   {Variant("&HFF"), 255},    {Variant("&HFFFFFFFF"), -1},
        {Variant(true), -1},     {Variant(false), 0},       {Variant(), 0},
        {Variant(int16_t(-7)), -7}, {Variant("1e3"), 1000}, {Variant(2147483647.4), 2147483647},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.in.toLong(), c.out) << c.in.toString();
}

TEST(VariantToLong, raises_overflow_out_of_range_and_type_mismatch_for_text) {
    EXPECT_EQ(errorOf([] { Variant(2147483647.5).toLong(); }), err::Overflow);
    EXPECT_EQ(errorOf([] { Variant(-2147483648.6).toLong(); }), err::Overflow);
    EXPECT_EQ(errorOf([] { Variant(1e300).toLong(); }), err::Overflow);
    EXPECT_EQ(errorOf([] { Variant(-2147483648.5).toLong(); }), 0); // rounds to the minimum, even
    EXPECT_EQ(errorOf([] { Variant(32767.5).toInteger(); }), err::Overflow);
    EXPECT_EQ(errorOf([] { Variant(32766.5).toInteger(); }), 0);
    EXPECT_EQ(errorOf([] { Variant(256).toByte(); }), err::Overflow);
    EXPECT_EQ(errorOf([] { Variant(-1).toByte(); }), err::Overflow);
    for (const char* text : {"abc", "", "  ", "12abc", "inf", "nan", "0x10", "1,5"})
        EXPECT_EQ(errorOf([text] { Variant(text).toLong(); }), err::TypeMismatch) << text;
    EXPECT_EQ(errorOf([] { Variant::null().toLong(); }), err::InvalidUseOfNull);
    EXPECT_EQ(errorOf([] { Variant::null().toString(); }), err::InvalidUseOfNull);
}

TEST(VariantToString, prints_numbers_and_booleans_like_the_classic_runtime) {
    const std::pair<Variant, const char*> cases[] = {
        {Variant(true), "True"}, {Variant(false), "False"}, {Variant(1.5), "1.5"},  {Variant(0.25), ".25"},
        {Variant(-0.25), "-.25"}, {Variant(100.0), "100"},  {Variant(0.1f), ".1"},  {Variant(int32_t(-42)), "-42"},
        {Variant(1.0 / 3.0), ".333333333333333"},           {Variant(), ""},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(in.toString(), out);
}
