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

TEST(FraymarkUsage, BadInputIsAUsageErrorWithOneLine) {
    struct Case {
        const char* label;
        const char* args;
    };
    const Case cases[] = {
        {"garbage expression", "roll banana"},
        {"missing sides", "roll 3d"},
        {"trailing junk", "roll 3d6x"},
        {"double sign", "roll 3d6+-2"},
        {"no expression", "roll"},
        {"text for a number", "roll 3d6 --times many"},
        {"clock required", "rng"},
        {"negative count", "rng --clock 1 --count -1"},
        {"unknown option", "rng --clock 1 --speed 3"},
        {"unknown verb", "fly"},
        {"option without value", "roll 3d6 --clock"},
        {"more dice than any table", "roll 2147483647d6"},
        {"modifier that would overflow", "roll 1d6+2147483647"},
    };
    for (const Case& c : cases) {
        const CliResult r = RunFraymark(c.args);
        EXPECT_EQ(r.exit_code, 2) << c.label;
        EXPECT_TRUE(r.out.empty()) << c.label;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << c.label << ": " << r.err;
    }
}

TEST(FraymarkUsage, HelpDescribesEveryVerb) {
    const CliResult r = RunFraymark("--help");
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_NE(r.out.find("fraymark rng"), std::string::npos);
    EXPECT_NE(r.out.find("fraymark roll"), std::string::npos);
    const CliResult verb = RunFraymark("roll --help");
    EXPECT_EQ(verb.exit_code, 0);
    EXPECT_NE(verb.out.find("penetrating"), std::string::npos);
}

} // namespace
