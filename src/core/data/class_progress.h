#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CharacterClass;
class ClassDataItem;

// Where each class of the character stands after creation day: experience belongs to each
// class the character has, and a class goes up one level at a time once its experience
// reaches the class table's figure for the next level, as far as the class table goes and
// the race allows.

// Where one class of the current character stands.
struct ClassProgress {
    ClassDataItem* item = nullptr;
    const CharacterClass* record = nullptr; // null when the class is gone from the game data
    int level = 0;
    double experience = 0;
    // The experience the next level needs; none when the class table or the race ends here.
    std::optional<int32_t> next_level_experience;
    // Why the class may not go up a level now; empty when it may.
    std::string why_not;

    bool MayAdvance() const { return why_not.empty(); }
};

// How the sheet and the tree show a class's progress: "1300 XP, level 2; level 3 at 2600 XP",
// or "... ; no further level" where the class table or the race stops it.
std::string ProgressText(const ClassProgress& progress);

// Every class of the current character, in the order it took them.
std::vector<ClassProgress> ClassProgressOfCharacter();

// The highest level the character's race allows `class_name`, from the race's level limits
// matched as the class choice matches them: the entry naming exactly the character's class
// (for a character of several classes, the entry naming them all with "/", whose limits are
// given in the same order, "Fighter/Thief 12/10"), else the first entry that holds the name.
// None when the race sets no limit ("Unlimited", no entry, no race).
std::optional<int> RaceLevelLimit(const std::string& class_name);

// The class whose thief points of its newest level are still to be placed (a new level of a
// thief-type class gives points to place): the class, its record and the level. None when no
// points wait.
struct OwedThiefPoints {
    ClassDataItem* item = nullptr;
    const CharacterClass* record = nullptr;
    int level = 0;
};
std::optional<OwedThiefPoints> ThiefPointsOwed();
