#pragma once

#include <string>

#include "core/dice/dice_log.h"
#include "core/dice/roll_exchange.h"
#include "core/model/text.h"

// What every roll of the priors-and-particulars step shares: appending a table's result to a
// log text and running one roll through the confirmation exchange.

namespace priors {

// A result line's table text follows its format after one blank.
std::string WithResult(const std::string& line, const std::string& result);

// Rolls `count` dice of `sides` sides; "Roll your own dice" asks for them with `caption`
// (the dice text is "%id%i" and the bounds those of the dice). The exchange repeats until a
// roll is accepted; `store` writes it to the record. Returns the accepted roll.
int RollAccepted(int sides, int count, const std::string& caption, const DescribeRoll& describe,
                 const StoreRoll& store);

} // namespace priors
