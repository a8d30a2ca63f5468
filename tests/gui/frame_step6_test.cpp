#include <string>
#include <vector>

#include <wx/button.h>
#include <wx/stattext.h>

#include "core/data/race_data.h"
#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "gui/app/command_ids.h"
#include "gui/app/window_registry.h"
#include "gui/wizard/cherry_step7.h"
#include "gui/wizard/frame_step6.h"
#include "gui/wizard/frame_step7.h"
#include "gui_fixture.h"
#include "support/golden.h"

namespace {

// The window as the first step leaves it: a human at stage 5, whose player types every roll
// and has no BP to re-roll with.
class FrameStep6Test : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        race.name = "Human";
        race.baseage = 15;
        race.agedie = 4;
        race.agedierolls = 1;
        race.baseheight = 60;
        race.heightdie = 10;
        race.heightdierolls = 2;
        race.baseweight = 140;
        race.weightdie = 20;
        race.weightdierolls = 3;
        current_character.race_item = &race;
        current_character.charisma_base = 10;
        BooksToUse[kRollYourOwnDice] = 1;
        program_data.building_points = 0.0f;
        program_data.creation_stage = 5;
        step = OpenStep<FrameStep6>(kSlotStep6, "Character Creation: Roll Priors and Particulars",
                                    wxSize(500, 385));
    }

    // Presses the offered button, the player typing `entries`.
    void Press(PriorsRoll roll, const std::vector<long>& entries) {
        ASSERT_NE(step->RollButton(), nullptr);
        ASSERT_EQ(step->RollButton()->GetId(), FrameStep6::ButtonId(roll));
        for (long entry : entries) {
            port->AnswerNumber(entry);
        }
        Click(step, FrameStep6::ButtonId(roll));
        EXPECT_EQ(port->AnswersLeft(), 0u) << PriorsButtonLabel(roll);
    }

    CharacterRace race;
    FrameStep6* step = nullptr;
};

TEST_F(FrameStep6Test, OpensWithTheBeginButtonAndContinueWaitsForARoll) {
    ASSERT_NE(step->RollButton(), nullptr);
    EXPECT_TRUE(step->Rows().empty());
    EXPECT_FALSE(step->ContinueButton()->IsEnabled());
    ExpectMatchesGolden("window_priors_opened.txt", Captions(step));
    Menu(step, ID_Continue);
    Flush();
    EXPECT_EQ(VexlFrames[kSlotStep6], step);
    EXPECT_EQ(program_data.creation_stage, 5);
    Menu(step, ID_Abort);
    Flush();
    EXPECT_EQ(VexlFrames[kSlotStep6], nullptr);
    EXPECT_EQ(program_data.creation_stage, 0);
}

// The longest background there is (an illegitimate birth, a step mother, both qualities and
// siblings): fifteen rows, each button giving way to the next, then on to the rolling of the
// free quirks the parents and the middle place have earned.
TEST_F(FrameStep6Test, AWholeBackgroundThenOnToTheOwedQuirkRolls) {
    const struct {
        PriorsRoll roll;
        std::vector<long> entries;
        const char* next_button;
    } presses[] = {
        {PriorsRoll::kAge, {3}, "Roll Handedness"},
        {PriorsRoll::kHandedness, {23}, "Roll Height"},
        {PriorsRoll::kHeight, {11}, "Roll Weight"},
        {PriorsRoll::kWeight, {30}, "Roll Social Class"},
        {PriorsRoll::kSocialClass, {50}, "Roll Legitimacy of Birth"},
        {PriorsRoll::kLegitimacy, {95, 70, 80}, "Roll Status of Mother"},
        {PriorsRoll::kMotherStatus, {85}, "Roll Status of Father"},
        {PriorsRoll::kFatherStatus, {50}, "Roll for Step Mother"},
        {PriorsRoll::kStepMother, {15, 81}, "Roll Quality of Mother"},
        {PriorsRoll::kMotherQuality, {60}, "Roll Quality of Father"},
        {PriorsRoll::kFatherQuality, {26}, "Roll Family Heritage"},
        {PriorsRoll::kFamilyHeritage, {50}, "Roll for number of Siblings"},
        {PriorsRoll::kSiblings, {36, 3, 5, 50, 10, 15, 90, 80, 96}, "Roll for Order of Birth"},
        {PriorsRoll::kBirthOrder, {50}, nullptr},
    };
    for (const auto& press : presses) {
        wxButton* pressed = step->RollButton();
        Press(press.roll, press.entries);
        EXPECT_FALSE(pressed->IsShown()) << PriorsButtonLabel(press.roll);
        if (press.next_button) {
            ASSERT_NE(step->RollButton(), nullptr);
            EXPECT_EQ(step->RollButton()->GetLabel(), press.next_button);
            EXPECT_TRUE(step->RollButton()->IsShown());
        } else {
            EXPECT_EQ(step->RollButton(), nullptr);
        }
    }
    // Fifteen rows 20 pixels apart, all inside the window.
    ExpectMatchesGolden("window_priors_whole_background.txt", Captions(step));
    ASSERT_EQ(step->Rows().size(), 15u);
    for (std::size_t i = 0; i < step->Rows().size(); ++i) {
        const wxRect row = step->Rows()[i].value->GetRect();
        EXPECT_EQ(row.y - step->Rows()[0].value->GetPosition().y, static_cast<int>(20 * i));
        EXPECT_LE(row.GetBottom(), step->GetClientSize().y) << i;
    }
    EXPECT_EQ(CutOrCrowdedLabels(step), std::vector<std::string>{});
    EXPECT_TRUE(step->ContinueButton()->IsEnabled());
    EXPECT_EQ(step->ContinueButton()->GetPosition().x, step->Rows().back().value->GetPosition().x)
        << "in the place of the roll buttons";
    port->AnswerChoice(0); // the abusive mother's major quirk: 6G
    port->AnswerChoice(0); // the middle child's personality quirk: 6H
    Click(step, ID_Continue);
    Flush();
    EXPECT_EQ(program_data.creation_stage, 6);
    EXPECT_EQ(program_data.quirk_rolls_pending, 2);
    EXPECT_EQ(VexlFrames[kSlotStep6], nullptr);
    auto* next = dynamic_cast<FrameStep7*>(VexlFrames[kSlotStep7]);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->GetTitle(), "Character Creation: Quirks and Flaws (Cherry Picking)");
    EXPECT_EQ(next->GetSize(), wxSize(550, 550));
    EXPECT_EQ(port->branches_updated.back(), "Prior and Particulars");

    // Two rolls are still owed, so the rolling window's Continue leaves the creation where it is.
    Menu(next, ID_Continue);
    Flush();
    EXPECT_EQ(VexlFrames[kSlotStep7], next);
    EXPECT_EQ(program_data.creation_stage, 6);
}

TEST_F(FrameStep6Test, NothingOwedGoesOnToCherryPicking) {
    Press(PriorsRoll::kAge, {2});
    Menu(step, ID_Continue);
    Flush();
    EXPECT_EQ(program_data.creation_stage, 6);
    auto* next = dynamic_cast<CherryStep7*>(VexlFrames[kSlotStep7]);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->GetTitle(), "Character Creation: Quirks and Flaws (Cherry Picking)");
    EXPECT_EQ(next->GetSize(), wxSize(550, 365));
    // Closing it any way but Continue ends the creation.
    Menu(next, ID_Abort);
    Flush();
    EXPECT_EQ(VexlFrames[kSlotStep7], nullptr);
    EXPECT_EQ(program_data.creation_stage, 0);
}

} // namespace
