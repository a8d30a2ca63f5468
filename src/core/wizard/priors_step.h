#pragma once

#include <string>
#include <vector>

#include "core/wizard/creation_flow.h"
#include "core/wizard/priors_tables.h"

// The rolls of the priors-and-particulars step, in the order the step offers them. Which
// one follows which depends on what the earlier rolls settled about the parents and siblings.
enum class PriorsRoll {
    kAge,
    kHandedness,
    kHeight,
    kWeight,
    kSocialClass,
    kLegitimacy,
    kMotherStatus,
    kFatherStatus,
    kStepMother,
    kStepFather,
    kMotherQuality,
    kFatherQuality,
    kFamilyHeritage,
    kSiblings,
    kBirthOrder,
    kNone, // every roll is made; only Continue is left
};

// The label of the button that makes a roll ("Begin Priors and Particulars" for the first).
const char* PriorsButtonLabel(PriorsRoll roll);

// One row of the step's window: a caption and the value the roll gave.
struct PriorsRow {
    std::string caption;
    std::string text;

    bool operator==(const PriorsRow&) const = default;
};

// The second creation step: the character's age, handedness, height, weight, social class,
// birth, parents, family heritage, siblings and order of birth, each rolled on its table.
// The window drives this object one roll at a time; the tests drive it the same way.
class PriorsStep {
public:
    // Starts this character's background afresh: the honor modifier, the owed free quirks and
    // the sibling lines of an earlier character in the same run are dropped.
    PriorsStep();

    // The roll the step offers next.
    PriorsRoll NextRoll() const { return next_; }

    // Makes `roll` when it is the one offered and returns the rows it adds to the window;
    // any other roll is refused (no rows), so no roll is ever made twice.
    std::vector<PriorsRow> Roll(PriorsRoll roll);

    // Applies the money, BP and free-quirk consequences, sends the background to the tree
    // and moves the creation to the quirk stage (6). Refused (kStay) until a roll has been
    // made; kQuirksOwed when free quirk rolls are owed, made before the picking.
    StepExit Continue();
    // Whether Continue would go on (a roll has been made).
    bool CanContinue() const;
    // Ends the creation; the record keeps what was rolled.
    void Abort();

    // What the parents' qualities and the order of birth have earned so far (the window's
    // own state until Continue).
    struct ParentEffects {
        int bp_bonus = 0;
        int minor_quirk = 0;
        int major_quirk = 0;
    };
    const ParentEffects& MotherEffects() const { return mother_; }
    const ParentEffects& FatherEffects() const { return father_; }
    int MiddleChild() const { return middle_child_; }

private:
    std::vector<PriorsRow> OnAgeRoll();
    std::vector<PriorsRow> OnHandednessRoll();
    std::vector<PriorsRow> OnHeightRoll();
    std::vector<PriorsRow> OnWeightRoll();
    std::vector<PriorsRow> OnSocialClassRoll();
    std::vector<PriorsRow> OnBirthLegitRoll();
    std::vector<PriorsRow> OnMomStatusRoll();
    std::vector<PriorsRow> OnDadStatusRoll();
    std::vector<PriorsRow> OnStepMomRoll();
    std::vector<PriorsRow> OnStepDadRoll();
    std::vector<PriorsRow> OnMomQualityRoll();
    std::vector<PriorsRow> OnDadQualityRoll();
    std::vector<PriorsRow> OnFamilyHeritageRoll();
    std::vector<PriorsRow> OnSiblingsRoll();
    std::vector<PriorsRow> OnBirthOrderRoll();

    // The first parent roll still to make once the parents' presence is settled.
    static PriorsRoll FirstParentStatus();
    static PriorsRoll FirstParentQuality();

    void AwardFreeQuirks();

    PriorsRoll next_ = PriorsRoll::kAge;
    ParentEffects mother_;
    ParentEffects father_;
    int middle_child_ = 0;
};
