#include "core/wizard/spell_access.h"

#include <algorithm>
#include <cstdlib>

#include "core/data/class_data.h"
#include "core/data/item_data.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/options.h"
#include "core/tree/ability_scores.h"

namespace {

bool InGroup(const CharacterClass& record, const std::string& type) {
    return type == kMagicUserSpells ? record.mage > 0 : type == kPriestSpells && record.cleric > 0;
}

int ClassSpellLevel(const ClassDataItem& item, const std::string& type) {
    const CharacterClass* record = CharacterClass::Named(item.name);
    if (!record || !InGroup(*record, type)) {
        return 0;
    }
    const int level = std::clamp(item.level, 0, kMaxLevels - 1);
    return record->spelllevel[static_cast<std::size_t>(level)];
}

std::string IntelligenceEntry(const char* name) {
    const Character_Class& c = current_character;
    return AbilityScores::GetIntelligence(name, c.intelligence_base, c.intelligence_perc);
}

} // namespace

const ClassDataItem* CastingClass(const std::string& type) {
    const ClassDataItem* best = nullptr;
    int best_level = 0;
    for (const ClassDataItem* item = ClassDataItem::pHead.get(); item; item = item->next.get()) {
        if (const int level = ClassSpellLevel(*item, type); level > best_level) {
            best = item;
            best_level = level;
        }
    }
    return best;
}

int HighestSpellLevel(const std::string& type) {
    const ClassDataItem* caster = CastingClass(type);
    if (!caster) {
        return 0;
    }
    int level = ClassSpellLevel(*caster, type);
    if (type == kMagicUserSpells) {
        // "9th" reads as 9; "Cantrips" or nothing as 0: no Magic-User spell at all.
        level = std::min(level, std::atoi(IntelligenceEntry("Maximum_Spell_Level").c_str()));
    }
    return std::max(level, 0);
}

bool CastsSpells() {
    return HighestSpellLevel(kMagicUserSpells) > 0 || HighestSpellLevel(kPriestSpells) > 0;
}

bool SpellOpenToCharacter(const CharacterSpell& spell) {
    return !spell.name.empty() && spell.level >= 1 &&
           (spell.book == kPlayersHandbook || BookEnabled(spell.book)) &&
           spell.level <= HighestSpellLevel(spell.type);
}

std::vector<const CharacterSpell*> SpellsOpenToCharacter() {
    std::vector<const CharacterSpell*> open;
    for (const CharacterSpell* spell = CharacterSpell::pHead.get(); spell;
         spell = spell->next.get()) {
        if (SpellOpenToCharacter(*spell)) {
            open.push_back(spell);
        }
    }
    return open;
}

int LearnSpellChance() {
    return std::atoi(IntelligenceEntry("Learn_Spells").c_str());
}

std::optional<int> MostSpellsPerLevel() {
    const std::string most = IntelligenceEntry("Maximum_Number_Spells");
    if (most == "all") {
        return std::nullopt;
    }
    return std::atoi(most.c_str());
}
