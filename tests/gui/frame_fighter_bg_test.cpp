#include <wx/button.h>
#include <wx/listbox.h>

#include "core/data/item_data.h"
#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "gui/base/command_ids.h"
#include "gui/wizard/frame_fighter_bg.h"
#include "gui/wizard/frame_fighter_bg_q.h"
#include "gui_fixture.h"
#include "support/golden.h"
#include "support/prof_fixtures.h"

namespace {

class FrameFighterBGTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteProfFile(workspace, "Long_sword", {.name = "Long sword"});
        WriteProfFile(workspace, "Footmans_Mace", {.name = "Footman's Mace"});
        WriteProfFile(workspace, "Sling", {.name = "Sling", .type = 2});
        WriteEmptyProfFile(workspace);
        CProfs.LoadProfs();
        Menu(main_window, ID_Test);
        window = dynamic_cast<FrameFighterBG*>(WindowTitled("Test Window"));
        ASSERT_NE(window, nullptr);
    }

    void OwnDice(std::initializer_list<long> rolls) {
        BooksToUse[kRollYourOwnDice] = 1;
        for (long roll : rolls) {
            port->AnswerNumber(roll);
        }
    }

    bool Shown(int button) { return window->RollButton(button)->IsShown(); }

    FrameFighterBG* window = nullptr;
};

TEST_F(FrameFighterBGTest, ThreeRollsAFreeProficiencyAndContinue) {
    current_character.social_id = 9; // +3
    current_character.social_class = "Upper Lower Class";
    current_character.charisma_base = 10;
    current_character.free_proficiencies = 1;
    OwnDice({10, 9, 12}); // 13 regular army; 9 sub-par, -2; 10 the plain free proficiency
    ExpectMatchesGolden("window_fighter_training.txt", Captions(window));
    Menu(window, ID_Continue); // nothing rolled yet: Continue does nothing
    Flush();
    EXPECT_EQ(WindowTitled("Test Window"), window);

    // Each roll button gives way to the next.
    const int rolls[] = {ID_FighterCampRoll, ID_FighterQualityRoll, ID_FighterResultsRoll};
    for (int i = 0; i < 3; ++i) {
        Click(window, rolls[i]);
        EXPECT_FALSE(Shown(i));
        EXPECT_EQ(i < 2 && Shown(i + 1), i < 2);
        EXPECT_EQ(window->RowCount(), i + 1);
    }
    EXPECT_EQ(program_data.creation_stage, 1);

    auto* chooser =
        dynamic_cast<FrameFighterBGQ*>(WindowTitled("Select a Free Weapon Proficiency"));
    ASSERT_NE(chooser, nullptr);
    // Showing the list selects its first row; that takes nothing.
    Flush();
    EXPECT_EQ(ProfDataItem::pHead, nullptr);
    ExpectMatchesGolden("window_free_proficiency.txt", Captions(chooser));
    // Without a free slot the pick takes nothing and the chooser stays open.
    current_character.free_proficiencies = 0;
    Pick(chooser->List(), "Long sword", wxEVT_LISTBOX_DCLICK);
    Flush();
    EXPECT_EQ(WindowTitled("Select a Free Weapon Proficiency"), chooser);
    EXPECT_EQ(ProfDataItem::pHead, nullptr);
    current_character.free_proficiencies = 1;
    Pick(chooser->List(), "Long sword", wxEVT_LISTBOX_DCLICK);
    Flush();
    EXPECT_EQ(CountWindowsTitled("Select a Free Weapon Proficiency"), 0);
    ASSERT_NE(ProfDataItem::pHead, nullptr);
    EXPECT_EQ(ProfDataItem::pHead->name, "Long sword");
    ExpectMatchesGolden("window_fighter_training_rolled.txt", Captions(window));

    Click(window, ID_Continue);
    Flush();
    EXPECT_EQ(CountWindowsTitled("Test Window"), 0);
    EXPECT_EQ(program_data.creation_stage, 0) << "a new character can be started";
    EXPECT_NE(
        ReadFile(program_data.log_file_name).find("Purchasing Proficieny Long sword for free"),
        std::string::npos);
}

TEST_F(FrameFighterBGTest, AbortAfterARollEndsTheStage) {
    OwnDice({12});
    Click(window, ID_FighterCampRoll);
    ASSERT_EQ(program_data.creation_stage, 1);
    Menu(window, ID_Abort);
    Flush();
    EXPECT_EQ(CountWindowsTitled("Test Window"), 0);
    EXPECT_EQ(program_data.creation_stage, 0);

    // Closed while a character is being made in another window, it leaves that one going.
    program_data.creation_stage = 3;
    Menu(main_window, ID_Test);
    ASSERT_NE(WindowTitled("Test Window"), nullptr);
    WindowTitled("Test Window")->Close(true);
    Flush();
    EXPECT_EQ(program_data.creation_stage, 3);
}

} // namespace
