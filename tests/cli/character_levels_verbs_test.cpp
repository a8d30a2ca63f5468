// fraymark character award-xp / advance, and generate --level: a saved character earns
// experience and goes up a level, its file, sheet and own log written back.
#include <string>

#include <gtest/gtest.h>

#include "cli_runner.h"
#include "support/golden.h"

namespace {

namespace fs = std::filesystem;

class CharacterLevelsTest : public CliWorkspace {
protected:
    void SetUp() override {
        CliWorkspace::SetUp();
        fs::copy(fs::path(FRAYMARK_SOURCE_DIR) / "gamedata", dir, fs::copy_options::recursive);
    }
};

// One thief's evening: an award it cannot use yet, one it can, a level, and no second level.
TEST_F(CharacterLevelsTest, AwardThenAdvanceWritesTheFileSheetAndLogBack) {
    const CliResult made = Run("generate --clock 3 --class Thief");
    ASSERT_EQ(made.exit_code, 0) << made.err;
    const std::string name = made.out.substr(0, made.out.find('\t'));
    const std::string file = "'" + name + "'";

    std::string transcript;
    for (const std::string& command :
         {"character award-xp " + file + " 1000", "character award-xp " + file + " 300",
          "character advance " + file + " --clock 9", "character advance " + file}) {
        const CliResult r = Run(command);
        transcript += "$ " + command.substr(0, command.find(' ', 10)) + " (exit " +
                      std::to_string(r.exit_code) + ")\n" + r.out + r.err;
    }
    ExpectMatchesGolden("cli_character_levels.txt", transcript);

    const std::string log = Read("CharacterLogs/" + name + ".log");
    EXPECT_NE(log.find("| Awarding 300 experience points: Thief +300 = 1300 \n"), std::string::npos);
    EXPECT_NE(log.find("| Advancing Thief to level 2 with 1300 experience points \n"),
              std::string::npos);
    EXPECT_NE(Read("CharacterXML/" + name + ".xml").find("<CLASS_PICK_POCKETS_2>"),
              std::string::npos);
    EXPECT_NE(Read("CharacterHTML/" + name + ".html").find("Thief: 1300 XP, level 2; level 3 at"),
              std::string::npos);
}

TEST_F(CharacterLevelsTest, UsageErrorsExitTwo) {
    ASSERT_EQ(Run("generate --clock 3 --class Fighter").exit_code, 0);
    ExpectGoldenCases("cli_character_levels_usage.txt", 2, [&](const std::string& arguments) {
        return Run("character " + arguments);
    });
}

} // namespace
