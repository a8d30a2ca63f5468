// Reading a character file back: what the round trip cannot see (the race and class found
// again by exact name, the supplement marks) and bad input of every kind.
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "character_file_fixture.h"
#include "core/data/data_numbers.h"
#include "support/golden.h"

namespace {

class CharacterFileReaderTest : public CharacterFileTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        WriteSampleRulesData(workspace);
    }
};

// What a read gave: whether the closing line was reached, the fields the cases below fill (a
// long text by its length), the race and class records found, the items and the class entries
// (level, hit points at levels 1 and 99, experience), then each problem reported.
std::string Outcome(const CharacterReadReport& report) {
    const Character_Class& c = current_character;
    std::ostringstream out;
    out << (report.complete ? "complete" : "incomplete") << ": name '"
        << c.character_name.substr(0, 20) << "', age " << c.age << ", height " << c.character_height
        << ", siblings " << c.siblings << ", gold " << c.gold << ", sibling 1 '" << c.sibling[0]
        << "', sibling 2 of " << std::strlen(c.sibling[1]) << ", camp results of "
        << c.camp_results.size() << ", school '" << c.school_location << "', heritage '"
        << c.family_heritage << "', war events " << c.war_events.size() << ", marks "
        << c.requires_hwg_class << c.requires_wg_class << c.requires_vg_class << ", race '"
        << c.race << "' found as '"
        << (c.race_item ? c.race_item->name + ", " + c.race_item->sex : "") << "', class '"
        << (c.class_item ? c.class_item->name : "") << "'\n";
    const auto items = [&](const char* kind, const auto* item) {
        for (; item; item = item->next.get()) {
            out << "  " << kind << ' ' << item->name << ' ' << item->value << '\n';
        }
    };
    items("skill", SkillDataItem::pHead.get());
    items("equipment", EquipDataItem::pHead.get());
    items("quirk", QuirkDataItem::pHead.get());
    for (const ClassDataItem* k = ClassDataItem::pHead.get(); k; k = k->next.get()) {
        out << "  class " << k->name << ' ' << k->level << ", hit points " << k->hitpoints[1] << '/'
            << k->hitpoints[99] << ", experience " << FloatText(k->experience) << '\n';
    }
    for (const std::string& problem : report.problems) {
        out << "  problem: " << problem << '\n';
    }
    return out.str();
}

// Files bad in one way each, and what reading them gave, against the reviewed
// tests/golden/character_reads.txt: numbers read as atoi reads them, saturating, and each
// doubtful one reported; an item's number taken from the next line; the closing line ending the
// reading whatever the line ends; a class entry without its closing line ending before the
// first line not its own; class levels outside the arrays ignored and long texts cut to what
// the record keeps; a background marking the supplement the character took; a file cut short;
// garbage; the race and class records found by their whole names.
TEST_F(CharacterFileReaderTest, BadFilesGiveWhatTheyHoldAndReportTheRest) {
    const auto lines = [](const std::string& end) {
        std::string text;
        for (const char* line : {"<CHARACTER_NAME>Ada</CHARACTER_NAME>", "<CLASS_DATA>",
                                 "<CLASS_NAME>Fighter</CLASS_NAME>", "<CLASS_LEVEL>2</CLASS_LEVEL>",
                                 "</CLASS_DATA>", "</FRAYMARK_CHARACTER>", "<AGE>40</AGE>"}) {
            text += line + end;
        }
        return text;
    };
    const std::string fighter = "<CLASS_DATA>\n<CLASS_NAME>Fighter</CLASS_NAME>\n"
                                "<CLASS_LEVEL>12</CLASS_LEVEL>\n";
    const std::string thief = "<CLASS_DATA>\n<CLASS_NAME>Thief</CLASS_NAME>\n"
                              "<CLASS_LEVEL>2</CLASS_LEVEL>\n</CLASS_DATA>\n";
    const std::string long_text(3000, 'a');
    MakeBrenna();
    const std::string brenna = Written();
    // Race and class names that begin with one another, listed so that a "contains" search
    // would take the wrong one first: each is found by its whole name, letter case counting.
    WriteFile("Races/A_Gnome_Male_Race.qdf",
              DataRecord("CHARACTER_RACE", "<NAME>Gnome</NAME>\n<SEX>Male</SEX>\n"));
    WriteFile("Races/B_Gnome_Female_Race.qdf",
              DataRecord("CHARACTER_RACE", "<NAME>Gnome</NAME>\n<SEX>Female</SEX>\n"));
    WriteFile("Races/C_Gnome_Titan_Male_Race.qdf",
              DataRecord("CHARACTER_RACE", "<NAME>Gnome Titan</NAME>\n<SEX>Male</SEX>\n"));
    WriteFile("Classes/AFighter_BarbarianClass.qdf",
              DataRecord("CHARACTER_CLASS", "<NAME>Fighter Barbarian</NAME>\n"));
    // A class entry's name, and the class's long name as the biography carries it.
    const auto race_and_class = [](const std::string& race, const std::string& sex,
                                   const std::string& entry, const std::string& long_name = "") {
        return File(
            "<RACE>" + race + "</RACE>\n<SEX>" + sex + "</SEX>\n" +
            (long_name.empty() ? "" : "<CLASS_LONG_NAME>" + long_name + "</CLASS_LONG_NAME>\n") +
            (entry.empty()
                 ? ""
                 : "<CLASS_DATA>\n<CLASS_NAME>" + entry + "</CLASS_NAME>\n</CLASS_DATA>\n"));
    };
    const std::pair<const char*, std::string> cases[] = {
        {"bad numbers",
         File("<AGE>-3</AGE>\n<CHARACTER_HEIGHT>9 feet</CHARACTER_HEIGHT>\n<SIBLINGS></SIBLINGS>\n"
              "<GOLDCOINS>99999999999</GOLDCOINS>\n<SKILL_SECTION>\n<SKILLNAME>Climbing</"
              "SKILLNAME>\n"
              "<SKILLRATING>45</SKILLRATING>\n<SKILLNAME>Riding</SKILLNAME>\n"
              "<SKILLNAME>Swimming</SKILLNAME>\n<SKILLRATING>30</SKILLRATING>\n</SKILL_SECTION>\n"
              "<EQUIPNAME>Rope</EQUIPNAME>\n<EQUIPQTY>lots</EQUIPQTY>\n"
              "<QUIRKNAME>Greedy</QUIRKNAME>\n")},
        {"line ends \\n", lines("\n")},
        {"line ends \\r\\n", lines("\r\n")},
        {"line ends \\r", lines("\r")},
        {"a long line", File("<CHARACTER_NAME>" + std::string(kMaxCharacterFileLine + 10, 'x') +
                             "</CHARACTER_NAME>\n")},
        {"the first class entry unclosed", File(fighter + thief)},
        {"the last class entry unclosed",
         File(thief + fighter + "<GOLDCOINS>7</GOLDCOINS>\n<SIBLING1>Ann</SIBLING1>\n")},
        {"beyond the record",
         File("<CLASS_DATA>\n<CLASS_NAME>Fighter</CLASS_NAME>\n"
              "<CLASS_HITPOINTS_100>5</CLASS_HITPOINTS_100>\n<CLASS_HITPOINTS_-1>5</"
              "CLASS_HITPOINTS_-1>\n"
              "<CLASS_HITPOINTS_99>6</CLASS_HITPOINTS_99>\n<CLASS_EXP>1.5e+03</CLASS_EXP>\n"
              "</CLASS_DATA>\n<CAMP_RESULTS>" +
              long_text + "</CAMP_RESULTS>\n<SIBLING2>" + long_text + "</SIBLING2>\n")},
        {"backgrounds",
         File(
             "<SCHOOL_LOCATION>Far Tower</SCHOOL_LOCATION>\n<CAMP_TYPE></CAMP_TYPE>\n"
             "<WAR_EVENT TYPE=\"War\">One</WAR_EVENT>\n<WAR_EVENT TYPE=\"War\">Two</WAR_EVENT>\n")},
        {"Brenna cut in her skills: what comes before is back, the rest empty",
         brenna.substr(0, brenna.find("<SKILLRATING>45"))},
        {"Brenna cut in her class entry", brenna.substr(0, brenna.find("<CLASS_STR_GROW_1>"))},
        {"binary", std::string("\0\xff\xfe<<</>>>\n\r\n</\n>\n", 18)},
        {"one long line", std::string(200000, 'x')},
        {"no line end", "<CHARACTER_NAME>no end of line"},
        {"empty", ""},
        {"whole names", race_and_class("Gnome Titan", "Male", "Fighter")},
        {"whole names", race_and_class("Gnome", "Female", "Fighter Barbarian")},
        {"a class by its long name", race_and_class("Gnome", "Male", "", "Fighter")},
        {"a multi-class: by its long name rather than its first entry's",
         race_and_class("Gnome", "Male", "Fighter", "Fighter Barbarian")},
        {"no such records", race_and_class("Gnome Titan", "Female", "Figh")},
        {"no such records", race_and_class("Titan", "Male", "Barbarian")},
        {"no such records: letter case counts", race_and_class("gnome", "Male", "fighter")},
    };
    std::string outcomes;
    for (const auto& [label, text] : cases) {
        outcomes += "== " + std::string(label) + "\n" + Outcome(Read(text));
    }
    ExpectMatchesGolden("character_reads.txt", outcomes);
}

// A directory opens as a file but every read of it fails.
TEST_F(CharacterFileReaderTest, AFileThatFailsWhileReadingIsReported) {
    std::filesystem::create_directories(workspace / "CharacterXML/Dir.xml");
    const auto report = XMLRead().ReadXMLSheet("Dir.xml");
    EXPECT_TRUE(report.opened);
    EXPECT_FALSE(report.complete);
    EXPECT_EQ(report.read_error, "Is a directory");
    EXPECT_EQ(report.problems,
              std::vector<std::string>{"line 0: the file could not be read further (Is a "
                                       "directory): the character holds what was read before"});
}

} // namespace
