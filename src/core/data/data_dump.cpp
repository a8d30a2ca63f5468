#include "core/data/data_dump.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <type_traits>
#include <variant>

#include "core/data/data_reader.h"

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

// A JSON string; bytes that are not UTF-8 become U+FFFD so that the line stays valid JSON.
void WriteJsonString(std::ostream& out, std::string_view text) {
    static const char kHex[] = "0123456789abcdef";
    out << '"';
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out << '\\' << static_cast<char>(c);
        } else if (c < 0x20) {
            out << "\\u00" << kHex[c >> 4] << kHex[c & 0xF];
        } else if (c >= 0x80) {
            const std::size_t length = Utf8SequenceLength(text.substr(i));
            if (length == 0) {
                out << "\\ufffd";
                ++i;
            } else {
                out << text.substr(i, length);
                i += length;
            }
            continue;
        } else {
            out << static_cast<char>(c);
        }
        ++i;
    }
    out << '"';
}

void WriteJsonFloat(std::ostream& out, float value) {
    if (std::isfinite(value)) {
        out << FloatText(value);
    } else {
        out << "null";
    }
}

template <typename R> void WriteRecord(std::ostream& out, const R& record) {
    out << '{';
    bool first = true;
    for (const FieldSpec<R>& field : R::Fields()) {
        if (!first) {
            out << ',';
        }
        first = false;
        WriteJsonString(out, field.name);
        out << ':';
        std::visit(
            [&](auto member) {
                const auto& value = record.*member;
                using V = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<V, int32_t>) {
                    out << value;
                } else if constexpr (std::is_same_v<V, float>) {
                    WriteJsonFloat(out, value);
                } else if constexpr (std::is_same_v<V, bool>) {
                    out << (value ? "true" : "false");
                } else if constexpr (std::is_same_v<V, std::string>) {
                    WriteJsonString(out, value);
                } else if constexpr (std::is_same_v<V, std::vector<std::string>>) {
                    out << '[';
                    for (std::size_t i = 0; i < value.size(); ++i) {
                        out << (i ? "," : "");
                        WriteJsonString(out, value[i]);
                    }
                    out << ']';
                } else {
                    static_assert(std::is_same_v<V, ByLevel>);
                    out << '[';
                    for (std::size_t i = 0; i < value.size(); ++i) {
                        out << (i ? "," : "") << value[i];
                    }
                    out << ']';
                }
            },
            field.field);
    }
    out << "}\n";
}

template <typename R> void LoadAndWrite(std::ostream& out) {
    R::Clear();
    LoadRulesList<R>(nullptr);
    for (const R* record = R::pHead.get(); record; record = record->next.get()) {
        WriteRecord(out, *record);
    }
}

} // namespace

void DumpRulesList(RulesKind kind, std::ostream& out) {
    switch (kind) {
    case RulesKind::kRaces:
        return LoadAndWrite<CharacterRace>(out);
    case RulesKind::kClasses:
        return LoadAndWrite<CharacterClass>(out);
    case RulesKind::kSkills:
        return LoadAndWrite<CharacterSkill>(out);
    case RulesKind::kSpells:
        return LoadAndWrite<CharacterSpell>(out);
    case RulesKind::kTalents:
        return LoadAndWrite<CharacterTalent>(out);
    case RulesKind::kProficiencies:
        return LoadAndWrite<CharacterProf>(out);
    case RulesKind::kEquipment:
        return LoadAndWrite<CharacterEquip>(out);
    }
}
