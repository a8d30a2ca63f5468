#include "core/gm/critical_hit.h"

#include <algorithm>
#include <climits>

#include "core/dice/dice.h"
#include "core/gm/critical_table.h"

const std::array<const char*, 34> kCriticalLegend = {
    "Critical Hit Notations",
    "numeral X = extra damage of dX type",
    "aX = -X to-hit",
    "bX = p if spine; ws if arm or shoulder; 30% chance of pb; 30% chance of ib if torso",
    "bfX = p if spine; ws if arm or shoulder; 30% chance of pb; 30% chance of ib if torso",
    "bmX = 50% chance of pb, 50% chance of ib if torso",
    "bsX = 65% chance of pb, 65% chance of ib if torso",
    "dX = reduce Deterity by X",
    "f = fall prone",
    "hX = loss of X Honor",
    "ib = 1d4 damage/hour; CON check for shock",
    "ls = limb severed; pb unless finger or toe",
    "m1 = 50% move for 1 rd, 10% for 2d4 rds",
    "m2 = 50% move for 2 rds, 25% for 2d10 rds",
    "m3 = m1, then 1 25% for 1d6 turns",
    "m4 = 50% move for 1d12 hours",
    "m5 = m4, then 25% for 1d12 days",
    "m6 = 75% for 6 hours, 50% for 2d12 days",
    "m7 = 75% for 6 hours, 50% for 4d12 days",
    "m8 = 75% for 6 hours, 50% for 1d3 months",
    "m9 = 75% for 1 day, 50% for 1d4 months",
    "m10 = 75% for 1 week, 50% for 1d6 months",
    "mc = temporarily gains migraines flaw and headache. 3% x severity level chance of seizure "
    "disorder",
    "mtX = ws if arm; 3% x severity level of pb",
    "p = 5% x severity level chance of paralysis",
    "pb = bleed to death in Con/2 rounds",
    "sc = temporarily gains migraines and short term memory loss flaws. 5% x severity level "
    "chance of seizure disorder flaw",
    "sX - reduce Strength by x",
    "tX = ws if arm, shoulder or hand; p if leg or arm, shoulder or hand; 30% chance of pb",
    "u = unconscious",
    "vX = ws (-10); ib; 3% x severity chance of pb; roll on vital organ damage table",
    "w = drops carried weapons or items",
    "ws = as w unless check at 1/2 Str made",
    "xX = X times the damage",
};

int CriticalDamageTypeFromName(std::string_view name) {
    for (std::size_t i = 0; i < kCriticalDamageTypeNames.size(); ++i) {
        if (name == kCriticalDamageTypeNames[i]) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string Criticalhit(int roll, int severity, int damage_type) {
    severity = std::min(severity, kCriticalSeverities);
    if (severity < 1) {
        return kCriticalNegated;
    }
    for (const CriticalRecord& record : criticaldata) {
        if (record.damage_type == damage_type && record.severity == severity &&
            record.low <= roll && record.high >= roll) {
            return record.text;
        }
    }
    return kCriticalIncomplete;
}

int CriticalSeverityFromRolls(int base, const std::function<int()>& roll) {
    // Counted wide and clamped: a base typed as a huge number must not overflow.
    int last = roll();
    long long total = static_cast<long long>(base) + last;
    while (last == 1 || last == 8) {
        const bool falling = last == 1;
        last = roll();
        const long long step = static_cast<long long>(last) + base - 1;
        total = std::clamp(falling ? total - step : total + step, -(1LL << 40), 1LL << 40);
    }
    return static_cast<int>(std::clamp<long long>(total, INT_MIN, INT_MAX));
}

int CriticalHitDiceRoll(int sides, int count, int modifier) {
    if (sides < 2) {
        return static_cast<int>(std::clamp<long long>(
            static_cast<long long>(modifier) + DiceRoll(sides, count), INT_MIN, INT_MAX));
    }
    return CriticalSeverityFromRolls(modifier, [sides, count] { return DiceRoll(sides, count); });
}
