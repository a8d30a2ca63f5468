#include "core/data/json_output.h"

#include <cmath>
#include <cstdlib>

#include "core/data/data_numbers.h"

namespace {

// Length of the valid UTF-8 sequence at the start of `text`, or 0 if it is not one.
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD in UTF-8

std::string HouseEscapes(const std::string& dumped) {
    std::string line;
    line.reserve(dumped.size() + 1);
    for (std::size_t i = 0; i < dumped.size(); ++i) {
        if (dumped[i] == '\\') {
            const char escaped = dumped[++i];
            const char* code = escaped == 't'   ? "0009"
                               : escaped == 'n' ? "000a"
                               : escaped == 'b' ? "0008"
                               : escaped == 'f' ? "000c"
                               : escaped == 'r' ? "000d"
                                                : nullptr;
            line += code ? std::string("\\u") + code : std::string{'\\', escaped};
        } else if (dumped.compare(i, kReplacement.size(), kReplacement) == 0) {
            line += "\\ufffd";
            i += kReplacement.size() - 1;
        } else {
            line += dumped[i];
        }
    }
    return line + '\n';
}

} // namespace

std::string ValidUtf8(std::string_view text) {
    std::string valid;
    valid.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            valid += text[i++];
            continue;
        }
        const std::size_t length = Utf8SequenceLength(text.substr(i));
        valid += length ? text.substr(i, length) : kReplacement;
        i += length ? length : 1;
    }
    return valid;
}

Json JsonNumber(double value) {
    if (std::trunc(value) == value && std::fabs(value) < 1e15) {
        return static_cast<std::int64_t>(value);
    }
    return value;
}

Json JsonNumber(float value) {
    if (!std::isfinite(value)) {
        return value;
    }
    // The double nearest the float's own shortest text, which the library writes back as
    // that text.
    return JsonNumber(std::strtod(FloatText(value).c_str(), nullptr));
}

std::string JsonLine(const Json& value) {
    return HouseEscapes(value.dump());
}
