// Save file and Open file from the main window: both files written under the character's
// name, the "Load Character" window listing them, and a row opening its character.
#include <filesystem>
#include <string>

#include <wx/listctrl.h>
#include <wx/treectrl.h>

#include "core/app/clear_all.h"
#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "gui/app/command_ids.h"
#include "gui/app/window_registry.h"
#include "gui/files/file_frame.h"
#include "gui/tree/pc_tree_frame.h"
#include "gui_fixture.h"
#include "support/golden.h"
#include "support/sample_character.h"

namespace {

namespace fs = std::filesystem;

class FileFrameTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteSampleRulesData(workspace);
        CRace.LoadRace();
        CClass.LoadClass();
    }

    void SaveAs(const std::string& name, int level) {
        current_character.character_name = name;
        current_character.level = level;
        Menu(main_window, ID_SaveFile);
    }

    FileFrame* OpenWindow() {
        Menu(main_window, ID_OpenFile);
        return dynamic_cast<FileFrame*>(WindowTitled("Load Character"));
    }
};

TEST_F(FileFrameTest, SaveFileWritesTheCharacterFileAndTheSheetUnderTheName) {
    MakeSampleCharacter();
    Menu(main_window, ID_SaveFile);
    const std::string xml = ReadFile("CharacterXML/Brenna Ashford.xml");
    const std::string html = ReadFile("CharacterHTML/Brenna Ashford.html");
    EXPECT_NE(xml.find("<CHARACTER_NAME>Brenna Ashford</CHARACTER_NAME>"), std::string::npos);
    EXPECT_NE(html.find("Character: Brenna Ashford"), std::string::npos);
    EXPECT_TRUE(port->messages.empty());
    EXPECT_TRUE(port->questions.empty());
}

TEST_F(FileFrameTest, SaveFileWithNoNameAsksForOneAndWritesNothingWhenCancelled) {
    port->AnswerCancel();
    Menu(main_window, ID_SaveFile);
    ASSERT_EQ(port->questions.size(), 1u);
    EXPECT_EQ(port->questions[0].caption, "Enter Name");
    EXPECT_FALSE(fs::exists(workspace / "CharacterXML"));
    EXPECT_FALSE(fs::exists(workspace / "CharacterHTML"));
}

TEST_F(FileFrameTest, OpenFileListsTheSavedCharacters) {
    FileFrame* empty = OpenWindow();
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->List()->GetItemCount(), 0);
    Menu(empty, ID_Exit);
    Flush();
    EXPECT_EQ(CountWindowsTitled("Load Character"), 0);
    SaveAs("zora", 3);
    SaveAs("Brenna", 1);
    current_character.class_long_name = "Fighter/Magic-User";
    SaveAs("Milo", 12);
    current_character.class_long_name.clear();
    FileFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    ExpectMatchesGolden("window_load_character.txt", Captions(frame));
    wxListCtrl* list = frame->List();
    ASSERT_EQ(list->GetItemCount(), 3);
    EXPECT_EQ(list->GetItemText(0, 0), "Brenna");
    EXPECT_EQ(list->GetItemText(1, 0), "Milo");
    EXPECT_EQ(list->GetItemText(2, 0), "zora"); // letter case does not sort it first or last
    EXPECT_EQ(list->GetItemText(1, 1), "Fighter/Magic-User");
    EXPECT_GE(list->GetColumnWidth(1), list->GetTextExtent("Fighter/Magic-User").x)
        << "a multi-class is not cut";
    EXPECT_EQ(list->GetItemText(1, 2), "12");
    // The window lists what is there when it opens, and again when asked.
    SaveAs("Ada", 2);
    EXPECT_EQ(list->GetItemCount(), 3);
    frame->OnSelectionStart();
    EXPECT_EQ(list->GetItemCount(), 4);
    EXPECT_EQ(list->GetItemText(0, 0), "Ada");
}

TEST_F(FileFrameTest, ActivatingARowLoadsThatCharacterAndShowsItInTheTree) {
    TreePort tree_port;
    MakeSampleCharacter();
    Menu(main_window, ID_SaveFile);
    SaveAs("Brenna Ashford the Younger", 4); // a name that holds the other one

    // A creation in progress when the saved character is opened.
    ResetProgramForTests();
    CRace.LoadRace();
    CClass.LoadClass();
    Menu(main_window, ID_NewCharacter);
    ASSERT_EQ(program_data.creation_stage, 3);
    current_character.character_name = "Half made";

    FileFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(frame->List()->GetItemCount(), 2);
    // "Brenna Ashford the Younger.xml" sorts before "Brenna Ashford.xml" (a blank before a dot).
    EXPECT_EQ(frame->List()->GetItemText(0, 0), "Brenna Ashford the Younger");
    ASSERT_EQ(frame->List()->GetItemText(1, 0), "Brenna Ashford");
    ActivateRow(frame->List(), 1);
    Flush();

    EXPECT_EQ(current_character.character_name, "Brenna Ashford");
    EXPECT_EQ(current_character.level, 1);
    EXPECT_EQ(program_data.creation_stage, 0);
    ASSERT_NE(current_character.race_item, nullptr);
    EXPECT_EQ(CountWindowsTitled("Load Character"), 0); // it closes once the character is in
    ASSERT_NE(theTree, nullptr);
    EXPECT_TRUE(Search(theTree->GetRootItem(), "Ability Scores").IsOk());
}

TEST_F(FileFrameTest, ARowWhoseFileIsGoneSaysSoAndTheListIsRebuilt) {
    SaveAs("Ada", 1);
    SaveAs("Bo", 1);
    FileFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    fs::remove(workspace / "CharacterXML" / "Ada.xml");
    ActivateRow(frame->List(), 0);
    ASSERT_EQ(port->messages.size(), 1u);
    EXPECT_NE(port->messages[0].find("Ada.xml cannot be opened"), std::string::npos);
    EXPECT_EQ(CountWindowsTitled("Load Character"), 1);
    ASSERT_EQ(frame->List()->GetItemCount(), 1);
    EXPECT_EQ(frame->List()->GetItemText(0, 0), "Bo");
}

} // namespace
