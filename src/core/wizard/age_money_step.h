#pragma once

#include <array>
#include <string>

// Money that a starting-money total brings: gold, or a hereditary debt, and how much the
// character inherits (0, or 2 to 5).
struct StartingMoney {
    int gold = 0;
    int hereditary_debt = 0;
    int inherit_level = 0;
    std::string text; // the debt or broke text; empty otherwise
    // The dice log's account of the band: its dice and what they gave ("Starting gold for a
    // total of 40: 1d6 + 50 rolled 53").
    std::string explanation;
};

// The gold of a starting-money total; dice are rolled only for the band the total reaches.
// A total of 5 or less rolls a hereditary debt.
StartingMoney Table4M(int total);

// A hereditary debt in gold: ten times the value of a d100 band.
int Debt();

// The current character's inherited weapon, armor, shield or helmet, mount and deed, in the
// order they join the equipment.
std::array<std::string*, 5> InheritedItems();

// The step after the class: the class's part of the starting age and the starting money,
// with the inheritance or debt it brings, in either order; Continue hands the inherited
// items to the equipment, works out the starting honor and announces it. The window drives
// this object; the tests drive it the same way.
class AgeMoneyStep {
public:
    // Rolls the class's age dice (none for a Pixie Fairy) until a roll is accepted and adds
    // them to the age. Does nothing once done.
    void RollAge();
    // Asks for the BP to spend, rolls the money until a roll is accepted, sets the gold and
    // announces an inheritance (or a debt, or nothing at all). Does nothing once done.
    void RollMoney();
    // Goes on only when both rolls are made: the inherited items join the equipment, the
    // starting honor is worked out, stored, shown and logged. False, doing nothing, before.
    bool Continue();

    bool AgeRolled() const { return age_rolled_; }
    bool MoneyRolled() const { return money_rolled_; }
    int RollsDone() const { return (age_rolled_ ? 1 : 0) + (money_rolled_ ? 1 : 0); }
    // "Age: %i", "Gold: %i".
    std::string AgeText() const;
    std::string GoldText() const;
    int InheritLevel() const { return inherit_level_; }
    // The inheritance announcement, or the debt or broke text.
    const std::string& ResultText() const { return result_text_; }

private:
    int SpendBpOnMoney();
    void MoneySpecialRoll();

    bool age_rolled_ = false;
    bool money_rolled_ = false;
    bool continued_ = false;
    int inherit_level_ = 0;
    int bp_money_ = 0;
    int bp_spent_ = 0;
    StartingMoney rolled_;
    std::string result_text_;
};
