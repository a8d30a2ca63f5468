// The data check on a small, sound data set broken one way at a time.
#include <filesystem>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/data/data_check.h"
#include "core/data/data_reader.h"
#include "core/data/item_data.h"
#include "core/data/rules_lists.h"
#include "support/workspace_fixture.h"

namespace {

using namespace std::string_literals;

class DataCheckTest : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        ClearAllRulesLists();
        WriteFile("Races/Elf_Male_Race.qdf",
                  "<CHARACTER_RACE>\n<NAME>Elf</NAME>\n<SEX>Male</SEX>\n"
                  "<LEVELLIMIT>Fighter 12</LEVELLIMIT>\n</CHARACTER_RACE>\n");
        WriteFile("Classes/FighterClass.qdf",
                  "<CHARACTER_CLASS>\n<NAME>Fighter</NAME>\n<XPTABLE_2>2000</XPTABLE_2>\n"
                  "<MINSTR>9.5</MINSTR>\n</CHARACTER_CLASS>\n");
        WriteFile("Skills/Rope_Use_Skill.qdf",
                  "<CHARACTER_SKILL>\n<NAME>Rope Use</NAME>\n</CHARACTER_SKILL>\n");
        WriteFile("Skills/Climbing_Skill.qdf",
                  "<CHARACTER_SKILL>\n<NAME>Climbing</NAME>\n"
                  "<COURSE_PREREQS>Rope</COURSE_PREREQS>\n</CHARACTER_SKILL>\n");
        WriteFile("Skills/empty.qdf", "<CHARACTER_SKILL>\n</CHARACTER_SKILL>\n");
        WriteFile("Talents/empty.qdf", "<CHARACTER_TALENT>\n</CHARACTER_TALENT>\n");
        WriteFile("Proficiencies/empty.qdf", "<CHARACTER_PROF>\n</CHARACTER_PROF>\n");
        std::filesystem::create_directories(workspace / "Spells");
        WriteFile("Equipment/Categories_Equipment.qdf",
                  "<CHARACTER_EQUIP>\n<NAME>Categories</NAME>\n<CATEGORY>Weapons</CATEGORY>\n"
                  "<CATEGORY>Gear</CATEGORY>\n</CHARACTER_EQUIP>\n");
        WriteFile("Equipment/Rope_Equipment.qdf",
                  "<CHARACTER_EQUIP>\n<NAME>Rope</NAME>\n<TABLEID>2</TABLEID>\n"
                  "<WEIGHT>7.5</WEIGHT>\n</CHARACTER_EQUIP>\n");
    }
    void TearDown() override {
        ClearAllRulesLists();
        WorkspaceTest::TearDown();
    }

    std::string Report() {
        DataProblems problems;
        CheckDataSet(problems);
        std::ostringstream out;
        WriteProblemReport(problems, out);
        return out.str();
    }

    std::string Path(const std::string& relative) const { return (workspace / relative).string(); }
};

TEST_F(DataCheckTest, EachKindOfBrokenFileIsNamedWithItsProblem) {
    EXPECT_EQ(Report(), "0 errors, 0 warnings\n") << "the sound set";
    struct Case {
        std::string file; // written into the sound set ("" to write nothing)
        std::string content;
        std::string remove;   // removed from the sound set ("" to remove nothing)
        std::string expected; // the one problem line, workspace path left out
    };
    const std::string skill_head = "<CHARACTER_SKILL>\n<NAME>Swim</NAME>\n";
    const std::string skill_end = "</CHARACTER_SKILL>\n";
    const Case cases[] = {
        {"Skills/Swim_Skill.qdf", skill_head, "",
         "Skills/Swim_Skill.qdf: error: no closing tag '</CHARACTER_SKILL'; the record holds "
         "what was read up to the end of the file"},
        {"Skills/Swim_Skill.qdf", skill_head + "  <COLOUR>blue</COLOUR>\n" + skill_end, "",
         "Skills/Swim_Skill.qdf: warning: line 3: unknown tag 'COLOUR'; the line is ignored"},
        {"Skills/Swim_Skill.qdf", skill_head + "<!--" + std::string(300, '-') + "-->\n" + skill_end,
         "",
         "Skills/Swim_Skill.qdf: warning: line 3: longer than 255 characters; it is read in "
         "pieces of 255"},
        {"Skills/Swim_Skill.qdf", skill_head + "<BOOK>three</BOOK>\n" + skill_end, "",
         "Skills/Swim_Skill.qdf: error: line 3: BOOK: 'three' is not a number (read as 0)"},
        {"Skills/Swim_Skill.qdf", skill_head + "<BP>99999999999</BP>\n" + skill_end, "",
         "Skills/Swim_Skill.qdf: warning: line 3: BP: 99999999999 is out of range (read as "
         "2147483647)"},
        {"Classes/MageClass.qdf",
         "<CHARACTER_CLASS>\n<NAME>Mage</NAME>\n<MAXINT>18,5</MAXINT>\n</CHARACTER_CLASS>\n", "",
         "Classes/MageClass.qdf: error: line 3: MAXINT: '18,5' is not a number (read as 18)"},
        {"Classes/MageClass.qdf",
         "<CHARACTER_CLASS>\n<NAME>Mage</NAME>\n<HITDIE_100>4</HITDIE_100>\n</CHARACTER_CLASS>\n",
         "",
         "Classes/MageClass.qdf: warning: line 3: HITDIE_100: level 100 is outside 0 to 99; "
         "the element is ignored"},
        {"Classes/MageClass.qdf",
         "<CHARACTER_CLASS>\n<NAME>Mage</NAME>\n<XPTABLE_x>4</XPTABLE_x>\n</CHARACTER_CLASS>\n", "",
         "Classes/MageClass.qdf: error: line 3: XPTABLE_x: level 'x' is not a number"},
        {"Races/Orc_Male_Race.qdf",
         "<CHARACTER_RACE>\n<NAME>Orc</NAME>\n<SEX>Male</SEX>\n<LEVELLIMIT>Paladin 9</LEVELLIMIT>\n"
         "</CHARACTER_RACE>\n",
         "", "Races/Orc_Male_Race.qdf: error: level limit 'Paladin 9' names no class"},
        {"Skills/Swim_Skill.qdf",
         skill_head + "<COURSE_PREREQS>Juggling</COURSE_PREREQS>\n" + skill_end, "",
         "Skills/Swim_Skill.qdf: error: prerequisite 'Juggling' names no skill"},
        {"Equipment/Torch_Equipment.qdf",
         "<CHARACTER_EQUIP>\n<NAME>Torch</NAME>\n<TABLEID>3</TABLEID>\n</CHARACTER_EQUIP>\n", "",
         "Equipment/Torch_Equipment.qdf: error: table id 3 is no shop category (the Categories "
         "record has 1 to 2)"},
        {"Equipment/Torch_Equipment.qdf",
         "<CHARACTER_EQUIP>\n<NAME>Torch</NAME>\n</CHARACTER_EQUIP>\n", "",
         "Equipment/Torch_Equipment.qdf: error: table id 0 is no shop category (the Categories "
         "record has 1 to 2)"},
        {"", "", "Equipment/Categories_Equipment.qdf",
         "Equipment: error: no record named 'Categories', so no table id is a shop category"},
        {"", "", "Talents/empty.qdf", "Talents: error: has no empty.qdf"},
        {"", "", "Spells", "Spells: error: data directory is missing; nothing is loaded from it"},
        {"Proficiencies/Blank_Prof.qdf", "<CHARACTER_PROF>\n<BOOK>1</BOOK>\n</CHARACTER_PROF>\n",
         "", "Proficiencies/Blank_Prof.qdf: error: record has no name"},
        {"Skills/Rope_Use_x_Skill.qdf",
         "<CHARACTER_SKILL>\n<NAME>Rope Use</NAME>\n</CHARACTER_SKILL>\n", "",
         "Skills/Rope_Use_x_Skill.qdf: warning: duplicate record name 'Rope Use' (also in "
         "Skills/Rope_Use_Skill.qdf)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        TearDown();
        SetUp();
        if (!c.file.empty()) {
            WriteFile(c.file, c.content);
        }
        if (!c.remove.empty()) {
            std::filesystem::remove_all(workspace / c.remove);
        }
        std::string report = Report();
        // The paths are the workspace's; compare them relative to it.
        const std::string root = workspace.string() + "/";
        for (std::size_t at; (at = report.find(root)) != std::string::npos;) {
            report.erase(at, root.size());
        }
        const bool error = c.expected.find(": error: ") != std::string::npos;
        EXPECT_EQ(report,
                  c.expected + (error ? "\n1 errors, 0 warnings\n" : "\n0 errors, 1 warnings\n"));
    }
}

TEST_F(DataCheckTest, EmptyAndBinaryFilesAreCaughtWithoutHarm) {
    WriteFile("Skills/Blank_Skill.qdf", "");
    WriteFile("Skills/Noise_Skill.qdf", "\x01\x02\0\xff<NAME\0>\n\0\0\0"s);
    const std::string report = Report();
    for (const std::string line : {"Skills/Blank_Skill.qdf: error: no closing tag",
                                   "Skills/Blank_Skill.qdf: error: record has no name",
                                   "Skills/Noise_Skill.qdf: warning: line 1: holds a NUL byte",
                                   "Skills/Noise_Skill.qdf: error: no closing tag"}) {
        EXPECT_NE(report.find(Path(line)), std::string::npos) << line << " in " << report;
    }
    EXPECT_TRUE(report.ends_with("4 errors, 1 warnings\n")) << "the NUL byte is reported once";
}

TEST_F(DataCheckTest, AFileThatFailsWhileReadingSaysSoRatherThanNoClosingTag) {
    // A directory opens as a file but every read of it fails.
    std::filesystem::create_directories(workspace / "Skills/Dir_Skill.qdf");
    DataProblems problems;
    CharacterSkill record;
    ReadRecordFile(workspace / "Skills/Dir_Skill.qdf", record, &problems);
    ASSERT_EQ(problems.All().size(), 1u);
    EXPECT_EQ(problems.All()[0].text, "cannot be read (Is a directory)");
}

TEST_F(DataCheckTest, NormalLoadStaysSilentAndMatchesTheCheckedLoad) {
    WriteFile("Skills/Swim_Skill.qdf", "<CHARACTER_SKILL>\n<NAME>Swim</NAME>\n<BOOK>x</BOOK>\n");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    LoadAllRulesLists();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(CharacterSkill::Count(), 4u);
    EXPECT_EQ(CharacterEquip::Count(), 2u);
    DataProblems problems;
    CheckDataSet(problems);
    EXPECT_EQ(CharacterSkill::Count(), 4u); // the check replaced the lists, not added to them
    EXPECT_EQ(CharacterSkill::Find("Swim")->book, 0);
}

} // namespace
