#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/stattext.h>

#include "core/app/clear_all.h"
#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "gui/app/command_ids.h"
#include "gui/app/window_registry.h"
#include "gui/wizard/cherry_step7.h"
#include "gui/wizard/frame_step7.h"
#include "gui/wizard/frame_step8.h"
#include "gui_fixture.h"
#include "window_screenshot.h"

namespace {

// The rolling window as cherry picking opens it, with one roll asked for on table 6A; the
// player types every roll and has no BP to re-roll with.
class FrameStep7Test : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Clear_All(); // as "New Character" does: the options and the quirk table
    }

    FrameStep7* Open(int stage, int pending, const char* title) {
        BooksToUse[kRollYourOwnDice] = 1;
        program_data.building_points = 0.0f;
        program_data.creation_stage = stage;
        program_data.quirk_rolls_pending = pending;
        auto* step = new FrameStep7(MasterFrame, title, wxDefaultPosition, wxSize(550, 550));
        VexlFrames[kSlotStep7Again] = step;
        step->Show(true);
        return step;
    }

    void RollTyping(FrameStep7* step, long roll) {
        port->AnswerNumber(roll);
        Click(step, ID_Step7Roll);
        EXPECT_EQ(port->AnswersLeft(), 0u);
    }
};

TEST_F(FrameStep7Test, RollsOn6AThenTheSubTableAndGoesOnToRaiseAbilities) {
    FrameStep7* step = Open(7, 1, "Character Creation: Quirks and Flaws");
    EXPECT_EQ(step->TableBox()->GetCount(), 1u);
    EXPECT_EQ(step->TableBox()->GetStringSelection(), "Player's Handbook 6A");
    EXPECT_EQ(step->BalanceLabel()->GetLabel(), "0   BP");
    EXPECT_EQ(step->OwedLabel()->GetLabel(), "Rolls still to make: 1");

    RollTyping(step, 1); // on to 6B
    EXPECT_EQ(step->TableBox()->GetCount(), 2u);
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
    SaveWindowScreenshot(step, "frame_step7_rolled.png");
    EXPECT_EQ(CutOrCrowdedLabels(step), std::vector<std::string>{});

    EXPECT_TRUE(step->ContinueButton()->IsEnabled());
    Click(step, ID_Continue);
    Flush();
    EXPECT_EQ(VexlFrames[kSlotStep7Again], nullptr);
    EXPECT_EQ(program_data.creation_stage, 8);
    EXPECT_EQ(program_data.building_points, 5.0f);
    auto* next = dynamic_cast<FrameStep8*>(VexlFrames[kSlotStep8]);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->GetTitle(), "Character Creation: Spend BP to raise abilities");
}

TEST_F(FrameStep7Test, FreeRollsAfterThePriorsGoOnToCherryPicking) {
    program_data.pending_quirk_tables = {"Player's Handbook 6H: Quirks, Minor (Personality)"};
    FrameStep7* step = Open(6, 1, "Character Creation: Quirks and Flaws (Cherry Picking)");
    RollTyping(step, 1); // Arrogant
    Menu(step, ID_Continue);
    Flush();
    EXPECT_EQ(program_data.creation_stage, 6);
    EXPECT_EQ(program_data.quirk_bp[86], 0);
    auto* next = dynamic_cast<CherryStep7*>(VexlFrames[kSlotStep3]);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->GetTitle(), "Character Creation: Quirks and Flaws (Cherry Picking)");
    EXPECT_EQ(next->GetSize(), wxSize(550, 365));
    ASSERT_EQ(next->HeldList()->GetCount(), 1u);
    EXPECT_EQ(next->HeldList()->GetString(0), "Arrogant");
}

} // namespace
