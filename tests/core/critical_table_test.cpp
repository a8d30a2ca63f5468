// Structure and contents of the built-in critical-hit table, checked against the game's own
// list of hit locations (the reviewed golden tests/golden/critical_locations.txt) and its
// notation legend rather than against the generator's rules.
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/gm/critical_hit.h"
#include "core/gm/critical_table.h"
#include "support/golden.h"

namespace {

constexpr int kPuncturing = 0, kHacking = 1, kMonsterBites = 3;

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// The effects of a record: the text after "<location>: ", split at ", ".
std::vector<std::string> Effects(const CriticalRecord& record, const std::string& location) {
    std::string rest = std::string(record.text).substr(location.size() + 2);
    std::vector<std::string> codes;
    for (std::size_t start = 0;;) {
        const std::size_t comma = rest.find(", ", start);
        codes.push_back(rest.substr(start, comma - start));
        if (comma == std::string::npos) {
            return codes;
        }
        start = comma + 2;
    }
}

const CriticalRecord& At(int type, int severity, int band) {
    return criticaldata[(type * 24 + severity - 1) * 50 + band];
}

// The location of a record: its text up to ": ".
std::string Location(const CriticalRecord& record) {
    const std::string text = record.text;
    return text.substr(0, text.find(": "));
}

// The first block's fifty locations chain from 0 to 10000 and read as the rules list them.
TEST(CriticalTable, LocationsChainFromZeroToTenThousandAsTheRulesListThem) {
    std::string list;
    for (int band = 0; band < 50; ++band) {
        const CriticalRecord& r = At(kPuncturing, 1, band);
        EXPECT_EQ(r.low, band == 0 ? 0 : At(kPuncturing, 1, band - 1).high + 1) << band;
        list += std::to_string(r.low) + '-' + std::to_string(r.high) + ": " + Location(r) + '\n';
    }
    EXPECT_EQ(At(kPuncturing, 1, 49).high, 10000);
    ExpectMatchesGolden("critical_locations.txt", list);
}

// Every block of the four types and 24 severities holds the same fifty bands in order, and
// the lookup finds each.
TEST(CriticalTable, NinetySixBlocksOfTheFiftyBandsInOrder) {
    ASSERT_EQ(std::size(criticaldata), 4800u);
    for (int i = 0; i < 4800; ++i) {
        const CriticalRecord& r = criticaldata[i];
        const CriticalRecord& first = criticaldata[i % 50];
        const int type = i / 1200;
        const int severity = i / 50 % 24 + 1;
        SCOPED_TRACE(testing::Message() << "record " << i << ": " << r.text);
        ASSERT_EQ(r.damage_type, type);
        ASSERT_EQ(r.severity, severity);
        const bool foot_quirk = type == kPuncturing && severity == 5 && i % 50 == 0;
        EXPECT_EQ(r.low, foot_quirk ? 1 : first.low);
        EXPECT_EQ(r.high, first.high);
        EXPECT_EQ(Location(r), Location(first));
        EXPECT_LE(std::string(r.text).size(), 54u); // what the result field shows
        EXPECT_NE(std::string(r.text).back(), ' ');
        for (int roll : {r.low, r.high}) { // the lookup finds it at both edges of its band
            EXPECT_TRUE(StartsWith(Criticalhit(roll, severity, type), Location(r) + ": ")) << roll;
        }
    }
}

// The legend names each code: "aX = ..." is "a" then a number, "f = ..." is "f" itself,
// "numeral X" is a bare number.
struct LegendCodes {
    std::set<std::string> literal;
    std::set<std::string> numbered;
    bool bare_numbers = false;

    explicit LegendCodes(const std::array<const char*, 34>& legend) {
        for (std::size_t i = 1; i < legend.size(); ++i) {
            const std::string item = legend[i];
            const std::string key = item.substr(0, item.find(' '));
            if (key == "numeral") {
                bare_numbers = true;
            } else if (key.back() == 'X') {
                numbered.insert(key.substr(0, key.size() - 1));
            } else {
                literal.insert(key);
            }
        }
    }

    static bool IsNumber(const std::string& s) {
        return !s.empty() && s[0] != '0' && s.find_first_not_of("0123456789") == std::string::npos;
    }

    bool Explains(const std::string& code) const {
        if (literal.count(code) || (bare_numbers && IsNumber(code))) {
            return true;
        }
        for (const std::string& prefix : numbered) {
            if (StartsWith(code, prefix) && IsNumber(code.substr(prefix.size()))) {
                return true;
            }
        }
        return false;
    }
};

// Every code is explained, none repeats, and a limb is severed ("ls") only where a limb is
// and only by edges and jaws.
TEST(CriticalTable, EveryEffectCodeIsOneTheLegendExplains) {
    const LegendCodes legend(kCriticalLegend);
    const std::string limbs = "|Foot, top|Toe(s)|Ankle, inner|Ankle, outer|Ankle, upper/Achilles|"
                              "Shin|Calf|Knee|Knee, back|Hamstring|Thigh|Arm, upper outer|"
                              "Arm, upper inner|Elbow|Inner joint|Forarm, back|Forarm, inner|"
                              "Wrist, back|Wrist, front|Hand, back|Finger(s)|";
    int severed = 0;
    ASSERT_TRUE(legend.Explains("x2") && legend.Explains("m10") && legend.Explains("bf3"));
    ASSERT_FALSE(legend.Explains("m11") || legend.Explains("q") || legend.Explains("x"));
    for (int i = 0; i < 4800; ++i) {
        const CriticalRecord& r = criticaldata[i];
        const std::string location = Location(r);
        const std::vector<std::string> codes = Effects(r, location);
        if (codes.size() == 1 && codes[0] == "brain goo") {
            EXPECT_TRUE(StartsWith(location, "Head")) << r.text;
            continue;
        }
        std::set<std::string> seen;
        for (const std::string& code : codes) {
            EXPECT_TRUE(legend.Explains(code)) << "'" << code << "' in " << r.text;
            EXPECT_TRUE(seen.insert(code).second) << "repeated '" << code << "' in " << r.text;
            if (code == "ls") {
                ++severed;
                EXPECT_NE(limbs.find("|" + location + "|"), std::string::npos) << r.text;
                EXPECT_TRUE(r.damage_type == kHacking || r.damage_type == kMonsterBites) << r.text;
            }
        }
    }
    EXPECT_GT(severed, 0);
}

// The extra damage leads each wound and never shrinks as the severity climbs: d1 to d20, then
// x2 and up.
TEST(CriticalTable, ExtraDamageGrowsWithSeverity) {
    auto weight = [](const std::string& code) {
        return code[0] == 'x' ? 100 * std::stoi(code.substr(1)) : std::stoi(code);
    };
    for (int type = 0; type < 4; ++type) {
        for (int band = 0; band < 50; ++band) {
            int previous = 0;
            for (int severity = 1; severity <= 24; ++severity) {
                const CriticalRecord& r = At(type, severity, band);
                const std::string first = Effects(r, Location(r))[0];
                if (first == "brain goo") {
                    continue;
                }
                ASSERT_TRUE(std::isdigit(static_cast<unsigned char>(first.back()))) << r.text;
                EXPECT_GE(weight(first), previous) << r.text;
                previous = weight(first);
            }
        }
    }
}

TEST(CriticalTable, DamageTypesWoundDifferently) {
    // From the middle severities up, the four types must not read alike at any location.
    for (int severity : {14, 17, 20, 23}) {
        for (int band = 0; band < 50; ++band) {
            const std::set<std::string> texts = {
                At(0, severity, band).text, At(1, severity, band).text, At(2, severity, band).text,
                At(3, severity, band).text};
            EXPECT_EQ(texts.size(), 4u)
                << Location(At(0, severity, band)) << ", severity " << severity;
        }
    }
}

TEST(CriticalTable, TellingEntriesReadExactly) {
    struct Case {
        int roll;
        int severity;
        const char* type;
        const char* text;
    };
    const Case cases[] = {
        {1217, 1, "Hacking", "Thigh: 1"},
        {2000, 6, "Hacking", "Thigh: 8, m2"},
        {1500, 12, "Hacking", "Thigh: x2, d2, f, m5, mt2"},
        {9924, 18, "Monster Bites", "Head, top: x4, a8, d8, v1, u, sc, mt1, ib"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Criticalhit(c.roll, c.severity, CriticalDamageTypeFromName(c.type)), c.text);
    }
}

} // namespace
