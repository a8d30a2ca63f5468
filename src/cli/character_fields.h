#pragma once

#include <ostream>
#include <string>

#include "core/files/class_history_tags.h"

// Prints the current character's record, one "field: value" a line, in the record's order.
// Fields are named as in the code; list entries carry their position ("skills[0].name"),
// by-level arrays their values from level 0 to the entry's level, blank-separated.
void PrintCharacterFields(std::ostream& out);

// The name a class entry's by-level array goes by: "hitpoints" for CLASS_HITPOINTS_.
std::string HistoryFieldName(const ClassHistoryArray& array);
