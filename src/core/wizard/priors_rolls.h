#pragma once

#include "core/wizard/priors_tables.h"

// The rolls of the priors-and-particulars step. Each runs its dice through the roll
// confirmation exchange until a roll is accepted, logs the result line, and writes the
// accepted result into the character record; nothing of a declined roll is kept.

// ---- Body and social standing (priors_body_rolls.cpp) ----

// Starting age: the race's base age plus its age dice.
void GenerateAge();
// Handedness; an elf is ambidextrous without a roll.
void HandenessRoll();
// Height in inches and weight in pounds: the race's base plus its dice.
void RollHeight();
void RollWeight();
// The social class (d100); a slave then rolls the nature of the slave class (d20).
void SocialRoll();
void SlaveClass();
// Adds the social class's money and honor modifiers to the later rolls.
void SocialEffect();

// ---- Birth and parents (priors_family_rolls.cpp) ----

// Legitimacy of birth (d100 plus the race's modifier).
void BirthCircum();
// The circumstance of an illegitimate birth, the extension roll that settles the other parent
// of an affair or a surrogate birth, and the honor modifier of the circumstance.
void IlligitBirth();
// The extension reads the circumstance already in `circumstance_of_birth`.
void NatureofUnknown(int circumstance_code);
// Status of mother and of father (d100).
void MomStatus();
void DadStatus();
// Whether a step parent came into the family (d20): a step mother takes the mother's place
// (`mother_code` 2), a step father the father's. Returns whether one did.
enum class StepParentSide { kMother, kFather };
bool StepParent(StepParentSide side);
// The step parent's status (d100), into `stepparent`.
void StepMother();
void StepFather();
// Quality of mother and of father: d100, plus 35 for an illegitimate child. The returned
// row carries the parent's BP bonus and owed quirks.
ParentQuality MomQuality();
ParentQuality DadQuality();
// Family heritage (d100).
void FamilyHeritage();

// ---- Siblings (priors_sibling_rolls.cpp) ----

// Number of siblings (d100); 96-100 rolls 1d4 illegitimate siblings, kept as a negative count.
void SiblingCount();
void IllSiblingCount();
// Rolls each sibling's description line (sex, alive or dead, relationship, twin, and for an
// illegitimate sibling the nature of the birth).
void SiblingSetup();
// Order of birth among the siblings (d100); returns whether the character is a middle child.
bool OrderofBirth();

// ---- Consequences (priors_step.cpp) ----

// Adds the order of birth's modifier to the starting-money roll.
void EffofBirth();
// A free quirk or flaw: the player chooses its table (kind 1 minor, 2 major, 3 personality);
// the roll on it is owed to the quirk step.
void FreeQuirksandFlaws(int kind);
