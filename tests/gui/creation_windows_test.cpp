// The first creation windows: ability scores and race, then priors and particulars.
#include <string>
#include <vector>

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/data/race_data.h"
#include "core/dice/dice.h"
#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "gui/base/command_ids.h"
#include "gui/base/number_entry.h"
#include "gui/base/window_registry.h"
#include "gui/wizard/cherry_step7.h"
#include "gui/wizard/frame_step3.h"
#include "gui/wizard/frame_step6.h"
#include "gui/wizard/frame_step7.h"
#include "gui_fixture.h"
#include "support/golden.h"
#include "support/race_fixtures.h"

namespace {

class FrameStep3Test : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteRaceFile(workspace, "Human_Male", {.name = "Human", .languages = {"Common", "Trade"}});
        WriteRaceFile(workspace, "Dwarf_Female",
                      {.name = "Dwarf",
                       .sex = "Female",
                       .adjustments = {0, 0, 1, 0, 0, -1, 0},
                       .bp = 3,
                       .languages = {"Dwarven", "Common"}});
        CRace.LoadRace();
        Menu(main_window, ID_NewCharacter);
        step = dynamic_cast<FrameStep3*>(VexlFrames[kSlotStep3]);
        ASSERT_NE(step, nullptr);
    }

    FrameStep3* step = nullptr;
};

TEST_F(FrameStep3Test, RollBurnChooseARaceAndContinue) {
    const std::string opened = Captions(step);
    // 3d6 and a d100 for each score, Strength first: 4 + 6 + 4.
    QueueDieFaces(
        {4, 6, 4, 79, 1, 6, 3, 17, 6, 5, 6, 95, 6, 1, 4, 3, 5, 5, 2, 52, 4, 3, 6, 41, 3, 3, 3, 74});
    Click(step, ID_Step3Roll);
    EXPECT_EQ(step->ScoreBox(0)->GetValue(), "14");
    EXPECT_EQ(step->RaceList()->GetCount(), 2u);
    Click(step, ID_Step3ContinueButton); // no race chosen: the window stays
    Flush();
    ASSERT_EQ(VexlFrames[kSlotStep3], step);

    // The burn column's fifth radio is Wisdom: a score above the floor always burns.
    current_character.wisdom_base = 12;
    auto* wisdom = dynamic_cast<wxRadioButton*>(step->FindWindow(ID_Step3FirstRadio + 12 + 4));
    ASSERT_NE(wisdom, nullptr);
    wisdom->SetValue(true);
    wxCommandEvent chosen(wxEVT_RADIOBUTTON, wisdom->GetId());
    wisdom->ProcessWindowEvent(chosen);
    Click(step, ID_Step3Burn);
    EXPECT_EQ(current_character.wisdom_base, 11);
    EXPECT_EQ(step->BuildingPointsBox()->GetValue(), "2  ");

    // Both races admit the scores; the dwarf, second on the list, is chosen.
    for (int32_t* score : current_character.Scores()) {
        *score = 10;
    }
    Click(step, ID_Step3Adjust); // Strength to Strength: nothing traded, list rebuilt
    ASSERT_EQ(step->RaceList()->GetCount(), 2u);
    Pick(step->RaceList(), "Dwarf, Female");
    // Opened, then with the dwarf's adjustments, BP and language shown.
    ExpectMatchesGolden("window_step3.txt", opened + "picked:\n" + Captions(step));

    Menu(step, ID_Continue);
    Flush();
    EXPECT_EQ(program_data.creation_stage, 5);
    EXPECT_EQ(current_character.race, "Dwarf");
    EXPECT_EQ(VexlFrames[kSlotStep3], nullptr);
}

// Whether the box's validator lets the key through to the box.
bool TakesKey(wxTextCtrl* box, wxChar key) {
    wxValidator* validator = box->GetValidator();
    if (!validator) {
        return true;
    }
    wxKeyEvent press(wxEVT_CHAR);
    press.m_keyCode = key;
    press.m_uniChar = key;
    press.SetEventObject(box);
    return !validator->ProcessEvent(press);
}

// The typed boxes and the number dialog take digits only. The dialog takes as many as are
// typed, and OK refuses a number beyond its range, saying which, with the typed text kept.
TEST_F(FrameStep3Test, NumberFieldsTakeDigitsOnlyAndTheDialogRefusesWhatIsOutOfRange) {
    NumberEntryDialog own_roll(step, "Rolling for starting money", "1d100",
                               "Enter your own Dice Roll", 50, 1, 100);
    for (wxTextCtrl* box : {step->ScoreBox(0), step->PercentileBox(6), own_roll.Entry()}) {
        box->ChangeValue("");
        EXPECT_TRUE(TakesKey(box, '3'));
        EXPECT_FALSE(TakesKey(box, 'z'));
        EXPECT_FALSE(TakesKey(box, '-'));
    }
    own_roll.Entry()->ChangeValue("15");
    own_roll.Entry()->SetInsertionPointEnd();
    EXPECT_TRUE(TakesKey(own_roll.Entry(), '0'));
    for (const std::string typed : {"150", "", "0", "100"}) {
        const std::string refusal = typed == "100" ? "" : "Enter a number from 1 to 100";
        own_roll.Show();
        own_roll.Entry()->ChangeValue(typed);
        Click(&own_roll, wxID_OK);
        EXPECT_EQ(own_roll.Refusal(), refusal) << typed;
        EXPECT_EQ(own_roll.IsShown(), !refusal.empty()) << typed;
        EXPECT_EQ(own_roll.Entry()->GetValue(), typed);
    }
}

// The window as the first step leaves it: a human at stage 5, whose player types every roll
// and has no BP to re-roll with.
class FrameStep6Test : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        race.name = "Human";
        GiveHumanBodyDice(race);
        current_character.race_item = &race;
        current_character.charisma_base = 10;
        BooksToUse[kRollYourOwnDice] = 1;
        program_data.building_points = 0.0f;
        program_data.creation_stage = 5;
        step = OpenStep<FrameStep6>(kSlotStep6, "Character Creation: Roll Priors and Particulars",
                                    wxSize(500, 385));
    }

    CharacterRace race;
    FrameStep6* step = nullptr;
};

// Continue waits for a roll; with no quirk owed it goes on to cherry picking.
TEST_F(FrameStep6Test, ContinueWaitsForARollThenGoesOnToCherryPicking) {
    EXPECT_FALSE(step->ContinueButton()->IsEnabled());
    ExpectMatchesGolden("window_priors_opened.txt", Captions(step));
    Menu(step, ID_Continue);
    Flush();
    EXPECT_EQ(VexlFrames[kSlotStep6], step);
    port->AnswerNumber(2);
    Click(step, step->RollButton()->GetId());
    Menu(step, ID_Continue);
    Flush();
    EXPECT_NE(dynamic_cast<CherryStep7*>(VexlFrames[kSlotStep7]), nullptr);
}

// The longest background there is (an illegitimate birth, a step mother, both qualities and
// siblings): fifteen rows, each button giving way to the next, then on to the rolling of the
// free quirks the parents and the middle place have earned.
TEST_F(FrameStep6Test, AWholeBackgroundThenOnToTheOwedQuirkRolls) {
    for (long entry : {3,  23, 11, 30, 50, 95, 70, 80, 85, 50, 15, 81, 60,
                       26, 50, 36, 3,  5,  50, 10, 15, 90, 80, 96, 50}) {
        port->AnswerNumber(entry);
    }
    std::string buttons;
    for (wxButton* button = step->RollButton(); button; button = step->RollButton()) {
        buttons += "pressed: " + button->GetLabel().utf8_string() + "\n";
        Click(step, button->GetId());
        EXPECT_FALSE(button->IsShown());
    }
    EXPECT_EQ(port->AnswersLeft(), 0u);
    // Fifteen rows and Continue, none cut by the window or crowding another.
    ExpectMatchesGolden("window_priors_whole_background.txt", buttons + Captions(step));
    ASSERT_EQ(step->Rows().size(), 15u);
    EXPECT_EQ(step->ContinueButton()->GetPosition().x, step->Rows().back().value->GetPosition().x)
        << "in the place of the roll buttons";
    port->AnswerChoice(0); // the abusive mother's major quirk: 6G
    port->AnswerChoice(0); // the middle child's personality quirk: 6H
    Click(step, ID_Continue);
    Flush();
    EXPECT_EQ(program_data.creation_stage, 6);
    EXPECT_EQ(program_data.quirk_rolls_pending, 2);
    EXPECT_NE(dynamic_cast<FrameStep7*>(VexlFrames[kSlotStep7]), nullptr);
    EXPECT_EQ(port->branches_updated.back(), "Prior and Particulars");
}

} // namespace
