#include "printing/InchFraction.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <numeric>

using namespace kelvppvw;

TEST(FormatInchFraction, thousandths_round_up_to_the_next_64th_with_these_band_limits) {
    const struct {
        const char* digits;
        const char* text;
    } cases[] = {
        {"000", ".0"},     {"005", ".0"},     {"006", " 1/64"},  {"015", " 1/64"},  {"016", " 1/32"},
        {"031", " 1/32"},  {"032", " 3/64"},  {"046", " 3/64"},  {"047", " 1/16"},  {"062", " 1/16"},
        {"063", " 5/64"},  {"250", " 1/4"},   {"251", " 17/64"}, {"500", " 1/2"},   {"501", " 33/64"},
        {"953", " 61/64"}, {"954", " 31/32"}, {"968", " 31/32"}, {"969", " 63/64"}, {"984", " 63/64"},
        {"985", " 63/64"}, {"999", " 63/64"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatInchFraction(c.digits), c.text) << c.digits;
}

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

TEST(FormatInchFraction, only_the_first_three_digits_count) {
    EXPECT_EQ(FormatInchFraction("0059999"), ".0");
    EXPECT_EQ(FormatInchFraction("26771653543307"), " 9/32");
    EXPECT_EQ(FormatInchFraction("5009"), " 1/2");
}

TEST(FormatInchFraction, short_digit_runs_read_as_padded_thousandths) {
    EXPECT_EQ(FormatInchFraction(""), ".0");
    EXPECT_EQ(FormatInchFraction("5"), " 1/2");
    EXPECT_EQ(FormatInchFraction("25"), " 1/4");
    EXPECT_EQ(FormatInchFraction("75"), " 3/4");
    EXPECT_EQ(FormatInchFraction("05"), " 1/16");
    EXPECT_EQ(FormatInchFraction("0"), ".0");
}

TEST(FormatInchFraction, text_that_is_no_digits_gives_no_fraction) {
    EXPECT_EQ(FormatInchFraction("1e-"), "");
    EXPECT_EQ(FormatInchFraction("x"), "");
}

TEST(InchText, whole_inches_stay_whole_and_decimals_become_fractions) {
    EXPECT_EQ(InchText(11), "11");
    EXPECT_EQ(InchText(8.5), "8 1/2");
    EXPECT_EQ(InchText(12240 / 1440.0), "8 1/2");
    EXPECT_EQ(InchText(11906 / 1440.0), "8 9/32");   // 8.268 in
    EXPECT_EQ(InchText(16838 / 1440.0), "11 45/64"); // 11.693 in
    EXPECT_EQ(InchText(4.002), "4.0");
}
