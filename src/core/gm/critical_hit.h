#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

// The critical-hit roller: a location roll of d10,000, a severity level and a damage type
// name a wound in the built-in table (critical_table.h).

// The damage types, in the order of the window's drop-down and of the table's numbers.
inline constexpr std::array<const char*, 4> kCriticalDamageTypeNames = {
    "Puncturing", "Hacking", "Crushing", "Monster Bites"};

// The position of `name` among the damage types (exact spelling), or -1 when it is none.
int CriticalDamageTypeFromName(std::string_view name);

inline constexpr const char* kCriticalNegated = "Severity level below 1; Critical Hit negated";
inline constexpr const char* kCriticalIncomplete = "Error, incomplete data in program";

// The wound text for a location roll, a severity level and a damage type number. A severity
// above 24 counts as 24; below 1 the hit is negated (kCriticalNegated). A roll outside 0 to
// 10,000 or an unknown damage type finds nothing (kCriticalIncomplete).
std::string Criticalhit(int roll, int severity, int damage_type);

// The severity roll for a base severity `modifier`: one roll of `count` dice of `sides`
// sides plus the base. While the last roll shows 1, roll again and subtract that roll plus
// the base less one; while it shows 8, roll again and add it. The window rolls a d8. A die
// of fewer than two sides is not open-ended (it would never stop showing 1). The result may
// be below 1 or above 24.
int CriticalHitDiceRoll(int sides, int count, int modifier);

// The same rule over rolls from `roll`, so the open-ended chain can be followed with chosen
// dice.
int CriticalSeverityFromRolls(int base, const std::function<int()>& roll);

// The notation legend, in the order of the window's list; the first item is its title.
extern const std::array<const char*, 34> kCriticalLegend;
