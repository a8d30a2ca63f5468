// The main window, its menus and desktop additions, the options window and the dice log.
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/display.h>
#include <wx/fileconf.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/prntbase.h>
#include <wx/statusbr.h>
#include <wx/testing.h>
#include <wx/textctrl.h>

#include "core/app/clear_all.h"
#include "core/dice/dice_log.h"
#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "gui/base/command_ids.h"
#include "gui/app/dice_log_frame.h"
#include "gui/app/options_frame.h"
#include "gui/app/sheet_printing.h"
#include "gui/base/window_registry.h"
#include "gui/app/wx_user_port.h"
#include "gui/wizard/frame_step3.h"
#include "gui_fixture.h"
#include "support/golden.h"

namespace {

const char* const kStep3Title = "Character Creation: Roll Ability Scores and choose race";

TEST_F(GuiTest, MainWindowTitleGeometryAndMenus) {
    ASSERT_EQ(wxGetDisplaySize(), wxSize(1024, 768)) << "the gui tests run on a 1024x768 display";
    EXPECT_EQ(main_window->GetRect(), wxRect(0, 0, 824, 543));
    EXPECT_EQ(MasterHeight, 743);
    EXPECT_EQ(main_window->GetStatusBar()->GetFieldsCount(), 3);
    EXPECT_EQ(ReadFile("options.qdb"), std::string(404, '\0')) << "start-up writes the options";
    ExpectMatchesGolden("window_main.txt", Captions(main_window));

    // The picture of the window that the desktop metadata shows (build/screenshots/).
    for (int i = 0; i < 5; ++i) {
        wxTheApp->Yield(true);
        main_window->Update();
    }
    const auto dir = std::filesystem::path(FRAYMARK_BUILD_DIR) / "screenshots";
    std::filesystem::create_directories(dir);
    const wxRect r = main_window->GetScreenRect();
    const wxString import =
        wxString::Format("import -window root -crop %dx%d+%d+%d '%s' 2>/dev/null", r.width,
                         r.height, r.x, r.y, (dir / "main_window.png").string());
    EXPECT_EQ(std::system(import.utf8_str()), 0) << import;
}

// One creation at a time: a second New Character does nothing; Abort or closing the window
// ends the creation and a new one can begin.
TEST_F(GuiTest, NewCharacterOpensOneStepWindowUntilTheCreationEnds) {
    Menu(main_window, ID_NewCharacter);
    Menu(main_window, ID_NewCharacter);
    EXPECT_EQ(CountWindowsTitled(kStep3Title), 1);
    EXPECT_EQ(program_data.creation_stage, 3);
    EXPECT_NE(ReadFile(program_data.log_file_name).find("All variables have been cleared"),
              std::string::npos);

    Menu(VexlFrames[kSlotStep3], ID_Abort);
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

// The user's configuration in a file of the test's own, for as long as it lives.
struct ConfigInFile {
    explicit ConfigInFile(const std::string& file) {
        delete wxConfigBase::Set(new wxFileConfig("", "", file, "", wxCONFIG_USE_LOCAL_FILE));
    }
    ~ConfigInFile() { delete wxConfigBase::Set(nullptr); }
};

TEST_F(GuiTest, RecentCharacterIsKeptInTheUsersConfigAndOpensFromTheMenu) {
    auto config = std::make_unique<ConfigInFile>((workspace / "user.conf").string());
    wxMenu* file = main_window->GetMenuBar()->GetMenu(0);
    const int recent_id = file->FindItem("Recent Characters");
    ASSERT_NE(recent_id, wxNOT_FOUND);
    EXPECT_FALSE(file->IsEnabled(recent_id)) << "an empty list is greyed out";
    current_character.character_name = "Brenna Stoutvale";
    Menu(main_window, ID_SaveFile);
    Clear_All();

    EXPECT_TRUE(file->IsEnabled(recent_id));
    wxMenu* recent = file->FindItem(recent_id)->GetSubMenu();
    ASSERT_NE(recent, nullptr);
    ASSERT_EQ(recent->GetMenuItemCount(), 1u);
    Menu(main_window, recent->FindItemByPosition(0)->GetId());
    EXPECT_EQ(current_character.character_name, "Brenna Stoutvale");
    config.reset();
    EXPECT_NE(ReadFile("user.conf").find("Brenna Stoutvale.xml"), std::string::npos);
    EXPECT_EQ(ReadFile("options.qdb"), std::string(404, '\0'));
}

TEST_F(GuiTest, PrintPreviewLaysOutAndRendersTheSheet) {
    current_character.character_name = "Brenna Stoutvale";
    Menu(main_window, ID_PrintPreview);
    auto* preview = dynamic_cast<wxPreviewFrame*>(WindowTitled(kSheetPreviewTitle));
    ASSERT_NE(preview, nullptr);
    const wxRect screen = wxDisplay(0u).GetClientArea();
    EXPECT_GE(preview->GetSize().x, screen.width * 3 / 4) << "a page can be read in it";
    EXPECT_GE(preview->GetSize().y, screen.height * 3 / 4);
    ASSERT_NE(preview->GetControlBar(), nullptr);
    wxPrintPreviewBase* pages = preview->GetControlBar()->GetPrintPreview();
    ASSERT_TRUE(pages->IsOk());
    EXPECT_GE(pages->GetMaxPage(), 1);
    EXPECT_TRUE(pages->RenderPage(1));
    preview->Close(true); // as the user does: closing frees what the preview holds
}

// These tests drive the real dialogs, log and tree windows through the toolkit's own port.
class ToolkitPortTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        previous = InstallUserPort(&wx_port);
        std::snprintf(program_data.log_file_name, kLogFileNameSize, "%s", "77.log");
    }
    void TearDown() override {
        InstallUserPort(previous);
        GuiTest::TearDown();
    }
    WxUserPort wx_port;
    UserPort* previous = nullptr;
};

TEST_F(ToolkitPortTest, FirstLineOpensTheWindowAlongTheBottomAndItReopensWithTheFile) {
    Log("first");
    auto* log = VexlFrames[kSlotDiceLog];
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(log->GetTitle(), "Character Creation: DiceLog");
    EXPECT_EQ(log->GetPosition(), wxPoint(0, MasterHeight - 200));
    EXPECT_EQ(log->GetSize(), wxSize(MasterWidth - 200, 200));
    EXPECT_FALSE(Early_Close);
    EXPECT_EQ(theLogText->GetValue(), "BP=0.0    | first\n");
    EXPECT_EQ(ReadFile("77.log"), "BP=0.0    | first \n");

    // Closed, it reopens on the next line showing the whole file once.
    Log("two", 2.0f);
    Menu(log, ID_Exit);
    Flush();
    EXPECT_TRUE(Early_Close);
    EXPECT_EQ(VexlFrames[kSlotDiceLog], nullptr);
    Log("three", 3.0f);
    ASSERT_NE(theLogText, nullptr);
    EXPECT_EQ(theLogText->GetValue(), "BP=0.0    | first \nBP=2.0    | two \nBP=3.0    | three\n");

    // An honor log opens it full width.
    VexlFrames[kSlotDiceLog]->Close(true);
    Flush();
    std::string honor = "Honor changed";
    Format_Entry(honor, "Honor_5.log");
    ASSERT_NE(VexlFrames[kSlotDiceLog], nullptr);
    EXPECT_EQ(VexlFrames[kSlotDiceLog]->GetSize(), wxSize(MasterWidth, 200));

    // The toolkit's port drives the tree window too.
    Port().UpdateTree();
    Port().UpdateTreeBranch("Skills", {"Riding"}, {"3"});
    ASSERT_NE(theTree, nullptr);
    EXPECT_TRUE(Search(theTree->GetRootItem(), "Riding").IsOk());
}

// Answers a question dialog and notes the window it was shown over.
class ExpectQuestionOver : public wxExpectModal<wxMessageDialog> {
public:
    ExpectQuestionOver(wxWindow*& parent, int answer)
        : wxExpectModal<wxMessageDialog>(answer), parent_(parent) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override {
        parent_ = dialog->GetParent();
        return wxExpectModal<wxMessageDialog>::OnInvoked(dialog);
    }

private:
    wxWindow*& parent_;
};

// A question belongs to the window the player was using, so it comes up over that window and
// not over the main window behind it; once that window is gone, over the main window. The close
// box of a creation window asks before the creation ends, and "No" keeps both.
TEST_F(ToolkitPortTest, QuestionsComeOverTheAskingWindowAndTheCloseBoxAsksFirst) {
    Menu(main_window, ID_NewCharacter);
    wxFrame* step = VexlFrames[kSlotStep3];
    ASSERT_NE(step, nullptr);
    EXPECT_TRUE(step->HasFlag(wxFRAME_FLOAT_ON_PARENT)) << "a step stays above the main window";
    Click(step, ID_Step3Roll);
    EXPECT_EQ(wx_port.AskingWindow(), step);

    wxWindow* parent = nullptr;
    wxTEST_DIALOG(step->Close(), ExpectQuestionOver(parent, wxNO));
    EXPECT_EQ(parent, step);
    EXPECT_EQ(VexlFrames[kSlotStep3], step);
    EXPECT_EQ(program_data.creation_stage, 3);
    wxTEST_DIALOG(step->Close(), ExpectQuestionOver(parent, wxYES));
    Flush();
    EXPECT_EQ(VexlFrames[kSlotStep3], nullptr);
    EXPECT_EQ(program_data.creation_stage, 0);
    EXPECT_EQ(wx_port.AskingWindow(), main_window);
}

} // namespace
