// fraymark generate: its output contract, its exit codes and one party per clock.
#include <fstream>
#include <map>
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

// Every file under `folder` (the workspace's dice logs alone when `logs_only`), by its path.
std::map<std::string, std::string> FilesUnder(const fs::path& folder, bool logs_only = false) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const bool log = entry.path().parent_path() == folder && entry.path().extension() == ".log";
        if (entry.is_regular_file() && (log || !logs_only)) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[fs::relative(entry.path(), folder).string()].assign(
                std::istreambuf_iterator<char>(in), {});
        }
    }
    return files;
}

// The same clock gives the same party whether the characters are made one at a time or
// several at once: the output, every file and log, and the names that avoid a folder's
// characters.
TEST_F(GenerateVerbTest, SameClockSameFilesAtAnyNumberOfJobs) {
    const auto batch = [this](const std::string& out, int jobs) {
        const CliResult made =
            Generate("--count 24 --level 3 --clock 7 --jobs " + std::to_string(jobs) + " --out '" +
                     (dir / out).string() + "'");
        EXPECT_EQ(made.exit_code, 0) << made.err;
        return std::make_pair(made.out, FilesUnder(dir, true));
    };
    const auto first = batch("a", 1);
    EXPECT_EQ(Split(first.first).size(), 24u);
    EXPECT_EQ(first, batch("b", 3));
    EXPECT_EQ(FilesUnder(dir / "a"), FilesUnder(dir / "b"));
    // A second batch into the same folder names no one as the first did.
    const auto more = batch("a", 2);
    for (const std::string& line : Split(more.first)) {
        EXPECT_EQ(first.first.find(line.substr(0, line.find('\t')) + '\t'), std::string::npos);
    }
    EXPECT_EQ(more, batch("b", 1));
    EXPECT_EQ(FilesUnder(dir / "a"), FilesUnder(dir / "b"));
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
