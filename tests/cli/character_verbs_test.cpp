// fraymark character show / sheet / list on small workspaces.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli_runner.h"
#include "support/golden.h"

namespace {

namespace fs = std::filesystem;

// A hand-written character file with a bit of everything the reader takes back.
const char* const kTessFile = "<?xml version=\"1.0\"?>\n"
                              "<FRAYMARK_CHARACTER>\n"
                              "<CHARACTER_NAME>Tess Varn</CHARACTER_NAME>\n"
                              "<RACE>Human</RACE>\n"
                              "<SEX>Female</SEX>\n"
                              "<LEVEL>2</LEVEL>\n"
                              "<STRENGTH_BASE>14</STRENGTH_BASE>\n"
                              "<STRENGTH_PERC>60</STRENGTH_PERC>\n"
                              "<HONOR_BASE>11</HONOR_BASE>\n"
                              "<CLASS_DATA>\n"
                              "<CLASS_NAME>Fighter</CLASS_NAME>\n"
                              "<CLASS_LEVEL>2</CLASS_LEVEL>\n"
                              "<CLASS_EXP>2100</CLASS_EXP>\n"
                              "<CLASS_HITPOINTS_1>9</CLASS_HITPOINTS_1>\n"
                              "<CLASS_HITPOINTS_2>6</CLASS_HITPOINTS_2>\n"
                              "</CLASS_DATA>\n"
                              "<SKILL_SECTION>\n"
                              "<SKILLNAME>Riding</SKILLNAME>\n"
                              "<SKILLRATING>32</SKILLRATING>\n"
                              "</SKILL_SECTION>\n"
                              "<WAR_EVENT TYPE=\"War\">Held the ford</WAR_EVENT>\n"
                              "<SIBLINGS>1</SIBLINGS>\n"
                              "<SIBLING1>Sister, 12</SIBLING1>\n"
                              "</FRAYMARK_CHARACTER>\n";

class CharacterVerbsTest : public CliWorkspace {
protected:
    void SetUp() override {
        CliWorkspace::SetUp();
        Write("Races/Human_Female_Race.qdf", "<CHARACTER_RACE>\n<NAME>Human</NAME>\n"
                                             "<SEX>Female</SEX>\n<MOVE>12</MOVE>\n"
                                             "</CHARACTER_RACE>\n");
        Write("Classes/FighterClass.qdf",
              "<CHARACTER_CLASS>\n<NAME>Fighter</NAME>\n<SAVEAS>2</SAVEAS>\n</CHARACTER_CLASS>\n");
        Write("CharacterXML/Tess.xml", kTessFile);
    }

    std::string Tess() const { return "'" + (dir / "CharacterXML/Tess.xml").string() + "'"; }

    static bool HasLine(const std::string& text, const std::string& line) {
        const auto lines = Split(text);
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

// Every field of the record, in its order, with the race and class found in the workspace.
TEST_F(CharacterVerbsTest, ShowPrintsTheRecordOneFieldALine) {
    const CliResult r = Run("character show CharacterXML/Tess.xml");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    ExpectMatchesGolden("cli_character_show.txt", r.out);
}

// Without the workspace's data the race is named but not found; --dir gives the data.
TEST_F(CharacterVerbsTest, ShowWithoutTheDataLeavesRaceAndClassUnset) {
    const CliResult r = RunFraymark("character show " + Tess());
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_TRUE(HasLine(r.out, "race_item: "));
    EXPECT_TRUE(HasLine(r.out, "race: Human"));
    EXPECT_EQ(RunFraymark("character show " + Tess() + " " + Dir()).out,
              Run("character show CharacterXML/Tess.xml").out);
}

TEST_F(CharacterVerbsTest, ShowReportsWhatTheReaderMetAndStillPrints) {
    Write("odd.xml", "<CHARACTER_NAME>Odd</CHARACTER_NAME>\n<AGE>old</AGE>\n"
                     "<SKILLNAME>Riding</SKILLNAME>\n");
    const CliResult r = Run("character show odd.xml");
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_TRUE(HasLine(r.out, "character_name: Odd"));
    EXPECT_TRUE(HasLine(r.out, "age: 0"));
    EXPECT_EQ(r.err, "odd.xml: line 2: <AGE>: 'old' is not a number (read as 0)\n"
                     "odd.xml: line 3: <SKILLRATING> missing after 'Riding': it counts 0\n"
                     "odd.xml: line 3: no closing </FRAYMARK_CHARACTER> line: the file was read "
                     "up to its end\n");
}

TEST_F(CharacterVerbsTest, SheetGoesToStandardOutputOrToAFile) {
    const CliResult r = Run("character sheet CharacterXML/Tess.xml");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out.rfind("<HTML>\n <HEAD>\n <TITLE>Fraymark Character Generator Tess Varn ", 0),
              0u);
    EXPECT_NE(r.out.find("<TD ALIGN=LEFT>Rate</TD>\n<TD ALIGN=LEFT>12</TD>\n"),
              std::string::npos); // the race's move, from the workspace's data
    EXPECT_EQ(r.out.substr(r.out.size() - 8), "</HTML>\n");

    const CliResult to_file = Run("character sheet CharacterXML/Tess.xml --out sheets/tess.html");
    ASSERT_EQ(to_file.exit_code, 0) << to_file.err;
    EXPECT_EQ(to_file.out, "");
    EXPECT_EQ(Read("sheets/tess.html"), r.out);
}

TEST_F(CharacterVerbsTest, ASheetThatCannotBeWrittenLeavesTheOldOneAndFails) {
    Write("blocked", "not a directory");
    const CliResult r = Run("character sheet CharacterXML/Tess.xml --out blocked/tess.html");
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("fraymark: character sheet: cannot create the directory ", 0), 0u)
        << r.err;
    EXPECT_EQ(Read("blocked"), "not a directory");
}

TEST_F(CharacterVerbsTest, ListIsTabSeparatedAndSortedByFileName) {
    Write("CharacterXML/abel.xml", "<CHARACTER_NAME>Abel\tthe Tall</CHARACTER_NAME>\n"
                                   "<LEVEL>07</LEVEL>\n<CLASS_LONG_NAME>Thief</CLASS_LONG_NAME>\n");
    Write("CharacterXML/Zed.XML", "garbage");
    Write("CharacterXML/readme.txt", "<CHARACTER_NAME>No</CHARACTER_NAME>\n");
    const CliResult r = RunFraymark("character list " + Dir());
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "name\tclass\tlevel\trace\tfile\n"
                     "Abel the Tall\tThief\t07\t\tabel.xml\n"
                     "Tess Varn\t\t2\tHuman\tTess.xml\n"
                     "\t\t\t\tZed.XML\n");
    // Without --dir the current directory is the workspace; without characters, the header.
    EXPECT_EQ(Run("character list").out, r.out);
    fs::remove_all(dir / "CharacterXML");
    EXPECT_EQ(Run("character list").out, "name\tclass\tlevel\trace\tfile\n");
}

} // namespace
