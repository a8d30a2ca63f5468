#include <algorithm>
#include <utility>

#include "core/wizard/cherry_pick_step.h"
#include "quirk_step_fixture.h"

namespace {

class CherryPickTest : public QuirkStepTest {
protected:
    void SetUp() override {
        QuirkStepTest::SetUp();
        program_data.creation_stage = 6;
    }

    static bool Offers(const std::vector<std::string>& choices, const std::string& name) {
        return std::find(choices.begin(), choices.end(), name) != choices.end();
    }
};

// Two minor picks and a major one earn 8 BP; giving one back frees its slot and its BP.
TEST_F(CherryPickTest, TwoMinorsAndAMajorAndOneGivenBack) {
    CherryPickStep step;
    EXPECT_TRUE(step.AddMinor("Albino"));
    EXPECT_TRUE(step.AddMinor("Brittle Bones"));
    EXPECT_FALSE(step.AddMinor("Acne Scarred")); // both minor picks taken
    EXPECT_TRUE(step.AddMajor("Asthma"));
    EXPECT_FALSE(step.AddMajor("Bleeder"));
    EXPECT_EQ(step.PickList(), (std::vector<std::string>{"Albino", "Brittle Bones", "Asthma"}));
    EXPECT_TRUE(step.Remove("Albino"));
    EXPECT_FALSE(step.Remove("Albino")); // no longer picked
    EXPECT_FALSE(step.Remove(""));       // nothing selected
    EXPECT_EQ(step.minor_left, 1);
    EXPECT_EQ(step.major_left, 0);
    step.Continue();
    EXPECT_EQ(Listed(current_character.quirks.pHead.get()),
              (std::vector<std::string>{"Brittle Bones=1", "Asthma=1"}));
    ExpectTranscriptMatchesGolden();
}

TEST_F(CherryPickTest, AWomanCannotPickMalePatternBaldness) {
    race.sex = "Female";
    CherryPickStep step;
    EXPECT_FALSE(step.AddMinor("Male Pattern Baldness"));
    EXPECT_EQ(step.minor_left, 2);
    ExpectTranscriptMatchesGolden();
}

TEST_F(CherryPickTest, TheSameEntryTwiceOnlyUpToItsLimit) {
    CherryPickStep step;
    EXPECT_TRUE(step.AddMinor("Albino"));
    EXPECT_FALSE(step.AddMinor("Albino"));
    EXPECT_TRUE(step.Remove("Albino"));
    EXPECT_TRUE(step.AddMinor("Loss of Eye"));
    EXPECT_TRUE(step.AddMinor("Loss of Eye")); // a pair of eyes
    EXPECT_EQ(step.PickList(), std::vector<std::string>{"Loss of Eye (x2)"});
    step.Continue();
    ExpectTranscriptMatchesGolden();
}

TEST_F(CherryPickTest, FreeQuirksAreListedCountedAndLoggedForNothing) {
    const int arrogant = Entry("Arrogant");
    const int eye = Entry("Loss of Eye");
    current_character.quirk_count[arrogant] = 1;
    current_character.quirk_count[eye] = 1;
    CherryPickStep step;
    EXPECT_EQ(step.HeldList(), (std::vector<std::string>{"Loss of Eye", "Arrogant"}));
    EXPECT_FALSE(Offers(step.MinorChoices(), "Arrogant"));
    EXPECT_TRUE(Offers(step.MinorChoices(), "Loss of Eye"));
    EXPECT_FALSE(step.AddMinor("Arrogant"));
    EXPECT_TRUE(step.AddMinor("Loss of Eye"));
    EXPECT_FALSE(step.AddMinor("Loss of Eye")); // the free one counts against the pair
    step.Continue();
    EXPECT_EQ(Listed(current_character.quirks.pHead.get()),
              (std::vector<std::string>{"Loss of Eye=2", "Arrogant=1"}));
    ExpectTranscriptMatchesGolden();
}

TEST_F(CherryPickTest, ChoicesAreTheOpenEntriesOfTheBooksInUse) {
    CherryPickStep step;
    const auto minor = step.MinorChoices();
    const auto major = step.MajorChoices();
    EXPECT_TRUE(Offers(minor, "Albino"));
    EXPECT_FALSE(Offers(minor, "Asthma"));
    EXPECT_TRUE(Offers(major, "Asthma"));
    EXPECT_FALSE(Offers(minor, "Animal [type] Antipathy")); // a table reference
    EXPECT_FALSE(Offers(major, "Enmity toward [class]"));   // a placeholder
    EXPECT_FALSE(Offers(minor, "Chalk-Dust Cough"));        // Hexwright's Guide is off
    BooksToUse[kHexwrightsGuide] = 1;
    EXPECT_TRUE(Offers(step.MinorChoices(), "Chalk-Dust Cough"));
}

TEST_F(CherryPickTest, ASupplementEntryAsksFirstAndTiesTheClass) {
    BooksToUse[kHexwrightsGuide] = 1;
    CherryPickStep step;
    port.AnswerNo();
    EXPECT_FALSE(step.AddMinor("Chalk-Dust Cough"));
    EXPECT_EQ(step.minor_left, 2);
    port.AnswerYes();
    EXPECT_TRUE(step.AddMinor("Chalk-Dust Cough"));
    EXPECT_TRUE(step.Remove("Chalk-Dust Cough")); // giving it back asks nothing
    EXPECT_EQ(port.questions.size(), 2u);
    port.AnswerYes();
    step.AddMinor("Chalk-Dust Cough");
    step.Continue();
    EXPECT_TRUE(current_character.requires_hwg_class);
    EXPECT_FALSE(current_character.requires_wg_class);
    ExpectTranscriptMatchesGolden();
}

// A player holding picks is asked before they are dropped; "No" keeps them and the window.
TEST_F(CherryPickTest, RollingRandomlyAsksHowOftenAndDropsThePicks) {
    CherryPickStep step;
    step.AddMinor("Albino");
    port.AnswerNo();
    EXPECT_FALSE(step.RollRandomly());
    EXPECT_EQ(step.Picks(1), 1);
    port.AnswerYes();
    port.AnswerCancel();
    port.AnswerNumber(3);
    EXPECT_TRUE(step.RollRandomly());
    EXPECT_EQ(program_data.quirk_rolls_pending, 3);
    EXPECT_EQ(step.Picks(1), 0);
    EXPECT_EQ(current_character.quirk_count[1], 0);
    ExpectTranscriptMatchesGolden();
}

} // namespace
