// The HTML character sheet: a small character's whole sheet against a reviewed golden (its
// markup checked balanced), the parts that appear only when the record holds them, and the
// escaping of every text from the record.
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "character_file_fixture.h"
#include "core/data/item_data.h"
#include "core/files/character_sheet.h"
#include "support/golden.h"

namespace {

class CharacterSheetTest : public CharacterFileTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        WriteFile("Equipment/Categories_Equipment.qdf",
                  DataRecord("CHARACTER_EQUIP",
                             "<NAME>Categories</NAME>\n<CATEGORY>Arms</CATEGORY>\n"
                             "<CATEGORY>Adventuring Gear</CATEGORY>\n"));
        WriteFile("Equipment/Rope_Equipment.qdf",
                  DataRecord("CHARACTER_EQUIP", "<NAME>Rope</NAME>\n<TABLEID>2</TABLEID>\n"));
        WriteFile("Equipment/Sword_Equipment.qdf",
                  DataRecord("CHARACTER_EQUIP", "<NAME>Sword</NAME>\n<TABLEID>1</TABLEID>\n"));
        WriteFile("Classes/ThiefClass.qdf",
                  DataRecord("CHARACTER_CLASS", "<NAME>Thief</NAME>\n<THIEF>1</THIEF>\n"));
        CEquip.LoadEquip();
        MakeBrenna();
    }

    static std::string Sheet() {
        std::ostringstream out;
        WriteCharacterSheet(out);
        return out.str();
    }
};

// Brenna's whole sheet, tests/golden/brenna_sheet.html: its twelve sections in order carry the
// values of her reviewed character file.
TEST_F(CharacterSheetTest, SmallCharacterMatchesTheReviewedSheet) {
    ExpectMatchesGolden("brenna_sheet.html", Sheet());
}

// Equipment grouped by the data's categories, thief skills from the thief class entry, and
// every text from the record escaped.
TEST_F(CharacterSheetTest, RecordPartsAreGroupedAndEscaped) {
    Character_Class& c = current_character;
    c.equipment.AddTail(MakeItem<EquipDataItem>("Sword", 1));
    c.equipment.AddTail(MakeItem<EquipDataItem>("Rope, Silk", 1)); // no record
    auto thief = MakeClassEntry("Thief");
    thief->open_locks[0] = 30; // the starting base
    thief->open_locks[1] = 5;  // the points placed in creation
    ClassDataItem::AddTail(std::move(thief));
    c.character_name = "Kira <\"the\" Quick> & Co";
    c.honor_standing = "Great Honor d<12>";
    c.skills.AddTail(MakeItem<SkillDataItem>("Knots & <Ties>", 5));
    SetSiblingLine(0, "Twin </UL> sister");
    const std::string sheet = Sheet();
    for (const char* part :
         {"<LI>Arms\n<UL>\n<LI>Sword x1\n</UL>\n<LI>Adventuring Gear\n<UL>\n<LI>Rope x2\n</UL>\n"
          "<LI>Other Equipment\n<UL>\n<LI>Starting Clothes x1\n<LI>Rope, Silk x1\n</UL>\n",
          "<LI>Thief Skills\n<UL>\n<LI>Pick Pockets 0%\n<LI>Open Locks 35%\n",
          "<LI>Read Languages 0%\n</UL>\n",
          "<TITLE>Fraymark Character Generator Kira &lt;&quot;the&quot; Quick&gt; &amp; Co "
          "Fighter</TITLE>",
          "Character: Kira &lt;&quot;the&quot; Quick&gt; &amp; Co</TD>",
          "<B>FAME</B>: Great Honor d&lt;12&gt;</TD>", "<LI>Knots &amp; &lt;Ties&gt; 5%\n",
          "SIBLING 1: Twin &lt;/UL&gt; sister"}) {
        EXPECT_TRUE(Has(sheet, part)) << part;
    }
    EXPECT_FALSE(Has(sheet, "<Ties>"));
    EXPECT_EQ(Count(sheet, "<UL>"), Count(sheet, "</UL>"));
}

TEST_F(CharacterSheetTest, ACharacterWithoutRaceClassOrItemsStillMakesAWholePage) {
    ResetProgramForTests();
    const std::string sheet = Sheet();
    EXPECT_TRUE(Has(sheet, "<TD ALIGN=LEFT>Rod: 0</TD>"));
    EXPECT_TRUE(Has(sheet, "<LI>Racial Bonuses\n<UL>\n</UL>\n"));
    EXPECT_TRUE(Has(sheet, "</BODY>\n</HTML>\n"));
}

} // namespace
