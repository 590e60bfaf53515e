#include "printing/InchFraction.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <numeric>

using namespace kelvppvw;

TEST(FormatInchFraction, every_three_digit_value_gets_the_smallest_64th_not_below_it) {
    for (int t = 6; t <= 999; ++t) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%03d", t);
        const std::string text = FormatInchFraction(digits);
        int num = 0, den = 0;
        ASSERT_EQ(std::sscanf(text.c_str(), " %d/%d", &num, &den), 2) << digits;
        ASSERT_EQ(text[0], ' ');
        EXPECT_EQ(std::gcd(num, den), 1) << text;
        const int k = num * 64 / den;
        EXPECT_EQ(k * den, num * 64) << text;
        if (t <= 984) {
            EXPECT_GE(k * 1000, t * 64) << digits;
            EXPECT_LT((k - 1) * 1000, t * 64) << digits;
        } else {
            EXPECT_EQ(k, 63) << "never a whole inch: " << digits;
        }
    }
}

TEST(FormatInchFraction, edges_short_and_long_digit_runs_and_text_that_is_no_digits) {
    for (const char* below : {"000", "005", "", "0", "0059999"})
        EXPECT_EQ(FormatInchFraction(below), ".0") << below;
    EXPECT_EQ(FormatInchFraction("006"), " 1/64");
    EXPECT_EQ(FormatInchFraction("26771653543307"), " 9/32");
    EXPECT_EQ(FormatInchFraction("5009"), " 1/2");
    EXPECT_EQ(FormatInchFraction("5"), " 1/2");
    EXPECT_EQ(FormatInchFraction("75"), " 3/4");
    EXPECT_EQ(FormatInchFraction("05"), " 1/16");
    EXPECT_EQ(FormatInchFraction("1e-"), "");
    EXPECT_EQ(FormatInchFraction("x"), "");
}
