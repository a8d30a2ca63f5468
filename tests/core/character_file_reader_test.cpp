// Reading a character file back: the round trip, what each element restores, the race and
// class found again by exact name, and bad input of every kind.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/app/clear_all.h"
#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/files/character_file_reader.h"
#include "core/files/character_file_writer.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "support/sample_character.h"
#include "support/workspace_fixture.h"

namespace {

class CharacterFileReaderTest : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        WriteSampleRulesData(workspace);
    }

    void LoadRules() {
        CRace.LoadRace();
        CClass.LoadClass();
    }

    static std::string Written() {
        std::ostringstream out;
        WriteCharacterFile(out);
        return out.str();
    }

    // Empties the record, loads the workspace's rules lists afresh and reads `text`.
    CharacterReadReport Read(const std::string& text) {
        ResetProgramForTests();
        LoadRules();
        std::istringstream in(text);
        return XMLRead().ReadCharacterStream(in);
    }

    // A file of the given body lines between the root's tags.
    static std::string File(const std::string& body) {
        return "<?xml version=\"1.0\"?>\n<FRAYMARK_CHARACTER>\n" + body + "</FRAYMARK_CHARACTER>\n";
    }
};

TEST_F(CharacterFileReaderTest, WriteReadWriteGivesTheSameFile) {
    // A class of all three background groups, so every background block takes part.
    WriteFile("Classes/FighterClass.qdf",
              DataRecord("CHARACTER_CLASS", "<NAME>Fighter</NAME>\n<SAVEAS>2</SAVEAS>\n"
                                            "<FIGHTER>1</FIGHTER>\n<MAGE>1</MAGE>\n"
                                            "<CLERIC>1</CLERIC>\n"));
    LoadRules();
    MakeSampleCharacter();
    // Everything else the file carries, each text field a text of its own, so a field read
    // into another member or not read at all changes the second file.
    Character_Class& c = current_character;
    c.requires_hwg_class = c.requires_vg_class = true;
    int n = 0;
    for (std::string* text : {&c.social_class,
                              &c.legitimacy_of_birth,
                              &c.handedness,
                              &c.circumstance_of_birth,
                              &c.mother_status,
                              &c.father_status,
                              &c.mother_quality,
                              &c.father_quality,
                              &c.stepparent,
                              &c.family_heritage,
                              &c.birth_order,
                              &c.inherited_armor,
                              &c.inherited_shieldhelmet,
                              &c.inherited_mount,
                              &c.alignment,
                              &c.school_location,
                              &c.school_type,
                              &c.master_quality_nurture,
                              &c.master_quality_education,
                              &c.class_size,
                              &c.class_equipment,
                              &c.class_rank,
                              &c.camp_type,
                              &c.camp_quality,
                              &c.camp_results,
                              &c.specialty_assignment,
                              &c.ait_quality,
                              &c.state_of_hostilities,
                              &c.occupying_force_attitude,
                              &c.occupation_event,
                              &c.guerilla_event,
                              &c.vg_the_call,
                              &c.vg_school_type,
                              &c.vg_reverend_superior_competency,
                              &c.vg_reverend_superior_personality,
                              &c.vg_accoutrements,
                              &c.vg_residency_location,
                              &c.vg_residency_results,
                              &c.vg_final_results}) {
        *text = "Text " + std::to_string(++n);
    }
    c.accident_events = {"Fell off a wall", "Burned at the forge"};
    c.war_events = {"Siege of the ford"};
    c.noncombat_events = {"Guard duty", "Road patrol"};
    c.gold = 120;
    c.copper = 3;
    c.inherited_deed = "A mill <north bank>";
    c.spells.AddTail(MakeItem<SpellDataItem>("Light", 2));
    c.talents.AddTail(MakeItem<TalentDataItem>("Keen Eyes", 1));
    c.proficiencies.AddTail(MakeItem<ProfDataItem>("Long Sword", 2));
    c.siblings = 9;
    for (int i = 1; i < 9; ++i) {
        SetSiblingLine(i, "Sibling number " + std::to_string(i + 1));
    }
    ClassDataItem::pHead->experience = 2250000.0f;
    ClassDataItem::pHead->level = 3;
    ClassDataItem::pHead->read_languages[3] = 15;
    auto second = std::make_unique<ClassDataItem>();
    second->name = "Thief";
    second->level = 2;
    second->pick_pockets[2] = 40;
    ClassDataItem::AddTail(std::move(second));

    const std::string first = Written();
    const CharacterReadReport report = Read(first);
    EXPECT_TRUE(report.complete);
    EXPECT_TRUE(report.problems.empty()) << report.problems.front();
    EXPECT_EQ(Written(), first);
}

// What the round trip cannot see: the honor comes from HONOR_BASE, not the derived VALUE lines,
// the ampersand comes back as is, and the race and class records are found again.
TEST_F(CharacterFileReaderTest, ElementsRestoreTheirFields) {
    LoadRules();
    MakeSampleCharacter();
    Read(Written());
    const Character_Class& c = current_character;
    EXPECT_EQ(c.character_name, "Brenna Ashford");
    EXPECT_EQ(c.honor, 14);
    EXPECT_EQ(c.inherited_weapon, "Long Sword & Scabbard");
    EXPECT_STREQ(c.sibling[0], "Brother, 15, a miller's apprentice");
    ASSERT_NE(SkillDataItem::pHead, nullptr);
    EXPECT_EQ(SkillDataItem::pHead->name, "Climbing");
    EXPECT_EQ(SkillDataItem::pHead->value, 45);
    EXPECT_EQ(SkillDataItem::Count(), 2u);
    ASSERT_EQ(ClassDataItem::Count(), 1u);
    EXPECT_EQ(ClassDataItem::pHead->str_grow[1], 2);
    EXPECT_EQ(c.race_item, CharacterRace::pHead.get());
    EXPECT_EQ(c.class_item, CharacterClass::pHead.get());
    EXPECT_FALSE(c.requires_wg_class);
}

TEST_F(CharacterFileReaderTest, BackgroundsMarkTheSupplementTheCharacterTook) {
    Read(File("<SCHOOL_LOCATION>Far Tower</SCHOOL_LOCATION>\n<CAMP_TYPE></CAMP_TYPE>\n"
              "<WAR_EVENT TYPE=\"War\">One</WAR_EVENT>\n<WAR_EVENT TYPE=\"War\">Two</WAR_EVENT>\n"
              "<OCCUPATION_EVENT TYPE=\"During Occupation\">Held</OCCUPATION_EVENT>\n"));
    const Character_Class& c = current_character;
    EXPECT_TRUE(c.requires_hwg_class);
    EXPECT_TRUE(c.requires_wg_class);
    EXPECT_FALSE(c.requires_vg_class);
    EXPECT_EQ(c.war_events, (std::vector<std::string>{"One", "Two"}));
    EXPECT_EQ(c.occupation_event, "Held");
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
    LoadRules();
    struct Case {
        const char* race;
        const char* sex;
        const char* class_name;
        const char* want_race; // "name, sex" or "" for none
        const char* want_class;
    };
    const Case cases[] = {
        {"Gnome Titan", "Male", "Fighter", "Gnome Titan, Male", "Fighter"},
        {"Gnome", "Female", "Fighter Barbarian", "Gnome, Female", "Fighter Barbarian"},
        {"Gnome", "Male", "Fighter", "Gnome, Male", "Fighter"},
        {"Gnome Titan", "Female", "Figh", "", ""}, // no such record: nothing is set
        {"Titan", "Male", "Barbarian", "", ""},
        {"gnome", "Male", "fighter", "", ""}, // letter case counts
    };
    for (const Case& k : cases) {
        Read(File(std::string("<RACE>") + k.race + "</RACE>\n<SEX>" + k.sex + "</SEX>\n" +
                  "<CLASS_DATA>\n<CLASS_NAME>" + k.class_name + "</CLASS_NAME>\n</CLASS_DATA>\n"));
        const Character_Class& c = current_character;
        const std::string race =
            c.race_item ? c.race_item->name + ", " + c.race_item->sex : std::string();
        EXPECT_EQ(race, k.want_race) << k.race << ", " << k.sex;
        EXPECT_EQ(c.class_item ? c.class_item->name : std::string(), k.want_class) << k.class_name;
        EXPECT_EQ(c.race, k.race); // the saved names stay either way
    }
}

TEST_F(CharacterFileReaderTest, WithoutAClassEntryTheClassNameFindsTheClass) {
    LoadRules();
    Read(File("<CLASS_LONG_NAME>Fighter</CLASS_LONG_NAME>\n"));
    ASSERT_NE(current_character.class_item, nullptr);
    EXPECT_EQ(current_character.class_item->name, "Fighter");
}

TEST_F(CharacterFileReaderTest, ItemNumbersComeFromTheNextLine) {
    const CharacterReadReport report = Read(
        File("<SKILL_SECTION>\n<SKILLNAME>Climbing</SKILLNAME>\n<SKILLRATING>45</SKILLRATING>\n"
             "<SKILLNAME>Riding</SKILLNAME>\n<SKILLNAME>Swimming</SKILLNAME>\n"
             "<SKILLRATING>30</SKILLRATING>\n</SKILL_SECTION>\n<EQUIPNAME>Rope</EQUIPNAME>\n"
             "<EQUIPQTY>lots</EQUIPQTY>\n<QUIRKNAME>Greedy</QUIRKNAME>\n"));
    ASSERT_EQ(SkillDataItem::Count(), 3u);
    const SkillDataItem* skill = SkillDataItem::pHead.get();
    EXPECT_EQ(skill->name + "=" + std::to_string(skill->value), "Climbing=45");
    skill = skill->next.get();
    // Riding's number line is missing: it counts 0 and Swimming is still read.
    EXPECT_EQ(skill->name + "=" + std::to_string(skill->value), "Riding=0");
    skill = skill->next.get();
    EXPECT_EQ(skill->name + "=" + std::to_string(skill->value), "Swimming=30");
    EXPECT_EQ(EquipDataItem::pHead->value, 0);
    // The last item's following line is the closing line.
    ASSERT_EQ(QuirkDataItem::Count(), 1u);
    EXPECT_EQ(QuirkDataItem::pHead->value, 0);
    EXPECT_TRUE(report.complete);
    ASSERT_EQ(report.problems.size(), 3u);
    EXPECT_EQ(report.problems[0], "line 6: <SKILLRATING> missing after 'Riding': it counts 0");
    EXPECT_EQ(report.problems[1], "line 11: <EQUIPQTY>: 'lots' is not a number (read as 0)");
    EXPECT_EQ(report.problems[2], "line 12: <QUIRKRATING> missing after 'Greedy': it counts 0");
}

TEST_F(CharacterFileReaderTest, BadNumbersReadAsAtoiDoesAndAreReported) {
    struct Case {
        const char* value;
        int32_t read_as;
        bool reported;
    };
    const Case cases[] = {
        {"7", 7, false},
        {" 12", 12, false},
        {"-3", -3, false},
        {"high", 0, true},
        {"", 0, true},
        {"9 feet", 9, true},
        {"99999999999", 2147483647, true},
    };
    for (const Case& k : cases) {
        const auto report = Read(File(std::string("<AGE>") + k.value + "</AGE>\n"));
        EXPECT_EQ(current_character.age, k.read_as) << "'" << k.value << "'";
        EXPECT_EQ(!report.problems.empty(), k.reported) << "'" << k.value << "'";
    }
}

TEST_F(CharacterFileReaderTest, TruncatedAndGarbageFilesGiveWhatWasFound) {
    LoadRules();
    MakeSampleCharacter();
    const std::string whole = Written();
    // Cut in the middle of the skill section: everything before it is back, the rest empty.
    const std::string cut = whole.substr(0, whole.find("<SKILLRATING>45"));
    auto report = Read(cut);
    EXPECT_TRUE(report.opened);
    EXPECT_FALSE(report.complete);
    EXPECT_EQ(current_character.character_name, "Brenna Ashford");
    EXPECT_EQ(current_character.silver, 5);
    ASSERT_EQ(SkillDataItem::Count(), 1u);
    EXPECT_EQ(SkillDataItem::pHead->value, 0);
    EXPECT_EQ(current_character.family_heritage, "");
    ASSERT_FALSE(report.problems.empty());
    EXPECT_NE(report.problems.back().find("no closing </FRAYMARK_CHARACTER> line"),
              std::string::npos);

    // Cut inside a class block.
    report = Read(whole.substr(0, whole.find("<CLASS_STR_GROW_1>")));
    EXPECT_FALSE(report.complete);
    ASSERT_EQ(ClassDataItem::Count(), 1u);
    EXPECT_EQ(ClassDataItem::pHead->hitpoints[1], 8);

    const std::string garbage[] = {
        std::string("\0\xff\xfe<<</>>>\n\r\n</\n>\n", 18),
        std::string(200000, 'x'),
        "<CHARACTER_NAME>no end of line",
        "<CHARACTER_NAME>Lost</CHARACTER_NAME>",
        "",
    };
    for (const std::string& text : garbage) {
        report = Read(text);
        EXPECT_FALSE(report.complete);
        EXPECT_EQ(current_character.age, 0);
    }
    EXPECT_EQ(current_character.character_name, ""); // the last one is empty
}

TEST_F(CharacterFileReaderTest, TheClosingLineEndsTheReadingAndLineEndsMayBeCrLf) {
    const auto report = Read("<CHARACTER_NAME>Ada</CHARACTER_NAME>\r\n"
                             "<CLASS_NAME>Fighter</CLASS_NAME>\r\n<CLASS_LEVEL>2</CLASS_LEVEL>\r\n"
                             "</FRAYMARK_CHARACTER>\r\n<AGE>40</AGE>\r\n");
    EXPECT_TRUE(report.complete);
    EXPECT_EQ(current_character.character_name, "Ada");
    ASSERT_EQ(ClassDataItem::Count(), 1u);
    EXPECT_EQ(ClassDataItem::pHead->level, 2);
    EXPECT_EQ(current_character.age, 0);
}

TEST_F(CharacterFileReaderTest, EveryKindOfLineEndReadsAlikeAndACutLineIsReported) {
    const std::string lines[] = {"<CHARACTER_NAME>Ada</CHARACTER_NAME>", "<AGE>40</AGE>",
                                 "</FRAYMARK_CHARACTER>"};
    for (const std::string end : {"\n", "\r\n", "\r"}) {
        const auto report = Read(lines[0] + end + lines[1] + end + lines[2] + end);
        EXPECT_TRUE(report.complete);
        EXPECT_TRUE(report.problems.empty());
        EXPECT_EQ(current_character.age, 40);
    }
    const std::string long_line(kMaxCharacterFileLine + 10, 'x');
    const auto report = Read(File("<CHARACTER_NAME>" + long_line + "</CHARACTER_NAME>\n"));
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0],
              "line 3: the line is longer than 65536 characters; the rest of it "
              "was not read");
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
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0], "line 6: the class entry 'Fighter' has no </CLASS_DATA> line; it "
                                  "ends before this line");
    // The last entry unclosed: what follows it is still read.
    report = Read(File(thief + fighter +
                       "<GOLDCOINS>7</GOLDCOINS>\n<SKILLNAME>Climbing</SKILLNAME>\n"
                       "<SKILLRATING>45</SKILLRATING>\n<SIBLING1>Ann</SIBLING1>\n"));
    EXPECT_EQ(ClassDataItem::Count(), 2u);
    EXPECT_EQ(current_character.gold, 7);
    EXPECT_EQ(SkillDataItem::Count(), 1u);
    EXPECT_STREQ(current_character.sibling[0], "Ann");
    EXPECT_EQ(report.problems.size(), 1u);
}

TEST_F(CharacterFileReaderTest, AFileThatFailsWhileReadingIsReportedNotFatal) {
    // A directory opens as a file but every read of it fails.
    std::filesystem::create_directories(workspace / "CharacterXML/Dir.xml");
    const auto report = XMLRead().ReadXMLSheet("Dir.xml");
    EXPECT_TRUE(report.opened);
    EXPECT_FALSE(report.complete);
    EXPECT_EQ(report.read_error, "Is a directory");
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0], "line 0: the file could not be read further (Is a directory): "
                                  "the character holds what was read before");
}

TEST_F(CharacterFileReaderTest, ClassLevelsOutsideTheArraysAreIgnored) {
    const auto report = Read(File("<CLASS_DATA>\n<CLASS_NAME>Fighter</CLASS_NAME>\n"
                                  "<CLASS_HITPOINTS_100>5</CLASS_HITPOINTS_100>\n"
                                  "<CLASS_HITPOINTS_-1>5</CLASS_HITPOINTS_-1>\n"
                                  "<CLASS_HITPOINTS_99>6</CLASS_HITPOINTS_99>\n"
                                  "<CLASS_EXP>1.5e+03</CLASS_EXP>\n</CLASS_DATA>\n"));
    ASSERT_EQ(ClassDataItem::Count(), 1u);
    EXPECT_EQ(ClassDataItem::pHead->hitpoints[99], 6);
    EXPECT_EQ(ClassDataItem::pHead->experience, 1500.0f);
    EXPECT_EQ(report.problems.size(), 2u);
}

TEST_F(CharacterFileReaderTest, LongTextsAreCutToWhatTheRecordKeeps) {
    const std::string long_text(3000, 'a');
    Read(File("<CAMP_RESULTS>" + long_text + "</CAMP_RESULTS>\n<SIBLING2>" + long_text +
              "</SIBLING2>\n"));
    EXPECT_EQ(current_character.camp_results, std::string(1023, 'a'));
    EXPECT_EQ(std::string(current_character.sibling[1]), std::string(74, 'a'));
}

TEST_F(CharacterFileReaderTest, AMissingFileLeavesTheRecordAsItWas) {
    current_character.character_name = "Untouched";
    const auto report = XMLRead().ReadXMLSheet("Nobody.xml");
    EXPECT_FALSE(report.opened);
    EXPECT_EQ(current_character.character_name, "Untouched");
}

TEST_F(CharacterFileReaderTest, ReadXMLSheetReadsFromTheCharacterDirectory) {
    WriteFile("CharacterXML/Ada.xml", File("<CHARACTER_NAME>Ada</CHARACTER_NAME>\n"));
    const auto report = XMLRead().ReadXMLSheet("Ada.xml");
    EXPECT_TRUE(report.opened);
    EXPECT_TRUE(report.complete);
    EXPECT_EQ(current_character.character_name, "Ada");
}

} // namespace
