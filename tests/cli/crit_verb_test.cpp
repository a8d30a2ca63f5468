// fraymark crit: one wound, severity rolls and the whole table.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace {

TEST(CritVerb, LookupPrintsTheWoundOrTheWindowsMessage) {
    struct Case {
        const char* args;
        const char* out;
    };
    // The lookup's own rules are tested in core; here the verb passes the words on (the type
    // in any case, the severity however large) and prints what the window would show.
    const Case cases[] = {
        {"crit 10000 24 Monster Bites", "Head, top: brain goo\n"},
        {"crit 1500 99999999999 HACKING", "Thigh: x3, ls, d8, u, m10\n"},
        {"crit 10001 1 Crushing", "Error, incomplete data in program\n"},
    };
    for (const Case& c : cases) {
        const CliResult r = RunFraymark(c.args);
        EXPECT_EQ(r.exit_code, 0) << c.args << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.args;
    }
}

// The severity rule written out again, over d8 faces taken from the generator's raw numbers.
std::vector<int> ReferenceSeverities(const std::vector<uint32_t>& raw, int base, int count) {
    std::size_t next = 0;
    auto d8 = [&]() { return static_cast<int>(raw.at(next++) >> 29) + 1; };
    std::vector<int> results;
    for (int i = 0; i < count; ++i) {
        int face = d8();
        int total = base + face;
        while (face == 1 || face == 8) {
            const int sign = face == 1 ? -1 : 1;
            face = d8();
            total += sign * (face + base - 1);
        }
        results.push_back(total);
    }
    return results;
}

TEST(CritVerb, SeverityRollsShareOneGeneratorSeededLikeRng) {
    std::vector<uint32_t> numbers;
    for (const std::string& line : Split(RunFraymark("rng --clock 4000000001 --count 400").out)) {
        numbers.push_back(static_cast<uint32_t>(std::stoul(line)));
    }
    for (int base : {3, -2}) {
        const CliResult r =
            RunFraymark("crit severity " + std::to_string(base) + " --clock 4000000001 --times 60");
        ASSERT_EQ(r.exit_code, 0) << r.err;
        std::vector<int> got;
        for (const std::string& line : Split(r.out)) {
            got.push_back(std::stoi(line));
        }
        EXPECT_EQ(got, ReferenceSeverities(numbers, base, 60)) << "base " << base;
    }
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
