// The list of saved characters and opening one of them.
#include <chrono>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "character_file_fixture.h"
#include "core/app/character_open.h"
#include "core/files/character_list.h"
#include "core/model/program_state.h"
#include "core/player/character_batch.h"
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
    WriteFile("CharacterXML/garbage.xml", std::string("\0\x01\xff<<<>>>\n", 10));
    WriteFile("CharacterXML/half.xml", "<CHARACTER_NAME>Half</CHARACTER_NAME>\n<LEVEL>2</LEV");
    WriteCharacter("split.xml", "<CHARACTER_NAME>Long</CHARACTER_NAME>\n"
                                "  <CHARACTER_NAME>fellow</CHARACTER_NAME>\n"
                                "<CLASS_LEVEL>9</CLASS_LEVEL>\n");
    WriteFile("CharacterXML/after.xml",
              "<CHARACTER_NAME>Dee</CHARACTER_NAME>\n</FRAYMARK_CHARACTER>\n<LEVEL>5</LEVEL>\n");
    // Once every field was seen by the end of the attributes, the rest is not read.
    WriteCharacter("whole.xml", "<CHARACTER_NAME>Eve</CHARACTER_NAME>\n<LEVEL>4</LEVEL>\n"
                                "<CLASS_LONG_NAME>Bard</CLASS_LONG_NAME>\n<SEX>Female</SEX>\n"
                                "<ALIGNMENT>Neutral</ALIGNMENT>\n<HONOR_BASE>9</HONOR_BASE>\n"
                                "<RACE>Elf</RACE>\n</ATTRIBUTES>\n<RACE>Orc</RACE>\n");
    const std::vector<std::string> want = {
        "after.xml|Dee|||", // nothing after the closing line is read
        "Alice.xml|Alice|Mage|1|Elf",
        "bob.xml|Bob|Thief|03|Halfling", // the level as written
        "CARL.XML|Carl & Co|||",         // texts unescaped
        "garbage.xml||||",
        "half.xml|Half||2|",       // the cut line still holds "</"
        "split.xml|Longfellow|||", // a name over two lines comes back whole
        "whole.xml|Eve|Bard|4|Elf",
    };
    EXPECT_EQ(Rows(), want);
    // Find takes the first name holding the text, letter case counting.
    ASSERT_NE(VexlFileClass::Find("l"), nullptr);
    EXPECT_EQ(VexlFileClass::Find("l")->file_name, "Alice.xml");
    ASSERT_NE(VexlFileClass::Find("a"), nullptr);
    EXPECT_EQ(VexlFileClass::Find("a")->file_name, "CARL.XML");
}

// The list shows what opening reads of thirty made characters, each file whole, cut short at a
// point of its own, and with its race behind the attributes (where the list must read on).
TEST_F(CharacterListTest, ListsWhatOpeningReadsOfMadeCharactersWholeCutOrReordered) {
    fs::copy(fs::path(FRAYMARK_SOURCE_DIR) / "gamedata", workspace, fs::copy_options::recursive);
    std::vector<std::string> versions;
    {
        CharacterBatch batch(workspace, workspace / "made");
        std::string error;
        ASSERT_TRUE(batch.Start(11, error)) << error;
        for (std::size_t i = 0; i < 30; ++i) {
            const auto made = batch.MakeOne(static_cast<long long>(i), {}, error);
            ASSERT_TRUE(made) << error;
            const std::string text = ReadFile("made/" + made->file);
            const std::size_t race = text.find("<RACE>"), next = text.find('\n', race) + 1;
            const std::size_t after = text.find('\n', text.find("</ATTRIBUTES>")) + 1;
            versions.insert(versions.end(),
                            {text, text.substr(0, text.size() * i / 30),
                             text.substr(0, race) + text.substr(next, after - next) +
                                 text.substr(race, next - race) + text.substr(after)});
        }
    }
    const auto number = [](const std::string& text) { return text.empty() ? "0" : text; };
    for (const std::string& version : versions) {
        WriteFile("CharacterXML/x.xml", version);
        VexlFileClass l;
        l.ParseCXML(workspace / "CharacterXML/x.xml", &l);
        ResetProgramForTests(); // opened without the rules lists, which list no field
        XMLRead().ReadCharacterFile(workspace / "CharacterXML/x.xml");
        const Character_Class& c = current_character;
        EXPECT_EQ(l.character_name + "|" + l.class_long_name + "|" + number(l.level) + "|" +
                      l.race + "|" + l.sex + "|" + l.alignment + "|" + number(l.honor_base),
                  c.character_name + "|" + c.class_long_name + "|" + std::to_string(c.level) + "|" +
                      c.race + "|" + c.sex + "|" + c.alignment + "|" + std::to_string(c.honor));
    }
}

// The list shows what it remembers (CharacterXML/.summaries) of a file that kept its size and
// time, never over the files: one changed, or changed a moment ago, is read again, a removed
// one drops out, and a memory of another format, broken or unreadable is read past.
TEST_F(CharacterListTest, TheListsMemoryIsNeverTrustedOverTheFiles) {
    const auto write = [&](const std::string& file, const char* name, int hours_ago) {
        WriteCharacter(file, std::string("<CHARACTER_NAME>") + name + "</CHARACTER_NAME>\n");
        fs::last_write_time(workspace / "CharacterXML" / file,
                            fs::file_time_type::clock::now() - std::chrono::hours(hours_ago));
    };
    write("a.xml", "Ann", 2);
    write("b.xml", "Ben", 2);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"a.xml|Ann|||", "b.xml|Ben|||"}));
    write("a.xml", "Amy", 1); // the same size, another time
    fs::remove(workspace / "CharacterXML/b.xml");
    EXPECT_EQ(Rows(), std::vector<std::string>{"a.xml|Amy|||"});
    const std::string ivy =
        std::regex_replace(ReadFile("CharacterXML/.summaries"), std::regex("Amy"), "Ivy");
    EXPECT_EQ(ivy.find("Ben"), std::string::npos);
    const fs::path memory = workspace / "CharacterXML/.summaries";
    for (const auto& [held, shown] : std::vector<std::pair<std::string, std::string>>{
             {ivy, "Ivy"}, // what is remembered of an unchanged file is what the list shows
             {std::regex_replace(ivy, std::regex("S 1"), "S 0"), "Amy"},
             {"FRAYMARK-SUMMARIES 1\nbroken\n", "Amy"},
             {"", "Amy"}}) { // a directory
        fs::remove_all(memory);
        held.empty() ? (void)fs::create_directory(memory)
                     : WriteFile("CharacterXML/.summaries", held);
        EXPECT_EQ(Rows(), std::vector<std::string>{"a.xml|" + shown + "|||"}) << held;
    }
    fs::remove_all(memory);
    WriteCharacter("a.xml", "<CHARACTER_NAME>Ada</CHARACTER_NAME>\n"); // just now: read again
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
