#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The order of a creation, as one table: which window a step's way out opens next, under what
// title, in which registry slot and where. The windows and the automatic player both walk it,
// so they cannot disagree about the order, and a new step is one row (plus its window and its
// step object).

// Every window of a creation. The quirk-rolling window appears twice: once for the free rolls
// the background owes (before the picking), once for the rolls on 6A the player chose instead
// of picking (after it); each has its own title, slot and way on.
enum class StepId {
    kAbilitiesAndRace,
    kPriors,
    kQuirkRolling,
    kCherryPicking,
    kQuirkRollingRandomly,
    kRaiseAbilities,
    kThiefSkills,
    kAgeAndMoney,
    kSkills,
    kAlignment,
    kShop,
    // After creation day: the advance window, and the thief skills placed at a new level.
    kAdvanceLevel,
    kLevelThiefSkills,
    // The spell book: offered when the shop closes on a spell-caster, and by a new spell level.
    kSpellBook,
};

// How a step is left.
enum class StepExit {
    kStay,         // the step refused to go on (a roll still owed, nothing chosen): it stays
    kContinue,     // its own way on
    kQuirksOwed,   // priors: the background owes free quirk rolls, made before the picking
    kRollRandomly, // cherry picking: rolls on 6A instead of picks
    kThiefClass,   // raising abilities: a thief-type class also places its thief points
    kLowWisdom,    // skills: Wisdom 5 or less has no alignment to choose and goes to the shop
    kEdited,       // the skills window opened from the tree: nothing follows
    kNewSlots,     // a new level: proficiency slots to spend in the skills window
    kNewSpellLevel, // a new level opens a new spell level
    kSpellCaster,   // the shop closes on a spell-caster that takes up the spell book
};

// Where a window opens.
enum class Placement {
    kDefault,           // where the desktop puts a new window
    kInPlaceOfOpener,   // where the window it follows stood
    kBesideAgeAndMoney, // beside the age and money window opened with it, so both can be seen
};

constexpr int kNoRegistrySlot = -1;

struct StepOpening {
    StepId step;
    const char* title;
    int slot; // the window registry's slot while it is open, or kNoRegistrySlot
    Placement placement;
};

struct FlowExit {
    StepId from;
    StepExit exit;
    std::optional<int32_t> stage;   // the creation stage once left; none: it stays as it is
    std::vector<StepOpening> opens; // in the order they open; empty: the creation ends there
};

// Every way out of every step.
const std::vector<FlowExit>& CreationFlowTable();

// The window New Character opens.
const StepOpening& FirstCreationStep();

// How `step` opens when the flow opens it (the first row that leads to it); the tree opens the
// skills and shop windows this way too, and the advance window, which the player opens from
// the menu or the tree rather than a step, opens the same way.
const StepOpening& OpeningOf(StepId step);

// What leaving `from` by `exit` opens; nothing for kStay, kEdited and a way out the table does
// not hold.
std::vector<StepOpening> NextCreationSteps(StepId from, StepExit exit);

// The creation stage moves here and nowhere else (but for the priors step's own -1 while it
// rolls): 0 while no creation is in progress, else the stage of the step now open.

// Whether a creation is in progress; New Character is refused while one is (one at a time).
bool CreationInProgress();
// Starts a creation on a record already cleared: stage 3, and the first window to open.
const StepOpening& BeginCreation();
// Leaves `from` by `exit`: the creation moves to the way out's stage and the windows it opens
// are returned, to be opened in order. kStay, kEdited and unknown ways out change nothing.
std::vector<StepOpening> Advance(StepId from, StepExit exit);
// A new level is no creation: the advance window's ways out open windows and leave the stage
// alone. kThiefClass opens the thief skills at the new level; a level that brings several
// things leaves by each of its ways in turn.

// Ends the creation (stage 0); the record keeps what was entered.
void AbortCreation();
