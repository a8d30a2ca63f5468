#include "core/data/data_numbers.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "core/model/text.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view SkipLeadingBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    return text.substr(i);
}

std::string_view TrimBlanks(std::string_view text) {
    text = SkipLeadingBlanks(text);
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Reads "[sign]digits" at the start of `text` (no blanks skipped); the value saturates at
// the 64-bit limits, far beyond any 32-bit field. `length` is 0 when there are no digits.
struct WholePrefix {
    int64_t value = 0;
    std::size_t length = 0;
};

WholePrefix ReadWholePrefix(std::string_view text) {
    constexpr int64_t kCap = int64_t{1} << 40; // beyond any 32-bit value; no overflow below
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t first_digit = i;
    int64_t magnitude = 0;
    while (i < text.size() && IsDigit(text[i])) {
        if (magnitude < kCap) {
            magnitude = magnitude * 10 + (text[i] - '0');
        }
        ++i;
    }
    if (i == first_digit) {
        return {};
    }
    return {negative ? -magnitude : magnitude, i};
}

int32_t SaturateTo32(int64_t value) {
    if (value > std::numeric_limits<int32_t>::max()) {
        return std::numeric_limits<int32_t>::max();
    }
    if (value < std::numeric_limits<int32_t>::min()) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(value);
}

// Length of the plain decimal number at the start of `text`:
// [sign] digits [. digits] [(e|E) [sign] digits], with at least one digit before the exponent.
std::size_t DecimalPrefixLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    return i;
}

// Rough power of ten of an unsigned plain decimal number (the position of its first
// significant digit plus the exponent); only its sign matters, to tell a number too large
// for a double from one too small.
int64_t DecimalMagnitude(std::string_view number) {
    const std::size_t e = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, e);
    const int64_t exponent =
        e == std::string_view::npos ? 0 : ReadWholePrefix(number.substr(e + 1)).value;
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return std::numeric_limits<int32_t>::min(); // zero
    }
    const int64_t position = first < point ? static_cast<int64_t>(point - first)
                                           : -static_cast<int64_t>(first - point - 1);
    return position + exponent;
}

// The value of a plain decimal number (as measured by DecimalPrefixLength), as a double.
// Overflow gives an infinity of the right sign, underflow a zero.
double ParseDecimal(std::string_view number) {
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        value = DecimalMagnitude(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

float SaturateToFloat(double value) {
    if (std::isnan(value)) {
        return 0.0f;
    }
    if (value > FLT_MAX) {
        return FLT_MAX;
    }
    if (value < -FLT_MAX) {
        return -FLT_MAX;
    }
    return static_cast<float>(value);
}

} // namespace

int32_t AtoiSaturating(std::string_view text) {
    return SaturateTo32(ReadWholePrefix(SkipLeadingBlanks(text)).value);
}

float AtofSaturating(std::string_view text) {
    text = SkipLeadingBlanks(text);
    const std::size_t length = DecimalPrefixLength(text);
    if (length == 0) {
        return 0.0f;
    }
    return SaturateToFloat(ParseDecimal(text.substr(0, length)));
}

double AtodSaturating(std::string_view text) {
    text = SkipLeadingBlanks(text);
    const std::size_t length = DecimalPrefixLength(text);
    if (length == 0) {
        return 0.0;
    }
    const double value = ParseDecimal(text.substr(0, length));
    if (std::isnan(value)) {
        return 0.0;
    }
    return std::clamp(value, -DBL_MAX, DBL_MAX);
}

NumberText ClassifyInteger(std::string_view text) {
    text = TrimBlanks(text);
    const WholePrefix whole = ReadWholePrefix(text);
    if (whole.length == 0 || whole.length != text.size()) {
        return NumberText::kNotANumber;
    }
    return SaturateTo32(whole.value) == whole.value ? NumberText::kNumber : NumberText::kOutOfRange;
}

NumberText ClassifyDecimal(std::string_view text) {
    text = TrimBlanks(text);
    const std::size_t length = DecimalPrefixLength(text);
    if (length == 0 || length != text.size()) {
        return NumberText::kNotANumber;
    }
    const double value = ParseDecimal(text);
    return std::fabs(value) > FLT_MAX ? NumberText::kOutOfRange : NumberText::kNumber;
}

std::string FloatText(float value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string ExperienceText(double value) {
    char buffer[64];
    if (std::trunc(value) == value && std::fabs(value) < 1e15) {
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
        return buffer;
    }
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string NumberRangeRefusal(std::string_view text, long min, long max) {
    const long number = AtoiSaturating(text);
    if (number >= min && number <= max) {
        return "";
    }
    return Printf("Enter a number from %ld to %ld", min, max);
}
