#include <cstdlib>
#include <filesystem>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/menu.h>

#include "core/data/item_data.h"
#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "gui/app/command_ids.h"
#include "gui/wizard/frame_fighter_bg.h"
#include "gui/wizard/frame_fighter_bg_q.h"
#include "gui_fixture.h"
#include "support/prof_fixtures.h"
#include "window_screenshot.h"

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

    // The player types every roll.
    void OwnDice(std::initializer_list<long> rolls) {
        BooksToUse[kRollYourOwnDice] = 1;
        for (long roll : rolls) {
            port->AnswerNumber(roll);
        }
    }

    bool Shown(int button) { return window->RollButton(button)->IsShown(); }

    // Double-clicks an entry of the chooser.
    void Choose(FrameFighterBGQ* chooser, const wxString& entry) {
        const int index = chooser->List()->FindString(entry);
        ASSERT_NE(index, wxNOT_FOUND) << entry.utf8_str();
        chooser->List()->SetSelection(index);
        wxCommandEvent event(wxEVT_LISTBOX_DCLICK, ID_FighterProficiencyList);
        event.SetEventObject(chooser->List());
        event.SetInt(index);
        chooser->List()->ProcessWindowEvent(event);
    }

    FrameFighterBG* window = nullptr;
};

TEST_F(FrameFighterBGTest, WindowShowsTheFirstRollAndTheStepMenu) {
    EXPECT_EQ(window->GetSize(), wxSize(640, 500));
    EXPECT_EQ(window->GetParent(), main_window);
    EXPECT_EQ(program_data.creation_stage, 0);
    const char* const labels[] = {"Begin Fighter Priors and Particulars",
                                  "Quality of Basic Training", "Results of Basic Training"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(window->RollButton(i)->GetLabel(), labels[i]);
        EXPECT_EQ(Shown(i), i == 0) << labels[i];
    }
    EXPECT_EQ(window->RowCount(), 0);
    SaveWindowScreenshot(window, "frame_fighter_bg_opened.png");
    // The step menu is the one every creation window shares (frame_step6_test).
    EXPECT_EQ(window->GetMenuBar()->GetMenu(0)->GetMenuItemCount(), 2u);
    // Nothing rolled yet: Continue does nothing.
    Menu(window, ID_Continue);
    Flush();
    EXPECT_EQ(WindowTitled("Test Window"), window);
}

TEST_F(FrameFighterBGTest, ThreeRollsAFreeProficiencyAndContinue) {
    current_character.social_id = 9; // +3
    current_character.social_class = "Upper Lower Class";
    current_character.charisma_base = 10;
    current_character.free_proficiencies = 1;
    OwnDice({10, 9, 12}); // 13 regular army; 9 sub-par, -2; 10 the plain free proficiency

    EXPECT_FALSE(window->ContinueButton()->IsEnabled()) << "nothing rolled yet";
    Click(window, ID_FighterCampRoll);
    EXPECT_EQ(program_data.creation_stage, 1);
    EXPECT_TRUE(window->ContinueButton()->IsEnabled());
    EXPECT_FALSE(Shown(0));
    EXPECT_TRUE(Shown(1));
    ASSERT_EQ(window->RowCount(), 1);
    EXPECT_EQ(window->RowCaption(0), "Type of Training Camp:");
    EXPECT_EQ(window->RowText(0), "regular army boot camp");

    Click(window, ID_FighterQualityRoll);
    EXPECT_FALSE(Shown(1));
    EXPECT_TRUE(Shown(2));
    EXPECT_EQ(window->RowCaption(1), "Quality of Basic Training:");
    EXPECT_EQ(window->RowText(1), "Sub-par");

    Click(window, ID_FighterResultsRoll);
    EXPECT_FALSE(Shown(2));
    ASSERT_EQ(window->RowCount(), 3);
    EXPECT_EQ(window->RowCaption(2), "Results of Basic Training:");
    EXPECT_EQ(window->RowText(2), "You gained 1 melee weapon proficiency at no BP cost");

    auto* chooser =
        dynamic_cast<FrameFighterBGQ*>(WindowTitled("Select a Free Weapon Proficiency"));
    ASSERT_NE(chooser, nullptr);
    // Showing the list selects its first row; that takes nothing.
    Flush();
    EXPECT_EQ(ProfDataItem::pHead, nullptr);
    EXPECT_EQ(chooser->Choice().Kind(), "Melee Weapon");
    ASSERT_EQ(chooser->List()->GetCount(), 2u);
    EXPECT_EQ(chooser->List()->GetString(0), "Footman's Mace");
    EXPECT_EQ(chooser->List()->GetString(1), "Long sword");
    SaveWindowScreenshot(window, "frame_fighter_bg_rolled.png");
    SaveWindowScreenshot(chooser, "frame_fighter_bg_chooser.png");
    Choose(chooser, "Long sword");
    Flush();
    EXPECT_EQ(CountWindowsTitled("Select a Free Weapon Proficiency"), 0);
    ASSERT_NE(ProfDataItem::pHead, nullptr);
    EXPECT_EQ(ProfDataItem::pHead->name, "Long sword");
    EXPECT_EQ(ProfDataItem::pHead->value, -1);
    EXPECT_EQ(current_character.free_proficiencies, 0);
    EXPECT_EQ(CutOrCrowdedLabels(window), std::vector<std::string>{});

    Click(window, ID_Continue);
    Flush();
    EXPECT_EQ(CountWindowsTitled("Test Window"), 0);
    EXPECT_EQ(program_data.creation_stage, 0) << "a new character can be started";
    const std::string log = ReadFile(program_data.log_file_name);
    // The label is "Rolling" when the dice happened to show the typed 10.
    EXPECT_NE(log.find(" for Type of Training Camp (3d6): rolled 10(+3 Upper Lower Class +0 "
                       "Charisma Reaction Adj) = 13 = regular army boot camp"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("Purchasing Proficieny Long sword for free"), std::string::npos);
}

TEST_F(FrameFighterBGTest, ChooserWithoutAFreeSlotStaysOpen) {
    current_character.social_id = 7;
    current_character.charisma_base = 10;
    OwnDice({12, 12, 12}); // regular army, average, 13: a free proficiency
    Click(window, ID_FighterCampRoll);
    Click(window, ID_FighterQualityRoll);
    Click(window, ID_FighterResultsRoll);
    auto* chooser =
        dynamic_cast<FrameFighterBGQ*>(WindowTitled("Select a Free Weapon Proficiency"));
    ASSERT_NE(chooser, nullptr);
    Choose(chooser, "Footman's Mace");
    Flush();
    EXPECT_EQ(WindowTitled("Select a Free Weapon Proficiency"), chooser);
    EXPECT_EQ(ProfDataItem::pHead, nullptr);
}

TEST_F(FrameFighterBGTest, ClosingItLeavesACreationInProgressGoing) {
    window->Close(true);
    Flush();
    program_data.creation_stage = 3; // a character is being made in another window
    Menu(main_window, ID_Test);
    auto* test_window = WindowTitled("Test Window");
    ASSERT_NE(test_window, nullptr);
    test_window->Close(true);
    Flush();
    EXPECT_EQ(program_data.creation_stage, 3);
}

TEST_F(FrameFighterBGTest, AbortAfterARollEndsTheStage) {
    OwnDice({12});
    Click(window, ID_FighterCampRoll);
    ASSERT_EQ(program_data.creation_stage, 1);
    Menu(window, ID_Abort);
    Flush();
    EXPECT_EQ(CountWindowsTitled("Test Window"), 0);
    EXPECT_EQ(program_data.creation_stage, 0);
}

} // namespace
