#pragma once

#include <cstdint>

// One band of the built-in critical-hit table: the wound for location rolls low to high
// (inclusive) of one damage type (0 Puncturing, 1 Hacking, 2 Crushing, 3 Monster Bites) and
// one severity level (1 to 24). The text is the location, a colon and a space, then the
// effects in the critical-hit notation: "Thigh: x2, d2, f, m5, mt2".
struct CriticalRecord {
    int32_t low;
    int32_t high;
    int32_t damage_type;
    int32_t severity;
    const char* text;
};

inline constexpr int kCriticalDamageTypes = 4;
inline constexpr int kCriticalSeverities = 24;
inline constexpr int kCriticalLocations = 50;
inline constexpr int kCriticalRecords =
    kCriticalDamageTypes * kCriticalSeverities * kCriticalLocations;

// The table, in the order damage type, severity, location; each block of one damage type and
// severity covers the location rolls 0 to 10,000. Composed by tools/critgen.
extern const CriticalRecord criticaldata[kCriticalRecords];
