#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>

#include "vrml_write/number_format.h"

using namespace vantor;

TEST(FormatNumber, StylesAndTrailingZeros) {
    EXPECT_EQ(FormatNumber(1.5f, kLongStyle), "1.5");
    EXPECT_EQ(FormatNumber(2.0f, kShortStyle), "2");
    EXPECT_EQ(FormatNumber(0.0f, kFixed3Style), "0");
    EXPECT_EQ(FormatNumber(-0.0f, kShortStyle), "-0");
    EXPECT_EQ(FormatNumber(-0.0001f, kShortStyle), "-0");
    EXPECT_EQ(FormatNumber(0.25f, kShortStyle), "0.25");
    EXPECT_EQ(FormatNumber(0.0004f, kShortStyle), "0");
    EXPECT_EQ(FormatNumber(0.0004f, kFixed6Style), "0.0004");
    EXPECT_EQ(FormatNumber(100.0f, kShortStyle), "100");  // zeros before the point stay
    EXPECT_EQ(FormatNumber(1.23456789f, kLongStyle), "1.234568");
    EXPECT_EQ(FormatNumber(1.0f, 4), "");
    EXPECT_EQ(FormatNumber(1.0f, -1), "");
}

TEST(FormatExactNumber, KeepsStyleTextWhenExactElseShortestThatReadsBack) {
    EXPECT_EQ(FormatExactNumber(0.25f, kShortStyle), "0.25");
    EXPECT_EQ(FormatExactNumber(3.0f, kShortStyle), "3");
    EXPECT_EQ(FormatExactNumber(-1.5f, kShortStyle), "-1.5");
    EXPECT_EQ(FormatExactNumber(0.0004f, kShortStyle), "0.0004");
    EXPECT_EQ(FormatExactNumber(0.1f, kShortStyle), "0.1");
    EXPECT_EQ(FormatExactNumber(1.2345678f, kShortStyle), "1.2345678");
    EXPECT_EQ(FormatExactNumber(-0.0f, kShortStyle), "-0");

    // Many values across magnitudes come back bit for bit.
    std::mt19937 random(7);
    std::uniform_real_distribution<float> mantissa(-1.0f, 1.0f);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int k = 0; k < 20000; ++k) {
        const float value = std::ldexp(mantissa(random), exponent(random));
        const std::string text = FormatExactNumber(value, kShortStyle);
        ASSERT_EQ(std::strtof(text.c_str(), nullptr), value) << text;
        ASSERT_EQ(text.find_first_of("eE"), std::string::npos) << text;
    }
}
