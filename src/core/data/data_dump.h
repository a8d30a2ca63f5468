#pragma once

#include <ostream>

#include "core/data/rules_lists.h"

// Loads one rules list from the workspace as start-up does (replacing what it held) and
// writes one JSON object a line, in list order, keyed by the record's field names.
void DumpRulesList(RulesKind kind, std::ostream& out);
