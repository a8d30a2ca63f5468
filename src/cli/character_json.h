#pragma once

#include "core/data/json_output.h"

// The current character as one JSON object, for other tools: the fields `character show`
// prints, under the same names and in the same order. Whole numbers are JSON numbers, texts
// strings, flags true/false; the item lists are arrays of {"name", "value"}, each class entry
// an object with its name, experience, level and by-level arrays (level 0 to its level); the
// thief skills an array of nine numbers, the event lists and sibling lines arrays of texts.
Json CharacterJson();
