#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

// JSON for other tools, written by the nlohmann library in one house style: keys in the order
// they were set, one object a line, text as UTF-8 with control characters written as \u00XX.

using Json = nlohmann::ordered_json;

// The text with every byte that does not start a valid UTF-8 sequence replaced, one by one,
// by U+FFFD, so that a file in another encoding still gives a valid JSON string.
std::string ValidUtf8(std::string_view text);

// A whole number (below 10^15) as a JSON integer, with all its digits (3, not 3.0), any other
// value as the shortest decimal that reads back as the same number; a value that is no
// number is null. A single-precision value is written with its own shortest digits (18.51,
// not the 18.510000228881836 its double would give).
Json JsonNumber(double value);
Json JsonNumber(float value);

// One line of compact JSON: the library's text, with the control characters it writes as
// \t, \n, \b, \f, \r written as \u0009 ... and U+FFFD (a byte that was not UTF-8) as \ufffd,
// so that every control character reads the same way and a replaced byte stands out.
std::string JsonLine(const Json& value);
