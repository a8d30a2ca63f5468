#pragma once

#include <string>

// The background tables of the priors-and-particulars step: what a die result means. They
// only look up; the rolls, the record and the log are in priors_rolls.

// ---- Body ----

// Elves of every kind are ambidextrous: no roll is made.
bool HandednessIsFixed(const std::string& race_name);
// Dwarves and gnomes (gnome titans included) roll on the small folk's rows.
bool IsSmallRace(const std::string& race_name);
// "Left", "Ambidextrous" or "Right" for a d100 result; a Dexterity above 15 improves the
// odds of an ambidextrous hand.
const char* HandednessFor(int roll, bool small_race, bool high_dexterity);

// ---- Social class ----

struct SocialClassRow {
    const char* name;
    int social_id; // the slave class's rank comes from the slave roll (1 to 3)
};
// The class for a d100 result.
SocialClassRow SocialClassFor(int roll);

struct SlaveNature {
    const char* text;
    int social_id;
};
// The nature of a slave's class for a d20 result.
SlaveNature SlaveNatureFor(int roll);

struct SocialModifiers {
    int money;
    int honor;
};
// The money and honor modifiers of a social rank; ranks 1 to 4 (slaves and the lower lower
// class) share the lowest row.
SocialModifiers SocialModifiersFor(int social_id);

// ---- Birth ----

// "Legitimate" or "Illegitimate" for the legitimacy total (d100 plus the race's modifier).
const char* LegitimacyFor(int total);

// Parent codes of the record: -1 unknown or absent, 0 dead, 1 alive, 2 a step parent.
constexpr int kParentUnknown = -1;
constexpr int kParentDead = 0;
constexpr int kParentAlive = 1;
constexpr int kStepParentPresent = 2;

// Circumstance codes of an illegitimate birth.
constexpr int kAbandoned = 1;
constexpr int kRape = 2;
constexpr int kProstitute = 3;
constexpr int kAffair = 10;
constexpr int kSurrogate = 20;

struct IllegitimateBirth {
    const char* circumstance;
    int code;
    int honor_modifier;
};
// The circumstance for the total of d100 plus the race's illegitimate-birth modifier.
IllegitimateBirth IllegitimateBirthFor(int total);

struct ParentSettled {
    const char* text;
    int code;
};
// The extension roll (d100) for an affair (settles the father) or a surrogate mother
// (settles the mother); `circumstance_code` is kAffair or kSurrogate.
ParentSettled ExtensionFor(int circumstance_code, int roll);

// ---- Parents ----

struct ParentStatus {
    const char* status;
    int code;
};
// The status of the mother or the father for a d100 result (a mother's 91-100 also takes the
// father with her; the roll handles that).
ParentStatus ParentStatusFor(int roll);

// Whether the d20 step-parent roll brings a step parent (15-20).
bool StepParentFor(int roll);
// The step mother's or step father's status text for a d100 result.
const char* StepMotherFor(int roll);
const char* StepFatherFor(int roll);

struct ParentQuality {
    const char* quality;
    int bp_bonus;     // 5 for a loving parent
    int minor_quirk;  // 1 for an indifferent parent
    int major_quirk;  // 1 for an abusive parent
    const char* note; // what the parent gives, as the log shows it ("" for nothing)
};
// The quality of a parent for the total (d100, plus 35 for an illegitimate child).
ParentQuality ParentQualityFor(int total);

// ---- Family ----

const char* FamilyHeritageFor(int roll);

// A sibling count roll of 96-100: 1d4 illegitimate siblings instead.
constexpr int kIllegitimateSiblings = -100;
// 0 to 9 siblings, or kIllegitimateSiblings, for a d100 result.
int SiblingCountFor(int roll);

// The parts of a sibling's description line, each for its own roll.
const char* SiblingSexFor(int roll);           // d20: "male", "female"
const char* SiblingDeadOrAliveFor(int roll);   // d100
const char* SiblingRelationshipFor(int total); // d100 plus the character's Charisma
const char* SiblingTwinFor(int roll);          // d100
struct SiblingNature {
    const char* text;
    int code; // 2: an affair, whose father is rolled for next
};
SiblingNature SiblingIllegitimateNatureFor(int lowered); // d100 less 10
const char* SiblingFatherFor(int roll);                  // d100: ", known", ", unknown"

// The order of birth among `siblings` brothers and sisters (1 to 9) for a d100 result.
std::string BirthOrderFor(int siblings, int roll);
// Whether an order of birth is one of the middle children's.
bool IsMiddleBorn(const std::string& birth_order);
// The modifier an order of birth gives the starting money; -20 for an abandoned child.
int BirthOrderMoneyModifier(const std::string& birth_order, bool abandoned);
