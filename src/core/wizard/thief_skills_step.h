#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/model/character.h"
#include "core/model/outcome.h"

class ClassDataItem;

// Gives every thief-type class entry of the character its starting skills (level 0): the
// Dexterity adjustments, the race's bases and the class's own bonuses.
void SetThiefStart();

class CharacterClass;

// Placing a class's discretionary thief-skill points at one level: at most 30 on any one
// skill, every point placed before Continue. At creation the chosen class places its level-1
// points in the class entry that keeps the thief skills; a class entry that reaches a new
// level places that level's points the same way, on top of what it has. The window drives
// this object; the tests drive it the same way.
class ThiefSkillsStep {
public:
    // An entry beyond this (either way) counts as this, so the sums cannot overflow.
    static constexpr int kMostPointsOnOneEntry = 999;

    // The creation's placing: the chosen class's points at level 1.
    ThiefSkillsStep();
    // The points `record` gives at `level`, placed in `item` at that level; the bases are the
    // skills as they stand at the level before.
    ThiefSkillsStep(ClassDataItem* item, const CharacterClass* record, int level);

    int Level() const { return level_; }

    // The skills the class may use (indices into kThiefSkillNames), in order.
    const std::vector<int>& UsableSkills() const { return usable_; }
    // The points to place, "%i Points".
    std::string PointsText() const;
    // The base box of each skill: the starting value, or the total after Apply or Continue.
    const std::array<std::string, kThiefSkillCount>& BaseTexts() const { return base_texts_; }

    // Shows the totals when the entries (one per skill, by index) place no more than the
    // points; refused, saying why ("70 of 60 points"), with nothing shown otherwise.
    Outcome Apply(const std::array<std::string, kThiefSkillCount>& entries);
    // Stores the entries when they place exactly the points; refused, saying why, with
    // nothing done otherwise.
    Outcome Continue(const std::array<std::string, kThiefSkillCount>& entries);

    bool continued = false;

private:
    struct Reading {
        std::string refusal; // an entry above 30, named
        int sum = 0;
        std::array<int, kThiefSkillCount> entries{};
        std::array<int, kThiefSkillCount> totals{};
    };
    Reading Read(const std::array<std::string, kThiefSkillCount>& entries) const;
    void ShowTotals(const Reading& reading);
    // Refused when an entry is above 30 or the entries place more points than there are.
    Outcome Check(const Reading& reading) const;
    // "%i of %i points": the points placed against the points to place.
    std::string PlacedText(int sum) const;

    ClassDataItem* item_ = nullptr;
    int level_ = 1;
    int points_ = 0;
    std::vector<int> usable_;
    std::array<int, kThiefSkillCount> bases_{};
    std::array<std::string, kThiefSkillCount> base_texts_;
};
