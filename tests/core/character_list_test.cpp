// The list of saved characters and opening one of them.
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "character_file_fixture.h"
#include "core/app/character_open.h"
#include "core/files/character_list.h"
#include "core/model/program_state.h"
#include "support/scripted_port.h"

namespace {

namespace fs = std::filesystem;

class CharacterListTest : public CharacterFileTest {
protected:
    void TearDown() override {
        VexlFileClass::Clear();
        WorkspaceTest::TearDown();
    }

    void WriteCharacter(const std::string& file, const std::string& lines) const {
        WriteFile("CharacterXML/" + file, File(lines));
    }

    static std::vector<std::string> Rows() {
        VexlFileClass scanner;
        scanner.LoadCharacter();
        std::vector<std::string> rows;
        for (const VexlFileClass* r = VexlFileClass::pHead.get(); r; r = r->next.get()) {
            rows.push_back(r->file_name + "|" + r->character_name + "|" + r->class_long_name + "|" +
                           r->level + "|" + r->race);
        }
        return rows;
    }
};

// Every character file is a row, sorted by file name; an odd file gives what it holds.
TEST_F(CharacterListTest, ListsEveryCharacterFileSortedByNameWhateverItsLetterCase) {
    EXPECT_TRUE(Rows().empty()) << "no directory, no rows";
    WriteCharacter("bob.xml", "<CHARACTER_NAME>Bob</CHARACTER_NAME>\n<LEVEL>03</LEVEL>\n"
                              "<CLASS_LONG_NAME>Thief</CLASS_LONG_NAME>\n<RACE>Halfling</RACE>\n");
    WriteCharacter("Alice.xml", "<RACE>Elf</RACE>\n<CHARACTER_NAME>Alice</CHARACTER_NAME>\n"
                                "<CLASS_LONG_NAME>Mage</CLASS_LONG_NAME>\n<LEVEL>1</LEVEL>\n");
    WriteCharacter("CARL.XML", "<CHARACTER_NAME>Carl &amp; Co</CHARACTER_NAME>\n");
    WriteFile("CharacterXML/notes.txt", "<CHARACTER_NAME>Not listed</CHARACTER_NAME>\n");
    WriteFile("CharacterXML/Zed.xml.bak", "<CHARACTER_NAME>Not listed</CHARACTER_NAME>\n");
    WriteFile("CharacterXML/garbage.xml", std::string("\0\x01\xff<<<>>>\n", 10));
    WriteFile("CharacterXML/half.xml", "<CHARACTER_NAME>Half</CHARACTER_NAME>\n<LEVEL>2</LEV");
    WriteCharacter("split.xml", "<CHARACTER_NAME>Long</CHARACTER_NAME>\n"
                                "  <CHARACTER_NAME>fellow</CHARACTER_NAME>\n"
                                "<CLASS_LEVEL>9</CLASS_LEVEL>\n");
    WriteFile("CharacterXML/after.xml",
              "<CHARACTER_NAME>Dee</CHARACTER_NAME>\n</FRAYMARK_CHARACTER>\n<LEVEL>5</LEVEL>\n");
    // A field that comes after the attributes is still found; once every field was seen by
    // then, the rest of the file is not read.
    const std::string fields = "<CHARACTER_NAME>Eve</CHARACTER_NAME>\n<LEVEL>4</LEVEL>\n"
                               "<CLASS_LONG_NAME>Bard</CLASS_LONG_NAME>\n<SEX>Female</SEX>\n"
                               "<ALIGNMENT>Neutral</ALIGNMENT>\n<HONOR_BASE>9</HONOR_BASE>\n";
    WriteCharacter("late.xml", fields + "</ATTRIBUTES>\n<RACE>Gnome</RACE>\n");
    WriteCharacter("whole.xml", fields + "<RACE>Elf</RACE>\n</ATTRIBUTES>\n<RACE>Orc</RACE>\n");
    const std::vector<std::string> want = {
        "after.xml|Dee|||", // nothing after the closing line is read
        "Alice.xml|Alice|Mage|1|Elf",
        "bob.xml|Bob|Thief|03|Halfling", // the level as written
        "CARL.XML|Carl & Co|||",         // texts unescaped
        "garbage.xml||||",
        "half.xml|Half||2|", // the cut line still holds "</"
        "late.xml|Eve|Bard|4|Gnome",
        "split.xml|Longfellow|||", // a name over two lines comes back whole
        "whole.xml|Eve|Bard|4|Elf",
    };
    EXPECT_EQ(Rows(), want);
    // Scanning again starts over rather than adding to the list.
    EXPECT_EQ(Rows(), want);
    // Find takes the first name holding the text, letter case counting.
    ASSERT_NE(VexlFileClass::Find("l"), nullptr);
    EXPECT_EQ(VexlFileClass::Find("l")->file_name, "Alice.xml");
    ASSERT_NE(VexlFileClass::Find("a"), nullptr);
    EXPECT_EQ(VexlFileClass::Find("a")->file_name, "CARL.XML");
}

// The list keeps what it read in CharacterXML/.summaries, but never over the files: a file
// whose size or time changed, or changed a moment ago, is read again; a removed one drops out;
// a broken cache is rebuilt.
TEST_F(CharacterListTest, TheListsMemoryIsNeverTrustedOverTheFiles) {
    const auto write = [&](const std::string& file, const char* name, int hours_ago) {
        WriteCharacter(file, std::string("<CHARACTER_NAME>") + name + "</CHARACTER_NAME>\n");
        fs::last_write_time(workspace / "CharacterXML" / file,
                            fs::file_time_type::clock::now() - std::chrono::hours(hours_ago));
    };
    write("a.xml", "Ann", 2);
    write("b.xml", "Ben", 2);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"a.xml|Ann|||", "b.xml|Ben|||"}));
    EXPECT_NE(ReadFile("CharacterXML/.summaries").find("Ben"), std::string::npos);
    write("a.xml", "Amy", 1); // the same size, another time
    fs::remove(workspace / "CharacterXML/b.xml");
    EXPECT_EQ(Rows(), std::vector<std::string>{"a.xml|Amy|||"});
    EXPECT_EQ(ReadFile("CharacterXML/.summaries").find("Ben"), std::string::npos);
    WriteCharacter("a.xml", "<CHARACTER_NAME>Ada</CHARACTER_NAME>\n"); // just now: read again
    EXPECT_EQ(Rows(), std::vector<std::string>{"a.xml|Ada|||"});
    WriteFile("CharacterXML/.summaries", "FRAYMARK-SUMMARIES 1\nbroken\n");
    EXPECT_EQ(Rows(), std::vector<std::string>{"a.xml|Ada|||"});
}

TEST_F(CharacterListTest, OpeningClearsTheCharacterInCreationAndLoadsTheSavedOne) {
    ScriptedPort port;
    MakeBrenna();
    ASSERT_TRUE(CreateXMLSheet("Brenna Ashford.xml", 1));

    // A character half made when the saved one is opened.
    Read("");
    program_data.creation_stage = 5;
    program_data.building_points = 12.5f;
    current_character.character_name = "Half made";
    current_character.talents.AddTail(MakeItem<TalentDataItem>("Lucky", 1));

    EXPECT_TRUE(OpenSavedCharacter("Brenna Ashford.xml").complete);
    EXPECT_EQ(program_data.creation_stage, 0);
    EXPECT_EQ(program_data.building_points, 0.0f);
    EXPECT_EQ(current_character.character_name, "Brenna Ashford");
    EXPECT_EQ(TalentDataItem::pHead, nullptr);
    // Clear_All's "Starting Clothes" is not kept beside the saved equipment.
    ASSERT_EQ(EquipDataItem::Count(), 2u);
    EXPECT_EQ(EquipDataItem::pHead->name, "Starting Clothes");
    EXPECT_EQ(EquipDataItem::pHead->next->name, "Rope");
    ASSERT_NE(current_character.race_item, nullptr);
    // The tree got the character, abilities first.
    ASSERT_FALSE(port.branches_updated.empty());
    EXPECT_EQ(port.branches_updated.front(), "Ability Scores");
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(CharacterListTest, AFileThatCannotBeReadNeverCostsTheCharacterInHand) {
    WriteCharacter("Ada.xml", "<CHARACTER_NAME>Ada</CHARACTER_NAME>\n");
    std::filesystem::create_directories(workspace / "CharacterXML/Dir.xml");
    VexlFileClass record;
    record.ParseCXML(workspace / "CharacterXML/Dir.xml", &record);
    EXPECT_EQ(record.read_error, "Is a directory");

    ScriptedPort port;
    program_data.creation_stage = 5;
    current_character.character_name = "Unsaved";
    const CharacterReadReport report = OpenSavedCharacter("Dir.xml");
    EXPECT_FALSE(report.opened);
    EXPECT_EQ(current_character.character_name, "Unsaved");
    EXPECT_EQ(program_data.creation_stage, 5);
    // An opened character has no siblings of the one before; a file gone is said.
    WriteCharacter("Bo.xml", "<CHARACTER_NAME>Bo</CHARACTER_NAME>\n<SIBLING1>Ann</SIBLING1>\n");
    OpenSavedCharacter("Bo.xml");
    EXPECT_STREQ(current_character.sibling[0], "Ann");
    OpenSavedCharacter("Ada.xml");
    EXPECT_STREQ(current_character.sibling[0], "");
    EXPECT_FALSE(OpenSavedCharacter("Gone.xml").opened);
    EXPECT_EQ(port.messages,
              (std::vector<std::string>{"Load Character: The character file Dir.xml cannot be read "
                                        "(Is a directory); nothing was opened.",
                                        "Load Character: The character file Gone.xml cannot be "
                                        "opened; it may have been moved or deleted."}));
}

} // namespace
