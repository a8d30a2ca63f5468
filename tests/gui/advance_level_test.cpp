// Life after creation day in the windows: an award from the menu, the advance window, the
// thief points of the new level, the spell book, and the tree and the sheet showing the new
// figures at once.
#include <sstream>

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include "core/data/class_data.h"
#include "core/data/item_data.h"
#include "core/dice/dice.h"
#include "core/files/character_sheet.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/tree/tree_senders.h"
#include "gui/base/command_ids.h"
#include "gui/wizard/advance_level_frame.h"
#include "gui/wizard/spell_book_frame.h"
#include "gui/wizard/thief_skills_frame.h"
#include "gui_fixture.h"
#include "support/golden.h"
#include "support/rules_records.h"

namespace {

class AdvanceLevelTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        std::snprintf(program_data.log_file_name, kLogFileNameSize, "%s", "41.log");
        CharacterClass& thief = AddRecord<CharacterClass>("Thief");
        thief.thief = 1;
        thief.thiefskills = "Pick Pockets, Open Locks";
        for (int level = 1; level <= 3; ++level) {
            thief.xptable[level] = (level - 1) * 1300;
            thief.hitdie[level] = 6;
            thief.hitdieroll[level] = 1;
            thief.thiefpoints[level] = 30;
        }
        Character_Class& c = current_character;
        c.class_item = &thief;
        c.character_name = "Wren";
        c.constitution_base = 10;
        c.honor = 16;
        c.hit_points = 6;
        c.level = 1;
        AddRecord<ClassDataItem>("Thief").level = 1;
    }

    static std::string TreeValue(const char* key, const char* branch_name = "Experience Points") {
        const wxTreeItemId branch = Search(theTree->GetRootItem(), branch_name);
        const wxTreeItemId item = Search(branch, key);
        wxTreeItemIdValue cookie;
        return item.IsOk()
                   ? std::string(
                         theTree->GetItemText(theTree->GetFirstChild(item, cookie)).utf8_str())
                   : "";
    }
};

TEST_F(AdvanceLevelTest, AwardAdvancePlaceTheThiefPointsAndSeeTheTreeAndSheetChange) {
    TreePort tree_port;
    Port().UpdateTree();
    SendCharacterToTree();
    tree_port.AnswerNumber(2600);
    Menu(main_window, ID_AwardExperience);
    EXPECT_EQ(tree_port.questions.back().caption, "Award Experience");
    EXPECT_EQ(tree_port.messages.back(), "Award Experience: 2600 experience points awarded.\n"
                                         "Thief may advance to level 2.");
    EXPECT_EQ(TreeValue("Thief"), "2600 XP, level 1; level 2 at 1300 XP");

    auto* advance = OpenFromMenu<AdvanceLevelFrame>(ID_AdvanceLevel);
    ASSERT_NE(advance, nullptr);
    EXPECT_EQ(VexlFrames[kSlotAdvance], advance);
    ExpectMatchesGolden("window_advance_level.txt", Captions(advance));
    ASSERT_TRUE(advance->AdvanceButton()->IsEnabled());

    QueueDieFaces({4});
    Click(advance, ID_AdvanceLevel);
    EXPECT_EQ(advance->GainsText()->GetValue(),
              "Thief reaches level 2\nHit points: 4 rolled +0 bonus +0 Constitution = 4; the "
              "character gains 4\nThief points to place: 30\nHonor: Average Honor d4\n");
    EXPECT_EQ(current_character.hit_points, 10);
    EXPECT_EQ(TreeValue("Thief"), "2600 XP, level 2; level 3 at 2600 XP");
    std::ostringstream sheet;
    WriteCharacterSheet(sheet);
    EXPECT_NE(sheet.str().find("<LI>Thief: 2600 XP, level 2; level 3 at 2600 XP"),
              std::string::npos);
    EXPECT_FALSE(advance->AdvanceButton()->IsEnabled());

    // The level's thief points open beside it, placed on top of the skills as they stand.
    auto* points = Newest<LevelThiefSkills>();
    ASSERT_NE(points, nullptr);
    EXPECT_TRUE(advance->PlaceThiefPointsButton()->IsEnabled());
    Click(points, ID_ThiefAbort); // closed unplaced, the points wait for the advance window
    Flush();
    Click(advance, ID_PlaceThiefPoints);
    points = Newest<LevelThiefSkills>();
    ASSERT_NE(points, nullptr);
    EXPECT_EQ(points->PointsLabel()->GetLabel(), "30 Points");
    EXPECT_EQ(advance->ClassList()->GetItemText(0, 4),
              "the thief points of level 2 are still to be placed");
    points->EntryBox(0)->ChangeValue("30");
    Click(points, ID_ThiefContinue);
    Flush();
    EXPECT_EQ(ClassDataItem::pHead->pick_pockets[2], 30);
    EXPECT_EQ(advance->ClassList()->GetItemText(0, 4), "Yes");
    EXPECT_FALSE(advance->PlaceThiefPointsButton()->IsEnabled());
    EXPECT_TRUE(advance->AdvanceButton()->IsEnabled());
}

// The spell book from the menu: a wizard learns a spell by its roll, and the book shows in the
// window, the tree and the sheet.
TEST_F(AdvanceLevelTest, TheSpellBookLearnsASpellAndTheTreeAndSheetShowIt) {
    CharacterClass& wizard = AddRecord<CharacterClass>("Wizard");
    wizard.mage = 1;
    wizard.spelllevel[1] = 1;
    for (const char* name : {"Spark", "Glow"}) {
        CharacterSpell& spell = AddRecord<CharacterSpell>(name);
        spell.type = "Magic-User";
        spell.level = 1;
        spell.specialization = "Evocation";
    }
    ClassDataItem::Clear();
    AddRecord<ClassDataItem>("Wizard").level = 1;
    current_character.intelligence_base = 18;
    TreePort tree_port;
    Port().UpdateTree();

    auto* book = OpenFromMenu<SpellBookFrame>(ID_SpellBook);
    ASSERT_NE(book, nullptr);
    ExpectMatchesGolden("window_spell_book.txt", Captions(book));
    book->OpenList()->SetItemState(1, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    QueueDieFaces({85});
    Click(book, ID_SpellLearn);
    EXPECT_EQ(book->GetStatusBar()->GetStatusText(), "Glow learned");
    EXPECT_EQ(book->BookList()->GetItemCount(), 1);
    EXPECT_EQ(book->OpenList()->GetItemCount(), 1);
    EXPECT_EQ(TreeValue("Glow", "Spells Known"), "level 1, Evocation, 1 page");
    std::ostringstream sheet;
    WriteCharacterSheet(sheet);
    EXPECT_NE(sheet.str().find("<LI>Glow: level 1, Evocation, 1 page"), std::string::npos);
}

} // namespace
