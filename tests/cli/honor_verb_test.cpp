// fraymark honor: the award and note tables as tab-separated lines under a header.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli_runner.h"
#include "support/golden.h"

namespace {

std::vector<std::string> Printed(const std::string& args) {
    const CliResult r = RunFraymark(args);
    EXPECT_EQ(r.exit_code, 0) << args << ": " << r.err;
    return Split(r.out);
}

// The awards themselves are tested in core; here the header, the fourteen columns in their
// order, the filter by table, and the notes.
TEST(HonorVerb, AwardsAreTheWholeTableOrOneOfItsTablesAndTheNotes) {
    const std::vector<std::string> lines = Printed("honor awards");
    ASSERT_EQ(lines.size(), 123u);
    for (const std::string& line : lines) {
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 13) << line;
    }

    const std::vector<std::string> party = Printed("honor awards --table 7");
    ASSERT_EQ(party.size(), 8u);
    EXPECT_EQ(party[0], lines[0]);
    EXPECT_EQ(party[7], lines[122]);
    EXPECT_EQ(Printed("honor awards --table 0"), lines);
    EXPECT_EQ(Printed("honor awards --table 1").size(), 37u);
    // The notes from 0 to 26 under their header; with the awards' header and a party row, the
    // first and last notes are in a reviewed golden.
    const std::vector<std::string> notes = Printed("honor notes");
    ASSERT_EQ(notes.size(), 28u);
    ExpectMatchesGolden("cli_honor_awards.txt", lines[0] + "\n" + party[2] + "\n" + notes[0] +
                                                    "\n" + notes[1] + "\n" + notes[27] + "\n");
}

} // namespace
