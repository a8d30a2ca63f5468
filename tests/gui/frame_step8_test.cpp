#include <wx/listbox.h>
#include <wx/textctrl.h>

#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "gui/wizard/frame_step10.h"
#include "gui/wizard/frame_step8.h"
#include "gui/wizard/thief_skills_frame.h"
#include "gui_fixture.h"
#include "support/class_fixtures.h"
#include "support/golden.h"
#include "support/race_fixtures.h"

namespace {

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
    ExpectMatchesGolden("window_raise_abilities.txt", Captions(step));

    step->BpBox(0)->ChangeValue("5");
    Click(step, ID_Step8Apply);
    EXPECT_EQ(step->ScoreBox(0)->GetValue(), "13/25");
    EXPECT_EQ(step->BuildingPointsBox()->GetValue(), "5  ");
    EXPECT_EQ(CutOrCrowdedLabels(step), std::vector<std::string>{});

    Click(step, ID_Step8ContinueButton); // no class chosen yet
    Flush();
    ASSERT_EQ(VexlFrames[kSlotStep8], step);

    Pick(step->ClassList(), "Fighter/Thief");
    Click(step, ID_Step8ContinueButton);
    Flush();
    EXPECT_EQ(VexlFrames[kSlotStep8], nullptr);
    EXPECT_EQ(program_data.creation_stage, 9);
    EXPECT_FLOAT_EQ(program_data.building_points, 10.0f - 5.0f + 6.0f);
    EXPECT_EQ(current_character.strength_perc, 25);

    wxFrame* age = WindowTitled("Character Creation: Age and Money");
    ASSERT_NE(age, nullptr);
    EXPECT_EQ(VexlFrames[kSlotStep10], age);
    auto* thief = dynamic_cast<ThiefSkills*>(WindowTitled("Thief Skills"));
    ASSERT_NE(thief, nullptr);
    EXPECT_FALSE(thief->GetScreenRect().Intersects(age->GetScreenRect()))
        << "both windows can be seen";
    EXPECT_EQ(thief->BaseBox(0)->GetValue(), "15") << "Pick Pockets of the thief item";
}

} // namespace
