#include "core/advance/level_advancement.h"

#include <algorithm>
#include <cstdlib>

#include "core/data/class_data.h"
#include "core/data/data_numbers.h"
#include "core/data/hit_points.h"
#include "core/data/honor_die_table.h"
#include "core/dice/dice.h"
#include "core/dice/dice_log.h"
#include "core/dice/roll_exchange.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/text.h"
#include "core/tree/ability_scores.h"
#include "core/tree/tree_senders.h"
#include "core/wizard/spell_access.h"

namespace {

constexpr const char* kAtLeastOne = " (at least 1 from the dice)";

// The Constitution's hit point adjustment, the figure the sheet shows ("+2" counts as 2).
int ConstitutionAdjustment() {
    const Character_Class& c = current_character;
    return std::atoi(
        AbilityScores::GetConstitution("HP_Adj", c.constitution_base, c.constitution_perc).c_str());
}

// The level's hit dice through the roll exchange: shown, open to the player's own roll, and
// logged as every hit point roll is.
int RollHitDice(const std::string& class_name, int level, int count, int sides) {
    const int modifier = HitPointsHonorModifier();
    RollRequest request;
    request.sides = sides;
    request.count = count;
    request.dice_text = Printf("%id%i%+i", count, sides, modifier);
    request.caption = Printf("Rolling for %s hit points at level %i", class_name.c_str(), level);
    request.roll = [&] { return DiceRollM(sides, count, modifier); };
    request.min = count + modifier;
    request.max = count * sides + modifier;
    const auto describe = [&](const std::string& label, int roll) {
        return HitPointsLine(label, count, sides, modifier, roll);
    };
    return RollUntilAccepted(request, describe, {}).roll;
}

int HighestClassLevel() {
    int highest = 0;
    for (const ClassDataItem* item = ClassDataItem::pHead.get(); item; item = item->next.get()) {
        highest = std::max(highest, item->level);
    }
    return highest;
}

} // namespace

Outcome LevelAdvancement::Advance(int row) {
    if (CreationInProgress()) {
        return Outcome::Refused("Finish the character's creation before it advances");
    }
    const std::vector<ClassProgress> rows = Classes();
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) {
        return Outcome::Refused("Choose the class to advance");
    }
    const ClassProgress& progress = rows[static_cast<std::size_t>(row)];
    if (!progress.MayAdvance()) {
        return Outcome::Refused("No advance: " + progress.why_not);
    }
    ClassDataItem& item = *progress.item;
    const CharacterClass& record = *progress.record;
    Character_Class& c = current_character;
    const int level = progress.level + 1;
    const auto at = static_cast<std::size_t>(level);
    const int spell_levels_before =
        HighestSpellLevel(kMagicUserSpells) + HighestSpellLevel(kPriestSpells);

    gains_ = LevelGains{};
    gains_.class_name = item.name;
    gains_.level = level;
    LogCreationLine(Printf("Advancing %s to level %i with %s experience points", item.name.c_str(),
                           level, ExperienceText(item.experience).c_str()));

    // The hit points: the level's dice, its fixed bonus and the Constitution's share. A level
    // with dice never costs hit points: dice and Constitution give at least 1 together.
    const int count = record.hitdieroll[at];
    if (count > 0) {
        gains_.rolled = RollHitDice(item.name, level, count, record.hitdie[at]);
    }
    gains_.bonus = record.hitpointbonus[at];
    gains_.constitution = record.conmultiplier[at] * ConstitutionAdjustment();
    const int from_dice = count > 0 ? std::max(1, gains_.rolled + gains_.constitution)
                                    : std::max(0, gains_.constitution);
    gains_.hit_points = gains_.bonus + from_dice;
    item.hitpoints[at] = gains_.hit_points;
    item.level = level;
    gains_.character_hit_points = gains_.hit_points / static_cast<int>(ClassDataItem::Count());
    c.hit_points += gains_.character_hit_points;
    gains_.floored = count > 0 && gains_.rolled + gains_.constitution < 1;
    LogCreationLine(Printf("%s hit points at level %i: %i rolled %+i bonus %+i Constitution = "
                           "%i%s; the character gains %i and has %i",
                           item.name.c_str(), level, gains_.rolled, gains_.bonus,
                           gains_.constitution, gains_.hit_points,
                           gains_.floored ? kAtLeastOne : "", gains_.character_hit_points,
                           c.hit_points));

    // The thief points, placed in the thief skills window at this level.
    if (IsThiefType(item)) {
        gains_.thief_points = std::max(0, record.thiefpoints[at]);
    }
    if (gains_.thief_points > 0) {
        LogCreationLine(Printf("%s has %i thief points to place at level %i", item.name.c_str(),
                               gains_.thief_points, level));
    }

    // The proficiency slots, spent in the skills window.
    gains_.proficiency_slots = std::max(0, record.profslots[at]);
    if (gains_.proficiency_slots > 0) {
        c.free_proficiencies += gains_.proficiency_slots;
        LogCreationLine(Printf("Gaining %i proficiency slots at level %i: %i free",
                               gains_.proficiency_slots, level, c.free_proficiencies));
    }

    // The character's level, its honor standing and die.
    c.level = HighestClassLevel();
    SetHonorDice(c.level, c.honor, c.honor_standing);
    gains_.honor = c.honor_standing;
    gains_.new_spell_level =
        HighestSpellLevel(kMagicUserSpells) + HighestSpellLevel(kPriestSpells) >
        spell_levels_before;
    LogCreationLine(Printf("Character level %i: %s", c.level, c.honor_standing.c_str()));
    SendCharacterToTree();
    return Outcome::Done();
}

std::vector<StepExit> LevelAdvancement::Exits() const {
    std::vector<StepExit> exits;
    if (gains_.thief_points > 0) {
        exits.push_back(StepExit::kThiefClass);
    }
    if (gains_.proficiency_slots > 0) {
        exits.push_back(StepExit::kNewSlots);
    }
    if (gains_.new_spell_level) {
        exits.push_back(StepExit::kNewSpellLevel);
    }
    return exits;
}

std::vector<StepOpening> LevelAdvancement::Openings() const {
    std::vector<StepOpening> openings;
    for (const StepExit exit : Exits()) {
        for (const StepOpening& opening : ::Advance(StepId::kAdvanceLevel, exit)) {
            openings.push_back(opening);
        }
    }
    return openings;
}

std::vector<std::string> LevelAdvancement::GainLines() const {
    const LevelGains& g = gains_;
    std::vector<std::string> lines = {
        Printf("%s reaches level %i", g.class_name.c_str(), g.level),
        Printf("Hit points: %i rolled %+i bonus %+i Constitution = %i%s; the character gains %i",
               g.rolled, g.bonus, g.constitution, g.hit_points, g.floored ? kAtLeastOne : "",
               g.character_hit_points)};
    if (g.thief_points > 0) {
        lines.push_back(Printf("Thief points to place: %i", g.thief_points));
    }
    if (g.proficiency_slots > 0) {
        lines.push_back(Printf("Proficiency slots gained: %i", g.proficiency_slots));
    }
    if (g.new_spell_level) {
        lines.push_back("A new spell level opens: the spell book shows its spells");
    }
    lines.push_back("Honor: " + g.honor);
    return lines;
}

ThiefSkillsStep OwedThiefSkillsStep() {
    const std::optional<OwedThiefPoints> owed = ThiefPointsOwed();
    return owed ? ThiefSkillsStep(owed->item, owed->record, owed->level)
                : ThiefSkillsStep(nullptr, nullptr, 1);
}
