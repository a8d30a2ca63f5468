#include "core/app/workspace_choice.h"

#include <gtest/gtest.h>

#include "support/golden.h"
#include "support/workspace_fixture.h"

namespace {

namespace fs = std::filesystem;

class WorkspaceChoiceTest : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        WriteFile("prefix/bin/fraymark-toolkit", "");
        WriteFile("prefix/share/fraymark/gamedata/Races/Elf_Race.qdf", "shipped");
        WriteFile("build/bin/fraymark-toolkit", "");
    }
    WorkspaceInputs Inputs(const char* program) const {
        WorkspaceInputs in;
        in.program = workspace / program;
        in.installed_data_relative = "../share/fraymark/gamedata";
        in.current_directory = workspace / "here";
        in.xdg_data_home = (workspace / "xdg").string();
        in.home = (workspace / "home").string();
        return in;
    }
};

// Each situation's choice against tests/golden/workspace_choices.txt: the source (0 the
// argument, 1 the user data folder, 2 the current directory), the folder relative to the test
// folder, whether installed data is laid out, and whether a note is shown.
TEST_F(WorkspaceChoiceTest, InstalledCheckoutAndArgumentPickTheirFolders) {
    const struct {
        const char* name;
        const char* program;
        const char* argument; // nullptr: none
        const char* xdg;      // nullptr: as Inputs() sets it
        const char* home;
    } cases[] = {
        {"checkout", "build/bin/fraymark-toolkit", nullptr, nullptr, nullptr},
        {"installed", "prefix/bin/fraymark-toolkit", nullptr, nullptr, nullptr},
        {"relative xdg ignored", "prefix/bin/fraymark-toolkit", nullptr, "rel", nullptr},
        {"argument installed", "prefix/bin/fraymark-toolkit", "../mine", nullptr, nullptr},
        {"argument checkout", "build/bin/fraymark-toolkit", "mine", nullptr, nullptr},
        {"argument inside the install", "prefix/bin/fraymark-toolkit",
         "../prefix/share/fraymark/gamedata/Races", nullptr, nullptr},
        {"no home", "prefix/bin/fraymark-toolkit", nullptr, "", ""},
    };
    std::string choices;
    for (const auto& c : cases) {
        WorkspaceInputs in = Inputs(c.program);
        if (c.argument) {
            in.argument = c.argument;
        }
        in.xdg_data_home = c.xdg ? c.xdg : in.xdg_data_home;
        in.home = c.home ? c.home : in.home;
        const WorkspaceChoice choice = ChooseWorkspace(in);
        choices += std::string(c.name) + ": " + std::to_string(static_cast<int>(choice.source)) +
                   " " + fs::relative(choice.root, fs::weakly_canonical(workspace)).string() +
                   (choice.installed_data ? " installed" : "") +
                   (choice.note.empty() ? "" : " note") + '\n';
    }
    ExpectMatchesGolden("workspace_choices.txt", choices);
}

TEST_F(WorkspaceChoiceTest, LayOutCopiesTheShippedDataAndKeepsTheUsersFiles) {
    WriteFile("prefix/share/fraymark/gamedata/Races/Dwarf_Race.qdf", "shipped");
    WriteFile("user/Races/Elf_Race.qdf", "changed by the user");
    const fs::path data = workspace / "prefix/share/fraymark/gamedata";
    EXPECT_EQ(LayOutWorkspace(workspace / "user", data), "");
    EXPECT_EQ(ReadFile("user/Races/Elf_Race.qdf"), "changed by the user");
    EXPECT_EQ(ReadFile("user/Races/Dwarf_Race.qdf"), "shipped");
    EXPECT_TRUE(fs::is_directory(workspace / "user/CharacterXML"));
    EXPECT_TRUE(fs::is_directory(workspace / "user/CharacterHTML"));
    WriteFile("blocked", "a file where the workspace should be");
    EXPECT_NE(LayOutWorkspace(workspace / "blocked", data).find("Cannot create"),
              std::string::npos);
}

TEST_F(WorkspaceChoiceTest, MissingDataMessageSaysWhereItLookedAndWhatIsWanting) {
    for (const char* folder : kGameDataFolders) {
        WriteFile(std::string("full/") + folder + "/a.QDF", "");
    }
    EXPECT_EQ(MissingGameDataMessage(workspace / "full", std::nullopt), "");

    fs::remove_all(workspace / "full/Classes");
    fs::remove(workspace / "full/Skills/a.QDF");
    WriteFile("full/Skills/readme.txt", "");
    const std::string checkout = MissingGameDataMessage(workspace / "full", std::nullopt);
    EXPECT_NE(checkout.find(fs::weakly_canonical(workspace / "full").string()), std::string::npos);
    EXPECT_NE(checkout.find("Classes: missing"), std::string::npos);
    EXPECT_NE(checkout.find("Skills: empty"), std::string::npos);
    EXPECT_EQ(checkout.find("Races:"), std::string::npos);
    EXPECT_NE(checkout.find("./run"), std::string::npos);
    const std::string installed = MissingGameDataMessage(workspace / "full", workspace / "data");
    EXPECT_NE(installed.find((workspace / "data").string()), std::string::npos);
}

} // namespace
