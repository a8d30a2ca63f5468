#pragma once

#include <array>
#include <string>
#include <vector>

class CharacterRace;

// The first creation step: roll the seven ability scores, trade two points of one for one of
// another, burn points for Building Points, or type scores in ("Roll your own dice"); then
// choose a race and sex whose limits the scores meet, and a starting language. The window
// drives this object; the tests drive it the same way.
class AbilityRaceStep {
public:
    static constexpr int kAbilities = 7;
    // The range of a typed score (the ability tables end at 25) and of a typed percentile.
    static constexpr int kHighestScore = 25;
    static constexpr int kHighestPercentile = 100;
    // The eight race labels: the seven adjustments, then the race's BP.
    static constexpr int kRaceLabels = 8;

    AbilityRaceStep();

    // Rolls all seven scores afresh; the BP balance goes back to 0.
    void Roll();
    // Takes the typed scores when "Roll your own dice" is on; returns whether they were taken.
    // Either way the window shows the record's scores afterwards.
    bool Apply(const std::array<std::string, kAbilities>& scores,
               const std::array<std::string, kAbilities>& percentiles);
    // Trades two points of the "-2" ability for one of the "+1" ability.
    void Adjust();
    // Burns one point of the "Burn" ability for 2 BP.
    void Burn();

    void SetLowerChoice(int ability); // "-2" column, Strength to Charisma
    void SetRaiseChoice(int ability); // "+1" column, Strength to Charisma
    void SetBurnChoice(int ability);  // "Burn" column, Strength to Comeliness

    // Chooses the race shown as `entry` ("name, sex") in the race list.
    void SelectRace(const std::string& entry);
    // Hands the character on to the next step with `language` as the starting language;
    // false (and nothing done) while no race is chosen.
    bool Continue(const std::string& language);
    // Ends the creation; the record keeps what was entered.
    void Abort();

    // What the window shows.
    const std::vector<std::string>& RaceEntries() const { return race_entries_; }
    const std::array<std::string, kRaceLabels>& RaceLabels() const { return race_labels_; }
    const std::vector<std::string>& Languages() const { return languages_; }
    std::array<std::string, kAbilities> ScoreTexts() const;
    std::array<std::string, kAbilities> PercentileTexts() const;
    std::string BuildingPointsText() const;

    int lower_choice = 0;
    int raise_choice = 0;
    int lower_floor = 3;
    int burn_choice = 0;
    int burn_floor = 3;

private:
    // Rebuilds the list of races the scores admit from enabled books.
    void Fill_Race_Box();
    // Clears the race labels and the chosen race; the languages stay.
    void ClearRaceChoice();
    void LogScores(const char* heading);

    std::vector<std::string> race_entries_;
    std::array<std::string, kRaceLabels> race_labels_;
    std::vector<std::string> languages_;
};

// The race list entry of a record: its name, a comma and a blank, then its sex.
std::string RaceEntry(const CharacterRace& race);

// Whether the character's seven scores all lie within the race's limits (inclusive).
bool ScoresFitRace(const CharacterRace& race);

// Rolls the seven ability scores (3d6 each, then a d100 fraction) into the character and
// logs them: the first roll of a creation.
void RollStats();
