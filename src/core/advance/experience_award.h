#pragma once

#include <string>
#include <vector>

#include "core/model/outcome.h"

// Experience points earned in play, awarded to the character in hand.

// The most experience points one class of a character holds.
constexpr double kMostExperience = 100'000'000;

// Gives the current character `points` experience points, logged: a character of one class
// gets them all, a character of several classes shares them equally among them (what does not
// divide goes to the first). Refused, with nothing changed, unless `points` is a whole number
// from 1 up and every class stays within kMostExperience; also when there is no class.
Outcome AwardExperience(long long points);

// The largest award the character can take now (0 when none).
long long LargestAward();

// "Thief may advance to level 2", one line per class that may go up a level now.
std::vector<std::string> ClassesReadyToAdvance();

// Asks the player through the user port how many points to award and gives them, then says
// which classes may advance now. False when there is nothing to award to, or the player
// cancelled.
bool AskAndAwardExperience();
