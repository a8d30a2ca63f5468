#pragma once

#include <string>

#include "core/data/honor_die_table.h"

// The character's starting honor, rolled into nothing: it is worked out from the abilities,
// the social class, the family heritage and Charisma at the end of the age and money step,
// moves the Building Points, and gives the character a standing and an honor die.

// Computes the starting honor of the current character, logging every step; moves the BP
// balance by the honor, sets the standing and honor die for level 1 and the creation stage 12.
// Returns the honor (the caller stores it).
int GenerateHonor();

// The honor the family heritage text brings, with its log line.
int HeritageHonor(const std::string& heritage);

// The honor a social class rank brings; a rank outside 1 to 12 brings -10.
int SocialClassHonor(int rank);

// The Building Points a starting honor brings or costs.
int HonorBpAdjustment(int honor);
