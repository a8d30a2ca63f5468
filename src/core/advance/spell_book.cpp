#include "core/advance/spell_book.h"

#include <algorithm>
#include <set>

#include "core/data/item_data.h"
#include "core/dice/dice.h"
#include "core/dice/dice_log.h"
#include "core/dice/roll_exchange.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/text.h"
#include "core/model/user_port.h"
#include "core/tree/tree_senders.h"
#include "core/wizard/spell_access.h"

namespace {

constexpr int kHighestSpellLevel = 9;
constexpr int kFirstSchoolFilter = 1 + kHighestSpellLevel;

// The book's spells of this type and level.
int HeldOfLevel(const std::string& type, int level) {
    int held = 0;
    for (const SpellDataItem* item = SpellDataItem::pHead.get(); item; item = item->next.get()) {
        const CharacterSpell* spell = CharacterSpell::Named(item->name);
        held += spell && spell->type == type && spell->level == level ? 1 : 0;
    }
    return held;
}

std::vector<std::string> Schools() {
    std::set<std::string> schools;
    for (const CharacterSpell* spell : SpellsOpenToCharacter()) {
        schools.insert(spell->specialization);
    }
    return {schools.begin(), schools.end()};
}

void AddToBook(const CharacterSpell& spell) {
    current_character.spells.AddTail(MakeItem<SpellDataItem>(spell.name, SpellPages(spell)));
}

} // namespace

std::vector<std::string> SpellBookStep::Filters() const {
    std::vector<std::string> filters = {"All Spells"};
    for (int level = 1; level <= kHighestSpellLevel; ++level) {
        filters.push_back(Printf("Level %i", level));
    }
    for (const std::string& school : Schools()) {
        filters.push_back(school);
    }
    return filters;
}

std::vector<std::string> SpellBookStep::ShopColumns() {
    return {"Spell", "Level", "School", "Range", "Duration", "Casting Time", "Save"};
}

std::vector<std::vector<std::string>> SpellBookStep::ShopRows(int filter) const {
    const std::vector<std::string> schools = Schools();
    std::vector<std::vector<std::string>> rows;
    for (const CharacterSpell* spell : SpellsOpenToCharacter()) {
        const bool kept = filter <= 0 || (filter <= kHighestSpellLevel && spell->level == filter) ||
                          (filter >= kFirstSchoolFilter &&
                           static_cast<std::size_t>(filter - kFirstSchoolFilter) < schools.size() &&
                           schools[static_cast<std::size_t>(filter - kFirstSchoolFilter)] ==
                               spell->specialization);
        if (kept && !SpellDataItem::Named(spell->name)) {
            rows.push_back({spell->name, std::to_string(spell->level), spell->specialization,
                            spell->range, spell->duration, spell->casting_time,
                            spell->saving_throw});
        }
    }
    return rows;
}

std::vector<std::vector<std::string>> SpellBookStep::BookRows() const {
    std::vector<std::vector<std::string>> rows;
    for (const SpellDataItem* item = SpellDataItem::pHead.get(); item; item = item->next.get()) {
        const CharacterSpell* spell = CharacterSpell::Named(item->name);
        rows.push_back(
            {item->name, spell ? std::to_string(spell->level) : "", std::to_string(item->value)});
    }
    return rows;
}

Outcome SpellBookStep::Learn(const std::string& name) {
    told_.clear();
    const CharacterSpell* spell = CharacterSpell::Named(name);
    if (!spell || !SpellOpenToCharacter(*spell)) {
        return Outcome::Refused(name + " is not open to the character");
    }
    if (SpellDataItem::Named(name)) {
        return Outcome::Refused(name + " is in the book already");
    }
    if (spell->type == kMagicUserSpells) {
        return LearnByRoll(*spell);
    }
    AddToBook(*spell);
    told_ = name + " taken";
    LogCreationLine(Printf("Taking the %s spell %s of level %i", spell->type.c_str(), name.c_str(),
                           spell->level));
    messagetotreeStep8();
    return Outcome::Done();
}

Outcome SpellBookStep::LearnByRoll(const CharacterSpell& spell) {
    const std::string& name = spell.name;
    const std::optional<int> most = MostSpellsPerLevel();
    if (most && HeldOfLevel(spell.type, spell.level) >= *most) {
        return Outcome::Refused(Printf("The book holds %i spells of level %i, the most "
                                       "Intelligence allows",
                                       *most, spell.level));
    }
    const ClassDataItem* caster = CastingClass(spell.type);
    const int class_level = caster ? caster->level : 0;
    SpellAttemptItem* failed = SpellAttemptItem::Named(name);
    if (failed && failed->value >= class_level) {
        return Outcome::Refused(Printf("%s was not learned at level %i: it may be tried again "
                                       "at the next level",
                                       name.c_str(), failed->value));
    }
    const int chance = LearnSpellChance();
    RollRequest request;
    request.sides = 100;
    request.caption = "Rolling to learn " + name;
    const auto describe = [&](const std::string& label, int roll) {
        return Printf("%s d100 to learn %s: %i against %i%%: %s", label.c_str(), name.c_str(), roll,
                      chance, roll <= chance ? "learned" : "not learned");
    };
    const int roll = RollUntilAccepted(request, describe, {}).roll;
    if (roll <= chance) {
        if (failed) {
            current_character.failed_spells.Remove(failed);
        }
        AddToBook(spell);
        told_ = name + " learned";
    } else if (failed) {
        failed->value = class_level;
    } else {
        current_character.failed_spells.AddTail(MakeItem<SpellAttemptItem>(name, class_level));
    }
    if (told_.empty()) {
        told_ = Printf("%s not learned: %i against %i%%", name.c_str(), roll, chance);
    }
    messagetotreeStep8();
    return Outcome::Done();
}

bool SpellBookStep::Remove(int row) {
    SpellDataItem* item = SpellDataItem::pHead.get();
    for (int i = 0; item && i < row; ++i) {
        item = item->next.get();
    }
    if (row < 0 || !item) {
        return false;
    }
    LogCreationLine("Striking the spell " + item->name + " from the book");
    current_character.spells.Remove(item);
    messagetotreeStep8();
    return true;
}

std::string SpellBookStep::ChanceText() const {
    if (HighestSpellLevel(kMagicUserSpells) < 1) {
        return "";
    }
    const std::optional<int> most = MostSpellsPerLevel();
    return Printf("Learn Spells %i%%, ", LearnSpellChance()) +
           (most ? Printf("at most %i spells a level", *most) : "no limit of spells a level");
}

StepExit SpellBookStep::Continue() {
    messagetotreeStep8();
    return StepExit::kContinue;
}

StepExit ShopClosed() {
    if (SpellDataItem::pHead || !CastsSpells()) {
        return StepExit::kContinue;
    }
    return Port().AskYesNo(kOpenSpellBookQuestion, kSpellBookTitle) ? StepExit::kSpellCaster
                                                                    : StepExit::kContinue;
}

bool SpellBookMayOpen() {
    if (!CreationInProgress()) {
        return true;
    }
    Port().ShowMessage("Finish the character's creation before it takes up its spell book.",
                       kSpellBookTitle);
    return false;
}
