#include <wx/checkbox.h>
#include <wx/display.h>
#include <wx/menu.h>
#include <wx/statusbr.h>

#include "core/model/options.h"
#include "core/model/program_state.h"
#include "gui/app/command_ids.h"
#include "gui/app/options_frame.h"
#include "gui/app/window_registry.h"
#include "gui/wizard/frame_step3.h"
#include "gui_fixture.h"

namespace {

const char* const kStep3Title = "Character Creation: Roll Ability Scores and choose race";

TEST_F(GuiTest, MainWindowTitleAndGeometryOnA1024By768Display) {
    ASSERT_EQ(wxGetDisplaySize(), wxSize(1024, 768)) << "the gui tests run on a 1024x768 display";
    EXPECT_EQ(main_window->GetTitle(), "Orlund's Plainspun Fraymark Toolkit");
    EXPECT_EQ(main_window->GetPosition(), wxPoint(0, 0));
    EXPECT_EQ(main_window->GetSize(), wxSize(824, 543));
    EXPECT_EQ(MasterWidth, 1024);
    EXPECT_EQ(MasterHeight, 743);
    EXPECT_EQ(MasterFrame, main_window);
    ASSERT_NE(main_window->GetStatusBar(), nullptr);
    EXPECT_EQ(main_window->GetStatusBar()->GetFieldsCount(), 3);
    for (wxFrame* slot : VexlFrames) {
        EXPECT_EQ(slot, nullptr);
    }
}

TEST_F(GuiTest, MenusCarryTheirTextsHelpAndIdentifiers) {
    struct Item {
        int menu;
        int id;
        const char* text;
        const char* help;
    };
    const Item items[] = {
        {0, 10001, "&Open file", "Open an existing file"},
        {0, 10002, "&Save file", "Save the Current Character"},
        {0, 10010, "&New Character", "Create a new character"},
        {0, 10003, "&About", nullptr},
        {0, 10000, "E&xit", "Close program"},
        {1, 10011, "&Options", "Change program options"},
        {1, 10014, "&Test", "Test Window"},
        {2, 10015, "&Critical Hit Rolling", "Critical Hit Rolling"},
        {2, 10016, "&Honor Tracking", "Honor Tracking"},
    };
    wxMenuBar* bar = main_window->GetMenuBar();
    ASSERT_EQ(bar->GetMenuCount(), 3u);
    EXPECT_EQ(bar->GetMenuLabel(0), "&File");
    EXPECT_EQ(bar->GetMenuLabel(1), "&Settings");
    EXPECT_EQ(bar->GetMenuLabel(2), "&GM Helpers");
    for (const Item& item : items) {
        wxMenuItem* found = bar->GetMenu(item.menu)->FindItem(item.id);
        ASSERT_NE(found, nullptr) << item.text;
        // The shortcut, where there is one, stands beside the text.
        EXPECT_EQ(found->GetItemLabel().BeforeFirst('\t'), item.text);
        if (item.help) {
            EXPECT_EQ(found->GetHelp(), item.help) << item.text;
        }
    }
    // The file menu: its four items first, then the desktop's additions, a separator, Exit.
    wxMenu* file = bar->GetMenu(0);
    const int first_four[] = {10001, 10002, 10010, 10003};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(file->FindItemByPosition(i)->GetId(), first_four[i]);
    }
    const std::size_t count = file->GetMenuItemCount();
    EXPECT_TRUE(file->FindItemByPosition(count - 2)->IsSeparator());
    EXPECT_EQ(file->FindItemByPosition(count - 1)->GetId(), 10000);
}

TEST_F(GuiTest, NewCharacterTwiceOpensOneStepWindow) {
    Menu(main_window, ID_NewCharacter);
    Menu(main_window, ID_NewCharacter);
    EXPECT_EQ(CountWindowsTitled(kStep3Title), 1);
    EXPECT_EQ(program_data.creation_stage, 3);
    auto* step = dynamic_cast<FrameStep3*>(VexlFrames[kSlotStep3]);
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->GetSize(), wxSize(500, 315));
    EXPECT_FALSE(step->continued);
    wxMenuBar* bar = step->GetMenuBar();
    EXPECT_EQ(bar->GetMenuLabel(0), "&Menu");
    EXPECT_EQ(bar->FindItem(10009)->GetItemLabel(), "&Continue");
    EXPECT_EQ(bar->FindItem(10009)->GetHelp(), "Go on to the next step");
    EXPECT_EQ(bar->FindItem(10008)->GetItemLabel(), "Ab&ort");
    EXPECT_EQ(bar->FindItem(10008)->GetHelp(), "Abort character");
    EXPECT_EQ(step->GetStatusBar()->GetFieldsCount(), 3);
    // The creation began with a cleared record and its first log line.
    EXPECT_NE(ReadFile(program_data.log_file_name).find("All variables have been cleared"),
              std::string::npos);
}

TEST_F(GuiTest, AbortEndsTheCreationAndAllowsANewOne) {
    Menu(main_window, ID_NewCharacter);
    Menu(VexlFrames[kSlotStep3], ID_Abort);
    Flush();
    EXPECT_EQ(program_data.creation_stage, 0);
    EXPECT_EQ(CountWindowsTitled(kStep3Title), 0);
    Menu(main_window, ID_NewCharacter);
    EXPECT_EQ(program_data.creation_stage, 3);
    EXPECT_EQ(CountWindowsTitled(kStep3Title), 1);
}

TEST_F(GuiTest, ClosingTheStepByItsFrameEndsTheCreation) {
    Menu(main_window, ID_NewCharacter);
    VexlFrames[kSlotStep3]->Close(true);
    Flush();
    EXPECT_EQ(program_data.creation_stage, 0);
    EXPECT_EQ(VexlFrames[kSlotStep3], nullptr);
}

TEST_F(GuiTest, OptionsTwiceOpensTwoWindowsAndTheSlotHoldsTheNewest) {
    Menu(main_window, ID_Options);
    wxFrame* first = VexlFrames[kSlotOptions];
    Menu(main_window, ID_Options);
    wxFrame* second = VexlFrames[kSlotOptions];
    EXPECT_EQ(CountWindowsTitled("Vexl Options"), 2);
    EXPECT_NE(first, second);
    EXPECT_EQ(second->GetSize(), wxSize(320, 355));
}

TEST_F(GuiTest, OptionsWindowLaysOutItsBoxesAndAcceptSavesThem) {
    BooksToUse[kWarbrandsGuide] = 1;
    Menu(main_window, ID_Options);
    auto* options = dynamic_cast<Options*>(VexlFrames[kSlotOptions]);
    ASSERT_NE(options, nullptr);
    const char* const labels[] = {"Hexwright's Guide to Aethra Domination",
                                  "Warbrand's Guide",
                                  "Lurcher's Guide",
                                  "Votary's Guide",
                                  "Beastrolle",
                                  "Roll your own dice",
                                  "Brasshold",
                                  "Enforce Social Class Restrictions",
                                  "Web Erratta",
                                  "Tavernfolk 64",
                                  "Thornwatch Keep",
                                  "Giantfall",
                                  "FrayJammer",
                                  "Sprigling Guide"};
    for (int entry = 1; entry <= 14; ++entry) {
        wxCheckBox* box = options->CheckBoxFor(entry);
        EXPECT_EQ(box->GetLabel(), labels[entry - 1]);
        EXPECT_EQ(box->GetPosition(), wxPoint(10, 10 + 20 * (entry - 1))) << entry;
        EXPECT_EQ(box->GetSize(), wxSize(375, 15)) << entry;
        EXPECT_EQ(box->GetValue(), entry == kWarbrandsGuide) << entry;
    }
    auto* accept = options->FindWindow(ID_Accept);
    ASSERT_NE(accept, nullptr);
    EXPECT_EQ(accept->GetLabel(), "Accept");
    EXPECT_EQ(accept->GetPosition(), wxPoint(10, 295));
    EXPECT_EQ(accept->GetSize(), wxSize(70, 20));

    options->CheckBoxFor(kRollYourOwnDice)->SetValue(true);
    options->CheckBoxFor(kWarbrandsGuide)->SetValue(false);
    Click(options, ID_Accept);
    Flush();
    EXPECT_EQ(BooksToUse[kRollYourOwnDice], 1);
    EXPECT_EQ(BooksToUse[kWarbrandsGuide], 0);
    const std::string bytes = ReadFile("options.qdb");
    ASSERT_EQ(bytes.size(), 404u);
    EXPECT_EQ(bytes.substr(24, 4), std::string("\x01\0\0\0", 4));
    EXPECT_EQ(CountWindowsTitled("Vexl Options"), 0);
}

TEST_F(GuiTest, StartUpCreatesAnOptionsFileOfZeros) {
    EXPECT_EQ(ReadFile("options.qdb"), std::string(404, '\0'));
}

} // namespace
