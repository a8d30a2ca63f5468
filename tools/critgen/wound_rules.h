#pragma once

#include <string>

#include "locations.h"

// The four damage types in table order.
enum DamageType { kPuncturing = 0, kHacking = 1, kCrushing = 2, kMonsterBites = 3 };

inline constexpr int kDamageTypeCount = 4;
inline constexpr int kSeverityCount = 24;
inline constexpr const char* kDamageTypeNames[kDamageTypeCount] = {"Puncturing", "Hacking",
                                                                   "Crushing", "Monster Bites"};

// The longest text a record may hold, location name included.
inline constexpr std::size_t kMaxTextLength = 54;

// The record text of a critical hit of one damage type and severity (1 to 24) at one
// location: the location name, a colon and a space, then the effects in the game's notation,
// "Thigh: x2, d2, f, m5, mt2". Codes of least consequence are left off when the line would
// exceed kMaxTextLength; `dropped`, when given, counts them.
std::string ComposeText(const Location& where, int damage_type, int severity,
                        int* dropped = nullptr);
