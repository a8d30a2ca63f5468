#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/program_state.h"
#include "core/wizard/thief_skills_step.h"
#include "gui/wizard/thief_skills_frame.h"
#include "gui_fixture.h"
#include "support/class_fixtures.h"
#include "support/golden.h"
#include "support/race_fixtures.h"

namespace {

// A thief of Dexterity 12 with 60 points for three skills, as the class step leaves it.
class ThiefSkillsTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteRaceFile(workspace, "Human", {.name = "Human"});
        WriteClassFile(workspace, "Thief",
                       {.name = "Thief",
                        .thief = 1,
                        .thiefpoints = 60,
                        .thiefskills = "Pick Pockets, Open Locks, Climb Walls"});
        CRace.LoadRace();
        CClass.LoadClass();
        current_character.race_item = CharacterRace::pHead.get();
        current_character.class_item = CharacterClass::pHead.get();
        current_character.dexterity_base = 12;
        auto item = std::make_unique<ClassDataItem>();
        item->name = "Thief";
        item->level = 1;
        ClassDataItem::AddTail(std::move(item));
        SetThiefStart();
        program_data.creation_stage = 9;
        window = new ThiefSkills(MasterFrame, "Thief Skills", wxDefaultPosition, wxSize(300, 300));
        window->Show(true);
    }

    void Type(int skill, const char* text) { window->EntryBox(skill)->ChangeValue(text); }

    ThiefSkills* window = nullptr;
};

TEST_F(ThiefSkillsTest, RowsForTheUsableSkillsAndEveryPointPlacedBeforeItCloses) {
    ExpectMatchesGolden("window_thief_skills.txt", Captions(window));
    EXPECT_EQ(window->BaseBox(2), nullptr) << "Find Traps is not the class's";

    Type(0, "30");
    Type(1, "20");
    Click(window, ID_ThiefApply);
    EXPECT_EQ(CutOrCrowdedLabels(window), std::vector<std::string>{});
    EXPECT_EQ(window->BaseBox(0)->GetValue(), "45");
    EXPECT_EQ(window->BaseBox(1)->GetValue(), "30");
    Click(window, ID_ThiefContinue); // ten points still to place
    Flush();
    ASSERT_EQ(WindowTitled("Thief Skills"), window);

    Type(7, "10");
    Click(window, ID_ThiefContinue);
    Flush();
    EXPECT_EQ(WindowTitled("Thief Skills"), nullptr);
    EXPECT_EQ(program_data.creation_stage, 9);
    EXPECT_EQ(ClassDataItem::pHead->pick_pockets[1], 30);
    EXPECT_EQ(ClassDataItem::pHead->climb_walls[1], 10);
}

TEST_F(ThiefSkillsTest, AbortEndsTheCreation) {
    Click(window, ID_ThiefAbort);
    Flush();
    EXPECT_EQ(WindowTitled("Thief Skills"), nullptr);
    EXPECT_EQ(program_data.creation_stage, 0);
}

} // namespace
