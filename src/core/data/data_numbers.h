#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Numbers in the game data files are read the way the C library's atoi and atof read them:
// leading blanks skipped, an optional sign, then as many digits as follow; no digits gives 0.
// Unlike atoi, a number too large for its field saturates at the field's limit instead of
// overflowing.

int32_t AtoiSaturating(std::string_view text);

// Decimal numbers: digits, an optional point and fraction, an optional exponent. Only this
// plain decimal form is accepted ("inf", "nan" and hexadecimal read as 0, whatever the
// system's locale), and a value beyond single precision saturates at the largest float.
float AtofSaturating(std::string_view text);

// The same in double precision, for the experience points a class entry has earned, which run
// to whole numbers beyond what a float holds exactly.
double AtodSaturating(std::string_view text);

// Why `text` is no answer to a question that wants a whole number from min to max: empty when
// its number, read as above, lies in that range; else the range to keep to.
std::string NumberRangeRefusal(std::string_view text, long min, long max);

// How well a field's text reads as a number, for the data check.
enum class NumberText {
    kNumber,     // a whole number (blanks around it allowed)
    kOutOfRange, // a number, but beyond what the field holds: read saturated
    kNotANumber, // empty, or something other than a number: read by the atoi/atof rules
};

NumberText ClassifyInteger(std::string_view text);
NumberText ClassifyDecimal(std::string_view text);

// The shortest text that reads back as exactly the same float ("18.51", "1e+30").
std::string FloatText(float value);

// A whole number with all its digits ("104000000"), any other value as its shortest exact
// text: the experience points, which must read back to the very number and stay legible.
std::string ExperienceText(double value);
