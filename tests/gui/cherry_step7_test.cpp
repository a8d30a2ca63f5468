#include <wx/choice.h>
#include <wx/listbox.h>

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

class CherryStep7Test : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Clear_All(); // as "New Character" does: the options and the quirk table
        program_data.building_points = 0.0f;
        program_data.creation_stage = 6;
        step = new CherryStep7(MasterFrame, "Character Creation: Quirks and Flaws (Cherry Picking)",
                               wxDefaultPosition, wxSize(550, 365));
        VexlFrames[kSlotStep7] = step;
        step->Show(true);
    }

    CherryStep7* step = nullptr;
};

TEST_F(CherryStep7Test, PicksAMinorAndAMajorAndGoesOnToRaiseAbilities) {
    for (int id : {ID_CherryMinorAdd, ID_CherryMajorAdd, ID_CherryRemove, ID_CherryRoll}) {
        EXPECT_NE(step->FindWindow(id), nullptr) << id;
    }
    EXPECT_EQ(step->FindWindow(ID_CherryMinorAdd)->GetLabel(), "Add Minor Quirk/Flaw");
    EXPECT_EQ(step->FindWindow(ID_CherryMajorAdd)->GetLabel(), "Add Major Quirk/Flaw");
    EXPECT_EQ(step->FindWindow(ID_CherryRemove)->GetLabel(), "Remove Quirk/Flaw");
    EXPECT_EQ(step->FindWindow(ID_CherryRoll)->GetLabel(), "Roll Randomly");
    ASSERT_TRUE(step->MinorChoice()->SetStringSelection("Albino"));
    ASSERT_TRUE(step->MajorChoice()->SetStringSelection("Asthma"));
    Click(step, ID_CherryMinorAdd);
    Click(step, ID_CherryMajorAdd);
    ASSERT_EQ(step->PickList()->GetCount(), 2u);
    EXPECT_EQ(step->PickList()->GetString(0), "Albino");
    EXPECT_EQ(step->PickList()->GetString(1), "Asthma");
    SaveWindowScreenshot(step, "cherry_step7_picked.png");
    Click(step, ID_CherryRemove); // nothing selected: nothing removed
    EXPECT_EQ(step->PickList()->GetCount(), 2u);
    EXPECT_EQ(CutOrCrowdedLabels(step), std::vector<std::string>{});

    Click(step, ID_Continue); // the button gives the menu's command
    Flush();
    EXPECT_EQ(VexlFrames[kSlotStep7], nullptr);
    EXPECT_EQ(program_data.creation_stage, 8);
    EXPECT_EQ(program_data.building_points, 6.0f);
    auto* next = dynamic_cast<FrameStep8*>(VexlFrames[kSlotStep8]);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->GetTitle(), "Character Creation: Spend BP's to raise abilities");
    EXPECT_EQ(next->GetSize(), wxSize(470, 280));
}

TEST_F(CherryStep7Test, RollRandomlyOpensTheRollingWindow) {
    port->AnswerNumber(2);
    Click(step, ID_CherryRoll);
    Flush();
    EXPECT_EQ(program_data.creation_stage, 7);
    EXPECT_EQ(program_data.quirk_rolls_pending, 2);
    auto* next = dynamic_cast<FrameStep7*>(VexlFrames[kSlotStep7Again]);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->GetTitle(), "Character Creation: Quirks and Flaws");
    EXPECT_EQ(next->GetSize(), wxSize(550, 550));
    EXPECT_EQ(VexlFrames[kSlotStep7], nullptr);
}

} // namespace
