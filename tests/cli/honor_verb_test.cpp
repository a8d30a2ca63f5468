#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

const char* const kHeader = "table\tnote\tkind\tscope\tLawful-good\tLawful-neutral\tLawful-evil\t"
                            "Neutral-good\tNeutral\tNeutral-evil\tChaotic-good\tChaotic-neutral\t"
                            "Chaotic-evil\ttext";

TEST(HonorVerb, AwardsAreTheWholeTableOrOneOfItsTables) {
    const CliResult all = RunFraymark("honor awards");
    ASSERT_EQ(all.exit_code, 0) << all.err;
    const std::vector<std::string> lines = Lines(all.out);
    ASSERT_EQ(lines.size(), 123u);
    EXPECT_EQ(lines[0], kHeader);
    for (const std::string& line : lines) {
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 13) << line;
    }
    EXPECT_EQ(lines[1], "1\t0\t0\t0\t1\t1\t1\t1\t0\t-1\t1\t-1\t-1\t"
                        "Allowing a disarmed opponent to pick up his weapon");
    EXPECT_EQ(lines[11], "1\t9\t0\t0\t-1\t-1\t0\t-1\t1\t2\t0\t2\t3\tDirty Fighting");
    EXPECT_EQ(lines[122], "7\t0\t0\t2\t-3\t-2\t0\t-3\t-2\t0\t-2\t-1\t0\t"
                          "Unnecessary deaths in course of mission");

    const CliResult party = RunFraymark("honor awards --table 7");
    ASSERT_EQ(party.exit_code, 0) << party.err;
    const std::vector<std::string> party_lines = Lines(party.out);
    ASSERT_EQ(party_lines.size(), 8u);
    EXPECT_EQ(party_lines[2], "7\t0\t0\t2\t10\t7\t4\t10\t7\t4\t10\t7\t4\tCompleting a quest");
    EXPECT_EQ(Lines(RunFraymark("honor awards --table 0").out).size(), 123u);
    EXPECT_EQ(Lines(RunFraymark("honor awards --table 1").out).size(), 37u);
}

TEST(HonorVerb, NotesFromZeroToTwentySix) {
    const CliResult r = RunFraymark("honor notes");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_EQ(lines[0], "note\ttext");
    EXPECT_EQ(lines[1], "0\tNotes");
    EXPECT_EQ(lines[27], "26\tlose 50% of Honor");
}

} // namespace
