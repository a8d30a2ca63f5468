#pragma once

#include <string>

#include "core/dice/roll_exchange.h"

// What every roll of the priors-and-particulars step shares: formatting a log text, appending
// a table's result to it, logging a plain line and running one roll through the confirmation
// exchange.

namespace priors {

// printf-style formatting into a string.
std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A result line's table text follows its format after one blank.
std::string WithResult(const std::string& line, const std::string& result);

// Logs a line with the current Building Points balance.
void Log(const std::string& text);

// Rolls `count` dice of `sides` sides; "Roll your own dice" asks for them with `caption`
// (the dice text is "%id%i" and the bounds those of the dice). The exchange repeats until a
// roll is accepted; `store` writes it to the record. Returns the accepted roll.
int RollAccepted(int sides, int count, const std::string& caption, const DescribeRoll& describe,
                 const StoreRoll& store);

} // namespace priors
