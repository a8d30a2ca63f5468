// The main window, its menus, the gate of one creation at a time and the options window.
#include <wx/checkbox.h>
#include <wx/display.h>
#include <wx/statusbr.h>

#include "core/model/options.h"
#include "core/model/program_state.h"
#include "gui/app/command_ids.h"
#include "gui/app/options_frame.h"
#include "gui/wizard/frame_step3.h"
#include "gui_fixture.h"
#include "support/golden.h"
#include "window_screenshot.h"

namespace {

const char* const kStep3Title = "Character Creation: Roll Ability Scores and choose race";

TEST_F(GuiTest, MainWindowTitleGeometryAndMenus) {
    ASSERT_EQ(wxGetDisplaySize(), wxSize(1024, 768)) << "the gui tests run on a 1024x768 display";
    EXPECT_EQ(main_window->GetTitle(), "Orlund's Plainspun Fraymark Toolkit");
    EXPECT_EQ(main_window->GetRect(), wxRect(0, 0, 824, 543));
    EXPECT_EQ(MasterHeight, 743);
    EXPECT_EQ(main_window->GetStatusBar()->GetFieldsCount(), 3);
    EXPECT_EQ(ReadFile("options.qdb"), std::string(404, '\0')) << "start-up writes the options";
    ExpectMatchesGolden("window_main.txt", Captions(main_window));
    SaveWindowScreenshot(main_window, "main_window.png");
}

// One creation at a time: a second New Character does nothing; Abort or closing the window
// ends the creation and a new one can begin.
TEST_F(GuiTest, NewCharacterOpensOneStepWindowUntilTheCreationEnds) {
    Menu(main_window, ID_NewCharacter);
    Menu(main_window, ID_NewCharacter);
    EXPECT_EQ(CountWindowsTitled(kStep3Title), 1);
    EXPECT_EQ(program_data.creation_stage, 3);
    auto* step = dynamic_cast<FrameStep3*>(VexlFrames[kSlotStep3]);
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->GetSize(), wxSize(500, 315));
    EXPECT_NE(ReadFile(program_data.log_file_name).find("All variables have been cleared"),
              std::string::npos);

    Menu(step, ID_Abort);
    Flush();
    EXPECT_EQ(program_data.creation_stage, 0);
    EXPECT_EQ(CountWindowsTitled(kStep3Title), 0);
    Menu(main_window, ID_NewCharacter);
    EXPECT_EQ(program_data.creation_stage, 3);
    VexlFrames[kSlotStep3]->Close(true);
    Flush();
    EXPECT_EQ(program_data.creation_stage, 0);
    EXPECT_EQ(VexlFrames[kSlotStep3], nullptr);
}

TEST_F(GuiTest, OptionsWindowShowsItsBoxesAndAcceptSavesThem) {
    BooksToUse[kWarbrandsGuide] = 1;
    Menu(main_window, ID_Options);
    Menu(main_window, ID_Options);
    EXPECT_EQ(CountWindowsTitled("Vexl Options"), 2) << "each command opens one more";
    auto* options = dynamic_cast<Options*>(VexlFrames[kSlotOptions]);
    ASSERT_NE(options, nullptr);
    ExpectMatchesGolden("window_options.txt", Captions(options));
    for (int entry = 1; entry <= 14; ++entry) {
        EXPECT_EQ(options->CheckBoxFor(entry)->GetPosition(), wxPoint(10, 10 + 20 * (entry - 1)));
        EXPECT_EQ(options->CheckBoxFor(entry)->GetValue(), entry == kWarbrandsGuide) << entry;
    }

    options->CheckBoxFor(kRollYourOwnDice)->SetValue(true);
    options->CheckBoxFor(kWarbrandsGuide)->SetValue(false);
    Click(options, ID_Accept);
    Flush();
    EXPECT_EQ(BooksToUse[kRollYourOwnDice], 1);
    EXPECT_EQ(BooksToUse[kWarbrandsGuide], 0);
    const std::string bytes = ReadFile("options.qdb");
    ASSERT_EQ(bytes.size(), 404u);
    EXPECT_EQ(bytes.substr(24, 4), std::string("\x01\0\0\0", 4));
    EXPECT_EQ(CountWindowsTitled("Vexl Options"), 1);
}

} // namespace
