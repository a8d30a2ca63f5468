// Saving a character: the file lands in CharacterXML under the character's name, and a save
// that fails leaves the file that was there before.
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/app/character_open.h"
#include "core/app/clear_all.h"
#include "core/dice/dice_log.h"
#include "core/files/character_file_writer.h"
#include "core/files/character_save.h"
#include "core/files/character_sheet.h"
#include "core/files/saved_files.h"
#include "core/model/character.h"
#include "support/scripted_port.h"
#include "support/workspace_fixture.h"

namespace {

namespace fs = std::filesystem;

class SavedFilesTest : public WorkspaceTest {
protected:
    // Files in a directory of the workspace, temporary ones included.
    std::size_t FilesIn(const std::string& directory) const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(workspace / directory), fs::directory_iterator()));
    }
};

TEST_F(SavedFilesTest, FileNamesKeepTheNameButNotItsPathSeparators) {
    EXPECT_EQ(SavedFileName("Brenna Ashford.xml"), "Brenna Ashford.xml");
    EXPECT_EQ(SavedFileName(".xml"), ".xml");
    EXPECT_EQ(SavedFileName("../../etc/x.xml"), ".._.._etc_x.xml");
    EXPECT_EQ(SavedFileName("A\\B.html"), "A_B.html");
}

// The save command never writes a nameless file and never replaces another character's file
// unasked; the character opened from a file, or saved once, replaces its own silently.
TEST_F(SavedFilesTest, SavingAsksForAMissingNameAndBeforeReplacingAnotherCharacter) {
    const std::string kReplace = "yesno:Save Character:A saved character named Ada already "
                                 "exists. Replace it with this character?\n";
    const std::string kAskName = "text:Enter Name:Character Creation: Name your Character\n";
    const std::string kNewAda = "<CHARACTER_NAME>Ada</CHARACTER_NAME>";
    const struct {
        const char* name;                 // the character's name before saving
        const char* own_file;             // the file it was opened from or saved to ("" for none)
        std::vector<std::string> answers; // "yes", "no", "cancel" or a name
        std::string asked;
        SaveResult result;
        std::string ada_file_holds; // what Ada.xml names afterwards ("" for no file)
    } cases[] = {
        {"", "", {"Ada"}, kAskName, SaveResult::kSaved, kNewAda},
        {"", "", {"cancel"}, kAskName, SaveResult::kCancelled, ""},
        {"", "", {""}, kAskName, SaveResult::kCancelled, ""},
        {"Ada", "", {"no", "cancel"}, kReplace + kAskName, SaveResult::kCancelled, "Old Ada"},
        {"Ada", "", {"no", "Bea"}, kReplace + kAskName, SaveResult::kSaved, "Old Ada"},
        {"Ada", "", {"yes"}, kReplace, SaveResult::kSaved, kNewAda},
        {"Ada", "Ada.xml", {}, "", SaveResult::kSaved, kNewAda},
    };
    for (const auto& c : cases) {
        TearDown();
        SetUp();
        ScriptedPort port;
        const std::string label = std::string(c.name) + "/" + c.own_file + "/" + c.asked;
        if (*c.name) { // another character named Ada was saved before
            WriteFile("CharacterXML/Ada.xml", "Old Ada");
        }
        current_character.character_name = c.name;
        RememberSavedFile(c.own_file);
        for (const std::string& answer : c.answers) {
            if (answer == "yes" || answer == "no") {
                answer == "yes" ? port.AnswerYes() : port.AnswerNo();
            } else if (answer == "cancel") {
                port.AnswerCancel();
            } else {
                port.AnswerText(answer);
            }
        }
        EXPECT_EQ(SaveCurrentCharacter(), c.result) << label;
        std::string asked;
        for (const auto& q : port.questions) {
            asked += q.kind + ":" + q.caption + ":" + q.message + "\n";
        }
        EXPECT_EQ(asked, c.asked) << label;
        const std::string ada = ReadFile("CharacterXML/Ada.xml");
        std::error_code ec;
        EXPECT_NE(ada.find(c.ada_file_holds), std::string::npos) << label;
        EXPECT_EQ(ada.empty(), c.ada_file_holds.empty()) << label;
        for (const auto& entry : fs::directory_iterator(workspace / "CharacterXML", ec)) {
            EXPECT_EQ(entry.path().extension(), ".xml") << label << ": a temporary file is left";
        }
        if (c.result == SaveResult::kSaved) {
            const std::string saved = SavedFileName(current_character.character_name);
            EXPECT_TRUE(fs::is_regular_file(workspace / "CharacterHTML" / (saved + ".html")));
            // Saved once, the character replaces its own file from now on without a word.
            EXPECT_EQ(SaveCurrentCharacter(), SaveResult::kSaved) << label;
            EXPECT_EQ(port.questions.size(), c.answers.size()) << label;
        }
    }
}

// Each saved character keeps its own dice log beside its file, whatever the next character
// does to the run's log; an opened character keeps the log it was saved with, and adds what it
// does after opening.
TEST_F(SavedFilesTest, EachCharacterKeepsItsOwnLogBesideItsFile) {
    ScriptedPort port;
    const auto make = [](const std::string& name) {
        Clear_All(); // as "New Character": the run's log starts again
        LogCreationLine("made " + name);
        current_character.character_name = name;
        return SaveCurrentCharacter();
    };
    ASSERT_TRUE(make("Ada") == SaveResult::kSaved && make("Bea") == SaveResult::kSaved);
    const std::string cleared = "BP=0.0    | All variables have been cleared \n";
    const std::string ada_log = cleared + "BP=0.0    | made Ada \n";
    EXPECT_EQ(ReadFile("CharacterLogs/Ada.log"), ada_log);
    EXPECT_EQ(ReadFile("CharacterLogs/Bea.log"), cleared + "BP=0.0    | made Bea \n");

    OpenSavedCharacter("Ada.xml");
    ASSERT_EQ(SaveCurrentCharacter(), SaveResult::kSaved);
    current_character.character_name = "Ada II";
    ASSERT_EQ(SaveCurrentCharacter(), SaveResult::kSaved);
    EXPECT_EQ(ReadFile("CharacterLogs/Ada.log"), ada_log);
    EXPECT_EQ(ReadFile("CharacterLogs/Ada II.log"), ada_log);
    // What the opened character does in this run (an award) joins its own log, once.
    LogCreationLine("awarded Ada");
    ASSERT_EQ(SaveCurrentCharacter(), SaveResult::kSaved);
    ASSERT_EQ(SaveCurrentCharacter(), SaveResult::kSaved);
    EXPECT_EQ(ReadFile("CharacterLogs/Ada II.log"), ada_log + "BP=0.0    | awarded Ada \n");

    fs::create_directories(workspace / "CharacterLogs/Cid.log/inside");
    EXPECT_EQ(make("Cid"), SaveResult::kFailed);
    EXPECT_NE(port.messages.back().find("CharacterLog: The character log Cid.log was not saved"),
              std::string::npos);
}

// A write that fails half-way (the file system refuses to let the file grow) leaves the old
// file whole, removes the partial one and tells the user; so does a target that cannot be
// written.
TEST_F(SavedFilesTest, AWriteThatFailsLeavesTheOldFile) {
    ScriptedPort port;
    WriteFile("CharacterXML/Ada.xml", "the old file\n");
    WriteFile("CharacterHTML/Ada.html", "the old sheet\n");
    current_character.character_name = "Ada";

    rlimit old_limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old_limit;
    small.rlim_cur = 64; // bytes: far less than a character file
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool xml_saved = CreateXMLSheet("Ada.xml", 1);
    const bool html_saved = CreateHTMLSheet("Ada.html", 1);
    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);

    EXPECT_FALSE(xml_saved);
    EXPECT_FALSE(html_saved);
    EXPECT_EQ(ReadFile("CharacterXML/Ada.xml"), "the old file\n");
    EXPECT_EQ(ReadFile("CharacterHTML/Ada.html"), "the old sheet\n");
    EXPECT_EQ(FilesIn("CharacterXML"), 1u);
    EXPECT_EQ(FilesIn("CharacterHTML"), 1u);
    // A file where the directory should be, or a directory where the file should be, is kept.
    fs::remove_all(workspace / "CharacterXML");
    WriteFile("CharacterXML", "a file where the directory should be");
    EXPECT_FALSE(CreateXMLSheet("Ada.xml", 1));
    EXPECT_EQ(ReadFile("CharacterXML"), "a file where the directory should be");
    fs::remove(workspace / "CharacterXML");
    fs::create_directories(workspace / "CharacterXML" / "Ada.xml" / "inside");
    EXPECT_FALSE(CreateXMLSheet("Ada.xml", 1));
    EXPECT_TRUE(fs::is_directory(workspace / "CharacterXML" / "Ada.xml" / "inside"));
    EXPECT_EQ(FilesIn("CharacterXML"), 1u);
    ASSERT_EQ(port.messages.size(), 4u);
    EXPECT_EQ(port.messages[0], "CreateXMLSheet: The character file Ada.xml was not saved: "
                                "writing Ada.xml failed (is the disk full?); the file was not "
                                "changed.");
    EXPECT_EQ(port.messages[1].rfind("CreateHTMLSheet: The character sheet Ada.html was not "
                                     "saved: ",
                                     0),
              0u);
    EXPECT_NE(port.messages[2].find("cannot create the directory"), std::string::npos);
    EXPECT_NE(port.messages[3].find("cannot replace"), std::string::npos) << port.messages[3];
}

} // namespace
