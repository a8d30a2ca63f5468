// fraymark tables quirks: a header, then one line of eighteen fields per entry.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli_runner.h"
#include "support/golden.h"

namespace {

TEST(TablesQuirksVerb, OneLinePerEntryWithEveryField) {
    const CliResult r = RunFraymark("tables quirks");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto lines = Split(r.out);
    ASSERT_EQ(lines.size(), 620u);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto fields = Split(lines[i], '\t');
        ASSERT_EQ(fields.size(), 18u) << lines[i];
        EXPECT_EQ(fields[0], std::to_string(i - 1));
    }
    // The values are tested in core; here the header, empty and filled sub-table slots, and
    // index lists without their ending zero, in a reviewed golden.
    ExpectMatchesGolden("cli_tables_quirks.txt",
                        lines[0] + "\n" + lines[12] + "\n" + lines[15] + "\n" + lines[40] + "\n");
}

} // namespace
