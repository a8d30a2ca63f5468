// The creation windows after the priors: quirks and flaws, raising abilities and choosing
// a class, and the thief skills.
#include <wx/arrstr.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/app/clear_all.h"
#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "gui/base/command_ids.h"
#include "gui/wizard/cherry_step7.h"
#include "gui/wizard/frame_step10.h"
#include "gui/wizard/frame_step7.h"
#include "gui/wizard/frame_step8.h"
#include "gui/wizard/thief_skills_frame.h"
#include "gui_fixture.h"
#include "support/class_fixtures.h"
#include "support/golden.h"
#include "support/race_fixtures.h"

namespace {

const char* const kCherryTitle = "Character Creation: Quirks and Flaws (Cherry Picking)";

// As "New Character" leaves the options and the quirk table; the player has no BP.
class QuirkWindowsTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Clear_All();
        program_data.building_points = 0.0f;
    }
};

TEST_F(QuirkWindowsTest, CherryPickingAddsAMinorAndAMajorAndGoesOnToRaiseAbilities) {
    program_data.creation_stage = 6;
    auto* step = OpenStep<CherryStep7>(kSlotStep7, kCherryTitle, wxSize(550, 365));
    ASSERT_TRUE(step->MinorChoice()->SetStringSelection("Albino"));
    ASSERT_TRUE(step->MajorChoice()->SetStringSelection("Asthma"));
    Click(step, ID_CherryMinorAdd);
    Click(step, ID_CherryMajorAdd);
    Click(step, ID_CherryRemove); // nothing selected: nothing removed
    ExpectMatchesGolden("window_cherry_picking.txt", Captions(step));

    Click(step, ID_Continue); // the button gives the menu's command
    Flush();
    EXPECT_EQ(VexlFrames[kSlotStep7], nullptr);
    EXPECT_EQ(program_data.building_points, 6.0f);
    EXPECT_EQ(program_data.creation_stage, 8);
    EXPECT_NE(WindowTitled("Character Creation: Spend BP's to raise abilities"), nullptr);
}

// Rolling randomly (one roll, the player typing it) opens the rolling window in the place of
// the cherry picking.
TEST_F(QuirkWindowsTest, RollRandomlyOn6AThenTheSubTableAndOnToRaiseAbilities) {
    BooksToUse[kRollYourOwnDice] = 1;
    program_data.creation_stage = 6;
    auto* cherry = OpenStep<CherryStep7>(kSlotStep7, kCherryTitle, wxSize(550, 365));
    port->AnswerNumber(1);
    Click(cherry, ID_CherryRoll);
    Flush();
    EXPECT_EQ(program_data.creation_stage, 7);
    EXPECT_EQ(VexlFrames[kSlotStep7], nullptr);
    auto* step = dynamic_cast<FrameStep7*>(VexlFrames[kSlotStep7Again]);
    ASSERT_NE(step, nullptr);
    const std::string opened = Captions(step);

    port->AnswerNumber(1); // on to 6B
    Click(step, ID_Step7Roll);
    EXPECT_EQ(step->TableBox()->GetStringSelection(),
              "Player's Handbook 6B: Flaws, Minor (Physical)");
    EXPECT_FALSE(step->ContinueButton()->IsEnabled());
    Menu(step, ID_Continue); // a roll is still owed
    Flush();
    EXPECT_EQ(VexlFrames[kSlotStep7Again], step);

    port->AnswerNumber(1); // Albino
    Click(step, ID_Step7Roll);
    EXPECT_EQ(port->AnswersLeft(), 0u);
    // Opened, then with the flaw gained, its BP and no roll owed.
    ExpectMatchesGolden("window_quirk_rolling.txt", opened + "rolled:\n" + Captions(step));
    Click(step, ID_Continue);
    Flush();
    EXPECT_EQ(VexlFrames[kSlotStep7Again], nullptr);
    EXPECT_EQ(program_data.building_points, 5.0f);
    EXPECT_EQ(program_data.creation_stage, 8);
    EXPECT_NE(WindowTitled("Character Creation: Spend BP to raise abilities"), nullptr);
}

// A human of all twelves with 10 BP, as the cherry-picking step leaves it.
class FrameStep8Test : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteRaceFile(
            workspace, "Human",
            {.name = "Human", .level_limits = {"Fighter 12", "Thief 12", "Fighter/Thief 10/12"}});
        WriteClassFile(workspace, "A", {.name = "Fighter", .bp = 1, .fighter = 1});
        WriteClassFile(workspace, "B",
                       {.name = "Fighter/Thief",
                        .bp = 6,
                        .fighter = 1,
                        .thief = 1,
                        .thiefpoints = 40,
                        .thiefskills = "Pick Pockets, Climb Walls"});
        WriteClassFile(workspace, "C", {.name = "Thief", .thief = 1});
        CRace.LoadRace();
        CClass.LoadClass();
        current_character.race_item = CharacterRace::pHead.get();
        for (int32_t* score : current_character.Scores()) {
            *score = 12;
        }
        BooksToUse[kPlayersHandbook] = 1;
        program_data.building_points = 10.0f;
        program_data.creation_stage = 8;
        step = OpenStep<FrameStep8>(kSlotStep8, "Character Creation: Spend BP's to raise abilities",
                                    wxSize(470, 280));
    }

    FrameStep8* step = nullptr;
};

TEST_F(FrameStep8Test, RaiseChooseAMultiClassAndGoOnToAgeAndMoneyWithTheThiefSkills) {
    // Five BP raise Strength to 13/25.
    step->BpBox(0)->ChangeValue("5");
    Click(step, ID_Step8Apply);
    ExpectMatchesGolden("window_raise_abilities.txt", Captions(step));

    Click(step, ID_Step8ContinueButton); // no class chosen yet
    Flush();
    ASSERT_EQ(VexlFrames[kSlotStep8], step);

    Pick(step->ClassList(), "Fighter/Thief");
    Click(step, ID_Step8ContinueButton);
    Flush();
    EXPECT_EQ(VexlFrames[kSlotStep8], nullptr);
    EXPECT_EQ(program_data.creation_stage, 9);

    wxFrame* age = VexlFrames[kSlotStep10];
    ASSERT_NE(age, nullptr);
    auto* thief = dynamic_cast<ThiefSkills*>(WindowTitled("Thief Skills"));
    ASSERT_NE(thief, nullptr);
    EXPECT_FALSE(thief->GetScreenRect().Intersects(age->GetScreenRect()))
        << "both windows can be seen";

    // Rows for the class's skills only, Pick Pockets 15 + 30; every point is placed before
    // it closes.
    thief->EntryBox(0)->ChangeValue("30");
    Click(thief, ID_ThiefApply);
    ExpectMatchesGolden("window_thief_skills.txt", Captions(thief));
    Click(thief, ID_ThiefContinue); // ten points still to place
    Flush();
    ASSERT_EQ(WindowTitled("Thief Skills"), thief);
    EXPECT_EQ(thief->GetStatusBar()->GetStatusText(0),
              "Every point must be placed: 30 of 40 points");
    thief->EntryBox(7)->ChangeValue("10");
    Click(thief, ID_ThiefContinue);
    Flush();
    EXPECT_EQ(WindowTitled("Thief Skills"), nullptr);
    EXPECT_EQ(program_data.creation_stage, 9);
}

TEST_F(FrameStep8Test, AbortOnTheThiefSkillsEndsTheCreation) {
    Pick(step->ClassList(), "Fighter/Thief");
    Click(step, ID_Step8ContinueButton);
    Flush();
    wxFrame* thief = WindowTitled("Thief Skills");
    ASSERT_NE(thief, nullptr);
    Click(thief, ID_ThiefAbort);
    Flush();
    EXPECT_EQ(WindowTitled("Thief Skills"), nullptr);
    EXPECT_EQ(program_data.creation_stage, 0);
}

} // namespace
