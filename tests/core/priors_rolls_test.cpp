#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "priors_step_fixture.h"

// The rolls of the background step one by one, as the step's buttons make them.
namespace {

TEST_F(PriorsStepTest, HandednessFollowsRaceAndDexterity) {
    const struct {
        const char* race;
        int dexterity;
        long roll;
        const char* hand;
    } cases[] = {
        {"Human", 15, 12, "Left"}, // 15 is not yet a high Dexterity
        {"Human", 16, 12, "Ambidextrous"},
        {"Hill Dwarf", 10, 2, "Left"},
        {"Gnome Titan", 16, 1, "Ambidextrous"}, // small folk with a high Dex are never left-handed
    };
    for (const auto& c : cases) {
        race.name = c.race;
        current_character.dexterity_base = c.dexterity;
        PriorsStep fresh;
        port.AnswerNumber(1);
        fresh.Roll(PriorsRoll::kAge);
        port.AnswerNumber(c.roll);
        fresh.Roll(PriorsRoll::kHandedness);
        EXPECT_EQ(current_character.handedness, c.hand) << c.race << " " << c.dexterity;
    }
}

TEST_F(PriorsStepTest, AnElfIsAmbidextrousWithoutARoll) {
    race.name = "Half-Elf";
    current_character.dexterity_base = 3;
    Roll(PriorsRoll::kAge, {1});
    EXPECT_EQ(Roll(PriorsRoll::kHandedness, {}),
              (std::vector<PriorsRow>{{"Handeness:", "Ambidextrous"}}));
    EXPECT_EQ(port.questions.size(), 1u);
    EXPECT_EQ(Lines().size(), 1u);
    EXPECT_EQ(step.NextRoll(), PriorsRoll::kHeight);
}

TEST_F(PriorsStepTest, ASlaveRollsTheNatureOfTheSlaveClass) {
    Roll(PriorsRoll::kAge, {1});
    Roll(PriorsRoll::kHandedness, {50});
    Roll(PriorsRoll::kHeight, {2});
    Roll(PriorsRoll::kWeight, {3});
    program_data.money_roll_modifier = 4;
    const std::size_t before = Lines().size();
    EXPECT_EQ(Roll(PriorsRoll::kSocialClass, {1, 16}),
              (std::vector<PriorsRow>{{"Social Class:", "Slave Class"}}));
    EXPECT_EQ(current_character.social_class, "Slave Class");
    EXPECT_EQ(current_character.social_id, 3);
    EXPECT_EQ(program_data.money_roll_modifier, -16);
    EXPECT_EQ(program_data.honor_roll_modifier, -10);
    EXPECT_EQ(port.questions.back().caption, "Rolling for nature of slave class");
    EXPECT_EQ(port.questions.back().prompt, "1d20");
    EXPECT_EQ(
        LinesFrom(before),
        (std::vector<std::string>{
            "for Social Class (d100): rolled 1 = Slave Class",
            "for nature of Slave Class (d20): rolled 16 = banished",
            "Applying Modifier to Money Roll based on Social Class Slave Class 4-20=-16",
            "Applying Modifier to Starting Honor based on Social Class Slave Class 0-10=-10"}));
}

TEST_F(PriorsStepTest, LegitimacyAddsTheRaceModifierAndTurnsAbove90) {
    race.illigitmod = 5;
    RollBody();
    Roll(PriorsRoll::kLegitimacy, {85});
    EXPECT_EQ(current_character.legitimacy_of_birth, "Legitimate");
    EXPECT_EQ(current_character.circumstance_of_birth, "N/A");
    EXPECT_EQ(current_character.stepparent, "N/A");
    EXPECT_EQ(Lines().back(), "for Legitimacy of Birth (d100): rolled 90 (85+5), Legitimate");
    EXPECT_EQ(step.NextRoll(), PriorsRoll::kMotherStatus);

    PriorsStep second;
    program_data.creation_stage = 5;
    for (PriorsRoll roll : {PriorsRoll::kAge, PriorsRoll::kHandedness, PriorsRoll::kHeight,
                            PriorsRoll::kWeight, PriorsRoll::kSocialClass}) {
        port.AnswerNumber(50);
        second.Roll(roll);
    }
    port.AnswerNumber(86);
    port.AnswerNumber(40);
    const std::vector<PriorsRow> rows = second.Roll(PriorsRoll::kLegitimacy);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].text, "Illegitimate");
    EXPECT_EQ(rows[1].caption, "Nature of Illigitimacy:");
    EXPECT_EQ(rows[1].text, "mother was a prostitute, father unknown");
}

// The circumstances of an illegitimate birth settle who the parents are, the honor modifier
// (the circumstances themselves are the table's, tests/golden/priors_tables.txt) and which
// parent's status is rolled first.
TEST_F(PriorsStepTest, IllegitimateBirthsSettleTheParents) {
    using R = PriorsRoll;
    const struct {
        std::vector<long> entries; // legitimacy, circumstance, extension
        int abandoned, mother, father;
        const char* mother_status;
        const char* father_status;
        int honor;
        PriorsRoll next;
    } cases[] = {
        {{95, 5}, 1, -1, -1, "Unknown", "Unknown", -3, R::kFamilyHeritage},
        {{95, 6}, 0, 1, -1, "", "Unknown", -5, R::kMotherStatus},
        {{95, 60}, 0, 1, -1, "", "Unknown", -10, R::kMotherStatus},
        {{95, 61, 75}, 0, 1, -1, "", "", -3, R::kMotherStatus},
        {{95, 90, 76}, 0, 1, 1, "", "", -3, R::kMotherStatus},
        {{95, 91, 25}, 0, 1, 1, "", "", -1, R::kMotherStatus},
        {{95, 100, 26}, 0, -1, 1, "", "", -1, R::kFatherStatus},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entries[1]);
        Character_Class& record = current_character;
        record.mother_code = record.father_code = 0;
        record.mother_status = record.father_status = "";
        PriorsStep fresh;
        program_data.creation_stage = 5;
        for (PriorsRoll roll : {PriorsRoll::kAge, PriorsRoll::kHandedness, PriorsRoll::kHeight,
                                PriorsRoll::kWeight, PriorsRoll::kSocialClass}) {
            port.AnswerNumber(50);
            fresh.Roll(roll);
        }
        for (long entry : c.entries) {
            port.AnswerNumber(entry);
        }
        fresh.Roll(PriorsRoll::kLegitimacy);
        EXPECT_EQ(port.AnswersLeft(), 0u);
        EXPECT_EQ(record.legitimacy_code, c.abandoned);
        EXPECT_EQ(record.mother_code, c.mother);
        EXPECT_EQ(record.father_code, c.father);
        EXPECT_EQ(record.mother_status, c.mother_status);
        EXPECT_EQ(record.father_status, c.father_status);
        EXPECT_EQ(program_data.honor_roll_modifier, c.honor);
        EXPECT_EQ(fresh.NextRoll(), c.next);
    }
}

TEST_F(PriorsStepTest, TheCircumstanceLinesNameTheModifierAndTheExtension) {
    race.illigitbirthmod = -10;
    RollBody();
    const std::size_t before = Lines().size();
    Roll(PriorsRoll::kLegitimacy, {91, 75, 20});
    EXPECT_EQ(LinesFrom(before),
              (std::vector<std::string>{
                  "for Legitimacy of Birth (d100): rolled 91 (91+0), Illegitimate",
                  "for circumstances of illigitimate birth (d100-10): rolled 65 = birth was the "
                  "result of an adultrous affair",
                  "for circumstances of illigitimate birth (extension) (d100): rolled 20, birth "
                  "was the result of an adultrous affair: father unknown",
                  "Applying Modifier to Starting Honor based on Circumstance of Birth birth was "
                  "the result of an adultrous affair 0-3=-3"}));
    EXPECT_EQ(port.questions[port.questions.size() - 2].caption,
              "Rolling for circumstances of illigitimate birth");
    EXPECT_EQ(port.questions.back().caption,
              "Rolling for circumstances of illigitimate birth (extension)");
}

// From a legitimate birth: the parents' statuses and the step parents they call for.
TEST_F(PriorsStepTest, ParentsStatusesAndStepParents) {
    struct Step {
        PriorsRoll roll;
        std::vector<long> entries;
    };
    const struct {
        const char* name;
        std::vector<Step> steps;
        int mother, father;
        const char* father_status;
        const char* stepparent;
        PriorsRoll next;
    } cases[] = {
        {"mother 81-90 leaves the father to his roll",
         {{PriorsRoll::kMotherStatus, {81}}},
         0,
         1,
         "Unknown",
         "N/A",
         PriorsRoll::kFatherStatus},
        {"mother 91-100 takes the father with her",
         {{PriorsRoll::kMotherStatus, {91}}},
         0,
         0,
         "Dead",
         "N/A",
         PriorsRoll::kFatherStatus},
        {"the father's own roll overwrites it and brings a step mother roll",
         {{PriorsRoll::kMotherStatus, {100}}, {PriorsRoll::kFatherStatus, {80}}},
         0,
         1,
         "Alive",
         "N/A",
         PriorsRoll::kStepMother},
        {"no step mother",
         {{PriorsRoll::kMotherStatus, {90}},
          {PriorsRoll::kFatherStatus, {1}},
          {PriorsRoll::kStepMother, {14}}},
         0,
         1,
         "Celebrity",
         "No",
         PriorsRoll::kMotherQuality},
        {"a step mother",
         {{PriorsRoll::kMotherStatus, {90}},
          {PriorsRoll::kFatherStatus, {2}},
          {PriorsRoll::kStepMother, {15, 81}}},
         2,
         1,
         "Alive",
         "Step Mother is dead",
         PriorsRoll::kMotherQuality},
        {"a dead father and a living mother: no step father",
         {{PriorsRoll::kMotherStatus, {80}},
          {PriorsRoll::kFatherStatus, {81}},
          {PriorsRoll::kStepFather, {14}}},
         1,
         0,
         "Dead",
         "No",
         PriorsRoll::kMotherQuality},
        {"both alive: straight to the qualities",
         {{PriorsRoll::kMotherStatus, {2}}, {PriorsRoll::kFatherStatus, {80}}},
         1,
         1,
         "Alive",
         "N/A",
         PriorsRoll::kMotherQuality},
        {"both dead: no step parent",
         {{PriorsRoll::kMotherStatus, {85}}, {PriorsRoll::kFatherStatus, {100}}},
         0,
         0,
         "Dead",
         "N/A",
         PriorsRoll::kMotherQuality},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        current_character.mother_code = current_character.father_code = 0;
        PriorsStep fresh;
        program_data.creation_stage = 5;
        for (PriorsRoll roll :
             {PriorsRoll::kAge, PriorsRoll::kHandedness, PriorsRoll::kHeight, PriorsRoll::kWeight,
              PriorsRoll::kSocialClass, PriorsRoll::kLegitimacy}) {
            port.AnswerNumber(50);
            fresh.Roll(roll);
        }
        for (const Step& s : c.steps) {
            ASSERT_EQ(fresh.NextRoll(), s.roll);
            for (long entry : s.entries) {
                port.AnswerNumber(entry);
            }
            fresh.Roll(s.roll);
        }
        EXPECT_EQ(port.AnswersLeft(), 0u);
        EXPECT_EQ(current_character.mother_code, c.mother);
        EXPECT_EQ(current_character.father_code, c.father);
        EXPECT_EQ(current_character.father_status, c.father_status);
        EXPECT_EQ(current_character.stepparent, c.stepparent);
        EXPECT_EQ(fresh.NextRoll(), c.next);
    }
}

// The step mother's status line always reads "Rolling", even for a number the player typed.
TEST_F(PriorsStepTest, TheStepMothersLineAlwaysReadsRolling) {
    RollBody();
    Roll(PriorsRoll::kLegitimacy, {50});
    Roll(PriorsRoll::kMotherStatus, {85});
    Roll(PriorsRoll::kFatherStatus, {50});
    Roll(PriorsRoll::kStepMother, {20, 1});
    ASSERT_NE(port.questions.back().value, 1) << "choose another clock: the die showed 1";
    EXPECT_EQ(RawLines().back(),
              "BP=0.0    | Rolling for status of step parent (d100): rolled 1 = Step Mother is a "
              "celebrity ");
    EXPECT_EQ(current_character.mother_code, 2);
}

TEST_F(PriorsStepTest, AFatherUnknownSkipsTheMothersQuality) {
    RollBody();
    Roll(PriorsRoll::kLegitimacy, {95, 10});
    Roll(PriorsRoll::kMotherStatus, {50});
    EXPECT_EQ(step.NextRoll(), PriorsRoll::kFamilyHeritage);
}

// Illegitimate siblings: a negative count, and a fifth part (and a sixth for an affair) on
// each line, which is cut to the 74 characters it holds.
TEST_F(PriorsStepTest, IllegitimateSiblingsGetTheNatureOfTheirBirth) {
    RollBody();
    Roll(PriorsRoll::kLegitimacy, {50});
    Roll(PriorsRoll::kMotherStatus, {50});
    Roll(PriorsRoll::kFatherStatus, {50});
    Roll(PriorsRoll::kMotherQuality, {70});
    Roll(PriorsRoll::kFatherQuality, {70});
    Roll(PriorsRoll::kFamilyHeritage, {50});
    SetSiblingLine(5, "This sibling is male");
    const std::size_t before = Lines().size();
    EXPECT_EQ(Roll(PriorsRoll::kSiblings, {96, 2, 11, 80, 14, 99, 71, 75, 1, 1, 50, 1, 15}),
              (std::vector<PriorsRow>{{"Number of Siblings:", "2 illigitimate siblings"}}));
    EXPECT_EQ(current_character.siblings, -2);
    EXPECT_STREQ(current_character.sibling[0],
                 "This sibling is female, dead, a bitter rival, and is an identical twin. Bi");
    EXPECT_STREQ(current_character.sibling[1],
                 "This sibling is male, alive, a normal relationship, and not a twin. Siblin");
    EXPECT_STREQ(current_character.sibling[5], "");
    const std::vector<std::string> lines = LinesFrom(before);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "for quantity of siblings (d100): rolled 96 = 1d4 illigitimate siblings");
    EXPECT_EQ(lines[1], "for quantity of illigitimate siblings (d4): rolled 2");
    EXPECT_EQ(lines[4],
              "for nature of relationship with sibling 1 (d100): rolled 24 (14+10), sibling is a "
              "bitter rival");
    EXPECT_EQ(lines[5],
              "for twin possibility with sibling 1 (d100+10): rolled 99, sibling is and is an "
              "identical twin");
    EXPECT_EQ(lines[6], "for nature of illigitimate siblings birth sibling 1 (d100): rolled 61, "
                        "sibling is Birth was the result of an adultrous affair");
    EXPECT_EQ(
        lines[7],
        "for known or unknown status of sibling 1 father (d100): rolled 75, sibling is known");
    EXPECT_EQ(lines[12], "for nature of illigitimate siblings birth sibling 2 (d100): rolled 5, "
                         "sibling is Sibling was abandoned at birth");
    EXPECT_EQ(port.questions.back().caption, "Rolling for nature of illigitimate siblings birth");
    EXPECT_EQ(step.NextRoll(), PriorsRoll::kBirthOrder);
}

TEST_F(PriorsStepTest, NoSiblingsMeansNoBirthOrder) {
    RollBody();
    Roll(PriorsRoll::kLegitimacy, {95, 1});
    Roll(PriorsRoll::kFamilyHeritage, {50});
    EXPECT_EQ(Roll(PriorsRoll::kSiblings, {15}),
              (std::vector<PriorsRow>{{"Number of Siblings:", "0 siblings"}}));
    EXPECT_EQ(step.NextRoll(), PriorsRoll::kNone);
    EXPECT_EQ(current_character.birth_order, "");
    EXPECT_EQ(Lines().back(), "for quantity of siblings (d100): rolled 15 = 0 siblings");
}

} // namespace
