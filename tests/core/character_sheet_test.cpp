// The HTML character sheet: its frame, sections in order, balanced markup, the cells that
// carry the record, and escaping of every text from the record.
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/app/clear_all.h"
#include "core/data/class_data.h"
#include "core/data/item_data.h"
#include "core/data/race_data.h"
#include "core/files/character_sheet.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/program_state.h"
#include "support/sample_character.h"
#include "support/workspace_fixture.h"

namespace {

class CharacterSheetTest : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        WriteSampleRulesData(workspace);
        WriteFile("Equipment/Categories_Equipment.qdf",
                  DataRecord("CHARACTER_EQUIP",
                             "<NAME>Categories</NAME>\n<CATEGORY>Arms</CATEGORY>\n"
                             "<CATEGORY>Adventuring Gear</CATEGORY>\n"));
        WriteFile("Equipment/Rope_Equipment.qdf",
                  DataRecord("CHARACTER_EQUIP", "<NAME>Rope</NAME>\n<TABLEID>2</TABLEID>\n"));
        WriteFile("Equipment/Sword_Equipment.qdf",
                  DataRecord("CHARACTER_EQUIP", "<NAME>Sword</NAME>\n<TABLEID>1</TABLEID>\n"));
        CRace.LoadRace();
        CClass.LoadClass();
        CEquip.LoadEquip();
        MakeSampleCharacter();
    }

    static std::string Sheet() {
        std::ostringstream out;
        WriteCharacterSheet(out);
        return out.str();
    }

    static int Count(const std::string& text, const std::string& part) {
        int n = 0;
        for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
            ++n;
        }
        return n;
    }

    static bool Has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }
};

TEST_F(CharacterSheetTest, PageFrameTitleAndFooter) {
    const std::string sheet = Sheet();
    EXPECT_EQ(sheet.rfind("<HTML>\n <HEAD>\n <TITLE>Fraymark Character Generator Brenna Ashford "
                          "Fighter</TITLE>\n </HEAD>\n<BODY>\n<TABLE BORDER=1 WIDTH=100%>\n",
                          0),
              0u);
    const std::string end = "<P>\nMade with Orlund's Plainspun Fraymark Toolkit\n<BR>\n"
                            "The Fraymark game, its rules and tables belong to their rights "
                            "holders.\n</P>\n</BODY>\n</HTML>\n";
    ASSERT_GE(sheet.size(), end.size());
    EXPECT_EQ(sheet.substr(sheet.size() - end.size()), end);
}

TEST_F(CharacterSheetTest, TwelveSectionsInOrderSeparatedByBreaks) {
    const std::string sheet = Sheet();
    const char* const headings[] = {
        "Character Information",
        "Abilities",
        "Hit Points",
        "Experience Points",
        "Saving Throws",
        "Movement and Encumbrance",
        "Racial Abilities",
        "Spells Known",
        "Quirks and Flaws",
        "Skills, Talents and Proficiencies",
        "Inventory",
        "Family Information",
    };
    std::size_t at = 0;
    for (const char* heading : headings) {
        const std::string cell = std::string("><BIG><B><CENTER>") + heading + "</CENTER>";
        const std::size_t found = sheet.find(cell, at);
        ASSERT_NE(found, std::string::npos) << heading << " missing or out of order";
        at = found;
    }
    EXPECT_EQ(Count(sheet, "<TABLE BORDER=1 WIDTH=100%>"), 12);
    EXPECT_EQ(Count(sheet, "</TABLE>\n<BR>\n<TABLE BORDER=1"), 11);
    EXPECT_TRUE(Has(sheet, "<TD COLSPAN=4><BIG><B><CENTER>Character Information"));
    EXPECT_TRUE(Has(sheet, "<TD COLSPAN=15><BIG><B><CENTER>Abilities"));
    EXPECT_TRUE(Has(sheet, "<TD COLSPAN=8><BIG><B><CENTER>Movement and Encumbrance"));
}

TEST_F(CharacterSheetTest, MarkupIsBalanced) {
    const std::string sheet = Sheet();
    const std::pair<const char*, const char*> pairs[] = {
        {"<TABLE", "</TABLE>"}, {"<TR>", "</TR>"}, {"<TD", "</TD>"},
        {"<UL>", "</UL>"},      {"<B>", "</B>"},   {"<SMALL>", "</SMALL>"},
    };
    for (const auto& [open, close] : pairs) {
        EXPECT_EQ(Count(sheet, open), Count(sheet, close)) << open;
        EXPECT_GT(Count(sheet, open), 0) << open;
    }
}

TEST_F(CharacterSheetTest, CellsCarryTheRecord) {
    const std::string sheet = Sheet();
    const char* const cells[] = {
        // Character information, four to a row.
        "<TR>\n<TD ALIGN=LEFT>Character: Brenna Ashford</TD>\n<TD ALIGN=LEFT>Player: </TD>\n"
        "<TD ALIGN=LEFT>Race: Human</TD>\n<TD ALIGN=LEFT>Class: Fighter</TD>\n</TR>\n",
        "<TD ALIGN=LEFT>Weight: 140 lbs.</TD>",
        "<TD ALIGN=LEFT>Patron Gawd:</TD>",
        "<TR>\n<TD ALIGN=LEFT>Age: 19</TD>\n<TD ALIGN=LEFT>Appearance: </TD>\n</TR>\n",
        // Abilities: the score, then effect pairs; charisma adds its two sheet-only effects.
        "<TD ALIGN=LEFT><B>STR</B></TD>\n<TD ALIGN=LEFT>12/30</TD>\n"
        "<TD ALIGN=LEFT><SMALL>Hit Prob.</SMALL></TD>\n<TD ALIGN=LEFT><SMALL>+0</SMALL></TD>\n",
        "<TD ALIGN=LEFT><SMALL>Bend Bars Lift Gates</SMALL></TD>\n"
        "<TD ALIGN=LEFT><SMALL>5%</SMALL></TD>\n</TR>",
        "<TD ALIGN=LEFT><SMALL>Hon. Mod.</SMALL></TD>\n<TD ALIGN=LEFT><SMALL>0</SMALL></TD>\n</TR>",
        "<TD ALIGN=LEFT><B>COM</B></TD>\n<TD ALIGN=LEFT>12/5</TD>\n</TR>",
        "<TD ALIGN=LEFT><B>HON</B></TD>\n<TD ALIGN=LEFT>14</TD>\n"
        "<TD ALIGN=LEFT COLSPAN=13><B>FAME</B>: </TD>",
        "<LI>Hit Points: 8\n",
        "<LI>Fighter: \n",
        // Saving throws, five to a row, fighter table at level 1.
        "<TD ALIGN=LEFT>Paralyzation: 15</TD>",
        "<TD ALIGN=LEFT>Rod: 17</TD>",
        "<TD ALIGN=LEFT>FrayLust: 16</TD>\n</TR>\n<TR>\n<TD ALIGN=LEFT>Breath Weapon: 19</TD>\n"
        "<TD ALIGN=LEFT>Apology: 18</TD>\n<TD ALIGN=LEFT>Spells: 18</TD>\n</TR>",
        // Movement: loads and rates for a move of 9.
        "<TD ALIGN=LEFT>Load</TD>\n<TD ALIGN=LEFT>0-59</TD>\n<TD ALIGN=LEFT>60 - 74</TD>\n",
        "<TD ALIGN=LEFT>Rate</TD>\n<TD ALIGN=LEFT>9</TD>\n<TD ALIGN=LEFT>6.75</TD>\n"
        "<TD ALIGN=LEFT>4</TD>\n<TD ALIGN=LEFT>2</TD>\n<TD ALIGN=LEFT>1</TD>\n"
        "<TD ALIGN=LEFT>x2</TD>\n<TD ALIGN=LEFT>x3</TD>\n",
        // Lists.
        "<LI>Racial Bonuses\n<UL>\n<LI>Adaptable to any land\n</UL>\n<LI>Talents\n<UL>\n</UL>\n"
        "<LI>The Downside\n<UL>\n<LI>Short-lived\n</UL>\n",
        "<LI>Greedy x1\n",
        "<LI>Skills\n<UL>\n<LI>Climbing 45%\n<LI>Swimming 30%\n</UL>\n",
        "<LI>Coins &amp; Money\n<UL>\n<LI>0 gold pieces\n<LI>5 silver pieces\n"
        "<LI>0 copper pieces\n<LI>Hereditary Debt: 0\n</UL>\n",
        "<LI>Father: Alive, Kind\n<LI>Mother: Alive, Stern\n<LI>Step Parent: \n"
        "<LI>Birth Order: Eldest\n<LI>SIBLING 1: Brother, 15, a miller's apprentice\n</UL>",
    };
    for (const char* cell : cells) {
        EXPECT_TRUE(Has(sheet, cell)) << cell;
    }
    EXPECT_FALSE(Has(sheet, "SIBLING 2")); // one sibling, one line
    EXPECT_FALSE(Has(sheet, "Thief Skills"));
}

TEST_F(CharacterSheetTest, EquipmentIsGroupedByTheDatasCategories) {
    current_character.equipment.AddTail(MakeItem<EquipDataItem>("Sword", 1));
    current_character.equipment.AddTail(MakeItem<EquipDataItem>("Rope, Silk", 1)); // no record
    const std::string sheet = Sheet();
    EXPECT_TRUE(Has(sheet, "<LI>Arms\n<UL>\n<LI>Sword x1\n</UL>\n"
                           "<LI>Adventuring Gear\n<UL>\n<LI>Rope x2\n</UL>\n"
                           "<LI>Other Equipment\n<UL>\n<LI>Starting Clothes x1\n"
                           "<LI>Rope, Silk x1\n</UL>\n"))
        << sheet;
}

TEST_F(CharacterSheetTest, ThiefSkillsComeFromTheThiefClassEntry) {
    auto record = std::make_unique<CharacterClass>();
    record->name = "Thief";
    record->thief = 1;
    CharacterClass::AddTail(std::move(record));
    auto thief = std::make_unique<ClassDataItem>();
    thief->name = "Thief";
    thief->open_locks[0] = 30; // the starting base
    thief->open_locks[1] = 5;  // the points placed in creation
    ClassDataItem::AddTail(std::move(thief));
    const std::string sheet = Sheet();
    EXPECT_TRUE(Has(sheet, "<LI>Thief Skills\n<UL>\n<LI>Pick Pockets 0%\n<LI>Open Locks 35%\n"));
    EXPECT_TRUE(Has(sheet, "<LI>Read Languages 0%\n</UL>\n"));
}

TEST_F(CharacterSheetTest, TextsFromTheRecordAreEscaped) {
    Character_Class& c = current_character;
    c.character_name = "Kira <\"the\" Quick> & Co";
    c.honor_standing = "Great Honor d<12>";
    c.skills.AddTail(MakeItem<SkillDataItem>("Knots & <Ties>", 5));
    SetSiblingLine(0, "Twin </UL> sister");
    const std::string sheet = Sheet();
    EXPECT_TRUE(Has(sheet, "<TITLE>Fraymark Character Generator Kira &lt;&quot;the&quot; "
                           "Quick&gt; &amp; Co Fighter</TITLE>"));
    EXPECT_TRUE(Has(sheet, "Character: Kira &lt;&quot;the&quot; Quick&gt; &amp; Co</TD>"));
    EXPECT_TRUE(Has(sheet, "<B>FAME</B>: Great Honor d&lt;12&gt;</TD>"));
    EXPECT_TRUE(Has(sheet, "<LI>Knots &amp; &lt;Ties&gt; 5%\n"));
    EXPECT_TRUE(Has(sheet, "SIBLING 1: Twin &lt;/UL&gt; sister"));
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
