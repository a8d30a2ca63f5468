// fraymark crit: severity rolls and the whole table (a wound is one of the lookups).
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli_runner.h"
#include "support/golden.h"

namespace {

// The severities, one a line, of two runs seeded like the rng verb; the golden was checked
// against the severity rule worked by hand over d8 faces taken from `rng --clock 4000000001`.
TEST(CritVerb, SeverityRollsShareOneGeneratorSeededLikeRng) {
    std::string runs;
    for (const char* base : {"3", "-2"}) {
        const CliResult r =
            RunFraymark(std::string("crit severity ") + base + " --clock 4000000001 --times 30");
        ASSERT_EQ(r.exit_code, 0) << r.err;
        runs += "base " + std::string(base) + ":\n" + r.out;
    }
    ExpectMatchesGolden("cli_crit_severities.txt", runs);
    EXPECT_EQ(Split(RunFraymark("crit severity 3").out).size(), 1u);
    EXPECT_TRUE(RunFraymark("crit severity 3 --clock 9 --times 0").out.empty());
}

TEST(CritVerb, TableIsTheWholeTableAsTabSeparatedValues) {
    const CliResult r = RunFraymark("crit table");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const std::vector<std::string> lines = Split(r.out);
    ASSERT_EQ(lines.size(), 4801u);
    for (const std::string& line : lines) {
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 4) << line;
    }
    // The header, the first row, Hacking 12 on the thigh (block 24 + 11, band 12) and the last
    // row, in a reviewed golden.
    ExpectMatchesGolden("cli_crit_table.txt", lines[0] + "\n" + lines[1] + "\n" +
                                                  lines[1 + 35 * 50 + 12] + "\n" + lines[4800] +
                                                  "\n");
}

} // namespace
