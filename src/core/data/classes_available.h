#pragma once

#include <array>
#include <string>
#include <vector>

class CharacterClass;

// The classes open to the current character, in class-list order: the chosen race admits the
// class (one of its level limits names it), the class's book is switched on, every ability
// score lies within the class's limits, the social class ranks high enough and no
// supplement obligation rules the class out. Empty while no race is chosen.
//
// A score counts with its percentile as decimals ("%i.%i": 15/50 is 15.5, 15/5 also 15.5,
// 15/100 is 15.1). Until the class is chosen (stage 8 or earlier) Comeliness counts with the
// change Charisma brings to it. The social rank is 12 when the spell-caster obligation holds
// or social class restrictions are off.
std::vector<const CharacterClass*> ClassesOpenToCharacter();

// The same test with other scores and percentiles in place of the record's (the working scores
// of the step that raises abilities before the class is chosen); everything else still comes
// from the record, Charisma's change to Comeliness included.
std::vector<const CharacterClass*> ClassesOpenWithScores(const std::array<int, 7>& scores,
                                                         const std::array<int, 7>& percentiles);

// One level limit of a race ("Fighter 9", "Thief Unlimited", "Fighter/Thief 9/15"): the class
// part before the last blank and the limit after it. A limit that is a single number is shown
// "%-1.2f" (9.00); any other limit as written. An entry without a blank has no limit.
struct LevelLimit {
    std::string class_name;
    std::string limit;
};
LevelLimit ParseLevelLimit(const std::string& entry);
