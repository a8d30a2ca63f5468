// Buying skills, talents and weapon proficiencies: the purchase half of SkillPurchaseStep.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/data/class_data.h"
#include "core/data/item_data.h"
#include "core/dice/dice.h"
#include "core/model/abilities.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "core/model/user_port.h"
#include "core/wizard/skill_purchase_step.h"
#include "core/wizard/stp_support.h"

namespace {

// A prerequisite counts once it is held at this mastery.
constexpr int kPrerequisiteMastery = 50;
// The mastery of a skill that has no course die.
constexpr int kFullMastery = 100;
// The class value that means weapon specialization is never open.
constexpr int kNeverSpecializes = 999;
constexpr int kAcademiaCategory = 2;
constexpr int kCombatProceduresCategory = 6;

bool HasCourseDie(const CharacterSkill& skill) {
    return skill.course_die > 0 && skill.num_of_course_die > 0;
}

// One course of study: the course dice and the honor die, both penetrating.
int CourseRoll(const CharacterSkill& skill) {
    const Character_Class& c = current_character;
    return DiceRollPen(skill.course_die, skill.num_of_course_die) +
           DiceRollPenM(c.honor_die_sides, 1, c.honor_die_bonus);
}

// The first prerequisite of `skill` not held at the mastery a course asks; none when all are.
std::optional<std::string> MissingPrerequisite(const CharacterSkill& skill) {
    for (const std::string& prerequisite : skill.course_prereqs) {
        bool held = false;
        for (const SkillDataItem* item : HeldForms<SkillDataItem>(prerequisite)) {
            held = held || item->value >= kPrerequisiteMastery;
        }
        if (!held) {
            return prerequisite;
        }
    }
    return std::nullopt;
}

// Why a purchase of `cost` BP is refused: the balance does not reach it.
Outcome TooDear(const std::string& name, const std::string& cost) {
    return Outcome::Refused(Printf("%s costs %s BP; %g BP are left", name.c_str(), cost.c_str(),
                                   static_cast<double>(program_data.building_points)));
}

Outcome NoIdentifier(const std::string& name) {
    return Outcome::Refused(name + " needs a text identifier not held yet; nothing was bought");
}

template <typename Item> std::vector<std::string> Names(const std::vector<Item*>& items) {
    std::vector<std::string> names;
    for (const Item* item : items) {
        names.push_back(item->name);
    }
    return names;
}

bool SpecializationOpen() {
    const CharacterClass* chosen = current_character.class_item;
    return chosen && chosen->specialize != kNeverSpecializes &&
           chosen->specialize <= current_character.level;
}

} // namespace

float AdjustCost(const CharacterSkill& skill) {
    float cost = static_cast<float>(skill.ep_adj);
    const CharacterClass* chosen = current_character.class_item;
    if (chosen && chosen->mage == 1) {
        if (skill.category == kAcademiaCategory) {
            cost /= 2;
        } else if (skill.category == kCombatProceduresCategory) {
            cost *= 2;
        }
    }
    return cost;
}

int MasteryBase(const std::string& mastery_abilities) {
    int sum = 0;
    int named = 0;
    for (const Ability& ability : kAbilityTable) {
        if (mastery_abilities.find(ability.abbr) != std::string::npos) {
            sum += current_character.*ability.score;
            ++named;
        }
    }
    return named == 0 ? 0 : sum / named;
}

Outcome SkillPurchaseStep::BuySkill(const CharacterSkill& skill) {
    const float cost = AdjustCost(skill);
    if (!Affordable(cost)) {
        return TooDear(skill.name, Printf("%.1f", static_cast<double>(cost)));
    }
    if (const auto missing = MissingPrerequisite(skill)) {
        return Outcome::Refused(Printf("%s needs %s at %i%% or more", skill.name.c_str(),
                                       missing->c_str(), kPrerequisiteMastery));
    }
    Character_Class& c = current_character;
    const std::vector<SkillDataItem*> forms = HeldForms<SkillDataItem>(skill.name);
    bool fresh = forms.empty();
    if (!fresh && skill.extend) {
        fresh = Port().AskYesNo(
            "Will This be a new Skill (Yes) or are you improving an existing one (No)",
            kSkillStepTitle);
    }
    std::string name = skill.name;
    if (fresh) {
        if (skill.extend) {
            const auto extended =
                AskExtendedName(skill.name, "This Skill Requires a text identifier", Names(forms));
            if (!extended) {
                return NoIdentifier(skill.name);
            }
            name = *extended;
        }
        const int mastery = HasCourseDie(skill)
                                ? MasteryBase(skill.mastery_abilities) + CourseRoll(skill)
                                : kFullMastery;
        c.skills.AddTail(MakeItem<SkillDataItem>(name, mastery));
    } else {
        if (!HasCourseDie(skill)) {
            return Outcome::Refused(skill.name + " has no course die: it cannot be improved");
        }
        SkillDataItem* item =
            forms.size() == 1
                ? forms[0]
                : forms[static_cast<std::size_t>(ChooseAmong("Please Choose Skill", Names(forms)))];
        item->value += CourseRoll(skill);
        name = item->name;
    }
    program_data.building_points -= cost;
    paid_[name] += cost;
    LogCreationLine(
        Printf("Purchasing Skill %s for %-6.1f BP", name.c_str(), static_cast<double>(cost)));
    return Outcome::Done();
}

Outcome SkillPurchaseStep::BuyTalent(const CharacterTalent& talent) {
    if (!Affordable(static_cast<float>(talent.bp))) {
        return TooDear(talent.name, std::to_string(talent.bp));
    }
    Character_Class& c = current_character;
    const std::vector<TalentDataItem*> forms = HeldForms<TalentDataItem>(talent.name);
    bool fresh = forms.empty();
    if (!fresh && talent.extend) {
        fresh = Port().AskYesNo(
            "Will This be a new Talent (Yes) or are you incrementing an existing one (No)",
            kSkillStepTitle);
    }
    std::string name = talent.name;
    if (fresh) {
        if (talent.extend) {
            const auto extended = AskExtendedName(
                talent.name, "This Talent Requires a text identifier", Names(forms));
            if (!extended) {
                return NoIdentifier(talent.name);
            }
            name = *extended;
        }
        c.talents.AddTail(MakeItem<TalentDataItem>(name, 1));
    } else {
        TalentDataItem* item = forms.size() == 1 ? forms[0]
                                                 : forms[static_cast<std::size_t>(ChooseAmong(
                                                       "Please Choose Talent", Names(forms)))];
        if (item->value >= talent.max) {
            return Outcome::Refused(
                Printf("%s is taken %i times, its most", item->name.c_str(), item->value));
        }
        item->value += 1;
        name = item->name;
    }
    program_data.building_points -= static_cast<float>(talent.bp);
    LogCreationLine(Printf("Purchasing Talent %s for %i BP", name.c_str(), talent.bp));
    return Outcome::Done();
}

Outcome SkillPurchaseStep::BuyProficiency(const CharacterProf& prof) {
    Character_Class& c = current_character;
    if (c.free_proficiencies <= 0) {
        return Outcome::Refused("No proficiency slot is free");
    }
    // After creation there are no BP to pay: a proficiency slot alone buys a proficiency (the
    // slots a new level brings).
    const float bp = editing_ ? 0.0f : 1.0f;
    if (!Affordable(bp)) {
        return TooDear(prof.name, "1");
    }
    ProfDataItem* held = ProfDataItem::Named(prof.name);
    if (!held) {
        c.proficiencies.AddTail(MakeItem<ProfDataItem>(prof.name, 1));
        program_data.building_points -= bp;
        c.free_proficiencies -= 1;
        LogCreationLine(editing_ ? Printf("Purchasing Proficiency %s with a proficiency slot",
                                          prof.name.c_str())
                                 : Printf("Purchasing Proficieny %s for 1 BP", prof.name.c_str()));
        return Outcome::Done();
    }
    if (held->value != 1) {
        return Outcome::Refused(prof.name + " is specialized already");
    }
    if (!SpecializationOpen()) {
        return Outcome::Refused("The class cannot specialize in " + prof.name + " at this level");
    }
    if (c.free_proficiencies < prof.spcost) {
        return Outcome::Refused(
            Printf("Specializing in %s takes %i proficiency slots; free slots: %i",
                   prof.name.c_str(), prof.spcost, c.free_proficiencies));
    }
    held->value = 2;
    program_data.building_points -= bp;
    c.specialization_work = 1;
    c.free_proficiencies -= prof.spcost;
    LogCreationLine(editing_ ? Printf("Specializing Proficiency %s with %i proficiency slots",
                                      prof.name.c_str(), prof.spcost)
                             : Printf("Specializing Proficieny %s for 1 BP", prof.name.c_str()));
    return Outcome::Done();
}
