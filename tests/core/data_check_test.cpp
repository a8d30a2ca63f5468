// The data check on a small, sound data set broken one way at a time.
#include <filesystem>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/data/data_check.h"
#include "core/data/data_reader.h"
#include "core/data/item_data.h"
#include "core/data/rules_lists.h"
#include "support/golden.h"
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
};

// The sound set broken one way at a time: each report, workspace paths left out, against the
// reviewed tests/golden/data_check_reports.txt (one problem line and the counts each).
TEST_F(DataCheckTest, EachKindOfBrokenFileIsNamedWithItsProblem) {
    EXPECT_EQ(Report(), "0 errors, 0 warnings\n") << "the sound set";
    const std::string swim = "Skills/Swim_Skill.qdf", mage = "Classes/MageClass.qdf",
                      torch = "Equipment/Torch_Equipment.qdf";
    const auto skill = [](const std::string& lines) {
        return "<CHARACTER_SKILL>\n<NAME>Swim</NAME>\n" + lines + "</CHARACTER_SKILL>\n";
    };
    const auto mage_with = [](const std::string& line) {
        return "<CHARACTER_CLASS>\n<NAME>Mage</NAME>\n" + line + "\n</CHARACTER_CLASS>\n";
    };
    const struct {
        std::string file; // written into the sound set ("" to write nothing)
        std::string content;
        std::string remove; // removed from the sound set ("" to remove nothing)
    } cases[] = {
        {swim, "<CHARACTER_SKILL>\n<NAME>Swim</NAME>\n", ""}, // no closing tag
        {swim, skill("  <COLOUR>blue</COLOUR>\n"), ""},
        {swim, skill("<!--" + std::string(300, '-') + "-->\n"), ""},
        {swim, skill("<BOOK>three</BOOK>\n"), ""},
        {swim, skill("<BP>99999999999</BP>\n"), ""},
        {mage, mage_with("<MAXINT>18,5</MAXINT>"), ""},
        {mage, mage_with("<HITDIE_100>4</HITDIE_100>"), ""},
        {mage, mage_with("<XPTABLE_x>4</XPTABLE_x>"), ""},
        {"Races/Orc_Male_Race.qdf",
         "<CHARACTER_RACE>\n<NAME>Orc</NAME>\n<SEX>Male</SEX>\n<LEVELLIMIT>Paladin 9</LEVELLIMIT>\n"
         "</CHARACTER_RACE>\n",
         ""},
        {swim, skill("<COURSE_PREREQS>Juggling</COURSE_PREREQS>\n"), ""},
        {torch, "<CHARACTER_EQUIP>\n<NAME>Torch</NAME>\n<TABLEID>3</TABLEID>\n</CHARACTER_EQUIP>\n",
         ""},
        {torch, "<CHARACTER_EQUIP>\n<NAME>Torch</NAME>\n</CHARACTER_EQUIP>\n", ""},
        {"", "", "Equipment/Categories_Equipment.qdf"},
        {"", "", "Talents/empty.qdf"},
        {"", "", "Spells"},
        {"Proficiencies/Blank_Prof.qdf", "<CHARACTER_PROF>\n<BOOK>1</BOOK>\n</CHARACTER_PROF>\n",
         ""},
        {"Skills/Rope_Use_x_Skill.qdf",
         "<CHARACTER_SKILL>\n<NAME>Rope Use</NAME>\n</CHARACTER_SKILL>\n", ""},
        {"Skills/Blank_Skill.qdf", "", ""},
        {"Skills/Noise_Skill.qdf", "\x01\x02\0\xff<NAME\0>\n\0\0\0"s, ""}, // one NUL warning
    };
    std::string reports;
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        if (!c.file.empty()) {
            WriteFile(c.file, c.content);
        }
        if (!c.remove.empty()) {
            std::filesystem::remove_all(workspace / c.remove);
        }
        std::string report = Report();
        const std::string root = workspace.string() + "/";
        for (std::size_t at; (at = report.find(root)) != std::string::npos;) {
            report.erase(at, root.size());
        }
        reports += "== " + (c.file.empty() ? "without " + c.remove : c.file) + "\n" + report;
    }
    ExpectMatchesGolden("data_check_reports.txt", reports);
}

// A normal load stays silent and gives what the checked load gives; a file that fails while
// being read says so rather than that its closing tag is missing.
TEST_F(DataCheckTest, NormalLoadStaysSilentAndAFailedReadSaysSo) {
    WriteFile("Skills/Swim_Skill.qdf", "<CHARACTER_SKILL>\n<NAME>Swim</NAME>\n<BOOK>x</BOOK>\n");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    LoadAllRulesLists();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(CharacterSkill::Count(), 4u);
    DataProblems problems;
    CheckDataSet(problems);
    EXPECT_EQ(CharacterSkill::Count(), 4u); // the check replaced the lists, not added to them
    EXPECT_EQ(CharacterSkill::Find("Swim")->book, 0);
    // A directory opens as a file but every read of it fails.
    std::filesystem::create_directories(workspace / "Skills/Dir_Skill.qdf");
    DataProblems failed;
    CharacterSkill record;
    ReadRecordFile(workspace / "Skills/Dir_Skill.qdf", record, &failed);
    ASSERT_EQ(failed.All().size(), 1u);
    EXPECT_EQ(failed.All()[0].text, "cannot be read (Is a directory)");
}

} // namespace
