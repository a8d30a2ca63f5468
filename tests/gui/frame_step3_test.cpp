#include <cstdlib>
#include <filesystem>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/data/race_data.h"
#include "core/dice/vexl_random.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "gui/app/command_ids.h"
#include "gui/app/number_entry.h"
#include "gui/app/window_registry.h"
#include "gui/wizard/frame_step3.h"
#include "gui/wizard/frame_step6.h"
#include "gui_fixture.h"
#include "support/race_fixtures.h"
#include "window_screenshot.h"

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

    void Radio(int index) {
        auto* radio = dynamic_cast<wxRadioButton*>(step->FindWindow(ID_Step3FirstRadio + index));
        ASSERT_NE(radio, nullptr);
        radio->SetValue(true);
        wxCommandEvent event(wxEVT_RADIOBUTTON, radio->GetId());
        event.SetEventObject(radio);
        radio->ProcessWindowEvent(event);
    }

    void ChooseRace(const wxString& entry) {
        const int index = step->RaceList()->FindString(entry);
        ASSERT_NE(index, wxNOT_FOUND) << entry.utf8_str();
        step->RaceList()->SetSelection(index);
        wxCommandEvent event(wxEVT_LISTBOX, ID_Step3RaceList);
        event.SetEventObject(step->RaceList());
        event.SetInt(index);
        step->RaceList()->ProcessWindowEvent(event);
    }

    FrameStep3* step = nullptr;
};

TEST_F(FrameStep3Test, WindowShowsItsControlsAndMenu) {
    EXPECT_EQ(step->GetTitle(), "Character Creation: Roll Ability Scores and choose race");
    EXPECT_EQ(step->GetSize(), wxSize(500, 315));
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(step->ScoreBox(i)->GetValue(), "0");
        EXPECT_EQ(step->PercentileBox(i)->GetValue(), "0");
        EXPECT_EQ(step->RaceLabel(i)->GetLabel(), "");
    }
    EXPECT_EQ(step->BuildingPointsBox()->GetValue(), "0  ");
    EXPECT_EQ(CutOrCrowdedLabels(step), std::vector<std::string>{});
    EXPECT_EQ(step->RaceList()->GetCount(), 0u);
    const struct {
        int id;
        const char* button;
        const char* item;
        const char* help;
    } commands[] = {
        {ID_Step3Roll, "Roll", "&Roll", "Roll those dice!"},
        {ID_Step3Apply, "Apply", "&Apply", "Override rolled numbers with numbers in boxes"},
        {ID_Step3Adjust, "Adjust", "A&djust", "Adjust two abilities"},
        {ID_Step3Burn, "Burn", "&Burn", "Burn an ability score for 2 BP"},
    };
    wxMenu* menu = step->GetMenuBar()->GetMenu(0);
    ASSERT_EQ(menu->GetMenuItemCount(), 6u); // the four, then the shared Continue and Abort
    for (std::size_t i = 0; i < 4; ++i) {
        wxMenuItem* item = menu->FindItemByPosition(i);
        EXPECT_EQ(item->GetId(), commands[i].id);
        EXPECT_EQ(item->GetItemLabel(), commands[i].item);
        EXPECT_EQ(item->GetHelp(), commands[i].help);
        if (commands[i].button) {
            EXPECT_EQ(step->FindWindow(commands[i].id)->GetLabel(), commands[i].button);
        }
    }
    EXPECT_EQ(step->FindWindow(ID_Step3ContinueButton)->GetLabel(), "Continue");
    int radios = 0;
    for (int id = ID_Step3FirstRadio; id < ID_Step3FirstRadio + 19; ++id) {
        radios += dynamic_cast<wxRadioButton*>(step->FindWindow(id)) != nullptr;
    }
    EXPECT_EQ(radios, 19);
}

TEST_F(FrameStep3Test, RollBurnChooseARaceAndContinue) {
    SeedVexlrandAsClock(606);
    Click(step, ID_Step3Roll);
    EXPECT_EQ(step->ScoreBox(0)->GetValue(),
              wxString::Format("%i", current_character.strength_base));
    EXPECT_GT(step->RaceList()->GetCount(), 0u);

    // Burn the highest of two: a score above the floor always burns.
    current_character.wisdom_base = 12;
    Radio(12 + 4);
    Click(step, ID_Step3Burn);
    EXPECT_EQ(current_character.wisdom_base, 11);
    EXPECT_EQ(step->BuildingPointsBox()->GetValue(), "2  ");

    // Make sure both races admit the scores, then choose the dwarf.
    for (int32_t* score : current_character.Scores()) {
        *score = 10;
    }
    Click(step, ID_Step3Adjust); // Strength to Strength: nothing traded, list rebuilt
    ChooseRace("Dwarf, Female");
    EXPECT_EQ(step->RaceLabel(2)->GetLabel(), "+1");
    EXPECT_EQ(step->RaceLabel(5)->GetLabel(), "-1");
    EXPECT_EQ(step->RaceLabel(7)->GetLabel(), "+3");
    EXPECT_EQ(step->LanguageBox()->GetValue(), "Dwarven");
    SaveWindowScreenshot(step, "frame_step3_race_chosen.png");

    Menu(step, ID_Continue);
    Flush();
    EXPECT_EQ(program_data.creation_stage, 5);
    EXPECT_EQ(current_character.constitution_base, 11);
    EXPECT_EQ(current_character.charisma_base, 9);
    EXPECT_FLOAT_EQ(program_data.building_points, 5.0f);
    EXPECT_EQ(current_character.race, "Dwarf");
    EXPECT_EQ(SkillDataItem::pHead->name, "Language, Modern: Dwarven");
    EXPECT_EQ(VexlFrames[kSlotStep3], nullptr);
    auto* next = dynamic_cast<FrameStep6*>(VexlFrames[kSlotStep6]);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->GetTitle(), "Character Creation: Roll Priors and Particulars");
    EXPECT_EQ(next->GetSize(), wxSize(500, 385));
}

TEST_F(FrameStep3Test, ApplyWithTheOptionOffRestoresTheBoxes) {
    current_character.strength_base = 9;
    step->ScoreBox(0)->ChangeValue("18");
    Click(step, ID_Step3Apply);
    EXPECT_EQ(step->ScoreBox(0)->GetValue(), "9");
    EXPECT_EQ(current_character.strength_base, 9);
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

// The typed boxes and the own-roll dialog take digits only, and the dialog reads what is typed
// within its range.
TEST_F(FrameStep3Test, NumberFieldsTakeDigitsOnly) {
    NumberEntryDialog own_roll(step, "Rolling for Hit Points", "1d4", "Enter your roll", 1, 1, 4);
    for (wxTextCtrl* box : {step->ScoreBox(0), step->PercentileBox(6), own_roll.Entry()}) {
        box->ChangeValue("");
        EXPECT_TRUE(TakesKey(box, '3'));
        EXPECT_FALSE(TakesKey(box, 'z'));
        EXPECT_FALSE(TakesKey(box, '-'));
    }
    const struct {
        const char* typed;
        long read;
    } cases[] = {{"3", 3}, {"99", 4}, {"99999999999", 4}, {"", 1}, {"0", 1}};
    for (const auto& c : cases) {
        own_roll.Entry()->ChangeValue(c.typed);
        EXPECT_EQ(own_roll.Value(), c.read) << c.typed;
    }
}

TEST_F(FrameStep3Test, ContinueWithoutARaceStaysOpen) {
    Click(step, ID_Step3ContinueButton);
    Flush();
    EXPECT_EQ(VexlFrames[kSlotStep3], step);
    EXPECT_EQ(program_data.creation_stage, 3);
}

} // namespace
