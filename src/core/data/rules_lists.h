#pragma once

#include <optional>
#include <string_view>

#include "core/data/class_data.h"
#include "core/data/item_data.h"
#include "core/data/race_data.h"

// The seven rules lists, loaded at start-up from the data directories under the workspace
// root in the order races, classes, skills, spells, talents, proficiencies, equipment.
// Any records the lists already held are dropped first, so this is only called while no
// character points into them.
void LoadAllRulesLists();

// Empties all seven lists.
void ClearAllRulesLists();

// The seven kinds of rules data, by the name of their data directory.
enum class RulesKind { kRaces, kClasses, kSkills, kSpells, kTalents, kProficiencies, kEquipment };

// "Classes", "Races", ... as written (letter case matters); nullopt for anything else.
std::optional<RulesKind> RulesKindNamed(std::string_view name);
