#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/data/quirk_flaw.h"

// The cherry-picking step: up to two minor quirks or flaws (2 BP each) and one major (4 BP)
// chosen from the quirk table, or the choice to roll on table 6A instead. The window drives
// this object; the tests drive it the same way.
class CherryPickStep {
public:
    static constexpr int kMinorBp = 2;
    static constexpr int kMajorBp = 4;

    CherryPickStep();

    // What the window lists.
    std::vector<std::string> HeldList() const;     // held for zero BP so far
    std::vector<std::string> MinorChoices() const; // type-0 entries still open
    std::vector<std::string> MajorChoices() const; // type-1 entries still open
    std::vector<std::string> PickList() const;     // the picks made here

    // Picks (sign +1) or gives back (sign -1) the first entry whose name occurs in `text`;
    // false when nothing changed.
    bool CherryPick(const std::string& text, int sign);
    bool AddMinor(const std::string& text); // while a minor pick is free
    bool AddMajor(const std::string& text); // while the major pick is free
    bool Remove(const std::string& text);   // an entry of the pick list

    // "Roll Randomly": asks how many 6A rolls, sets stage 7 and logs; the picks are dropped.
    // A player holding picks is asked first; false when they keep them (nothing changes).
    bool RollRandomly();
    // Applies the picks: counts, BP, class requirements, the log and the quirks list.
    void Continue();

    int Picks(int entry) const { return picks_[entry]; }
    int PickBp(int entry) const { return pick_bp_[entry]; }
    int minor_left = 2;
    int major_left = 1;

private:
    std::vector<std::string> Choices(int type) const;

    std::array<int, kQuirkFlawSlots> picks_{};
    std::array<int, kQuirkFlawSlots> pick_bp_{};
};
