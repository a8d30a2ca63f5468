// Reading a character file back: what the round trip cannot see (the race and class found
// again by exact name, the supplement marks) and bad input of every kind.
#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "character_file_fixture.h"
#include "support/golden.h"

namespace {

class CharacterFileReaderTest : public CharacterFileTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        WriteSampleRulesData(workspace);
    }
};

TEST_F(CharacterFileReaderTest, BackgroundsMarkTheSupplementTheCharacterTook) {
    Read(
        File("<SCHOOL_LOCATION>Far Tower</SCHOOL_LOCATION>\n<CAMP_TYPE></CAMP_TYPE>\n"
             "<WAR_EVENT TYPE=\"War\">One</WAR_EVENT>\n<WAR_EVENT TYPE=\"War\">Two</WAR_EVENT>\n"));
    const Character_Class& c = current_character;
    EXPECT_TRUE(c.requires_hwg_class);
    EXPECT_TRUE(c.requires_wg_class);
    EXPECT_FALSE(c.requires_vg_class);
    EXPECT_EQ(c.war_events, (std::vector<std::string>{"One", "Two"}));
}

TEST_F(CharacterFileReaderTest, RaceAndClassAreFoundByTheirWholeNames) {
    // Names that begin with one another, listed so that a "contains" search would take the
    // wrong one first.
    WriteFile("Races/A_Gnome_Male_Race.qdf",
              DataRecord("CHARACTER_RACE", "<NAME>Gnome</NAME>\n<SEX>Male</SEX>\n"));
    WriteFile("Races/B_Gnome_Female_Race.qdf",
              DataRecord("CHARACTER_RACE", "<NAME>Gnome</NAME>\n<SEX>Female</SEX>\n"));
    WriteFile("Races/C_Gnome_Titan_Male_Race.qdf",
              DataRecord("CHARACTER_RACE", "<NAME>Gnome Titan</NAME>\n<SEX>Male</SEX>\n"));
    WriteFile("Classes/AFighter_BarbarianClass.qdf",
              DataRecord("CHARACTER_CLASS", "<NAME>Fighter Barbarian</NAME>\n"));
    const struct {
        const char* race;
        const char* sex;
        const char* class_element; // a class entry's name, or the class's long name
        const char* want_race;     // "name, sex" or "" for none
        const char* want_class;
    } cases[] = {
        {"Gnome Titan", "Male", "<CLASS_NAME>Fighter</CLASS_NAME>", "Gnome Titan, Male", "Fighter"},
        {"Gnome", "Female", "<CLASS_NAME>Fighter Barbarian</CLASS_NAME>", "Gnome, Female",
         "Fighter Barbarian"},
        {"Gnome", "Male", "<CLASS_LONG_NAME>Fighter</CLASS_LONG_NAME>", "Gnome, Male", "Fighter"},
        // The class's own name before its first entry's, as a multi-class is saved.
        {"Gnome", "Male",
         "<CLASS_NAME>Fighter</CLASS_NAME>\n<CLASS_LONG_NAME>Fighter Barbarian</CLASS_LONG_NAME>",
         "Gnome, Male", "Fighter Barbarian"},
        {"Gnome Titan", "Female", "<CLASS_NAME>Figh</CLASS_NAME>", "", ""}, // no such record
        {"Titan", "Male", "<CLASS_NAME>Barbarian</CLASS_NAME>", "", ""},
        {"gnome", "Male", "<CLASS_NAME>fighter</CLASS_NAME>", "", ""}, // letter case counts
    };
    for (const auto& k : cases) {
        Read(File(std::string("<RACE>") + k.race + "</RACE>\n<SEX>" + k.sex + "</SEX>\n" +
                  "<CLASS_DATA>\n" + k.class_element + "\n</CLASS_DATA>\n"));
        const Character_Class& c = current_character;
        const std::string race =
            c.race_item ? c.race_item->name + ", " + c.race_item->sex : std::string();
        EXPECT_EQ(race, k.want_race) << k.race << ", " << k.sex;
        EXPECT_EQ(c.class_item ? c.class_item->name : std::string(), k.want_class)
            << k.class_element;
        EXPECT_EQ(c.race, k.race); // the saved names stay either way
    }
}

// Numbers read as atoi reads them, saturating, each doubtful one reported (the report against
// tests/golden/character_read_problems.txt); an item's number comes from the next line.
TEST_F(CharacterFileReaderTest, BadNumbersAndItemNumbersAreReadAndReported) {
    const CharacterReadReport report = Read(
        File("<AGE>-3</AGE>\n<CHARACTER_HEIGHT>9 feet</CHARACTER_HEIGHT>\n<SIBLINGS></SIBLINGS>\n"
             "<GOLDCOINS>99999999999</GOLDCOINS>\n"
             "<SKILL_SECTION>\n<SKILLNAME>Climbing</SKILLNAME>\n<SKILLRATING>45</SKILLRATING>\n"
             "<SKILLNAME>Riding</SKILLNAME>\n<SKILLNAME>Swimming</SKILLNAME>\n"
             "<SKILLRATING>30</SKILLRATING>\n</SKILL_SECTION>\n<EQUIPNAME>Rope</EQUIPNAME>\n"
             "<EQUIPQTY>lots</EQUIPQTY>\n<QUIRKNAME>Greedy</QUIRKNAME>\n"));
    const Character_Class& c = current_character;
    EXPECT_EQ(std::vector<int32_t>({c.age, c.character_height, c.siblings, c.gold}),
              std::vector<int32_t>({-3, 9, 0, INT32_MAX}));
    std::string skills;
    for (const SkillDataItem* s = SkillDataItem::pHead.get(); s; s = s->next.get()) {
        skills += s->name + "=" + std::to_string(s->value) + " ";
    }
    // Riding's number line is missing: it counts 0 and Swimming is still read.
    EXPECT_EQ(skills, "Climbing=45 Riding=0 Swimming=30 ");
    EXPECT_EQ(EquipDataItem::pHead->value, 0);
    // The last item's following line is the closing line.
    ASSERT_EQ(QuirkDataItem::Count(), 1u);
    EXPECT_EQ(QuirkDataItem::pHead->value, 0);
    EXPECT_TRUE(report.complete);
    std::string problems;
    for (const std::string& problem : report.problems) {
        problems += problem + '\n';
    }
    ExpectMatchesGolden("character_read_problems.txt", problems);
}

TEST_F(CharacterFileReaderTest, TruncatedAndGarbageFilesGiveWhatWasFound) {
    MakeBrenna();
    const std::string whole = Written();
    // Cut in the middle of the skill section: everything before it is back, the rest empty.
    auto report = Read(whole.substr(0, whole.find("<SKILLRATING>45")));
    EXPECT_TRUE(report.opened);
    EXPECT_FALSE(report.complete);
    EXPECT_EQ(current_character.silver, 5);
    ASSERT_EQ(SkillDataItem::Count(), 1u);
    EXPECT_EQ(SkillDataItem::pHead->value, 0);
    EXPECT_EQ(current_character.family_heritage, "");
    ASSERT_FALSE(report.problems.empty());
    EXPECT_TRUE(Has(report.problems.back(), "no closing </FRAYMARK_CHARACTER> line"));

    // Cut inside a class block.
    report = Read(whole.substr(0, whole.find("<CLASS_STR_GROW_1>")));
    EXPECT_FALSE(report.complete);
    ASSERT_EQ(ClassDataItem::Count(), 1u);
    EXPECT_EQ(ClassDataItem::pHead->hitpoints[1], 8);

    for (const std::string& text :
         {std::string("\0\xff\xfe<<</>>>\n\r\n</\n>\n", 18), std::string(200000, 'x'),
          std::string("<CHARACTER_NAME>no end of line"), std::string()}) {
        report = Read(text);
        EXPECT_FALSE(report.complete);
        EXPECT_EQ(current_character.age, 0);
    }
}

TEST_F(CharacterFileReaderTest, TheClosingLineEndsTheReadingWhateverTheLineEnds) {
    for (const std::string end : {"\n", "\r\n", "\r"}) {
        std::string text;
        for (const char* line : {"<CHARACTER_NAME>Ada</CHARACTER_NAME>", "<CLASS_DATA>",
                                 "<CLASS_NAME>Fighter</CLASS_NAME>", "<CLASS_LEVEL>2</CLASS_LEVEL>",
                                 "</CLASS_DATA>", "</FRAYMARK_CHARACTER>", "<AGE>40</AGE>"}) {
            text += line + end;
        }
        const auto report = Read(text);
        EXPECT_TRUE(report.complete);
        EXPECT_TRUE(report.problems.empty());
        EXPECT_EQ(current_character.character_name, "Ada");
        ASSERT_EQ(ClassDataItem::Count(), 1u);
        EXPECT_EQ(ClassDataItem::pHead->level, 2);
        EXPECT_EQ(current_character.age, 0);
    }
    const std::string long_line(kMaxCharacterFileLine + 10, 'x');
    const auto report = Read(File("<CHARACTER_NAME>" + long_line + "</CHARACTER_NAME>\n"));
    EXPECT_EQ(report.problems,
              std::vector<std::string>{"line 3: the line is longer than 65536 characters; the rest "
                                       "of it was not read"});
}

TEST_F(CharacterFileReaderTest, AnUnclosedClassEntryEndsAtTheFirstLineNotItsOwn) {
    const std::string fighter = "<CLASS_DATA>\n<CLASS_NAME>Fighter</CLASS_NAME>\n"
                                "<CLASS_LEVEL>12</CLASS_LEVEL>\n";
    const std::string thief = "<CLASS_DATA>\n<CLASS_NAME>Thief</CLASS_NAME>\n"
                              "<CLASS_LEVEL>2</CLASS_LEVEL>\n</CLASS_DATA>\n";
    // The first entry unclosed: two classes, not one of level 2.
    auto report = Read(File(fighter + thief));
    ASSERT_EQ(ClassDataItem::Count(), 2u);
    EXPECT_EQ(ClassDataItem::pHead->level, 12);
    EXPECT_EQ(ClassDataItem::pHead->next->level, 2);
    EXPECT_EQ(report.problems,
              std::vector<std::string>{"line 6: the class entry 'Fighter' has no </CLASS_DATA> "
                                       "line; it ends before this line"});
    // The last entry unclosed: what follows it is still read.
    report = Read(File(thief + fighter + "<GOLDCOINS>7</GOLDCOINS>\n<SIBLING1>Ann</SIBLING1>\n"));
    EXPECT_EQ(ClassDataItem::Count(), 2u);
    EXPECT_EQ(current_character.gold, 7);
    EXPECT_STREQ(current_character.sibling[0], "Ann");
    EXPECT_EQ(report.problems.size(), 1u);
}

// Class levels outside the arrays are ignored; long texts are cut to what the record keeps.
TEST_F(CharacterFileReaderTest, WhatTheRecordCannotHoldIsLeftOut) {
    const std::string long_text(3000, 'a');
    const auto report =
        Read(File("<CLASS_DATA>\n<CLASS_NAME>Fighter</CLASS_NAME>\n"
                  "<CLASS_HITPOINTS_100>5</CLASS_HITPOINTS_100>\n"
                  "<CLASS_HITPOINTS_-1>5</CLASS_HITPOINTS_-1>\n"
                  "<CLASS_HITPOINTS_99>6</CLASS_HITPOINTS_99>\n"
                  "<CLASS_EXP>1.5e+03</CLASS_EXP>\n</CLASS_DATA>\n<CAMP_RESULTS>" +
                  long_text + "</CAMP_RESULTS>\n<SIBLING2>" + long_text + "</SIBLING2>\n"));
    ASSERT_EQ(ClassDataItem::Count(), 1u);
    EXPECT_EQ(ClassDataItem::pHead->hitpoints[99], 6);
    EXPECT_EQ(ClassDataItem::pHead->experience, 1500.0f);
    EXPECT_EQ(report.problems.size(), 2u);
    EXPECT_EQ(current_character.camp_results, std::string(1023, 'a'));
    EXPECT_EQ(std::string(current_character.sibling[1]), std::string(74, 'a'));
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
