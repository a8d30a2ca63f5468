// fraymark generate: its output contract, its exit codes and one party per clock.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace {

namespace fs = std::filesystem;

class GenerateVerbTest : public CliWorkspace {
protected:
    void SetUp() override {
        CliWorkspace::SetUp();
        fs::copy(fs::path(FRAYMARK_SOURCE_DIR) / "gamedata", dir, fs::copy_options::recursive);
    }

    CliResult Generate(const std::string& options) {
        return RunFraymark("generate " + Dir() + " " + options);
    }
};

TEST_F(GenerateVerbTest, PrintsOneTabSeparatedLinePerSavedCharacter) {
    const CliResult r = Generate("--count 12 --clock 42 --out '" + (dir / "party").string() + "'");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const auto lines = Split(r.out);
    EXPECT_EQ(lines.size(), 12u);
    std::set<std::string> logs; // each character's own, from its first line to its last
    for (const std::string& line : lines) {
        const auto fields = Split(line, '\t');
        ASSERT_EQ(fields.size(), 5u) << line;
        EXPECT_EQ(fields[4], "CharacterXML/" + fields[0] + ".xml");
        EXPECT_TRUE(fs::exists(dir / "party" / fields[4])) << line;
        EXPECT_TRUE(fs::exists(dir / "party/CharacterHTML" / (fields[0] + ".html"))) << line;
        const std::string log = Read("party/CharacterLogs/" + fields[0] + ".log");
        EXPECT_TRUE(log.starts_with("BP=0.0    | All variables have been cleared \n")) << line;
        EXPECT_EQ(log.find("cleared", 40), std::string::npos) << line;
        logs.insert(log);
    }
    EXPECT_EQ(logs.size(), 12u);
    EXPECT_TRUE(r.err.starts_with("12 characters in ")) << r.err;
    EXPECT_TRUE(r.err.ends_with(" s\n")) << r.err;
}

TEST_F(GenerateVerbTest, SameClockSameFilesAndNamesStayUniqueInTheFolder) {
    const CliResult first = Generate("--count 3 --clock 7 --out '" + (dir / "a").string() + "'");
    const CliResult again = Generate("--count 3 --clock 7 --out '" + (dir / "b").string() + "'");
    ASSERT_EQ(first.out, again.out);
    for (const std::string& line : Split(first.out)) {
        const std::string file = line.substr(line.rfind('\t') + 1);
        EXPECT_EQ(Read("a/" + file), Read("b/" + file)) << file;
    }
    // A second batch into the same folder names no one as the first did.
    const CliResult more = Generate("--count 3 --clock 7 --out '" + (dir / "a").string() + "'");
    ASSERT_EQ(more.exit_code, 0) << more.err;
    for (const std::string& line : Split(more.out)) {
        EXPECT_EQ(first.out.find(line.substr(0, line.find('\t')) + '\t'), std::string::npos);
    }
}

TEST_F(GenerateVerbTest, WishesAreKeptAndBadArgumentsAreUsageErrors) {
    const CliResult r = Generate("--clock 9 --race dwarf --sex female --class fighter");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_NE(r.out.find("\tDwarf\tFemale\tFighter\t"), std::string::npos) << r.out;
    // The bad options and their one-line messages are in a reviewed golden.
    ExpectGoldenCases("cli_generate_usage.txt", 2,
                      [this](const std::string& options) { return Generate(options); });
}

} // namespace
