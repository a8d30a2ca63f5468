#pragma once

#include <cstdint>
#include <span>

// One entry of the game's quirk and flaw tables.
struct QuirkFlaw {
    char name[152];
    int32_t bp;
    int32_t bp_after_first;
    int32_t book;
    char source[15];
    char table[50];
    char subtables[4][50];
    int32_t type; // 0 minor, 1 major, 2 roll on subtable 0, 3 roll on subtables 1-3, 4 placeholder
    int32_t low, high;
    int32_t max_times;
    int32_t rolls;
    int32_t excludes[10];    // entry indexes this one supersedes; 0 ends the list
    int32_t excluded_by[10]; // entry indexes that supersede this one; 0 ends the list
};

constexpr int kQuirkFlawSlots = 800;

extern QuirkFlaw quirkflaw[kQuirkFlawSlots];

// One row of the built-in definition, as written in the table source.
struct QuirkFlawRow {
    const char* name;
    int32_t bp;
    int32_t bp_after_first;
    int32_t book;
    const char* source;
    const char* table;
    const char* subtables[4];
    int32_t type;
    int32_t low, high;
    int32_t max_times;
    int32_t rolls;
    int32_t excludes[10];
    int32_t excluded_by[10];
};

// The built-in definition, entry 0 (blank) first.
std::span<const QuirkFlawRow> QuirkFlawDefinition();

// Writes every defined entry into `table` (an 800-slot array), undoing any change a creation
// made to it. Slots past the last entry are left as they are.
void SetQuirkFlawStructure(QuirkFlaw* table);
