// The PC tree window: opened by the log, filled branch by branch, and its items edited.
#include <memory>
#include <string>

#include <wx/treectrl.h>

#include "core/dice/dice_log.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/program_state.h"
#include "core/tree/tree_senders.h"
#include "gui/app/command_ids.h"
#include "gui/app/window_registry.h"
#include "gui/app/wx_user_port.h"
#include "gui/tree/pc_tree_frame.h"
#include "gui_fixture.h"

namespace {

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
        tree_port = std::make_unique<TreePort>();
        std::snprintf(program_data.log_file_name, kLogFileNameSize, "%s", "40.log");
    }
    void TearDown() override {
        tree_port.reset();
        GuiTest::TearDown();
    }
    void Log(const std::string& text) {
        std::string line = text;
        Format_Entry(program_data.building_points, line, program_data.log_file_name);
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
    std::unique_ptr<TreePort> tree_port;
};

TEST_F(PCTreeTest, LoggedLineOpensTheTreeBesideTheMainWindowAndReopensIt) {
    EXPECT_TRUE(PCTREarly_Close);
    Log("All variables have been cleared");
    wxFrame* tree = VexlFrames[kSlotTree];
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->GetTitle(), "Character Creation: PC Tree");
    EXPECT_EQ(tree->GetPosition(), wxPoint(MasterWidth - 200, 0));
    EXPECT_EQ(tree->GetSize(), wxSize(200, MasterHeight));
    EXPECT_FALSE(PCTREarly_Close);
    EXPECT_EQ(Tree(), "PC");

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

// A branch sent again is rebuilt in place; clearing leaves only the root.
// A branch sent again is rebuilt in place, one named after a key grows beneath it, and
// clearing leaves only the root.
TEST_F(PCTreeTest, BranchesAreRebuiltInPlaceAndClearLeavesTheRoot) {
    Port().ClearTree(); // no window: nothing happens
    EXPECT_EQ(VexlFrames[kSlotTree], nullptr);
    Log("open");
    Send("Skills", {"Riding", "Swimming"}, {"3", "1"});
    Send("Talents", {"Keen Sight"}, {"1"});
    Send("Skills", {"Climbing", "Juggling"}, {"5", ""});
    EXPECT_EQ(Tree(), "PC(Skills(Climbing(5)),Talents(Keen Sight(1)))");
    Port().ClearTree();
    EXPECT_EQ(Tree(), "PC");
    Send("Ability Scores", {"Strength"}, {"12/0"});
    Send("Strength", {"Score"}, {"12/0"});
    EXPECT_EQ(Tree(), "PC(Ability Scores(Strength(Score(12/0))))");
}

// Editing a value changes the record and the item, once no creation is going on.
TEST_F(PCTreeTest, EditingAValueChangesTheRecordAndTheItem) {
    Log("open");
    current_character.character_height = 60;
    current_character.handedness = "Right";
    messagePPtotree();
    program_data.creation_stage = 5;
    Activate({"Height", "60 inches"});
    EXPECT_TRUE(tree_port->questions.empty());
    program_data.creation_stage = 0;

    tree_port->AnswerNumber(66);
    Activate({"Height", "60 inches"});
    EXPECT_EQ(current_character.character_height, 66);
    EXPECT_EQ(Dump(Search(theTree->GetRootItem(), "Height")), "Height(66 inches)");
    EXPECT_EQ(tree_port->questions.back().caption, "Character Editing: Height");
    // The key itself edits the value beneath it; a handedness in lower case is refused.
    tree_port->AnswerText("left");
    Activate({"Handeness"});
    tree_port->AnswerText("Ambidextrous");
    Activate({"Handeness"});
    EXPECT_EQ(current_character.handedness, "Ambidextrous");
    EXPECT_EQ(Dump(Search(theTree->GetRootItem(), "Handeness")), "Handeness(Ambidextrous)");
    EXPECT_EQ(tree_port->questions.size(), 3u);
}

TEST_F(PCTreeTest, SkillAndEquipmentEntriesReopenTheirWindowsOnceTheCreationIsOver) {
    Log("open");
    Send("Skills", {"Riding"}, {"3"});
    Send("Equipment", {"Torch"}, {"6"});
    program_data.creation_stage = 5;
    Activate({"Skills", "Riding"});
    EXPECT_EQ(VexlFrames[kSlotSkills], nullptr);
    program_data.creation_stage = 0;
    Activate({"Skills", "Riding"});
    Activate({"Equipment", "Torch"});
    ASSERT_NE(VexlFrames[kSlotSkills], nullptr);
    EXPECT_EQ(VexlFrames[kSlotSkills]->GetTitle(),
              "Character Creation: Skills Talents & Proficiencies");
    ASSERT_NE(VexlFrames[kSlotEquipment], nullptr);
    EXPECT_EQ(VexlFrames[kSlotEquipment]->GetTitle(), "Character Creation: Purchase Equipment");
    EXPECT_TRUE(tree_port->messages.empty());
}

TEST_F(PCTreeTest, ToolkitPortDrivesTheTreeWindow) {
    WxUserPort wx_port;
    UserPort* previous = InstallUserPort(&wx_port);
    Port().UpdateTree();
    Port().UpdateTreeBranch("Skills", {"Riding"}, {"3"});
    EXPECT_EQ(Tree(), "PC(Skills(Riding(3)))");
    InstallUserPort(previous);
}

} // namespace
