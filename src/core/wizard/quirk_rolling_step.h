#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/wizard/creation_flow.h"

// The quirks-and-flaws rolling step. Opened after the priors (stage 6 or less) it rolls the
// free tables the background granted, which earn no BP, and hands over to cherry picking;
// opened from cherry picking (stage 7) it rolls the asked number of times on the 6A tables of
// the books in use and credits the BP. Entries can order further rolls on sub-tables, which
// are owed until rolled. The window drives this object; the tests drive it the same way.
class QuirkRollingStep {
public:
    // What a roll on a table gave besides an entry number.
    static constexpr int kRollAgain = 999;      // entry held as often as allowed, or roll declined
    static constexpr int kNothingLeft = -1;     // no entry of the table can be taken any more
    static constexpr int kMostRerolls = 100000; // re-rolls of one roll before it is given up

    QuirkRollingStep();

    // The roll button: one roll on the table at `selected` in the table list, rolled again
    // until it gives an entry, then acted on. False (nothing done) when no roll is allowed.
    bool Roll(int selected);
    // One roll on one table: the entry number, kRollAgain or kNothingLeft.
    int QuirkFlawSubTable(const std::string& table);
    // Takes out what the held entries rule out (their exclusion lists and the telling cases).
    void QuirkCorrections();
    // Continue: kStay while rolls are owed, else kContinue (on to the picking after the free
    // rolls of the background, on to raising abilities after the rolls chosen instead).
    StepExit Continue();

    // What the window shows.
    const std::vector<std::string>& Tables() const { return tables_; }
    int Selected() const { return selected_; }
    std::vector<std::string> GainedList() const;
    int OwedRolls() const { return owed_; }
    // Whether the rolls are the free ones the background owes (before the picking).
    bool FromPriors() const { return from_priors_; }
    // The BP the rolls of this step earn so far (the first 800 entries of `quirk_bp`); 0 for
    // the free rolls of the background, which earn nothing.
    int QuirkBpSum() const;
    std::string BalanceText() const; // "%-3.0f BP"

    // The dice: `count` dice of `sides` sides. DiceRoll unless a test puts its own.
    std::function<int(int sides, int count)> dice;

private:
    void FillTables();
    void OweTable(const std::string& table, int times);
    void Take(int entry);
    void Remove(int entry);
    // Logs `text` once per window for the entry that causes it.
    void Announce(int entry, const std::string& text);
    void SelectFirstOwed();

    bool from_priors_ = false;
    std::vector<std::string> tables_;
    int selected_ = 0;
    int owed_ = 0;
    std::set<int> announced_;
};
