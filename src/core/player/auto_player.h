#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/data/name_lists.h"
#include "core/player/auto_player_port.h"
#include "core/wizard/creation_flow.h"

class ThiefSkillsStep;

// What the game master asked for; an empty field leaves the choice to the player.
struct CharacterWish {
    std::string race;
    std::string sex;
    std::string class_name;
    // The level the finished character is advanced to (1: as made).
    int level = 1;
};

// Plays New Character through the end of the equipment shop with the step objects the windows
// drive, answering through its own port, every choice drawn from the game's generator: one
// seeded generator gives one party. The finished character is `current_character`.
class AutoPlayer {
public:
    // Fresh characters rolled before a wished race, sex or class is given up.
    static constexpr int kMostTries = 2000;

    explicit AutoPlayer(CharacterNamer names);

    // False when no character of the wish came up within kMostTries; throws AutoPlayerError
    // when a step asks what the player cannot answer or does not go on.
    bool Play(const CharacterWish& wish);

    // Advances the character in hand until every class reaches `level` or can go no further
    // (its class table or its race stops it): awards the experience the highest class needs,
    // then goes up one level at a time, the lowest class first, each level's windows played
    // as the advance window opens them. Throws AutoPlayerError as Play does.
    void AdvanceTo(int level);

    // Takes the class in row `row` of the advance window up one level, the level's windows
    // played as AdvanceTo plays them; the gains as the window shows them. Throws
    // AutoPlayerError when the class may not advance.
    std::vector<std::string> AdvanceClass(int row);

    // 0 to count-1 from the game's generator.
    static int Pick(int count);

private:
    bool PlayOnce(const CharacterWish& wish);
    // Plays the windows `first` opens and every window they lead to, in the order they open;
    // false when one cannot meet the wish.
    bool PlayWindows(const std::vector<StepOpening>& first, const CharacterWish& wish);
    // Plays one window; the way it leaves, or nothing when the wish cannot be met this time.
    std::optional<StepExit> PlayStep(StepId step, const CharacterWish& wish);
    bool RollScoresAndRace(const CharacterWish& wish);
    StepExit RollPriors();
    void RollOwedQuirks();
    std::optional<StepExit> ChooseClass(const CharacterWish& wish);
    void PlaceThiefPoints(ThiefSkillsStep& step);
    std::vector<std::string> PlayAdvance(int row);
    void RollAgeAndMoney();
    StepExit BuySkills();
    void ChooseAlignment();
    void Shop();
    void FillSpellBook();
    [[noreturn]] void Fail(const std::string& question) const;

    CharacterNamer names_;
    AutoPlayerPort port_;
    std::string step_;
};
