#include <cfloat>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "core/data/data_numbers.h"

namespace {

TEST(DataNumbers, IntegersReadLikeAtoiButSaturate) {
    struct Case {
        const char* label;
        const char* text;
        int32_t expected;
    };
    const Case cases[] = {
        {"plain", "3", 3},
        {"explicit plus", "+7", 7},
        {"blanks, sign, trailing text ignored", " \t -12abc", -12},
        {"no digits", "abc", 0},
        {"sign then blank", "- 5", 0},
        {"hexadecimal is not read as such", "0x1A", 0},
        {"decimal point stops the number", "18.51", 18},
        {"largest 32-bit value", "2147483647", INT32_MAX},
        {"one past the largest", "2147483648", INT32_MAX},
        {"smallest 32-bit value", "-2147483648", INT32_MIN},
        {"one below the smallest", "-2147483649", INT32_MIN},
        {"far too many digits", "99999999999999999999999999999999", INT32_MAX},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AtoiSaturating(c.text), c.expected) << c.label;
    }
}

TEST(DataNumbers, DecimalsReadLikeAtofButSaturate) {
    const std::string huge_digits(400, '9');
    struct Case {
        const char* label;
        std::string text;
        float expected;
    };
    const Case cases[] = {
        {"strength with percentile", "18.51", 18.51f},
        {"blanks, exponent, trailing text", "  -2.5e1x", -25.0f},
        {"no integer part", ".5", 0.5f},
        {"exponent without digits is left alone", "1e", 1.0f},
        {"no digits", "pounds", 0.0f},
        {"infinity is not a number here", "inf", 0.0f},
        {"beyond single precision", "1e39", FLT_MAX},
        {"beyond double precision, negative", "-1e999", -FLT_MAX},
        {"too small to hold", "1e-999", 0.0f},
        {"four hundred digits", huge_digits, FLT_MAX},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AtofSaturating(c.text), c.expected) << c.label;
    }
}

TEST(DataNumbers, TheCheckTellsNumbersFromText) {
    struct Case {
        const char* label;
        const char* text;
        NumberText as_integer;
        NumberText as_decimal;
    };
    const Case cases[] = {
        {"whole number", "3", NumberText::kNumber, NumberText::kNumber},
        {"fraction", "18.51", NumberText::kNotANumber, NumberText::kNumber},
        {"word", "three", NumberText::kNotANumber, NumberText::kNotANumber},
        {"number then word", "3 gold", NumberText::kNotANumber, NumberText::kNotANumber},
        {"sign alone", "-", NumberText::kNotANumber, NumberText::kNotANumber},
        {"beyond 32 bits", "4294967296", NumberText::kOutOfRange, NumberText::kNumber},
        {"beyond single precision", "1e40", NumberText::kNotANumber, NumberText::kOutOfRange},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyInteger(c.text), c.as_integer) << c.label;
        EXPECT_EQ(ClassifyDecimal(c.text), c.as_decimal) << c.label;
    }
}

TEST(DataNumbers, FloatTextReadsBackExactly) {
    for (const float value : {18.51f, 0.1f, -2.5f, 3.0f, FLT_MAX, 1e-30f}) {
        const std::string text = FloatText(value);
        EXPECT_EQ(std::stof(text), value) << text;
    }
    EXPECT_EQ(FloatText(18.51f), "18.51");
    EXPECT_EQ(FloatText(3.0f), "3");
}

} // namespace
