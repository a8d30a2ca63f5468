#pragma once

#include <array>
#include <cstdint>
#include <string>

// Saving throws: the number a character must roll at or above on a d20 to resist an effect,
// by the class's save table and the character's level, adjusted for Barbarians, Paladins and
// the hardiness of Dwarves.

// One level of a save table. The columns and the save names that read them:
//   0 Paralyzation, Poison, Death Magic     3 Breath Weapon
//   1 Rod, Staff, Wand                       4 Apology
//   2 Petrification, Polymorph, FrayFrenzy,  5 Spell
//     FrayLust
using SaveRow = std::array<int32_t, 6>;

// Rows by level, 0 to 20; row 0 is all zeros.
constexpr int kHighestSaveLevel = 20;
using SaveTable = std::array<SaveRow, kHighestSaveLevel + 1>;

// The five save tables; a class's `saveas` picks one: 1 mage, 2 fighter, 3 thief, 4 cleric,
// 5 thrain.
extern const SaveTable magesaves;
extern const SaveTable fightersaves;
extern const SaveTable thiefsaves;
extern const SaveTable clericsaves;
extern const SaveTable thrainsaves;

// The table a `saveas` value picks, or nullptr for a value outside 1 to 5.
const SaveTable* SaveTableFor(int saveas);

// True when `name` contains one of the thirteen save names (case-sensitive).
bool NamesASave(const std::string& name);

// The current character's saving throw against `name` at `level` (clamped to 1 to 20): the
// first save name, in the order Paralyzation, Rod, Petrification, Breath Weapon, Apology,
// Spell, Poison, Death Magic, Staff, Wand, Polymorph, FrayFrenzy, FrayLust, that occurs in
// `name` ("Spells" reads Spell; a name holding both Rod and Staff reads Rod). Never below 1.
// Returns 0 when the character has no class, its class has no save table, or `name` names no
// save.
int32_t GetSave(const std::string& name, int level);
