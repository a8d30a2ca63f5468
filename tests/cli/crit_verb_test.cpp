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
    EXPECT_EQ(lines[0], "low\thigh\ttype\tseverity\ttext");
    for (const std::string& line : lines) {
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 4) << line;
    }
    EXPECT_EQ(lines[1], "0\t100\t0\t1\tFoot, top: " + lines[1].substr(lines[1].find(": ") + 2));
    // Hacking 12, Thigh: block 24 + 11, band 12.
    EXPECT_EQ(lines[1 + 35 * 50 + 12], "1217\t2000\t1\t12\tThigh: x2, d2, f, m5, mt2");
    EXPECT_EQ(lines[4800], "9924\t10000\t3\t24\tHead, top: brain goo");
}

} // namespace
