#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/model/character.h"

// Every field of the character record, described once, in the record's order: its name (the
// member's name, and the name `fraymark character show` prints), the member, the element of
// the character file that carries it, and what starting a new character does to it. Clearing
// the record, resetting the program for tests, the command-line dump and the round-trip tests
// walk this table; adding a field to the character is one line here.

// Members that are not a plain number, text, event list or flag.
enum class SpecialField {
    kRaceRecord,  // race_item: the race record the character is of
    kClassRecord, // class_item: the class record the character is of
    kSkills,
    kSpells,
    kFailedSpells,
    kTalents,
    kProficiencies,
    kQuirks,
    kEquipment,
    kClasses,     // the class entries with their history by level
    kThiefSkills, // the nine thief skill values
    kSiblingLines,
    kQuirkCounts, // how often each quirk table entry is held
};

using FieldMember = std::variant<int32_t Character_Class::*, std::string Character_Class::*,
                                 std::vector<std::string> Character_Class::*,
                                 bool Character_Class::*, SpecialField>;

// What "New Character" does to a field: empty it, or leave what the last character had.
enum class OnNewCharacter { kCleared, kKept };

struct CharacterField {
    std::string_view name;
    FieldMember member;
    std::string_view file_tag; // "CHARACTER_NAME"; empty when the file does not carry it
    OnNewCharacter on_new = OnNewCharacter::kCleared;
    bool shown = true; // printed by `fraymark character show`
};

std::span<const CharacterField> CharacterFields();

// Empties one field of the current character: zero, empty text, no events, false, no items.
void ClearCharacterField(const CharacterField& field);
