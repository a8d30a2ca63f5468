#include <cfloat>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "core/data/data_numbers.h"

namespace {

// Each text read as a whole number (as atoi reads it, saturating), as a decimal (as atof reads
// it, saturating at the largest float) and classified for the data check either way.
TEST(DataNumbers, TextsReadLikeAtoiAndAtofButSaturate) {
    using enum NumberText;
    const struct {
        std::string text;
        int32_t integer;
        float decimal;
        NumberText as_integer, as_decimal;
    } cases[] = {
        {"3", 3, 3.0f, kNumber, kNumber},
        {"+7", 7, 7.0f, kNumber, kNumber},
        {" \t -12abc", -12, -12.0f, kNotANumber, kNotANumber},
        {"abc", 0, 0.0f, kNotANumber, kNotANumber},
        {"- 5", 0, 0.0f, kNotANumber, kNotANumber}, // a sign then a blank
        {"-", 0, 0.0f, kNotANumber, kNotANumber},
        {"0x1A", 0, 0.0f, kNotANumber, kNotANumber}, // hexadecimal is not read as such
        {"inf", 0, 0.0f, kNotANumber, kNotANumber},
        {"18.51", 18, 18.51f, kNotANumber, kNumber},
        {".5", 0, 0.5f, kNotANumber, kNumber},
        {"  -2.5e1x", -2, -25.0f, kNotANumber, kNotANumber},
        {"1e", 1, 1.0f, kNotANumber, kNotANumber}, // an exponent without digits is left alone
        {"2147483647", INT32_MAX, 2147483647.0f, kNumber, kNumber},
        {"2147483648", INT32_MAX, 2147483648.0f, kOutOfRange, kNumber},
        {"-2147483648", INT32_MIN, -2147483648.0f, kNumber, kNumber},
        {"-2147483649", INT32_MIN, -2147483649.0f, kOutOfRange, kNumber},
        {"1e39", 1, FLT_MAX, kNotANumber, kOutOfRange},
        {"-1e999", -1, -FLT_MAX, kNotANumber, kOutOfRange},
        {"1e-999", 1, 0.0f, kNotANumber, kNumber}, // too small to hold
        {std::string(400, '9'), INT32_MAX, FLT_MAX, kOutOfRange, kOutOfRange},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE('"' + c.text + '"');
        EXPECT_EQ(AtoiSaturating(c.text), c.integer);
        EXPECT_EQ(AtofSaturating(c.text), c.decimal);
        EXPECT_EQ(ClassifyInteger(c.text), c.as_integer);
        EXPECT_EQ(ClassifyDecimal(c.text), c.as_decimal);
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
