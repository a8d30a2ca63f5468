#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace {

std::vector<long long> Lines(const std::string& text) {
    std::vector<long long> values;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        values.push_back(std::stoll(line));
    }
    return values;
}

TEST(RngVerb, ClockOneStartsWithTheTemperedSeed) {
    const CliResult r = RunFraymark("rng --clock 1 --count 3");
    EXPECT_EQ(r.exit_code, 0) << r.err;
    const auto values = Lines(r.out);
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0], 1);
    EXPECT_TRUE(r.err.empty());
}

TEST(RngVerb, SameClockSameNumbers) {
    const CliResult a = RunFraymark("rng --clock 1234567 --count 60");
    const CliResult b = RunFraymark("rng --clock 1234567 --count 60");
    EXPECT_EQ(a.out, b.out);
    EXPECT_EQ(Lines(a.out).size(), 60u);
}

TEST(RollVerb, TotalsStayWithinTheDice) {
    const CliResult r = RunFraymark("roll 3d6 --clock 99 --times 200");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const auto totals = Lines(r.out);
    ASSERT_EQ(totals.size(), 200u);
    for (long long t : totals) {
        EXPECT_GE(t, 3);
        EXPECT_LE(t, 18);
    }
}

TEST(RollVerb, ModifierAppliesOnceAndEmptyDiceGiveZero) {
    const auto plain = Lines(RunFraymark("roll 2d12 --clock 7 --times 20").out);
    const auto lowered = Lines(RunFraymark("roll 2d12-3 --clock 7 --times 20").out);
    ASSERT_EQ(plain.size(), lowered.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        EXPECT_EQ(lowered[i], plain[i] - 3);
    }
    EXPECT_EQ(RunFraymark("roll 0d6+5 --clock 7").out, "0\n");
    EXPECT_EQ(RunFraymark("roll 3d0 --clock 7").out, "0\n");
}

TEST(RollVerb, OneSidedPenetratingDieEnds) {
    const CliResult r = RunFraymark("roll 1d1+2p --clock 5 --times 3");
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, "3\n3\n3\n");
}

} // namespace
