#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "priors_step_fixture.h"

// The rolls of the background step one by one, as the step's buttons make them; the tables
// themselves are checked band by band in priors_tables_test.cpp.
namespace {

using R = PriorsRoll;
using Texts = std::vector<std::string>;

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
        step = PriorsStep();
        Roll(R::kAge, {1});
        Roll(R::kHandedness, {c.roll});
        EXPECT_EQ(current_character.handedness, c.hand) << c.race << " " << c.dexterity;
    }
}

TEST_F(PriorsStepTest, AnElfIsAmbidextrousWithoutARoll) {
    race.name = "Half-Elf";
    current_character.dexterity_base = 3;
    Roll(R::kAge, {1});
    EXPECT_EQ(Roll(R::kHandedness, {}), (std::vector<PriorsRow>{{"Handeness:", "Ambidextrous"}}));
    EXPECT_EQ(port.questions.size(), 1u);
    EXPECT_EQ(Lines().size(), 1u);
    EXPECT_EQ(step.NextRoll(), R::kHeight);
}

TEST_F(PriorsStepTest, ASlaveRollsTheNatureOfTheSlaveClass) {
    Roll(R::kAge, {1});
    Roll(R::kHandedness, {50});
    Roll(R::kHeight, {2});
    Roll(R::kWeight, {3});
    program_data.money_roll_modifier = 4;
    const std::size_t before = Lines().size();
    Roll(R::kSocialClass, {1, 16});
    EXPECT_EQ(current_character.social_class, "Slave Class");
    EXPECT_EQ(current_character.social_id, 3);
    EXPECT_EQ(program_data.money_roll_modifier, -16);
    EXPECT_EQ(program_data.honor_roll_modifier, -10);
    EXPECT_EQ(port.questions.back().caption, "Rolling for nature of slave class");
    EXPECT_EQ(port.questions.back().prompt, "1d20");
    EXPECT_EQ(LinesFrom(before),
              (Texts{"for Social Class (d100): rolled 1 = Slave Class",
                     "for nature of Slave Class (d20): rolled 16 = banished",
                     "Applying Modifier to Money Roll based on Social Class Slave Class 4-20=-16",
                     "Applying Modifier to Starting Honor based on Social Class Slave Class "
                     "0-10=-10"}));
}

TEST_F(PriorsStepTest, LegitimacyAddsTheRaceModifierAndTurnsAbove90) {
    race.illigitmod = 5;
    RollBody();
    Roll(R::kLegitimacy, {85});
    EXPECT_EQ(current_character.legitimacy_of_birth, "Legitimate");
    EXPECT_EQ(current_character.circumstance_of_birth, "N/A");
    EXPECT_EQ(Lines().back(), "for Legitimacy of Birth (d100): rolled 90 (85+5), Legitimate");
    EXPECT_EQ(step.NextRoll(), R::kMotherStatus);

    RestartWithBody();
    EXPECT_EQ(Roll(R::kLegitimacy, {86, 40}),
              (std::vector<PriorsRow>{
                  {"Legitimacy of Birth:", "Illegitimate"},
                  {"Nature of Illigitimacy:", "mother was a prostitute, father unknown"}}));
}

// The circumstances of an illegitimate birth settle who the parents are, the honor modifier
// and which parent's status is rolled first.
TEST_F(PriorsStepTest, IllegitimateBirthsSettleTheParents) {
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
        RestartWithBody();
        Roll(R::kLegitimacy, c.entries);
        EXPECT_EQ(record.legitimacy_code, c.abandoned);
        EXPECT_EQ(record.mother_code, c.mother);
        EXPECT_EQ(record.father_code, c.father);
        EXPECT_EQ(record.mother_status, c.mother_status);
        EXPECT_EQ(record.father_status, c.father_status);
        EXPECT_EQ(program_data.honor_roll_modifier, c.honor);
        EXPECT_EQ(step.NextRoll(), c.next);
    }
}

TEST_F(PriorsStepTest, TheCircumstanceLinesNameTheModifierAndTheExtension) {
    race.illigitbirthmod = -10;
    RollBody();
    const std::size_t before = Lines().size();
    Roll(R::kLegitimacy, {91, 75, 20});
    EXPECT_EQ(LinesFrom(before),
              (Texts{"for Legitimacy of Birth (d100): rolled 91 (91+0), Illegitimate",
                     "for circumstances of illigitimate birth (d100-10): rolled 65 = birth was "
                     "the result of an adultrous affair",
                     "for circumstances of illigitimate birth (extension) (d100): rolled 20, "
                     "birth was the result of an adultrous affair: father unknown",
                     "Applying Modifier to Starting Honor based on Circumstance of Birth birth "
                     "was the result of an adultrous affair 0-3=-3"}));
    EXPECT_EQ(port.questions.back().caption,
              "Rolling for circumstances of illigitimate birth (extension)");
}

// From a legitimate birth: the parents' statuses and the step parents they call for. Each
// list of entries is typed for the roll the step offers next.
TEST_F(PriorsStepTest, ParentsStatusesAndStepParents) {
    const struct {
        std::vector<std::vector<long>> entries;
        int mother, father;
        const char* father_status;
        const char* stepparent;
        PriorsRoll next;
    } cases[] = {
        {{{81}}, 0, 1, "Unknown", "N/A", R::kFatherStatus}, // the father is left to his roll
        {{{91}}, 0, 0, "Dead", "N/A", R::kFatherStatus},    // the mother takes him with her
        {{{100}, {80}}, 0, 1, "Alive", "N/A", R::kStepMother},
        {{{90}, {1}, {14}}, 0, 1, "Celebrity", "No", R::kMotherQuality},
        {{{90}, {2}, {15, 81}}, 2, 1, "Alive", "Step Mother is dead", R::kMotherQuality},
        {{{80}, {81}, {14}}, 1, 0, "Dead", "No", R::kMotherQuality},
        {{{2}, {80}}, 1, 1, "Alive", "N/A", R::kMotherQuality},
        {{{85}, {100}}, 0, 0, "Dead", "N/A", R::kMotherQuality},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entries.size() * 1000 + c.entries[0][0]);
        current_character.mother_code = current_character.father_code = 0;
        RestartWithBody();
        Roll(R::kLegitimacy, {50});
        for (const std::vector<long>& entries : c.entries) {
            Roll(step.NextRoll(), entries);
        }
        EXPECT_EQ(current_character.mother_code, c.mother);
        EXPECT_EQ(current_character.father_code, c.father);
        EXPECT_EQ(current_character.father_status, c.father_status);
        EXPECT_EQ(current_character.stepparent, c.stepparent);
        EXPECT_EQ(step.NextRoll(), c.next);
    }
}

// The step mother's status line always reads "Rolling", even for a number the player typed.
TEST_F(PriorsStepTest, TheStepMothersLineAlwaysReadsRolling) {
    RollBody();
    Roll(R::kLegitimacy, {50});
    Roll(R::kMotherStatus, {85});
    Roll(R::kFatherStatus, {50});
    Roll(R::kStepMother, {20, 1});
    ASSERT_NE(port.questions.back().value, 1) << "choose another clock: the die showed 1";
    EXPECT_EQ(RawLines().back(), "BP=0.0    | Rolling for status of step parent (d100): rolled "
                                 "1 = Step Mother is a celebrity ");
    EXPECT_EQ(current_character.mother_code, 2);
}

TEST_F(PriorsStepTest, AFatherUnknownSkipsTheMothersQuality) {
    RollBody();
    Roll(R::kLegitimacy, {95, 10});
    Roll(R::kMotherStatus, {50});
    EXPECT_EQ(step.NextRoll(), R::kFamilyHeritage);
}

// Illegitimate siblings: a negative count, and a fifth part (and a sixth for an affair) on
// each line, which is cut to the 74 characters it holds.
TEST_F(PriorsStepTest, IllegitimateSiblingsGetTheNatureOfTheirBirth) {
    RollBody();
    for (R roll : {R::kLegitimacy, R::kMotherStatus, R::kFatherStatus, R::kMotherQuality,
                   R::kFatherQuality, R::kFamilyHeritage}) {
        Roll(roll, {50});
    }
    SetSiblingLine(5, "This sibling is male");
    const std::size_t before = Lines().size();
    EXPECT_EQ(Roll(R::kSiblings, {96, 2, 11, 80, 14, 99, 71, 75, 1, 1, 50, 1, 15}),
              (std::vector<PriorsRow>{{"Number of Siblings:", "2 illigitimate siblings"}}));
    EXPECT_EQ(current_character.siblings, -2);
    EXPECT_STREQ(current_character.sibling[0],
                 "This sibling is female, dead, a bitter rival, and is an identical twin. Bi");
    EXPECT_STREQ(current_character.sibling[5], "");
    const Texts lines = LinesFrom(before);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[1], "for quantity of illigitimate siblings (d4): rolled 2");
    EXPECT_EQ(lines[6], "for nature of illigitimate siblings birth sibling 1 (d100): rolled 61, "
                        "sibling is Birth was the result of an adultrous affair");
    EXPECT_EQ(
        lines[7],
        "for known or unknown status of sibling 1 father (d100): rolled 75, sibling is known");
    EXPECT_EQ(lines[12], "for nature of illigitimate siblings birth sibling 2 (d100): rolled 5, "
                         "sibling is Sibling was abandoned at birth");
    EXPECT_EQ(port.questions.back().caption, "Rolling for nature of illigitimate siblings birth");
    EXPECT_EQ(step.NextRoll(), R::kBirthOrder);
}

TEST_F(PriorsStepTest, NoSiblingsMeansNoBirthOrder) {
    RollBody();
    Roll(R::kLegitimacy, {95, 1});
    Roll(R::kFamilyHeritage, {50});
    EXPECT_EQ(Roll(R::kSiblings, {15}),
              (std::vector<PriorsRow>{{"Number of Siblings:", "0 siblings"}}));
    EXPECT_EQ(step.NextRoll(), R::kNone);
    EXPECT_EQ(current_character.birth_order, "");
}

} // namespace
