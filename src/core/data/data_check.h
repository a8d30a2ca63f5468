#pragma once

#include <ostream>

#include "core/data/data_problems.h"

// Checks the workspace's data set: loads the seven lists as start-up does (replacing what
// they held), collecting every problem of every file, then checks that the records fit
// together: names present and not repeated, every race's level-limit entry naming a class,
// every skill prerequisite naming a skill, every equipment table id naming a shop category
// of the "Categories" record.
void CheckDataSet(DataProblems& problems);

// Writes the problems as "PATH: error: TEXT" / "PATH: warning: TEXT" lines, then the line
// "N errors, M warnings".
void WriteProblemReport(const DataProblems& problems, std::ostream& out);
