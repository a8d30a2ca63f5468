#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/dice/dice_log.h"
#include "core/model/data_items.h"
#include "core/model/text.h"

class CharacterSkill;
class CharacterTalent;
class CharacterProf;

// What the skills, talents and proficiencies step shares between buying and removing.

// An extendable skill or talent is held under its name, ": " and the identifier the player
// typed ("Religion: The Sun"); `held` is a form of `record_name` when it is that name or such
// an extension of it.
bool IsFormOf(const std::string& held, const std::string& record_name);

// The character's items that are forms of the record's name, in list order.
template <typename Item> std::vector<Item*> HeldForms(const std::string& record_name) {
    std::vector<Item*> forms;
    for (Item* item = Item::pHead.get(); item; item = item->next.get()) {
        if (IsFormOf(item->name, record_name)) {
            forms.push_back(item);
        }
    }
    return forms;
}

// The data record an item is a form of: the record of exactly its name, else the one with the
// longest name it extends; null when none (an item the data no longer has).
const CharacterSkill* SkillRecordFor(const std::string& held);
const CharacterTalent* TalentRecordFor(const std::string& held);
const CharacterProf* ProfRecordFor(const std::string& held);

// The records the window offers: named, and from a book that is switched on.
bool Offered(int book, const std::string& name);

// Whether `cost` BP may be spent: always while no creation is in progress.
bool Affordable(float cost);

// Asks for the identifier of an extendable skill or talent (again when cancelled) and returns
// the extended name; nothing when the identifier is empty or makes a name already held.
std::optional<std::string> AskExtendedName(const std::string& record_name,
                                           const std::string& message,
                                           const std::vector<std::string>& held_names);

// Asks which of several held items is meant, until one is chosen.
int ChooseAmong(const std::string& message, const std::vector<std::string>& names);
