#pragma once

#include <cstdint>
#include <string>

class CharacterClass;

// Rolls the hit points a class gains at a level: its `hitdieroll` dice of `hitdie` sides at
// that level, one more for a character of "Great Honor" and one less for a "Dishonorable"
// one (by the honor standing text), and logs "Rolling <count>d<sides><+modifier> for hit
// points: <result>". The level indexes the class's tables and is clamped to 0 to 99; without
// a class record nothing is rolled and the result is 0.
int32_t GetHitPoints(int level, const CharacterClass* class_record);

// The honor standing's part of every hit point roll: +1 "Great Honor", -1 "Dishonorable".
int HitPointsHonorModifier();

// The log line of a hit point roll, "<label> <count>d<sides><+modifier> for hit points:
// <result>", with the label "Rolling" or, for a roll the player typed in, "Entered roll".
std::string HitPointsLine(const std::string& label, int count, int sides, int modifier,
                          int result);
