// fraymark tables quirks: a header, then one line of eighteen fields per entry.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace {

TEST(TablesQuirksVerb, OneLinePerEntryWithEveryField) {
    const CliResult r = RunFraymark("tables quirks");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto lines = Split(r.out);
    ASSERT_EQ(lines.size(), 620u);
    EXPECT_EQ(lines[0], "index\tname\tbp\tbp_after_first\tbook\tsource\ttable\tsubtable0\t"
                        "subtable1\tsubtable2\tsubtable3\ttype\tlow\thigh\tmax_times\trolls\t"
                        "excludes\texcluded_by");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto fields = Split(lines[i], '\t');
        ASSERT_EQ(fields.size(), 18u) << lines[i];
        EXPECT_EQ(fields[0], std::to_string(i - 1));
    }
    // The values are tested in core; here empty and filled sub-table slots, and index lists
    // without their ending zero.
    const std::string k6B = "Player's Handbook 6B: Flaws, Minor (Physical)";
    const std::string k6C = "Player's Handbook 6C: Flaws, Minor (Physical)";
    EXPECT_EQ(lines[12], "11\tRoll again on Table 6B and an extra time on Table 6C\t0\t0\t0\t"
                         "PHB pg 91\t" +
                             k6B + "\t\t" + k6B + "\t" + k6C + "\t\t3\t71\t85\t999\t0\t\t");
    EXPECT_EQ(lines[15],
              "14\tLoss of Eye\t7\t0\t0\tPHB pg 94\t" + k6C + "\t\t\t\t\t0\t8\t13\t2\t0\t\t39");
    EXPECT_EQ(lines[40], "39\tBlind\t20\t0\t0\tPHB pg 93\tPlayer's Handbook 6E: Flaws, Major "
                         "(Physical)\t\t\t\t\t1\t29\t31\t1\t0\t14,28,29,30,46,5\t");
}

} // namespace
