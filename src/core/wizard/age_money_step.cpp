#include "core/wizard/age_money_step.h"

#include <cstdio>
#include <memory>

#include "core/data/class_data.h"
#include "core/data/inheritance.h"
#include "core/dice/dice.h"
#include "core/dice/dice_log.h"
#include "core/dice/roll_exchange.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/program_state.h"
#include "core/model/user_port.h"
#include "core/tree/tree_senders.h"
#include "core/wizard/honor.h"

namespace {

// One band of a money table: totals (or d100 rolls) up to `top` give `times` x `count`d`sides`
// + `base`.
struct MoneyBand {
    int top;
    int count;
    int sides;
    int times;
    int base;
    int inherit_level;
};

constexpr int kOpenTop = 1 << 30;

// Gold by starting-money total above 10 (5 or less is a debt, 6 to 10 nothing).
// clang-format off
constexpr MoneyBand kGoldBands[] = {
    {15, 1, 4, 1, 20, 0},     {20, 1, 4, 1, 25, 0},     {25, 1, 4, 1, 30, 0},
    {30, 1, 4, 1, 35, 0},     {35, 1, 6, 1, 45, 0},     {40, 1, 6, 1, 50, 0},
    {45, 1, 6, 1, 55, 0},     {50, 1, 6, 1, 60, 0},     {55, 1, 8, 1, 70, 0},
    {60, 1, 8, 1, 80, 0},     {65, 1, 8, 1, 90, 0},     {70, 1, 8, 1, 100, 0},
    {75, 1, 10, 1, 110, 0},   {80, 1, 10, 1, 120, 0},   {85, 1, 10, 1, 130, 0},
    {90, 1, 10, 1, 140, 0},   {95, 1, 20, 1, 145, 0},   {100, 1, 20, 1, 150, 0},
    {105, 1, 20, 1, 160, 2},  {110, 1, 20, 1, 170, 3},  {115, 2, 20, 1, 180, 4},
    {kOpenTop, 2, 20, 1, 190, 5},
};
// clang-format on

// Hereditary debt by d100, in tens of gold.
// clang-format off
constexpr MoneyBand kDebtBands[] = {
    {10, 1, 4, 1, 20, 0},   {15, 1, 4, 2, 25, 0},   {20, 1, 4, 1, 30, 0},   {25, 1, 4, 1, 35, 0},
    {30, 1, 4, 1, 40, 0},   {35, 1, 6, 1, 45, 0},   {40, 1, 6, 1, 50, 0},   {45, 1, 6, 1, 55, 0},
    {50, 1, 6, 1, 60, 0},   {55, 1, 8, 1, 70, 0},   {60, 1, 8, 1, 80, 0},   {65, 1, 8, 1, 90, 0},
    {70, 1, 8, 1, 100, 0},  {75, 1, 10, 1, 110, 0}, {80, 1, 10, 1, 120, 0}, {85, 1, 10, 1, 130, 0},
    {90, 1, 10, 1, 140, 0}, {95, 1, 20, 1, 145, 0}, {100, 1, 20, 1, 150, 0},
};
// clang-format on

template <std::size_t N> const MoneyBand& BandFor(const MoneyBand (&bands)[N], int value) {
    for (const MoneyBand& band : bands) {
        if (value <= band.top) {
            return band;
        }
    }
    return bands[N - 1];
}

int RollBand(const MoneyBand& band) {
    return band.times * DiceRoll(band.sides, band.count) + band.base;
}

// A band's dice as a player writes them: "1d6 + 50", "2 x 1d4 + 25".
std::string BandDice(const MoneyBand& band) {
    const std::string times = band.times == 1 ? "" : std::to_string(band.times) + " x ";
    return times + std::to_string(band.count) + "d" + std::to_string(band.sides) + " + " +
           std::to_string(band.base);
}

struct RolledDebt {
    int amount;
    std::string dice; // "1d100 rolled 12, 10 x (2 x 1d4 + 25)"
};

RolledDebt RollDebt() {
    const int d100 = DiceRoll(100, 1);
    const MoneyBand& band = BandFor(kDebtBands, d100);
    return {10 * RollBand(band),
            "1d100 rolled " + std::to_string(d100) + ", 10 x (" + BandDice(band) + ")"};
}

void Log(std::string text) {
    Format_Entry(program_data.building_points, text, program_data.log_file_name);
}

// The class record's age dice and money modifier; a character without a class record gets
// the defaults a class file without them has.
const CharacterClass& ClassRecord() {
    static const CharacterClass kNoClass;
    return current_character.class_item ? *current_character.class_item : kNoClass;
}

void AddInheritedItem(const std::string& item) {
    if (item.empty()) {
        return;
    }
    auto equipment = std::make_unique<EquipDataItem>();
    equipment->name = item + " (inherited)";
    equipment->value = 1;
    EquipDataItem::AddTail(std::move(equipment));
}

} // namespace

int Debt() {
    return RollDebt().amount;
}

std::array<std::string*, 5> InheritedItems() {
    Character_Class& c = current_character;
    return {&c.inherited_weapon, &c.inherited_armor, &c.inherited_shieldhelmet, &c.inherited_mount,
            &c.inherited_deed};
}

StartingMoney Table4M(int total) {
    StartingMoney money;
    const std::string gold_for = "Starting gold for a total of " + std::to_string(total) + ": ";
    if (total <= 5) {
        const RolledDebt debt = RollDebt();
        money.hereditary_debt = debt.amount;
        char text[96];
        std::snprintf(text, sizeof text, "You have rolled a heriditary debt of %+i gold",
                      money.hereditary_debt);
        money.text = text;
        money.explanation = gold_for + "none, and a hereditary debt (" + debt.dice + ") of " +
                            std::to_string(debt.amount) + " gold";
    } else if (total <= 10) {
        money.text = "You are flat broke";
        money.explanation = gold_for + "none, flat broke";
    } else {
        const MoneyBand& band = BandFor(kGoldBands, total);
        money.gold = RollBand(band);
        money.inherit_level = band.inherit_level;
        money.explanation = gold_for + BandDice(band) + " rolled " + std::to_string(money.gold);
    }
    return money;
}

void AgeMoneyStep::RollAge() {
    if (age_rolled_) {
        return;
    }
    Character_Class& c = current_character;
    // A Pixie Fairy's class does not age it: no dice, no line, no question.
    if (c.race.find("Pixie Fairy") == std::string::npos) {
        const CharacterClass& record = ClassRecord();
        RollRequest request;
        request.sides = record.agedie;
        request.count = record.agedierolls;
        request.caption = "Rolling for starting age of character (adjusted by class)";
        request.caption_as_message = true;
        const RollOutcome outcome = RollUntilAccepted(
            request,
            [&](const std::string& label, int roll) {
                char line[160];
                std::snprintf(line, sizeof line,
                              "%s for starting age (adjusted by class) (%i+%id%i): rolled %i",
                              label.c_str(), c.age, record.agedierolls, record.agedie, roll);
                return std::string(line);
            },
            nullptr);
        c.age += outcome.roll;
        messagePPtotree();
    }
    age_rolled_ = true;
}

int AgeMoneyStep::SpendBpOnMoney() {
    const long most =
        program_data.building_points > 0.0f ? static_cast<long>(program_data.building_points) : 0;
    long spent = -1;
    while (spent == -1) {
        spent = Port().AskNumber("Rolling for starting money", "each BP is 2d12",
                                 "How many BP do you want to spend?", 0, 0, most);
    }
    spent = spent < 0 ? 0 : (spent > most ? most : spent);
    int money = 0;
    for (long i = 0; i < spent; ++i) {
        money += DiceRoll(12, 2);
    }
    program_data.building_points -= static_cast<float>(spent);
    bp_spent_ = static_cast<int>(spent);
    return money;
}

void AgeMoneyStep::RollMoney() {
    if (money_rolled_) {
        return;
    }
    const int class_modifier = ClassRecord().moneyroll;
    const int prior_modifier = program_data.money_roll_modifier;
    RollRequest request;
    request.sides = 100;
    request.count = 1;
    request.dice_text = "1d100";
    request.caption = "Rolling for starting money";
    request.caption_as_message = true;
    // Every pass starts again with the BP question; BP spent on a rejected roll stay spent.
    request.roll = [this] {
        inherit_level_ = 0;
        const int roll = DiceRoll(100, 1);
        bp_money_ = SpendBpOnMoney();
        return roll;
    };
    RollUntilAccepted(
        request,
        [&](const std::string& label, int roll) {
            const int total = roll + class_modifier + prior_modifier + bp_money_;
            rolled_ = Table4M(total);
            char line[256];
            std::snprintf(line, sizeof line,
                          "%s for starting gold (1d100 + %i(Class Modifier) + %i(Prior & "
                          "Particular Modifier) + %i(%i BP spent)): rolled %i",
                          label.c_str(), class_modifier, prior_modifier, bp_money_, bp_spent_,
                          total);
            return std::string(line);
        },
        nullptr);

    // The accepted total's own dice, which the line above does not show.
    Log(rolled_.explanation);
    Character_Class& c = current_character;
    c.gold = rolled_.gold;
    if (!rolled_.text.empty()) {
        // Only the lowest band owes a debt; the broke band leaves the record's debt alone.
        if (rolled_.hereditary_debt > 0) {
            c.hereditary_debt = rolled_.hereditary_debt;
        }
        result_text_ = rolled_.text;
        Port().ShowMessage(result_text_, "Inheritance");
    }
    inherit_level_ = rolled_.inherit_level;
    if (inherit_level_ > 0) {
        MoneySpecialRoll();
        Port().ShowMessage(result_text_, "Inheritance");
        Log("Inheritance: " + result_text_);
    }
    money_rolled_ = true;
}

void AgeMoneyStep::MoneySpecialRoll() {
    Character_Class& c = current_character;
    const int quality = c.social_id;
    c.inherited_weapon = Table3L(quality);
    result_text_ = "You have inherited your father's weapon: " + c.inherited_weapon;
    if (inherit_level_ >= 3) {
        c.inherited_armor = Table3M(quality, c.race);
        result_text_ += ", armor: " + c.inherited_armor;
        c.inherited_shieldhelmet = Table3N(quality);
        result_text_ += ", shield/helmet: " + c.inherited_shieldhelmet;
    }
    if (inherit_level_ >= 4) {
        c.inherited_mount = Table3O(quality, c.race);
        result_text_ += ", Mount: " + c.inherited_mount;
    }
    if (inherit_level_ >= 5) {
        c.inherited_deed = Table3P();
        result_text_ += ", and the deed to some land: " + c.inherited_deed;
    }
    result_text_ += ".";
}

bool AgeMoneyStep::Continue() {
    if (RollsDone() < 2 || continued_) {
        return false;
    }
    continued_ = true;
    Character_Class& c = current_character;
    for (const std::string* item : InheritedItems()) {
        AddInheritedItem(*item);
    }
    sendequiptotree();

    c.honor = GenerateHonor();
    std::string text = "Your starting Honor is " + std::to_string(c.honor);
    Port().ShowMessage(text, "Honor");
    Log(text);
    return true;
}

std::string AgeMoneyStep::AgeText() const {
    return "Age: " + std::to_string(current_character.age);
}

std::string AgeMoneyStep::GoldText() const {
    return "Gold: " + std::to_string(current_character.gold);
}
