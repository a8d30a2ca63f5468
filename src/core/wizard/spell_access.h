#pragma once

#include <optional>
#include <string>
#include <vector>

class CharacterSpell;
class ClassDataItem;

// Which spells the character in hand may hold, from the game data: a class of the mage group
// casts "Magic-User" spells, one of the cleric group "Priest" spells (a character of several
// classes both, when it has both), each up to the spell level its class table gives at the
// class's level (SPELLLEVEL), Magic-User spells no higher than Intelligence allows either; the
// spell's book must be on.

constexpr const char* kMagicUserSpells = "Magic-User";
constexpr const char* kPriestSpells = "Priest";

// The highest spell level of `type` the character casts now; 0 when it casts none.
int HighestSpellLevel(const std::string& type);

// The character's class entry that casts `type` at the highest spell level (its level bars a
// failed spell); null when none does.
const ClassDataItem* CastingClass(const std::string& type);

// Whether the character casts any spell at all.
bool CastsSpells();

// Whether the spell's type, book and level are open to the character.
bool SpellOpenToCharacter(const CharacterSpell& spell);

// Every spell of the data open to the character, in the data's order.
std::vector<const CharacterSpell*> SpellsOpenToCharacter();

// Intelligence's "learn spells %" for the character: the chance to learn a Magic-User spell.
int LearnSpellChance();

// Intelligence's "max spells per level": the most Magic-User spells of one spell level a book
// holds; none for "all".
std::optional<int> MostSpellsPerLevel();
