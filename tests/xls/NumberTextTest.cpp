#include "xls/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using xls::numberText;

TEST(NumberText, IntegralValuesAreDigitsWithoutFractionOrExponent)
{
    EXPECT_EQ(numberText(13800138000.0), "13800138000");
    EXPECT_EQ(numberText(8613800138000.0), "8613800138000");
    EXPECT_EQ(numberText(-42.0), "-42");
    EXPECT_EQ(numberText(1e20), "100000000000000000000");
    // Beyond 2^53 the digits of the stored value itself.
    EXPECT_EQ(numberText(12345678901234567890.0), "12345678901234567168");
    EXPECT_EQ(numberText(0.0), "0");
    EXPECT_EQ(numberText(-0.0), "0");
}

TEST(NumberText, OtherValuesInTheirShortestExactForm)
{
    EXPECT_EQ(numberText(3.14), "3.14");
    EXPECT_EQ(numberText(0.1), "0.1");
    EXPECT_EQ(numberText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(numberText(-2.5), "-2.5");
    EXPECT_EQ(numberText(1.5e-7), "1.5e-07");
    EXPECT_EQ(numberText(1e21), "1e+21");
    for (double value : { 3.14, 0.1, 1.5e-7, 123456.789, 1e300, -7.25e-300 })
        EXPECT_EQ(std::stod(numberText(value)), value) << numberText(value);
}

TEST(NumberText, NotANumberIsAnEmptyCell)
{
    EXPECT_EQ(numberText(std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(numberText(std::numeric_limits<double>::infinity()), "");
}
