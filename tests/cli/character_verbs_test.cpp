// fraymark character show / sheet / list on small workspaces.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli_runner.h"
#include "support/golden.h"

namespace {

namespace fs = std::filesystem;

class CharacterVerbsTest : public CliWorkspace {
protected:
    void SetUp() override {
        CliWorkspace::SetUp();
        Write("Races/Human_Female_Race.qdf", "<CHARACTER_RACE>\n<NAME>Human</NAME>\n"
                                             "<SEX>Female</SEX>\n<MOVE>12</MOVE>\n"
                                             "</CHARACTER_RACE>\n");
        Write("Classes/FighterClass.qdf",
              "<CHARACTER_CLASS>\n<NAME>Fighter</NAME>\n<SAVEAS>2</SAVEAS>\n</CHARACTER_CLASS>\n");
        // The sample character's reviewed file, with a bit of everything the reader takes back.
        fs::create_directories(dir / "CharacterXML");
        fs::copy_file(fs::path(FRAYMARK_SOURCE_DIR) / "tests/golden/brenna_character.xml",
                      dir / "CharacterXML/Brenna.xml");
    }

    std::string Brenna() const { return "'" + (dir / "CharacterXML/Brenna.xml").string() + "'"; }

    static bool HasLine(const std::string& text, const std::string& line) {
        const auto lines = Split(text);
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

// Every field of the record, in its order, with the race and class found in the workspace;
// with --json the same fields as one object.
TEST_F(CharacterVerbsTest, ShowPrintsTheRecordOneFieldALine) {
    const CliResult r = Run("character show CharacterXML/Brenna.xml");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    ExpectMatchesGolden("cli_character_show.txt", r.out);
    ExpectMatchesGolden("cli_character_show.json", Run("character show Brenna --json").out);
}

// Without the workspace's data the race is named but not found. What the reader met in a file
// goes to standard error, and the record is still shown.
TEST_F(CharacterVerbsTest, ShowWithoutTheDataOrWithReaderProblems) {
    const CliResult r = RunFraymark("character show " + Brenna());
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_TRUE(HasLine(r.out, "race_item: "));
    EXPECT_TRUE(HasLine(r.out, "race: Human"));

    Write("odd.xml", "<CHARACTER_NAME>Odd</CHARACTER_NAME>\n<AGE>old</AGE>\n"
                     "<SKILLNAME>Riding</SKILLNAME>\n");
    const CliResult odd = Run("character show odd.xml");
    EXPECT_EQ(odd.exit_code, 0);
    EXPECT_TRUE(HasLine(odd.out, "character_name: Odd"));
    ExpectMatchesGolden("cli_character_show_problems.txt", odd.err);
}

// A name as `character list` prints it, with or without ".xml", is found in the workspace's
// CharacterXML (--dir's, with its data); a file of that name where the command runs wins.
TEST_F(CharacterVerbsTest, ABareNameIsTakenFromTheWorkspacesCharacterFolder) {
    const std::string shown = Run("character show CharacterXML/Brenna.xml").out;
    for (const std::string name : {"Brenna.xml", "Brenna"}) {
        EXPECT_EQ(Run("character show " + name).out, shown) << name;
        EXPECT_EQ(RunFraymark("character show " + name + " " + Dir()).out, shown) << name;
    }
    Write("Brenna.xml", "<CHARACTER_NAME>Here</CHARACTER_NAME>\n");
    EXPECT_TRUE(HasLine(Run("character show Brenna.xml").out, "character_name: Here"));
}

TEST_F(CharacterVerbsTest, SheetGoesToStandardOutputOrToAFile) {
    const CliResult r = Run("character sheet CharacterXML/Brenna.xml");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(
        r.out.rfind("<HTML>\n <HEAD>\n <TITLE>Fraymark Character Generator Brenna Ashford ", 0),
        0u);
    EXPECT_NE(r.out.find("<TD ALIGN=LEFT>Rate</TD>\n<TD ALIGN=LEFT>12</TD>\n"),
              std::string::npos); // the race's move, from the workspace's data
    EXPECT_EQ(r.out.substr(r.out.size() - 8), "</HTML>\n");

    const CliResult to_file =
        Run("character sheet CharacterXML/Brenna.xml --out sheets/brenna.html");
    ASSERT_EQ(to_file.exit_code, 0) << to_file.err;
    EXPECT_EQ(to_file.out, "");
    EXPECT_EQ(Read("sheets/brenna.html"), r.out);
}

TEST_F(CharacterVerbsTest, ASheetThatCannotBeWrittenLeavesTheOldOneAndFails) {
    Write("blocked", "not a directory");
    const CliResult r = Run("character sheet CharacterXML/Brenna.xml --out blocked/brenna.html");
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
    ExpectMatchesGolden("cli_character_list.txt", r.out);
    // Without --dir the current directory is the workspace; without characters, the header.
    EXPECT_EQ(Run("character list").out, r.out);
    fs::remove_all(dir / "CharacterXML");
    EXPECT_EQ(Run("character list").out, r.out.substr(0, r.out.find('\n') + 1));
}

} // namespace
