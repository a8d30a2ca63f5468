#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/wizard/creation_flow.h"

class CharacterClass;

// The step after the quirks and flaws: Building Points buy percentile points on the seven
// abilities (one BP is 25 percentile points), the classes the raised scores, the race, the
// social class, the books and any supplement obligation allow are listed, and one is chosen.
// Continue commits the scores, charges the BP, enters the class (or each class of a
// multi-class) in the character's class list and gives a thief-type class its starting
// thief skills. The window drives this object; the tests drive it the same way.
class RaiseClassStep {
public:
    static constexpr int kAbilities = 7;
    // A BP entry beyond this (either way) counts as this: no balance comes near it, and the
    // percentile sums stay far from overflowing.
    static constexpr int kMostBpOnOneEntry = 1000;

    // Sends the quirks and flaws to the tree and shows the record's scores.
    RaiseClassStep();

    // Applies the typed BP entries (one per ability, read as whole numbers) to the record's
    // scores; false when they ask for more than the balance, which leaves the scores as
    // recorded and the entries emptied.
    bool ApplyAbilities(const std::array<std::string, kAbilities>& bp_entries);
    // Chooses the class whose name is `name` exactly; an unknown name chooses nothing.
    void SelectListBox(const std::string& name);
    // Commits the step: kStay (nothing done) while no class is chosen, kThiefClass when a
    // thief-type class also places its thief points, else kContinue.
    StepExit Continue();

    // What the window shows.
    std::array<std::string, kAbilities> ScoreTexts() const; // "score/percentile"
    const std::array<std::string, kAbilities>& BpEntries() const { return bp_entries_; }
    std::string BuildingPointsText() const { return balance_text_; }
    const std::vector<std::string>& ClassEntries() const { return class_entries_; }

    const std::array<int, kAbilities>& NewScores() const { return new_score_; }
    const std::array<int, kAbilities>& NewPercentiles() const { return new_perc_; }
    int BpSpentTotal() const { return bp_spent_total_; }
    int ClassBpBonus() const { return class_bp_bonus_; }

private:
    void Show_Abilities();
    void Fill_Class_Box();
    void ResetToRecord();
    void ShowBalance(int spent);
    void LogAdjustment(const std::array<int, kAbilities>& scores,
                       const std::array<int, kAbilities>& percentiles);

    std::array<int, kAbilities> new_score_{};
    std::array<int, kAbilities> new_perc_{};
    std::array<int, kAbilities> bp_spent_{};
    int bp_spent_total_ = 0;
    int class_bp_bonus_ = 0;
    std::array<std::string, kAbilities> bp_entries_;
    std::string balance_text_;
    std::vector<std::string> class_entries_;
};

// Carries a percentile above 100 into the score and a negative one out of it, a hundred at
// a time; a percentile of exactly 100 stays.
void EqualizeAbilityScore(int& score, int& percentile);
