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

TEST(RollVerb, TotalsStayWithinTheDiceAndTheModifierAppliesOnce) {
    const auto totals = Numbers(RunFraymark("roll 3d6 --clock 99 --times 200"));
    ASSERT_EQ(totals.size(), 200u);
    for (long long t : totals) {
        EXPECT_GE(t, 3);
        EXPECT_LE(t, 18);
    }
    const auto plain = Numbers(RunFraymark("roll 2d12 --clock 7 --times 20"));
    const auto lowered = Numbers(RunFraymark("roll 2d12-3 --clock 7 --times 20"));
    ASSERT_EQ(plain.size(), lowered.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        EXPECT_EQ(lowered[i], plain[i] - 3);
    }
}

TEST(RollVerb, EmptyDiceGiveZeroAndAOneSidedPenetratingDieEnds) {
    EXPECT_EQ(RunFraymark("roll 0d6+5 --clock 7").out, "0\n");
    EXPECT_EQ(RunFraymark("roll 3d0 --clock 7").out, "0\n");
    EXPECT_EQ(Numbers(RunFraymark("roll 1d1+2p --clock 5 --times 3")),
              (std::vector<long long>{3, 3, 3}));
}

} // namespace
