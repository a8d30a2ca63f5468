#include "core/files/saved_text.h"

#include <charconv>
#include <cstdint>

namespace {

struct NamedReference {
    std::string_view name; // between "&" and ";"
    char character;
};

constexpr NamedReference kNamedReferences[] = {
    {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''},
};

void AppendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

// The character a numeric reference's body ("#9", "#x1F") stands for, appended to `out`;
// false when the body is no character a text can hold.
bool AppendNumeric(std::string_view body, std::string& out) {
    if (body.size() < 2 || body.front() != '#') {
        return false;
    }
    body.remove_prefix(1);
    int base = 10;
    if (body.front() == 'x' || body.front() == 'X') {
        base = 16;
        body.remove_prefix(1);
    }
    uint32_t code = 0;
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), code, base);
    if (error != std::errc{} || end != body.data() + body.size() || code > 0x10FFFF ||
        (code >= 0xD800 && code <= 0xDFFF)) {
        return false;
    }
    AppendUtf8(out, code);
    return true;
}

// The longest reference body the reader looks for ("#x10FFFF").
constexpr std::size_t kLongestReference = 8;

} // namespace

std::string EscapeSavedText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '&') {
            out += "&amp;";
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else if (byte < 0x20 || byte == 0x7F) {
            out += "&#" + std::to_string(byte) + ';';
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::string UnescapeSavedText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t amp = text.find('&', at);
        if (amp == std::string_view::npos) {
            out.append(text.substr(at));
            break;
        }
        out.append(text.substr(at, amp - at));
        at = amp + 1;
        const std::size_t semicolon = text.substr(at, kLongestReference + 1).find(';');
        if (semicolon == std::string_view::npos) {
            out.push_back('&');
            continue;
        }
        const std::string_view body = text.substr(at, semicolon);
        bool known = false;
        for (const NamedReference& reference : kNamedReferences) {
            if (body == reference.name) {
                out.push_back(reference.character);
                known = true;
                break;
            }
        }
        if (!known) {
            known = AppendNumeric(body, out);
        }
        if (known) {
            at += semicolon + 1;
        } else {
            out.push_back('&');
        }
    }
    return out;
}
