// fraymark rng and roll: numbers one a line, the same for the same clock.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace {

std::vector<long long> Numbers(const CliResult& r) {
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    std::vector<long long> values;
    for (const std::string& line : Split(r.out)) {
        values.push_back(std::stoll(line));
    }
    return values;
}

TEST(RngVerb, ClockOneStartsWithTheTemperedSeedAndAClockRepeatsItsNumbers) {
    const auto first = Numbers(RunFraymark("rng --clock 1 --count 3"));
    ASSERT_EQ(first.size(), 3u);
    EXPECT_EQ(first[0], 1);
    const CliResult a = RunFraymark("rng --clock 1234567 --count 60");
    EXPECT_EQ(a.out, RunFraymark("rng --clock 1234567 --count 60").out);
    EXPECT_EQ(Numbers(a).size(), 60u);
}

// The dice themselves are tested in core; here a total a line, as many as asked, and the
// modifier applied once to each.
TEST(RollVerb, OneTotalALineAndTheModifierAppliesOnce) {
    const auto plain = Numbers(RunFraymark("roll 2d12 --clock 7 --times 20"));
    const auto lowered = Numbers(RunFraymark("roll 2d12-3 --clock 7 --times 20"));
    ASSERT_EQ(plain.size(), 20u);
    ASSERT_EQ(plain.size(), lowered.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        EXPECT_EQ(lowered[i], plain[i] - 3);
    }
}

} // namespace
