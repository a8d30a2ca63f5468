// The quirk windows: cherry picking, and the rolling window it opens.
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/stattext.h>

#include "core/app/clear_all.h"
#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "gui/app/command_ids.h"
#include "gui/wizard/cherry_step7.h"
#include "gui/wizard/frame_step7.h"
#include "gui/wizard/frame_step8.h"
#include "gui_fixture.h"
#include "support/golden.h"

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

    // The rolling window, the player typing every roll.
    FrameStep7* OpenRolling(int stage, int pending, const char* title) {
        BooksToUse[kRollYourOwnDice] = 1;
        program_data.creation_stage = stage;
        program_data.quirk_rolls_pending = pending;
        return OpenStep<FrameStep7>(kSlotStep7Again, title, wxSize(550, 550));
    }

    void RollTyping(FrameStep7* step, long roll) {
        port->AnswerNumber(roll);
        Click(step, ID_Step7Roll);
        EXPECT_EQ(port->AnswersLeft(), 0u);
    }
};

TEST_F(QuirkWindowsTest, CherryPickingAddsAMinorAndAMajorAndGoesOnToRaiseAbilities) {
    program_data.creation_stage = 6;
    auto* step = OpenStep<CherryStep7>(kSlotStep7, kCherryTitle, wxSize(550, 365));
    ExpectMatchesGolden("window_cherry_picking.txt", Captions(step));
    ASSERT_TRUE(step->MinorChoice()->SetStringSelection("Albino"));
    ASSERT_TRUE(step->MajorChoice()->SetStringSelection("Asthma"));
    Click(step, ID_CherryMinorAdd);
    Click(step, ID_CherryMajorAdd);
    ASSERT_EQ(step->PickList()->GetCount(), 2u);
    EXPECT_EQ(step->PickList()->GetString(0), "Albino");
    EXPECT_EQ(step->PickList()->GetString(1), "Asthma");
    Click(step, ID_CherryRemove); // nothing selected: nothing removed
    EXPECT_EQ(step->PickList()->GetCount(), 2u);
    EXPECT_EQ(CutOrCrowdedLabels(step), std::vector<std::string>{});

    Click(step, ID_Continue); // the button gives the menu's command
    Flush();
    EXPECT_EQ(VexlFrames[kSlotStep7], nullptr);
    EXPECT_EQ(program_data.building_points, 6.0f);
    EXPECT_EQ(program_data.creation_stage, 8);
    EXPECT_NE(WindowTitled("Character Creation: Spend BP's to raise abilities"), nullptr);
}

TEST_F(QuirkWindowsTest, RollRandomlyOpensTheRollingWindow) {
    program_data.creation_stage = 6;
    auto* step = OpenStep<CherryStep7>(kSlotStep7, kCherryTitle, wxSize(550, 365));
    port->AnswerNumber(2);
    Click(step, ID_CherryRoll);
    Flush();
    EXPECT_EQ(program_data.creation_stage, 7);
    EXPECT_EQ(program_data.quirk_rolls_pending, 2);
    EXPECT_EQ(VexlFrames[kSlotStep7], nullptr);
    auto* next = dynamic_cast<FrameStep7*>(VexlFrames[kSlotStep7Again]);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->GetTitle(), "Character Creation: Quirks and Flaws");
    EXPECT_EQ(next->GetSize(), wxSize(550, 550));
}

TEST_F(QuirkWindowsTest, RollingOn6AThenTheSubTableAndOnToRaiseAbilities) {
    FrameStep7* step = OpenRolling(7, 1, "Character Creation: Quirks and Flaws");
    ExpectMatchesGolden("window_quirk_rolling.txt", Captions(step));

    RollTyping(step, 1); // on to 6B
    EXPECT_EQ(step->TableBox()->GetStringSelection(),
              "Player's Handbook 6B: Flaws, Minor (Physical)");
    EXPECT_FALSE(step->ContinueButton()->IsEnabled());
    Menu(step, ID_Continue); // a roll is still owed
    Flush();
    EXPECT_EQ(VexlFrames[kSlotStep7Again], step);

    RollTyping(step, 1); // Albino
    ASSERT_EQ(step->GainedList()->GetCount(), 1u);
    EXPECT_EQ(step->GainedList()->GetString(0), "Albino");
    EXPECT_EQ(step->QuirkBpLabel()->GetLabel(), "BP from quirks and flaws: 5");
    EXPECT_EQ(step->OwedLabel()->GetLabel(), "Rolls still to make: 0");
    EXPECT_EQ(CutOrCrowdedLabels(step), std::vector<std::string>{});
    Click(step, ID_Continue);
    Flush();
    EXPECT_EQ(VexlFrames[kSlotStep7Again], nullptr);
    EXPECT_EQ(program_data.building_points, 5.0f);
    EXPECT_EQ(program_data.creation_stage, 8);
    EXPECT_NE(WindowTitled("Character Creation: Spend BP to raise abilities"), nullptr);
}

TEST_F(QuirkWindowsTest, FreeRollsAfterThePriorsGoOnToCherryPicking) {
    program_data.pending_quirk_tables = {"Player's Handbook 6H: Quirks, Minor (Personality)"};
    FrameStep7* step = OpenRolling(6, 1, kCherryTitle);
    RollTyping(step, 1); // Arrogant
    Menu(step, ID_Continue);
    Flush();
    EXPECT_EQ(program_data.creation_stage, 6);
    EXPECT_EQ(program_data.quirk_bp[86], 0);
    auto* next = dynamic_cast<CherryStep7*>(VexlFrames[kSlotStep3]);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->GetTitle(), kCherryTitle);
    ASSERT_EQ(next->HeldList()->GetCount(), 1u);
    EXPECT_EQ(next->HeldList()->GetString(0), "Arrogant");
}

} // namespace
