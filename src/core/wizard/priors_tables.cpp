#include "core/wizard/priors_tables.h"
#include "core/model/text.h"

#include <array>
#include <span>

namespace {

// One row of a table: the highest result it covers and what it gives.
template <typename T> struct Band {
    int high;
    T value;
};

// The first row whose upper end the result reaches; results above the table take its last row.
template <typename T> const T& Lookup(std::span<const Band<T>> bands, int result) {
    for (const Band<T>& band : bands) {
        if (result <= band.high) {
            return band.value;
        }
    }
    return bands.back().value;
}

// clang-format off
// Handedness rows: Left up to the first bound, Ambidextrous up to the second, then Right.
struct HandednessRow { int left_to; int ambidextrous_to; };
constexpr HandednessRow kOtherRaces      = {12, 22};
constexpr HandednessRow kOtherRacesDex   = {7, 27};
constexpr HandednessRow kSmallRaces      = {2, 32};
constexpr HandednessRow kSmallRacesDex   = {0, 37};

constexpr Band<SocialClassRow> kSocialClasses[] = {
    {1,   {"Slave Class", 0}},
    {6,   {"Lower Lower Class", 4}},
    {11,  {"Middle Lower Class", 5}},
    {20,  {"Upper Lower Class", 6}},
    {35,  {"Lower Middle Class", 7}},
    {55,  {"Middle Middle Class", 8}},
    {87,  {"Upper Middle Class", 9}},
    {96,  {"Lower Upper Class", 10}},
    {99,  {"Middle Upper Class", 11}},
    {100, {"Upper Upper Class", 12}},
};

constexpr Band<SlaveNature> kSlaveNatures[] = {
    {5,  {"runaway slave", 1}},
    {15, {"escaped criminal", 2}},
    {20, {"banished", 3}},
};

// Indexed by social rank less 4; ranks 1 to 3 (slaves) take the first row.
constexpr SocialModifiers kSocialModifiers[] = {
    {-20, -10}, {-15, -5}, {-10, -1}, {-5, 0}, {0, 0}, {5, 0}, {10, 1}, {15, 5}, {20, 10},
};

constexpr Band<IllegitimateBirth> kIllegitimateBirths[] = {
    {5,   {"Character was abandoned at birth", kAbandoned, -3}},
    {30,  {"birth was the result of a rape, father unknown", kRape, -5}},
    {60,  {"mother was a prostitute, father unknown", kProstitute, -10}},
    {90,  {"birth was the result of an adultrous affair", kAffair, -3}},
    {100, {"birth was arranged through a surogate mother", kSurrogate, -1}},
};

constexpr Band<ParentSettled> kAffairFathers[] = {
    {75,  {"father unknown", kParentUnknown}},
    {100, {"father known", kParentAlive}},
};
constexpr Band<ParentSettled> kSurrogateMothers[] = {
    {25,  {"identity known", kParentAlive}},
    {100, {"identity unknown", kParentUnknown}},
};

constexpr Band<ParentStatus> kParentStatuses[] = {
    {1,   {"Celebrity", kParentAlive}},
    {80,  {"Alive", kParentAlive}},
    {100, {"Dead", kParentDead}},
};

constexpr Band<const char*> kStepMothers[] = {
    {1, "Step Mother is a celebrity"}, {80, "Step Mother is alive"}, {100, "Step Mother is dead"},
};
constexpr Band<const char*> kStepFathers[] = {
    {1, "Step Father is a celebrity"}, {80, "Step Father is alive"}, {100, "Step Father is dead"},
};

constexpr Band<ParentQuality> kParentQualities[] = {
    {60,  {"Loving parent", 5, 0, 0, " (+5 BP)"}},
    {80,  {"Ill-equiped parent", 0, 0, 0, ""}},
    {91,  {"Indiferent parent", 0, 1, 0, " (+1 minor quirk)"}},
    {200, {"Abusive parent", 0, 0, 1, " (+1 major quirk)"}},
};

constexpr Band<const char*> kHeritages[] = {
    {1, "Great Dishonor"}, {15, "Dishonor"}, {45, "No honor"}, {76, "Honorable"},
    {100, "Great Honor"},
};

constexpr Band<int> kSiblingCounts[] = {
    {15, 0}, {35, 1}, {50, 2}, {60, 3}, {68, 4}, {75, 5}, {81, 6}, {85, 7}, {90, 8}, {95, 9},
    {100, kIllegitimateSiblings},
};

constexpr Band<const char*> kSiblingSexes[] = {{10, "male"}, {20, "female"}};
constexpr Band<const char*> kSiblingLives[] = {{79, ", alive"}, {100, ", dead"}};
constexpr Band<const char*> kSiblingRelationships[] = {
    {24, ", a bitter rival"}, {84, ", a normal relationship"}, {200, ", a devoted friend"},
};
constexpr Band<const char*> kSiblingTwins[] = {
    {94, ", and not a twin"}, {98, ", and is a twin"}, {100, ", and is an identical twin"},
};
constexpr Band<SiblingNature> kSiblingNatures[] = {
    {5,  {". Sibling was abandoned at birth", 1}},
    {30, {". Birth was the result of a rape, father unknown", 1}},
    {60, {". Mother was a prostitute, father unknown", 1}},
    {90, {". Birth was the result of an adultrous affair", 2}},
};
constexpr Band<const char*> kSiblingFathers[] = {{75, ", known"}, {100, ", unknown"}};

// Upper ends of the birth-order bands for 1 to 9 siblings, one band per child from the first
// born to the last.
constexpr std::array<std::array<int, 10>, 9> kBirthOrderBands = {{
    {50, 100},
    {33, 66, 100},
    {25, 50, 75, 100},
    {21, 41, 61, 81, 100},
    {16, 32, 48, 64, 80, 100},
    {14, 28, 42, 56, 70, 84, 100},
    {12, 24, 36, 48, 60, 72, 84, 100},
    {11, 22, 33, 44, 55, 66, 77, 88, 100},
    {10, 20, 30, 40, 50, 60, 70, 80, 90, 100},
}};

struct OrderModifier { const char* order; int money; };
constexpr OrderModifier kOrderModifiers[] = {
    {"First born", 5}, {"2nd born", 2}, {"2nd to last born", -2}, {"Last born", -5},
    {"Only child", 10},
};
// clang-format on

constexpr int kAbandonedMoneyModifier = -20;

const char* Ordinal(int place) {
    static const char* const kOrdinals[] = {"",    "1st", "2nd", "3rd", "4th",
                                            "5th", "6th", "7th", "8th"};
    return kOrdinals[place];
}

} // namespace

bool HandednessIsFixed(const std::string& race_name) {
    return Contains(race_name, "Elf");
}

bool IsSmallRace(const std::string& race_name) {
    return Contains(race_name, "Dwarf") || Contains(race_name, "Gnome") ||
           Contains(race_name, "Gnome Titan");
}

const char* HandednessFor(int roll, bool small_race, bool high_dexterity) {
    const HandednessRow& row = small_race ? (high_dexterity ? kSmallRacesDex : kSmallRaces)
                                          : (high_dexterity ? kOtherRacesDex : kOtherRaces);
    if (roll <= row.left_to) {
        return "Left";
    }
    return roll <= row.ambidextrous_to ? "Ambidextrous" : "Right";
}

SocialClassRow SocialClassFor(int roll) {
    return Lookup<SocialClassRow>(kSocialClasses, roll);
}

SlaveNature SlaveNatureFor(int roll) {
    return Lookup<SlaveNature>(kSlaveNatures, roll);
}

SocialModifiers SocialModifiersFor(int social_id) {
    const int row = social_id < 4 ? 0 : social_id > 12 ? 8 : social_id - 4;
    return kSocialModifiers[row];
}

const char* LegitimacyFor(int total) {
    return total > 90 ? "Illegitimate" : "Legitimate";
}

IllegitimateBirth IllegitimateBirthFor(int total) {
    return Lookup<IllegitimateBirth>(kIllegitimateBirths, total);
}

ParentSettled ExtensionFor(int circumstance_code, int roll) {
    return circumstance_code == kSurrogate ? Lookup<ParentSettled>(kSurrogateMothers, roll)
                                           : Lookup<ParentSettled>(kAffairFathers, roll);
}

ParentStatus ParentStatusFor(int roll) {
    return Lookup<ParentStatus>(kParentStatuses, roll);
}

bool StepParentFor(int roll) {
    return roll >= 15;
}

const char* StepMotherFor(int roll) {
    return Lookup<const char*>(kStepMothers, roll);
}

const char* StepFatherFor(int roll) {
    return Lookup<const char*>(kStepFathers, roll);
}

ParentQuality ParentQualityFor(int total) {
    return Lookup<ParentQuality>(kParentQualities, total);
}

const char* FamilyHeritageFor(int roll) {
    return Lookup<const char*>(kHeritages, roll);
}

int SiblingCountFor(int roll) {
    return Lookup<int>(kSiblingCounts, roll);
}

const char* SiblingSexFor(int roll) {
    return Lookup<const char*>(kSiblingSexes, roll);
}

const char* SiblingDeadOrAliveFor(int roll) {
    return Lookup<const char*>(kSiblingLives, roll);
}

const char* SiblingRelationshipFor(int total) {
    return Lookup<const char*>(kSiblingRelationships, total);
}

const char* SiblingTwinFor(int roll) {
    return Lookup<const char*>(kSiblingTwins, roll);
}

SiblingNature SiblingIllegitimateNatureFor(int lowered) {
    return Lookup<SiblingNature>(kSiblingNatures, lowered);
}

const char* SiblingFatherFor(int roll) {
    return Lookup<const char*>(kSiblingFathers, roll);
}

std::string BirthOrderFor(int siblings, int roll) {
    if (siblings < 1 || siblings > 9) {
        return "";
    }
    const auto& bands = kBirthOrderBands[siblings - 1];
    const int children = siblings + 1;
    int place = 1;
    while (place < children && roll > bands[place - 1]) {
        ++place;
    }
    if (place == 1) {
        return "First born";
    }
    if (place == children) {
        return "Last born";
    }
    // With three or more siblings the second and the second-to-last child have names of
    // their own; everyone between is a middle child.
    if (siblings >= 3 && place == 2) {
        return "2nd born";
    }
    if (siblings >= 3 && place == children - 1) {
        return "2nd to last born";
    }
    return std::string("Middle born (") + Ordinal(place) + ")";
}

bool IsMiddleBorn(const std::string& birth_order) {
    return birth_order.rfind("Middle born", 0) == 0;
}

int BirthOrderMoneyModifier(const std::string& birth_order, bool abandoned) {
    if (abandoned) {
        return kAbandonedMoneyModifier;
    }
    for (const OrderModifier& modifier : kOrderModifiers) {
        if (birth_order == modifier.order) {
            return modifier.money;
        }
    }
    return 0;
}
