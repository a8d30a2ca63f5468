#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) {
        parts.push_back(part);
    }
    if (!text.empty() && text.back() == separator) {
        parts.emplace_back(); // getline drops an empty last field
    }
    return parts;
}

// The command runs once; every test reads its output.
const CliResult& QuirkTableOutput() {
    static const CliResult result = RunFraymark("tables quirks");
    return result;
}

std::vector<std::string> OutputLines() {
    std::vector<std::string> lines;
    std::istringstream in(QuirkTableOutput().out);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(TablesQuirksVerb, HeaderThenOneLinePerEntryFromZeroTo618) {
    ASSERT_EQ(QuirkTableOutput().exit_code, 0) << QuirkTableOutput().err;
    EXPECT_TRUE(QuirkTableOutput().err.empty());
    const auto lines = OutputLines();
    ASSERT_EQ(lines.size(), 620u);
    EXPECT_EQ(lines[0], "index\tname\tbp\tbp_after_first\tbook\tsource\ttable\tsubtable0\t"
                        "subtable1\tsubtable2\tsubtable3\ttype\tlow\thigh\tmax_times\trolls\t"
                        "excludes\texcluded_by");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto fields = Split(lines[i], '\t');
        ASSERT_EQ(fields.size(), 18u) << lines[i];
        EXPECT_EQ(fields[0], std::to_string(i - 1));
    }
}

// The table's values are tested in core; here the line format: every field, empty sub-table
// slots, and index lists without the ending zero.
TEST(TablesQuirksVerb, EntriesPrintEveryFieldAndIndexListsWithoutTheEndingZero) {
    const auto lines = OutputLines();
    ASSERT_EQ(lines.size(), 620u);
    const std::string k6B = "Player's Handbook 6B: Flaws, Minor (Physical)";
    const std::string k6C = "Player's Handbook 6C: Flaws, Minor (Physical)";
    const struct {
        int index;
        std::string line;
    } expected[] = {
        {0, "0\t\t0\t0\t0\t \t \t\t\t\t\t0\t0\t0\t0\t0\t\t"},
        {11, "11\tRoll again on Table 6B and an extra time on Table 6C\t0\t0\t0\tPHB pg 91\t" +
                 k6B + "\t\t" + k6B + "\t" + k6C + "\t\t3\t71\t85\t999\t0\t\t"},
        {14, "14\tLoss of Eye\t7\t0\t0\tPHB pg 94\t" + k6C + "\t\t\t\t\t0\t8\t13\t2\t0\t\t39"},
        {39, "39\tBlind\t20\t0\t0\tPHB pg 93\tPlayer's Handbook 6E: Flaws, Major (Physical)"
             "\t\t\t\t\t1\t29\t31\t1\t0\t14,28,29,30,46,5\t"},
    };
    for (const auto& want : expected) {
        EXPECT_EQ(lines[static_cast<std::size_t>(want.index) + 1], want.line);
    }
}

} // namespace
