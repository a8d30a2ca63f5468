// Save file and Open file from the main window, the "Load Character" window, and the PC tree
// window that shows the character.
#include <filesystem>
#include <string>

#include <wx/listctrl.h>
#include <wx/treectrl.h>

#include "core/app/clear_all.h"
#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/dice/dice_log.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/program_state.h"
#include "core/tree/tree_senders.h"
#include "core/wizard/equipment_shop.h"
#include "gui/base/command_ids.h"
#include "gui/base/window_registry.h"
#include "gui/files/file_frame.h"
#include "gui/tree/pc_tree_frame.h"
#include "gui_fixture.h"
#include "support/golden.h"
#include "support/sample_character.h"

namespace {

namespace fs = std::filesystem;

const char* const kStep3Title = "Character Creation: Roll Ability Scores and choose race";

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
};

// The list is read when the window opens and again when asked; a row whose file has gone
// says so and the list is read again.
TEST_F(FileFrameTest, OpenFileListsTheSavedCharacters) {
    FileFrame* empty = OpenFromMenu<FileFrame>(ID_OpenFile);
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
    FileFrame* frame = OpenFromMenu<FileFrame>(ID_OpenFile);
    ASSERT_NE(frame, nullptr);
    // Sorted by file name, letter case aside; no column cut (a cut cell would show at the end).
    ExpectMatchesGolden("window_load_character.txt", Captions(frame));
    wxListCtrl* list = frame->List();
    SaveAs("Ada", 2);
    EXPECT_EQ(list->GetItemCount(), 3);
    frame->OnSelectionStart();
    EXPECT_EQ(list->GetItemCount(), 4);
    ASSERT_EQ(list->GetItemText(0, 0), "Ada");

    fs::remove(workspace / "CharacterXML" / "Ada.xml");
    ActivateRow(list, 0);
    ASSERT_EQ(port->messages.size(), 1u);
    EXPECT_NE(port->messages[0].find("Ada.xml cannot be opened"), std::string::npos);
    EXPECT_EQ(CountWindowsTitled("Load Character"), 1);
    EXPECT_EQ(list->GetItemCount(), 3);
    EXPECT_EQ(list->GetItemText(0, 0), "Brenna");
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

    FileFrame* frame = OpenFromMenu<FileFrame>(ID_OpenFile);
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(frame->List()->GetItemCount(), 2);
    // "Brenna Ashford the Younger.xml" sorts before "Brenna Ashford.xml" (a blank before a dot).
    EXPECT_EQ(frame->List()->GetItemText(0, 0), "Brenna Ashford the Younger");
    ASSERT_EQ(frame->List()->GetItemText(1, 0), "Brenna Ashford");
    ActivateRow(frame->List(), 1);
    Flush();

    EXPECT_EQ(current_character.character_name, "Brenna Ashford");
    EXPECT_EQ(program_data.creation_stage, 0);
    EXPECT_EQ(CountWindowsTitled(kStep3Title), 0) << "the half-made character's step closes";
    EXPECT_EQ(CountWindowsTitled("Load Character"), 0); // it closes once the character is in
    ASSERT_NE(theTree, nullptr);
    EXPECT_TRUE(Search(theTree->GetRootItem(), "Ability Scores").IsOk());
}

// The tree below `item` as text: "PC(Skills(Riding(32)))".
std::string Dump(const wxTreeItemId& item) {
    std::string text(theTree->GetItemText(item).utf8_str());
    wxTreeItemIdValue cookie;
    wxTreeItemId child = theTree->GetFirstChild(item, cookie);
    if (!child.IsOk()) {
        return text;
    }
    text += "(";
    for (bool first = true; child.IsOk(); child = theTree->GetNextChild(item, cookie)) {
        text += (first ? "" : ",") + Dump(child);
        first = false;
    }
    return text + ")";
}

class PCTreeTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        std::snprintf(program_data.log_file_name, kLogFileNameSize, "%s", "40.log");
    }
    static std::string Tree() {
        EXPECT_NE(theTree, nullptr);
        return theTree ? Dump(theTree->GetRootItem()) : "";
    }
    // Activates the item reached from the root by the texts in `path`, as a double click does.
    static void Activate(std::initializer_list<const char*> path) {
        ASSERT_NE(theTree, nullptr);
        wxTreeItemId item = theTree->GetRootItem();
        for (const char* text : path) {
            item = Search(item, text);
            ASSERT_TRUE(item.IsOk()) << "no item " << text;
        }
        wxTreeEvent event(wxEVT_TREE_ITEM_ACTIVATED, theTree, item);
        theTree->ProcessWindowEvent(event);
    }
    static void Send(const std::string& branch, const std::vector<std::string>& keys,
                     const std::vector<std::string>& values) {
        Port().UpdateTreeBranch(branch, keys, values);
    }
};

// A branch sent again is rebuilt in place, one named after a key grows beneath it, and
// clearing leaves only the root.
TEST_F(PCTreeTest, LoggedLineOpensTheTreeBesideTheMainWindowAndReopensIt) {
    TreePort tree_port;
    EXPECT_TRUE(PCTREarly_Close);
    Port().ClearTree(); // no window: nothing happens
    EXPECT_EQ(VexlFrames[kSlotTree], nullptr);
    Log("All variables have been cleared");
    wxFrame* tree = VexlFrames[kSlotTree];
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->GetTitle(), "Character Creation: PC Tree");
    EXPECT_EQ(tree->GetPosition(), wxPoint(MasterWidth - 200, 0));
    EXPECT_EQ(tree->GetSize(), wxSize(200, MasterHeight));
    EXPECT_FALSE(PCTREarly_Close);
    EXPECT_EQ(Tree(), "PC");
    Send("Skills", {"Riding", "Swimming"}, {"3", "1"});
    Send("Talents", {"Keen Sight"}, {"1"});
    Send("Skills", {"Climbing", "Juggling"}, {"5", ""});
    EXPECT_EQ(Tree(), "PC(Skills(Climbing(5)),Talents(Keen Sight(1)))");
    Port().ClearTree();
    EXPECT_EQ(Tree(), "PC");
    Send("Ability Scores", {"Strength"}, {"12/0"});
    Send("Strength", {"Score"}, {"12/0"});
    EXPECT_EQ(Tree(), "PC(Ability Scores(Strength(Score(12/0))))");

    // Closed, it reopens on the next line filled from the record.
    Menu(tree, ID_Exit);
    Flush();
    EXPECT_TRUE(PCTREarly_Close);
    EXPECT_EQ(VexlFrames[kSlotTree], nullptr);
    EXPECT_EQ(theTree, nullptr);
    Send("Skills", {"Riding"}, {"3"}); // nothing to write into: ignored

    SkillDataItem::AddTail(MakeItem<SkillDataItem>("Swimming", 2));
    EquipDataItem::AddTail(MakeItem<EquipDataItem>("Starting Clothes", 1));
    Log("second");
    ASSERT_NE(VexlFrames[kSlotTree], nullptr);
    EXPECT_EQ(CountWindowsTitled("Character Creation: PC Tree"), 1);
    EXPECT_EQ(Tree(), "PC(Skills(Swimming(2)),Equipment(Starting Clothes(1)))");
}

// Activating a value, or the key above it, edits it through core and rewrites the item; the
// skill and equipment entries reopen their windows, which New Character closes so that the
// next creation gets fresh windows of its own.
TEST_F(PCTreeTest, ActivatedItemsEditTheRecordOrReopenTheirWindows) {
    TreePort tree_port;
    Log("open");
    current_character.character_height = 60;
    current_character.handedness = "Right";
    messagePPtotree();
    tree_port.AnswerNumber(66);
    Activate({"Height", "60 inches"});
    EXPECT_EQ(current_character.character_height, 66);
    EXPECT_EQ(Dump(Search(theTree->GetRootItem(), "Height")), "Height(66 inches)");
    tree_port.AnswerText("Ambidextrous");
    Activate({"Handeness"});
    EXPECT_EQ(Dump(Search(theTree->GetRootItem(), "Handeness")), "Handeness(Ambidextrous)");

    Send("Skills", {"Riding"}, {"3"});
    Send("Equipment", {"Torch"}, {"6"});
    Activate({"Skills", "Riding"});
    Activate({"Equipment", "Torch"});
    EXPECT_NE(VexlFrames[kSlotSkills], nullptr);
    EXPECT_NE(VexlFrames[kSlotEquipment], nullptr);
    EXPECT_TRUE(tree_port.messages.empty());

    Menu(main_window, ID_NewCharacter);
    EXPECT_EQ(VexlFrames[kSlotSkills], nullptr);
    EXPECT_EQ(VexlFrames[kSlotEquipment], nullptr);
    Flush();
    EXPECT_EQ(CountWindowsTitled(kEquipmentShopTitle), 0);
    EXPECT_EQ(program_data.creation_stage, 3) << "closing them leaves the new creation alone";
}

} // namespace
