#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/data/data_numbers.h"
#include "core/model/data_items.h"

// How an element's value is stored in a rules record.
enum class ValueKind {
    kInteger,     // atoi into a 32-bit field
    kCost,        // atoi into the cost, and the rule's coin name into the coin field
    kDecimal,     // atof into a float field
    kText,        // replaces a string
    kRunningText, // appended to a string, so a long text may span several lines
    kListEntry,   // one more string in a list, and its count up by one
    kFlag,        // the element's presence sets a flag; the value is ignored
    kListReset,   // empties a list and zeroes its count
    kIndexed,     // by-level array; the level follows the tag name's last underscore
};

bool IsNumberKind(ValueKind kind);

// A field of record type R, by member pointer.
template <typename R>
using FieldRef = std::variant<int32_t R::*, float R::*, bool R::*, std::string R::*,
                              std::vector<std::string> R::*, ByLevel R::*>;

// One tag of a record type: the tag as it is searched for in an element's tag text ("<BOOK"),
// how its value is stored, and where.
template <typename R> struct TagRule {
    const char* tag;
    ValueKind kind;
    FieldRef<R> field;
    int32_t R::*count = nullptr;     // list entry and list reset: the list's count, if any
    std::string R::*coin = nullptr;  // cost: the field that names the coin
    const char* coin_name = nullptr; // cost: "Gold", "Silver" or "Copper"
};

// One field of a record type in declaration order, as `fraymark data dump` names it.
template <typename R> struct FieldSpec {
    const char* name;
    FieldRef<R> field;
};

// The level of an indexed element: what follows the last underscore of the tag text, read
// by the atoi rules; a tag text without an underscore gives level 0.
int32_t IndexedLevel(std::string_view tag_text);
bool IsLevelInRange(int32_t level);

// The first rule, in test order, whose tag occurs anywhere in the tag text; null if none.
template <typename R>
const TagRule<R>* MatchTag(std::span<const TagRule<R>> rules, std::string_view tag_text) {
    for (const TagRule<R>& rule : rules) {
        if (tag_text.find(rule.tag) != std::string_view::npos) {
            return &rule;
        }
    }
    return nullptr;
}

inline int32_t ListCount(const std::vector<std::string>& list) {
    constexpr std::size_t kMax = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(list.size() < kMax ? list.size() : kMax);
}

// Stores one element's value in `record` as the rule says.
template <typename R>
void ApplyTagRule(const TagRule<R>& rule, std::string_view value, std::string_view tag_text,
                  R& record) {
    switch (rule.kind) {
    case ValueKind::kInteger:
        record.*std::get<int32_t R::*>(rule.field) = AtoiSaturating(value);
        break;
    case ValueKind::kCost:
        record.*std::get<int32_t R::*>(rule.field) = AtoiSaturating(value);
        record.*rule.coin = rule.coin_name;
        break;
    case ValueKind::kDecimal:
        record.*std::get<float R::*>(rule.field) = AtofSaturating(value);
        break;
    case ValueKind::kText:
        record.*std::get<std::string R::*>(rule.field) = value;
        break;
    case ValueKind::kRunningText:
        (record.*std::get<std::string R::*>(rule.field)).append(value);
        break;
    case ValueKind::kListEntry: {
        auto& list = record.*std::get<std::vector<std::string> R::*>(rule.field);
        list.emplace_back(value);
        if (rule.count) {
            record.*rule.count = ListCount(list);
        }
        break;
    }
    case ValueKind::kFlag:
        record.*std::get<bool R::*>(rule.field) = true;
        break;
    case ValueKind::kListReset:
        (record.*std::get<std::vector<std::string> R::*>(rule.field)).clear();
        if (rule.count) {
            record.*rule.count = 0;
        }
        break;
    case ValueKind::kIndexed: {
        const int32_t level = IndexedLevel(tag_text);
        if (IsLevelInRange(level)) {
            (record.*std::get<ByLevel R::*>(rule.field))[static_cast<std::size_t>(level)] =
                AtoiSaturating(value);
        }
        break;
    }
    }
}
