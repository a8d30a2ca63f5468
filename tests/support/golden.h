#pragma once

#include <functional>
#include <string>

// Long expected outputs live in tests/golden/, generated once by the program and reviewed
// line by line. Running the tests with FRAYMARK_UPDATE_GOLDENS=1 rewrites every golden a test
// compares against (then review the diff before committing); see docs/testing.md.

// Expects `text` to equal the golden file `name`, naming the first line that differs.
void ExpectMatchesGolden(const std::string& name, const std::string& text);

// One "low-high: value" line per run of results that give the same value, for every result
// from `low` to `high`: a band table as a reader of the rules checks it.
std::string Bands(int low, int high, const std::function<std::string(int)>& value);
