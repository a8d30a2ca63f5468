#include "core/player/auto_player.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <map>
#include <optional>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/advance/experience_award.h"
#include "core/advance/level_advancement.h"
#include "core/advance/spell_book.h"
#include "core/app/clear_all.h"
#include "core/data/class_data.h"
#include "core/data/item_data.h"
#include "core/data/name_lists.h"
#include "core/dice/dice.h"
#include "core/model/character.h"
#include "core/model/character_fields.h"
#include "core/model/data_items.h"
#include "core/model/program_state.h"
#include "core/wizard/ability_race_step.h"
#include "core/wizard/age_money_step.h"
#include "core/wizard/alignment_step.h"
#include "core/wizard/cherry_pick_step.h"
#include "core/wizard/equipment_shop.h"
#include "core/wizard/priors_step.h"
#include "core/wizard/quirk_rolling_step.h"
#include "core/wizard/raise_class_step.h"
#include "core/wizard/skill_purchase_step.h"
#include "core/wizard/thief_skills_step.h"

namespace {

// The creation windows' titles begin so; the player names a step by the rest.
constexpr char kTitlePrefix[] = "Character Creation: ";
// Rolls a step may need before it is done: far more than any step makes.
constexpr int kMostRollsPerStep = 1000;
// Weapon proficiencies the player buys, when its class and BP allow.
constexpr int kWeaponProficiencies = 2;
// Spells of one spell level the player tries to learn (or chooses) each time its book opens.
constexpr int kSpellsPerLevel = 3;
// Thief points put on one skill at a time.
constexpr int kThiefPointsAtATime = 5;
constexpr int kMostThiefPointsOnOneSkill = 30;
// Percentile points one BP adds to an ability in the raising step.
constexpr int kPercentilePerBp = 25;

// Body armour by the kind of class, best first: the player wears the best it can pay for.
const std::vector<std::string> kFighterArmour = {"Chain mail",      "Scale mail",    "Ring mail",
                                                 "Studded Leather", "Leather Armor", "Padded"};
const std::vector<std::string> kClericArmour = {"Scale mail", "Ring mail", "Studded Leather",
                                                "Leather Armor"};
const std::vector<std::string> kThiefArmour = {"Leather Armor", "Padded"};
constexpr const char* kShield = "Shield, Small";
// What every adventurer carries, bought in this order while the purse allows.
const std::vector<std::string> kBasics = {"Backpack", "Waterskin", "Tinderbox",
                                          "Torch",    "Bedroll",   "Rations, Trail (1 week)"};

// A window's title without the prefix the creation windows share ("Age and Money").
std::string StepName(std::string_view title) {
    if (title.substr(0, std::string_view(kTitlePrefix).size()) == kTitlePrefix) {
        title.remove_prefix(std::string_view(kTitlePrefix).size());
    }
    return std::string(title);
}

std::string RaceOfEntry(const std::string& entry) {
    return entry.substr(0, entry.rfind(", "));
}
std::string SexOfEntry(const std::string& entry) {
    const auto comma = entry.rfind(", ");
    return comma == std::string::npos ? "" : entry.substr(comma + 2);
}

bool Matches(const std::string& wished, const std::string& value) {
    return wished.empty() || wished == value;
}

// The names of everything the equipment shop sells.
std::unordered_set<std::string_view> ShopGoods() {
    std::unordered_set<std::string_view> goods;
    for (const CharacterEquip* item = CharacterEquip::pHead.get(); item; item = item->next.get()) {
        goods.insert(item->name);
    }
    return goods;
}

bool ClassMayUse(const CharacterClass& chosen, const std::string& weapon) {
    return std::any_of(chosen.weapon.begin(), chosen.weapon.end(),
                       [&](const std::string& w) { return w == "Any" || w == weapon; });
}

// Buys the first of `names` the purse allows; true when one was bought.
bool BuyFirst(const std::vector<std::string>& names) {
    return std::any_of(names.begin(), names.end(),
                       [](const std::string& name) { return EquipmentShop::Buy(name).done(); });
}

// The player's port stands in for the user while it plays.
class PortScope {
public:
    explicit PortScope(UserPort& port) : previous_(InstallUserPort(&port)) {}
    ~PortScope() { InstallUserPort(previous_); }
    PortScope(const PortScope&) = delete;
    PortScope& operator=(const PortScope&) = delete;

private:
    UserPort* previous_;
};

} // namespace

AutoPlayer::AutoPlayer(CharacterNamer names)
    : names_(std::move(names)), port_(&AutoPlayer::Pick, [this] {
          const Character_Class& c = current_character;
          std::string name = names_(c.race, c.sex);
          if (name.empty()) {
              Fail("Name your Character (the name lists hold no name for " + c.race + ", " + c.sex +
                   ")");
          }
          return name;
      }) {}

int AutoPlayer::Pick(int count) {
    return count <= 1 ? 0 : std::clamp(RollRange(0, count - 1), 0, count - 1);
}

void AutoPlayer::Fail(const std::string& question) const {
    throw AutoPlayerError(step_, question);
}

bool AutoPlayer::Play(const CharacterWish& wish) {
    const PortScope scope(port_);
    for (int tries = 0; tries < kMostTries; ++tries) {
        if (PlayOnce(wish)) {
            if (wish.level > 1) {
                AdvanceTo(wish.level);
            }
            return true;
        }
    }
    AbortCreation();
    return false;
}

// The windows of the creation's order are played as they open, each by its own strategy; a
// way out that opens two windows (the thief skills beside age and money) plays them in the
// order they open.
bool AutoPlayer::PlayOnce(const CharacterWish& wish) {
    step_ = "New Character";
    port_.EnterStep(step_);
    // Nothing of the character before carries over, not even the sibling lines "New
    // Character" keeps: a character with fewer siblings would otherwise list another's.
    for (const CharacterField& field : CharacterFields()) {
        ClearCharacterField(field);
    }
    Clear_All();
    return PlayWindows({BeginCreation()}, wish);
}

bool AutoPlayer::PlayWindows(const std::vector<StepOpening>& first, const CharacterWish& wish) {
    std::deque<StepOpening> open(first.begin(), first.end());
    while (!open.empty()) {
        const StepOpening step = open.front();
        open.pop_front();
        step_ = StepName(step.title);
        port_.EnterStep(step_);
        const std::optional<StepExit> exit = PlayStep(step.step, wish);
        if (!exit) {
            return false;
        }
        for (const StepOpening& next : Advance(step.step, *exit)) {
            open.push_back(next);
        }
    }
    return true;
}

std::optional<StepExit> AutoPlayer::PlayStep(StepId step, const CharacterWish& wish) {
    switch (step) {
    case StepId::kAbilitiesAndRace:
        return RollScoresAndRace(wish) ? std::optional(StepExit::kContinue) : std::nullopt;
    case StepId::kPriors:
        return RollPriors();
    case StepId::kQuirkRolling:
        RollOwedQuirks();
        return StepExit::kContinue;
    case StepId::kCherryPicking: {
        // The player picks no quirk or flaw of its own: it takes what the dice gave.
        CherryPickStep picking;
        picking.Continue();
        return StepExit::kContinue;
    }
    case StepId::kQuirkRollingRandomly:
        Fail("Roll Randomly (the player never rolls instead of picking)");
    case StepId::kRaiseAbilities:
        return ChooseClass(wish);
    case StepId::kThiefSkills: {
        ThiefSkillsStep step;
        PlaceThiefPoints(step);
        return StepExit::kContinue;
    }
    case StepId::kLevelThiefSkills: {
        ThiefSkillsStep step = OwedThiefSkillsStep();
        PlaceThiefPoints(step);
        return StepExit::kContinue;
    }
    case StepId::kAdvanceLevel:
        Fail("Advance Level (the advance window is the player's to open)");
    case StepId::kAgeAndMoney:
        RollAgeAndMoney();
        return StepExit::kContinue;
    case StepId::kSkills:
        return BuySkills();
    case StepId::kAlignment:
        ChooseAlignment();
        return StepExit::kContinue;
    case StepId::kShop:
        Shop();
        return ShopClosed();
    case StepId::kSpellBook:
        FillSpellBook();
        return StepExit::kContinue;
    }
    return std::nullopt;
}

bool AutoPlayer::RollScoresAndRace(const CharacterWish& wish) {
    AbilityRaceStep step;
    step.Roll();
    std::vector<std::string> entries;
    for (const std::string& entry : step.RaceEntries()) {
        if (Matches(wish.race, RaceOfEntry(entry)) && Matches(wish.sex, SexOfEntry(entry))) {
            entries.push_back(entry);
        }
    }
    if (entries.empty()) {
        step.Abort();
        return false;
    }
    step.SelectRace(entries[Pick(static_cast<int>(entries.size()))]);
    const std::string language = step.Languages().empty() ? "" : step.Languages().front();
    if (!step.Continue(language)) {
        Fail("Continue (the race and language " + language + " were refused)");
    }
    return true;
}

StepExit AutoPlayer::RollPriors() {
    PriorsStep priors;
    for (int rolls = 0; priors.NextRoll() != PriorsRoll::kNone; ++rolls) {
        if (rolls > kMostRollsPerStep) {
            Fail(std::string("Roll ") + PriorsButtonLabel(priors.NextRoll()) +
                 " (the roll never ends)");
        }
        priors.Roll(priors.NextRoll());
    }
    const StepExit next = priors.Continue();
    if (next == StepExit::kStay) {
        Fail("Continue (refused with every roll made)");
    }
    return next;
}

void AutoPlayer::RollOwedQuirks() {
    QuirkRollingStep quirks;
    for (int rolls = 0; quirks.Continue() == StepExit::kStay; ++rolls) {
        const int tables = static_cast<int>(quirks.Tables().size());
        int table = 0;
        while (table < tables && !quirks.Roll(table)) {
            ++table;
        }
        if (table == tables || rolls > kMostRollsPerStep) {
            Fail("Roll (" + std::to_string(quirks.OwedRolls()) +
                 " rolls owed, but no table takes one)");
        }
    }
}

namespace {

// BP entries that lift every ability below the class's minimum up to it; empty when the BP do
// not reach (or an ability is above the class's maximum, which BP cannot lower).
std::optional<std::array<std::string, RaiseClassStep::kAbilities>>
RaiseToClass(const RaiseClassStep& step, const CharacterClass& wished) {
    const std::array<std::array<float, 2>, RaiseClassStep::kAbilities> limits = {
        {{wished.minstr, wished.maxstr},
         {wished.mindex, wished.maxdex},
         {wished.mincon, wished.maxcon},
         {wished.minint, wished.maxint},
         {wished.minwis, wished.maxwis},
         {wished.mincha, wished.maxcha},
         {wished.mincom, wished.maxcom}}};
    std::array<std::string, RaiseClassStep::kAbilities> entries;
    int total = 0;
    for (int i = 0; i < RaiseClassStep::kAbilities; ++i) {
        const int held = step.NewScores()[i] * 100 + step.NewPercentiles()[i];
        const int lowest = static_cast<int>(std::lround(limits[i][0] * 100.0f));
        if (held > static_cast<int>(std::lround(limits[i][1] * 100.0f))) {
            return std::nullopt;
        }
        const int bp =
            held >= lowest ? 0 : (lowest - held + kPercentilePerBp - 1) / kPercentilePerBp;
        entries[i] = std::to_string(bp);
        total += bp;
    }
    if (total == 0 || static_cast<float>(total) > program_data.building_points) {
        return std::nullopt;
    }
    return entries;
}

std::vector<std::string> WishedClasses(const RaiseClassStep& step, const CharacterWish& wish) {
    std::vector<std::string> classes;
    for (const std::string& name : step.ClassEntries()) {
        if (Matches(wish.class_name, name)) {
            classes.push_back(name);
        }
    }
    return classes;
}

} // namespace

std::optional<StepExit> AutoPlayer::ChooseClass(const CharacterWish& wish) {
    RaiseClassStep step;
    std::vector<std::string> classes = WishedClasses(step, wish);
    // A wished class the scores just miss is bought with BP, as a player would.
    const CharacterClass* wished =
        wish.class_name.empty() ? nullptr : CharacterClass::Named(wish.class_name);
    if (classes.empty() && wished) {
        if (const auto raise = RaiseToClass(step, *wished); raise && step.ApplyAbilities(*raise)) {
            classes = WishedClasses(step, wish);
        }
    }
    if (classes.empty()) {
        AbortCreation();
        return std::nullopt;
    }
    const std::string& picked = classes[Pick(static_cast<int>(classes.size()))];
    step.SelectListBox(picked);
    const StepExit result = step.Continue();
    if (result == StepExit::kStay) {
        Fail("Continue (the class " + picked + " was refused)");
    }
    return result;
}

void AutoPlayer::PlaceThiefPoints(ThiefSkillsStep& step) {
    int left = std::atoi(step.PointsText().c_str());
    std::array<int, kThiefSkillCount> points{};
    while (left > 0) {
        std::vector<int> open;
        for (int skill : step.UsableSkills()) {
            if (points[skill] < kMostThiefPointsOnOneSkill) {
                open.push_back(skill);
            }
        }
        if (open.empty()) {
            Fail("Continue (" + std::to_string(left) + " points left and no skill takes more)");
        }
        const int skill = open[Pick(static_cast<int>(open.size()))];
        const int put =
            std::min({left, kThiefPointsAtATime, kMostThiefPointsOnOneSkill - points[skill]});
        points[skill] += put;
        left -= put;
    }
    std::array<std::string, kThiefSkillCount> entries;
    for (int i = 0; i < kThiefSkillCount; ++i) {
        entries[i] = std::to_string(points[i]);
    }
    if (!step.Continue(entries)) {
        Fail("Continue (the points " + step.PointsText() + " were refused)");
    }
}

void AutoPlayer::RollAgeAndMoney() {
    AgeMoneyStep step;
    step.RollAge();
    step.RollMoney();
    if (!step.Continue()) {
        Fail("Continue (refused with age and money rolled)");
    }
}

StepExit AutoPlayer::BuySkills() {
    SkillPurchaseStep step;
    const CharacterClass* chosen = current_character.class_item;
    // Weapons first: the class may use them and the shop sells them.
    std::vector<std::string> weapons;
    const auto goods = ShopGoods();
    for (const std::string& name : step.ShopNames(kProficiencyFilter)) {
        if (chosen && ClassMayUse(*chosen, name) && goods.count(name) > 0) {
            weapons.push_back(name);
        }
    }
    for (int bought = 0; bought < kWeaponProficiencies && !weapons.empty();) {
        const auto at = weapons.begin() + Pick(static_cast<int>(weapons.size()));
        bought += step.Add(kProficiencyFilter, *at) ? 1 : 0;
        weapons.erase(at);
    }
    // Then skills and talents, drawn at random, each tried once, while BP last.
    // (The offers point into the two name lists, so that taking one out moves no text.)
    const std::pair<int, std::vector<std::string>> lists[] = {
        {kAllSkillsFilter, step.ShopNames(kAllSkillsFilter)},
        {kTalentFilter, step.ShopNames(kTalentFilter)}};
    std::vector<std::pair<int, const std::string*>> offers;
    for (const auto& [filter, names] : lists) {
        for (const std::string& name : names) {
            offers.emplace_back(filter, &name);
        }
    }
    while (!offers.empty() && program_data.building_points >= 1.0f) {
        const auto at = offers.begin() + Pick(static_cast<int>(offers.size()));
        step.Add(at->first, *at->second);
        offers.erase(at);
    }
    return step.Continue();
}

void AutoPlayer::ChooseAlignment() {
    const std::vector<std::string> alignments = AlignmentChoice::Alignments();
    if (alignments.empty()) {
        Fail("Alignment (the class allows none)");
    }
    AlignmentChoice::Continue(alignments[Pick(static_cast<int>(alignments.size()))]);
}

void AutoPlayer::Shop() {
    const CharacterClass* chosen = current_character.class_item;
    // A weapon of a proficiency it holds, the first the purse allows.
    std::vector<std::string> weapons;
    for (const ProfDataItem* held = ProfDataItem::pHead.get(); held; held = held->next.get()) {
        weapons.push_back(held->name);
    }
    BuyFirst(weapons);
    if (chosen && chosen->fighter == 1) {
        BuyFirst(kFighterArmour);
        EquipmentShop::Buy(kShield);
    } else if (chosen && chosen->cleric == 1) {
        BuyFirst(kClericArmour);
        EquipmentShop::Buy(kShield);
    } else if (chosen && chosen->mage != 1 && chosen->thief == 1) {
        BuyFirst(kThiefArmour);
    }
    for (const std::string& item : kBasics) {
        EquipmentShop::Buy(item);
    }
    EquipmentShop::Close();
}

void AutoPlayer::AdvanceTo(int level) {
    const PortScope scope(port_);
    step_ = OpeningOf(StepId::kAdvanceLevel).title;
    port_.EnterStep(step_);
    const int target = std::clamp(level, 1, kMaxLevels - 1);
    double needed = 0;
    for (const ClassProgress& progress : LevelAdvancement::Classes()) {
        if (progress.record) {
            const int32_t xp = progress.record->xptable[static_cast<std::size_t>(target)];
            needed = std::max(needed, static_cast<double>(xp) - progress.experience);
        }
    }
    if (needed >= 1 && !AwardExperience(static_cast<long long>(needed) *
                                        static_cast<int>(ClassDataItem::Count()))) {
        Fail("Award Experience (the award was refused)");
    }
    for (;;) {
        // The lowest class below the target that may go up a level.
        const std::vector<ClassProgress> rows = LevelAdvancement::Classes();
        int chosen = -1;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].level < target && rows[i].MayAdvance() &&
                (chosen < 0 || rows[i].level < rows[static_cast<std::size_t>(chosen)].level)) {
                chosen = static_cast<int>(i);
            }
        }
        if (chosen < 0) {
            return;
        }
        PlayAdvance(chosen);
    }
}

std::vector<std::string> AutoPlayer::AdvanceClass(int row) {
    const PortScope scope(port_);
    step_ = OpeningOf(StepId::kAdvanceLevel).title;
    port_.EnterStep(step_);
    return PlayAdvance(row);
}

std::vector<std::string> AutoPlayer::PlayAdvance(int row) {
    LevelAdvancement advancement;
    if (const Outcome advanced = advancement.Advance(row); !advanced) {
        Fail("Advance (" + advanced.refusal() + ")");
    }
    PlayWindows(advancement.Openings(), CharacterWish{});
    return advancement.GainLines();
}

// At each spell level open to it, the player tries a few spells not in its book yet, drawn at
// random: a Magic-User spell by its roll, a Priest spell taken as chosen. Refusals (a full
// level, a spell barred after a failure) simply pass to the next.
void AutoPlayer::FillSpellBook() {
    SpellBookStep book;
    std::map<std::string, std::vector<std::string>> by_level;
    for (const std::vector<std::string>& row : book.ShopRows(0)) {
        by_level[row[1]].push_back(row[0]); // the level: the names
    }
    for (auto& [level, names] : by_level) {
        for (int tried = 0; tried < kSpellsPerLevel && !names.empty(); ++tried) {
            const auto at = names.begin() + Pick(static_cast<int>(names.size()));
            book.Learn(*at);
            names.erase(at);
        }
    }
    book.Continue();
}
