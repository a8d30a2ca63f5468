#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/model/outcome.h"
#include "core/wizard/creation_flow.h"

class CharacterSkill;
class CharacterTalent;
class CharacterProf;

// The entries of the "Select STP" box, in order. Entry k from 1 to 12 shows the skills of
// category k; "All Skills" shows every skill.
constexpr int kStpFilterCount = 15;
constexpr int kAllSkillsFilter = 0;
constexpr int kTalentFilter = 13;
constexpr int kProficiencyFilter = 14;
extern const char* const kStpFilterNames[kStpFilterCount];

constexpr const char* kSkillStepTitle = "Character Creation: Skills Talents & Proficiencies";

// What one course of the skill costs this character: the course cost, halved for category 2
// and doubled for category 6 when the chosen class is a mage.
float AdjustCost(const CharacterSkill& skill);

// The mean (whole-number division) of the scores of the abilities the text names ("STR",
// "DEX", "CON", "INT", "WIS", "CHA", "COM"); 0 when it names none of them.
int MasteryBase(const std::string& mastery_abilities);

// Buying skills, talents and weapon proficiencies ("STPs") with Building Points and
// proficiency slots, removing them again, and at Continue cashing the left-over BP in for
// gold. Opened while no creation is in progress (from the character tree) it edits the
// character: the BP balance does not limit purchases and Continue only closes.
// The window drives this object; the tests drive it the same way.
class SkillPurchaseStep {
public:
    SkillPurchaseStep();

    // The column titles and the rows (one text per column, the name first) of an entry.
    static std::vector<std::string> Columns(int filter);
    std::vector<std::vector<std::string>> ShopRows(int filter) const;
    // The names alone (the first column of ShopRows), for a player that reads nothing else.
    std::vector<std::string> ShopNames(int filter) const;

    // Buys (or improves, increments, specializes) the item of `filter` named `name`; refused,
    // with the reason the window shows, when nothing changed.
    Outcome Add(int filter, const std::string& name);

    // The taken list: name, value ("55%", "x 2", "Basic"), kind ("Skill", "Talent",
    // "Proficiency"): skills, then talents, then proficiencies.
    std::vector<std::vector<std::string>> TakenRows() const;
    // Removes the taken row `row` (one count of a talent, the specialization of a specialized
    // proficiency) with its refund; false when there is no such row.
    bool Remove(int row);

    std::string BuildingPointsText() const; // "%-6.1f"
    std::string ProficiencySlotsText() const;

    // Sends the lists to the tree, cashes the left-over BP in and says what follows.
    // kContinue: the alignment follows; kLowWisdom: Wisdom 5 or less, alignment and name done,
    // the shop follows; kEdited: an existing character was edited and nothing follows.
    StepExit Continue();

    bool Editing() const { return editing_; }

private:
    Outcome BuySkill(const CharacterSkill& skill);
    Outcome BuyTalent(const CharacterTalent& talent);
    Outcome BuyProficiency(const CharacterProf& prof);
    void CashIn();

    bool editing_ = false;
    // BP paid in this window for each skill held, by its name: what removing it gives back.
    std::map<std::string, float> paid_;
};
