#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "priors_step_fixture.h"

// The rolls of the background step one by one, as the step's buttons make them; the tables
// themselves are checked band by band in priors_tables_test.cpp.
namespace {

using R = PriorsRoll;

// Rolls from a fresh record (the body first where a case starts at the birth): the rows shown, the
// questions, the log lines and what the record and the step hold after, against the reviewed golden
// tests/golden/priors_rolls.txt.
TEST_F(PriorsStepTest, RollsMatchTheReviewedTranscripts) {
    const auto dex = [](int score) { return [=] { current_character.dexterity_base = score; }; };
    const auto named = [this](const char* name, int dexterity) {
        return [=, this] {
            race.name = name;
            current_character.dexterity_base = dexterity;
        };
    };
    const struct {
        const char* name;
        std::vector<std::pair<PriorsRoll, std::vector<long>>> rolls;
        std::function<void()> arrange = nullptr;
    } cases[] = {
        {"Dexterity 15 is not yet high", {{R::kAge, {1}}, {R::kHandedness, {12}}}, dex(15)},
        {"Dexterity 16 is", {{R::kAge, {1}}, {R::kHandedness, {12}}}, dex(16)},
        {"a dwarf", {{R::kAge, {1}}, {R::kHandedness, {2}}}, named("Hill Dwarf", 10)},
        {"small folk with a high Dexterity are never left-handed",
         {{R::kAge, {1}}, {R::kHandedness, {1}}},
         named("Gnome Titan", 16)},
        {"an elf is ambidextrous without a roll",
         {{R::kAge, {1}}, {R::kHandedness, {}}},
         named("Half-Elf", 3)},
        {"a slave rolls the nature of the slave class",
         {{R::kAge, {1}},
          {R::kHandedness, {50}},
          {R::kHeight, {2}},
          {R::kWeight, {3}},
          {R::kSocialClass, {1, 16}}},
         [] { program_data.money_roll_modifier = 4; }},
        {"90 with the race's 5 is legitimate",
         {{R::kLegitimacy, {85}}},
         [this] { race.illigitmod = 5; }},
        {"86 is not", {{R::kLegitimacy, {86, 40}}}, [this] { race.illigitmod = 5; }},
        {"abandoned", {{R::kLegitimacy, {95, 5}}}},
        {"circumstance 6", {{R::kLegitimacy, {95, 6}}}},
        {"an affair, father unknown", {{R::kLegitimacy, {95, 61, 75}}}},
        {"an affair, father known", {{R::kLegitimacy, {95, 90, 76}}}},
        {"circumstance 91", {{R::kLegitimacy, {95, 91, 25}}}},
        {"circumstance 100", {{R::kLegitimacy, {95, 100, 26}}}},
        {"the race's modifier on the circumstance",
         {{R::kLegitimacy, {91, 75, 20}}},
         [this] { race.illigitbirthmod = -10; }},
        {"a father unknown skips the mother's quality",
         {{R::kLegitimacy, {95, 10}}, {R::kMotherStatus, {50}}}},
        {"mother 81-90 leaves the father to his roll",
         {{R::kLegitimacy, {50}}, {R::kMotherStatus, {81}}}},
        {"mother 91-100 takes the father with her",
         {{R::kLegitimacy, {50}}, {R::kMotherStatus, {91}}}},
        {"the father's own roll overwrites it and brings a step mother roll",
         {{R::kLegitimacy, {50}}, {R::kMotherStatus, {100}}, {R::kFatherStatus, {80}}}},
        // The step mother's line reads "Rolling" even for the 81 the player typed.
        {"a step mother",
         {{R::kLegitimacy, {50}},
          {R::kMotherStatus, {90}},
          {R::kFatherStatus, {2}},
          {R::kStepMother, {15, 81}}}},
        {"a dead father and a living mother: no step father",
         {{R::kLegitimacy, {50}},
          {R::kMotherStatus, {80}},
          {R::kFatherStatus, {81}},
          {R::kStepFather, {14}}}},
        {"both alive", {{R::kLegitimacy, {50}}, {R::kMotherStatus, {2}}, {R::kFatherStatus, {80}}}},
        {"both dead",
         {{R::kLegitimacy, {50}}, {R::kMotherStatus, {85}}, {R::kFatherStatus, {100}}}},
        {"illegitimate siblings, the lines cut to 74 characters",
         {{R::kLegitimacy, {50}},
          {R::kMotherStatus, {50}},
          {R::kFatherStatus, {50}},
          {R::kMotherQuality, {70}},
          {R::kFatherQuality, {70}},
          {R::kFamilyHeritage, {50}},
          {R::kSiblings, {96, 2, 11, 80, 14, 99, 71, 75, 1, 1, 50, 1, 15}}},
         [] { SetSiblingLine(5, "This sibling is male"); }},
        {"no siblings, no birth order",
         {{R::kLegitimacy, {95, 1}}, {R::kFamilyHeritage, {50}}, {R::kSiblings, {15}}}},
    };
    std::ostringstream out;
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        port.questions.clear();
        step = PriorsStep();
        if (c.arrange) {
            c.arrange();
        }
        if (c.rolls.front().first != R::kAge) {
            RollBody();
        }
        SCOPED_TRACE(c.name);
        out << "== " << c.name << '\n';
        const std::size_t before = Lines().size();
        const std::size_t asked = port.questions.size();
        for (const auto& [roll, entries] : c.rolls) {
            EXPECT_EQ(step.NextRoll(), roll) << c.name;
            for (const PriorsRow& row : Roll(roll, entries)) {
                out << "row " << row.caption << ' ' << row.text << '\n';
            }
        }
        for (std::size_t i = asked; i < port.questions.size(); ++i) {
            out << "asked " << port.questions[i].caption << " | " << port.questions[i].prompt
                << '\n';
        }
        const std::vector<std::string> lines = Lines();
        for (std::size_t i = before; i < lines.size(); ++i) {
            out << "log " << lines[i] << '\n';
        }
        const Character_Class& r = current_character;
        out << "hand " << r.handedness << " | class " << r.social_class << " #" << r.social_id
            << " | money " << program_data.money_roll_modifier << " honor "
            << program_data.honor_roll_modifier << " | birth " << r.legitimacy_code << ' '
            << r.legitimacy_of_birth << ", " << r.circumstance_of_birth << "\nmother "
            << r.mother_code << " '" << r.mother_status << "' father " << r.father_code << " '"
            << r.father_status << "' step '" << r.stepparent << "' | siblings " << r.siblings
            << " '" << r.sibling[0] << "' '" << r.sibling[1] << "' '" << r.sibling[5]
            << "' | order '" << r.birth_order << "' | next " << PriorsButtonLabel(step.NextRoll())
            << '\n';
    }
    ExpectMatchesGolden("priors_rolls.txt", out.str());
}

} // namespace
