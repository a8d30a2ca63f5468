#include <gtest/gtest.h>

#include "core/dice/dice.h"
#include "core/dice/dice_log.h"
#include "core/model/program_state.h"
#include "support/golden.h"
#include "support/scripted_port.h"
#include "support/workspace_fixture.h"

namespace {

class DiceLogTest : public WorkspaceTest {
protected:
    ScriptedPort port;
};

// Each balance's line as the file holds it, against tests/golden/dice_log_lines.txt; the
// caller's text becomes the line shown: no trailing space, a line feed.
TEST_F(DiceLogTest, LinesCarryThePaddedBalanceAndATrailingSpace) {
    std::string shown;
    for (const float balance : {12.5f, -0.5f, 0.0f, 1234.25f, 123456.0f}) {
        std::string text = "x";
        Format_Entry(balance, text, "5.log");
        shown += text;
    }
    const std::string file = ReadFile("5.log");
    ExpectMatchesGolden("dice_log_lines.txt", file);
    std::string without_spaces = file;
    for (auto at = without_spaces.find(" \n"); at != std::string::npos;
         at = without_spaces.find(" \n")) {
        without_spaces.erase(at, 1);
    }
    EXPECT_EQ(shown, without_spaces);
}

TEST_F(DiceLogTest, WindowOpensWithTheFileAsItWasThenTakesTheLine) {
    WriteFile("9.log", "BP=0.0    | earlier \n");
    std::string text = "later";
    Format_Entry(2.0f, text, "9.log");
    EXPECT_EQ(port.log_window_opens, 1);
    EXPECT_EQ(port.log_window, "BP=0.0    | earlier \nBP=2.0    | later\n");
    std::string again = "again";
    Format_Entry(2.0f, again, "9.log");
    EXPECT_EQ(port.log_window_opens, 1);
    EXPECT_EQ(port.tree_updates, 2);

    // A line without a balance (the honor log's) is the text and a space, and no tree update.
    std::string honor = "Party honor adjusted";
    Format_Entry(honor, "9.log");
    EXPECT_EQ(ReadFile("9.log"), "BP=0.0    | earlier \nBP=2.0    | later \n"
                                 "BP=2.0    | again \nParty honor adjusted \n");
    EXPECT_EQ(honor, "Party honor adjusted\n");
    EXPECT_EQ(port.tree_updates, 2);
}

TEST_F(DiceLogTest, CreateFilenameNamesFromTwelveD12AndEmptiesTheFile) {
    QueueDieFaces({12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}); // 78
    char name[kLogFileNameSize] = "x";                      // one character is not a name
    Create_Filename(name);
    EXPECT_EQ(std::string(name), "78.log");
    WriteFile(name, "old lines\n");
    Create_Filename(name); // a name already given is kept, and the file is emptied
    EXPECT_EQ(std::string(name), "78.log");
    EXPECT_EQ(ReadFile(name), "");
}

TEST_F(DiceLogTest, UnwritableLogIsReportedAndTheLineStillShown) {
    std::filesystem::create_directory(workspace / "blocked.log");
    char name[kLogFileNameSize] = "blocked.log";
    Create_Filename(name);
    std::string text = "still shown";
    Format_Entry(1.0f, text, name);
    ASSERT_EQ(port.messages.size(), 2u);
    EXPECT_EQ(port.messages[0], "Create_Filename: Problem creating log file");
    EXPECT_EQ(port.messages[1], "Log_Entry: Problem creating entry in log file");
    EXPECT_EQ(port.log_window, "BP=1.0    | still shown\n");
}

TEST_F(DiceLogTest, HeldLogWritesTheSameBytesAndShowsEveryLineWhenRead) {
    // Two characters' logs in one file, the second emptying it, held and then not held.
    const auto write_two_logs = [](bool hold) {
        HoldLogFileOpen(hold);
        char name[kLogFileNameSize] = "4.log";
        std::string shown;
        for (const char* first : {"first", "second"}) {
            Create_Filename(name);
            for (std::string text : {std::string(first), std::string(300, 'x')}) {
                Format_Entry(1.5f, text, name);
            }
            shown += ReadLogFile(name);
        }
        HoldLogFileOpen(false);
        return shown + "|" + ReadLogFile(name);
    };
    const std::string unheld = write_two_logs(false);
    EXPECT_EQ(write_two_logs(true), unheld);
    EXPECT_EQ(unheld.substr(0, 19), "BP=1.5    | first \n");
    EXPECT_TRUE(port.messages.empty());
}

} // namespace
