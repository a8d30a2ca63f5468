#pragma once

#include <string>
#include <vector>

#include "core/data/class_progress.h"
#include "core/model/outcome.h"
#include "core/wizard/creation_flow.h"
#include "core/wizard/thief_skills_step.h"

// What one new level brought.
struct LevelGains {
    std::string class_name;
    int level = 0;
    int rolled = 0;               // the hit dice (with the honor standing's part); 0 without dice
    int bonus = 0;                // the class table's fixed hit points at the level
    int constitution = 0;         // the Constitution multiplier times its hit point adjustment
    int hit_points = 0;           // the class's hit points at the level: the three together
    bool floored = false;         // dice and Constitution gave less than 1 and count as 1
    int character_hit_points = 0; // what the character's hit points grew by
    int thief_points = 0;         // to place in the thief skills window
    int proficiency_slots = 0;    // added to the free slots
    std::string honor;            // the standing and honor die at the character's new level
    bool new_spell_level = false; // the character casts spells of a level it did not before
};

// Advancing one class of the character in hand one level, in the game's order: the hit
// points (rolled through the roll exchange, shown and logged as the creation's rolls), the
// thief points to place, the proficiency slots, then the character's level with its honor
// standing and die. The advance window drives this object; the automatic player and the
// tests drive it the same way.
class LevelAdvancement {
public:
    // One row per class of the character: level, experience, the next level's experience and
    // whether it may advance.
    static std::vector<ClassProgress> Classes() { return ClassProgressOfCharacter(); }

    // Advances the class in row `row` one level; refused, saying why, with nothing changed
    // when it may not (or there is no creation-free character to advance: a creation in
    // progress advances nothing).
    Outcome Advance(int row);

    // What the last advance brought.
    const LevelGains& Gains() const { return gains_; }
    // How the last advance leaves the advance window, one way for each window it opens next
    // (the thief skills, the skills, the spell book), in that order; empty: none.
    std::vector<StepExit> Exits() const;
    // The windows those ways open, in order.
    std::vector<StepOpening> Openings() const;
    // The gains as lines, for the window and the command line.
    std::vector<std::string> GainLines() const;

private:
    LevelGains gains_;
};

// The thief skills step of the points a new level left to place (ThiefPointsOwed); a step
// with no points and no class to place them in when none wait.
ThiefSkillsStep OwedThiefSkillsStep();
