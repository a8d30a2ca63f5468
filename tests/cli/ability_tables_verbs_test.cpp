#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace {

TEST(AbilityVerb, PrintsTheLookupTextAsIs) {
    struct Case {
        const char* args;
        const char* out;
    };
    // The tables are tested in core; here the verb passes its words on and prints the text.
    const Case cases[] = {
        {"ability Strength 18 51 Open_Doors", "14(6)\n"},
        {"ability Strength -3 0 Damage_adj", "-8\n"},
        {"ability Constitution 0 0 Regeneration", "\n"},
        {"ability Wisdom 18 51 Bonus_Spells", "2-2-1-1-1\n"},
        {"ability Strength 18 0 to_hit", "error\n"},
    };
    for (const Case& c : cases) {
        const CliResult r = RunFraymark(c.args);
        EXPECT_EQ(r.exit_code, 0) << c.args << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.args;
        EXPECT_TRUE(r.err.empty()) << c.args;
    }
}

// A usage error prints nothing on standard output and one line on standard error.
void ExpectUsageError(const std::string& args, const std::string& working_dir = "") {
    const CliResult r = RunFraymark(args, working_dir);
    EXPECT_EQ(r.exit_code, 2) << args;
    EXPECT_TRUE(r.out.empty()) << args << ": " << r.out;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << args << ": " << r.err;
}

// A workspace with two classes and two races, removed at the end of the test.
class SaveWorkspace : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device seed;
        dir = std::filesystem::temp_directory_path() /
              ("fraymark-save-" + std::to_string(seed()) + std::to_string(seed()));
        // Both classes name the mage table; --saveas decides.
        Write("Classes/BarbarianClass.qdf",
              "<CHARACTER_CLASS>\n<NAME>Barbarian</NAME>\n<SAVEAS>1</SAVEAS>\n"
              "</CHARACTER_CLASS>\n");
        Write("Classes/PaladinClass.qdf",
              "<CHARACTER_CLASS>\n<NAME>Paladin</NAME>\n<SAVEAS>1</SAVEAS>\n"
              "</CHARACTER_CLASS>\n");
        Write("Races/Dwarf_Male_Race.qdf",
              "<CHARACTER_RACE>\n<NAME>Dwarf</NAME>\n<SEX>Male</SEX>\n</CHARACTER_RACE>\n");
        Write("Races/Human_Male_Race.qdf",
              "<CHARACTER_RACE>\n<NAME>Human</NAME>\n<SEX>Male</SEX>\n</CHARACTER_RACE>\n");
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    void Write(const std::string& relative, const std::string& content) {
        const auto path = dir / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << content;
    }
    CliResult Run(const std::string& args) { return RunFraymark(args, dir.string()); }

    std::filesystem::path dir;
};

// Expected numbers: the fighter table at level 1 reads 15 17 16 19 18 18, at level 20
// 2 4 3 2 9 5; the mage table at level 1 14 11 13 15 17 12.
TEST_F(SaveWorkspace, PrintsTheSaveOfTheDescribedCharacter) {
    struct Case {
        const char* args;
        const char* out;
    };
    const Case cases[] = {
        {"tables save Spell --level 0 --saveas 2", "18\n"},
        {"tables save Spells --level 1 --saveas 1", "12\n"},
        {"tables save 'Breath Weapon' --level 1 --saveas 2", "19\n"},
        {"tables save Rod --level 1 --saveas 2 --class Barbarian", "15\n"},
        {"tables save Rod --level 1 --saveas 1 --class Barbarian", "9\n"},
        {"tables save Paralyzation --level 20 --saveas 2 --class Paladin", "1\n"},
        {"tables save Poison --level 1 --saveas 2 --race Dwarf --con 18", "10\n"},
        {"tables save Poison --level 1 --saveas 2 --race Dwarf", "15\n"},
        {"tables save Poison --level 1 --saveas 2 --race Human --con 18", "15\n"},
        {"tables save Poison --level 1 --saveas 2 --class Barbarian --race Dwarf --con 18", "6\n"},
    };
    for (const Case& c : cases) {
        const CliResult r = Run(c.args);
        EXPECT_EQ(r.exit_code, 0) << c.args << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.args;
    }
}

TEST_F(SaveWorkspace, BadArgumentsAreUsageErrors) {
    for (const char* args : {
             "tables",
             "tables critical",
             "tables save",
             "tables save Rod Staff --level 1 --saveas 2",
             "tables save Bogus --level 1 --saveas 2",
             "tables save Rod --saveas 2",
             "tables save Rod --level 1",
             "tables save Rod --level 1 --saveas 0",
             "tables save Rod --level 1 --saveas 6",
             "tables save Rod --level one --saveas 2",
             "tables save Rod --level 1 --saveas 2 --con x",
             "tables save Rod --level 1 --saveas 2 --class Barb",
             "tables save Rod --level 1 --saveas 2 --class Thief",
             "tables save Rod --level 1 --saveas 2 --race Elf",
             "tables save Rod --level 1 --saveas 2 --speed 3",
         }) {
        ExpectUsageError(args, dir.string());
    }
}

} // namespace
