// Structure and contents of the built-in critical-hit table, checked against the game's own
// list of hit locations and its notation legend rather than against the generator's rules.
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/gm/critical_hit.h"
#include "core/gm/critical_table.h"

namespace {

struct Band {
    const char* name;
    int low;
    int high;
};

// The hit locations as the rules list them, in table order.
constexpr Band kBands[] = {
    {"Foot, top", 0, 100},
    {"Heel", 101, 104},
    {"Toe(s)", 105, 136},
    {"Foot, arch", 137, 140},
    {"Ankle, inner", 141, 170},
    {"Ankle, outer", 171, 200},
    {"Ankle, upper/Achilles", 201, 220},
    {"Shin", 221, 964},
    {"Calf", 965, 1006},
    {"Knee", 1007, 1118},
    {"Knee, back", 1119, 1132},
    {"Hamstring", 1133, 1216},
    {"Thigh", 1217, 2000},
    {"Hip", 2001, 2330},
    {"Groin (Male only)", 2331, 2405},
    {"Buttock", 2406, 2435},
    {"Abdomen, lower", 2436, 2570},
    {"Side, lower", 2571, 3020},
    {"Abdomen, upper", 3021, 3110},
    {"Back, small of", 3111, 3125},
    {"Back, lower", 3126, 3155},
    {"Chest", 3156, 3425},
    {"Side, upper", 3426, 3455},
    {"Back, upper", 3456, 3485},
    {"Back, upper middle", 3486, 3500},
    {"Armpit", 3501, 3820},
    {"Arm, upper outer", 3821, 4300},
    {"Arm, upper inner", 4301, 4492},
    {"Elbow", 4493, 4588},
    {"Inner joint", 4589, 4684},
    {"Forarm, back", 4685, 5308},
    {"Forarm, inner", 5309, 5836},
    {"Wrist, back", 5837, 5908},
    {"Wrist, front", 5909, 5980},
    {"Hand, back", 5981, 6052},
    {"Palm", 6053, 6076},
    {"Finger(s)", 6077, 6220},
    {"Shoulder, side", 6221, 7180},
    {"Shoulder, top", 7181, 9100},
    {"Neck, front", 9101, 9121},
    {"Neck, back", 9122, 9142},
    {"Neck, side", 9143, 9373},
    {"Head, side", 9374, 9653},
    {"Head, back lower", 9654, 9688},
    {"Face, lower side", 9689, 9768},
    {"Face, lower center", 9769, 9788},
    {"Head, back upper", 9789, 9823},
    {"Face, upper side", 9824, 9903},
    {"Face, upper center", 9904, 9923},
    {"Head, top", 9924, 10000},
};
static_assert(std::size(kBands) == 50);

constexpr int kPuncturing = 0, kHacking = 1, kMonsterBites = 3;

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// The effects of a record: the text after "<location>: ", split at ", ".
std::vector<std::string> Effects(const CriticalRecord& record, const char* location) {
    std::string rest = std::string(record.text).substr(std::string(location).size() + 2);
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

TEST(CriticalTable, BandListChainsFromZeroToTenThousand) {
    // Guards the list above against a typing slip before it is used to judge the table.
    EXPECT_EQ(kBands[0].low, 0);
    EXPECT_EQ(kBands[49].high, 10000);
    for (int i = 1; i < 50; ++i) {
        EXPECT_EQ(kBands[i].low, kBands[i - 1].high + 1) << kBands[i].name;
    }
}

TEST(CriticalTable, NinetySixBlocksOfTheFiftyBandsInOrder) {
    ASSERT_EQ(std::size(criticaldata), 4800u);
    for (int i = 0; i < 4800; ++i) {
        const CriticalRecord& r = criticaldata[i];
        const Band& band = kBands[i % 50];
        const int type = i / 1200;
        const int severity = i / 50 % 24 + 1;
        SCOPED_TRACE(testing::Message() << "record " << i << ": " << r.text);
        ASSERT_EQ(r.damage_type, type);
        ASSERT_EQ(r.severity, severity);
        const bool foot_quirk = type == kPuncturing && severity == 5 && i % 50 == 0;
        EXPECT_EQ(r.low, foot_quirk ? 1 : band.low);
        EXPECT_EQ(r.high, band.high);
        EXPECT_TRUE(StartsWith(r.text, std::string(band.name) + ": "));
    }
}

TEST(CriticalTable, LookupFindsEveryLocationAtBothEdgesOfItsBand) {
    for (int type = 0; type < 4; ++type) {
        for (int severity = 1; severity <= 24; ++severity) {
            for (const Band& band : kBands) {
                const std::string name = std::string(band.name) + ": ";
                const bool foot_quirk = type == kPuncturing && severity == 5 && band.low == 0;
                for (int roll : {foot_quirk ? 1 : band.low, band.high}) {
                    EXPECT_TRUE(StartsWith(Criticalhit(roll, severity, type), name))
                        << roll << " type " << type << " severity " << severity;
                }
            }
        }
    }
}

TEST(CriticalTable, TextsFitInFiftyFourCharacters) {
    for (const CriticalRecord& r : criticaldata) {
        const std::string text = r.text;
        EXPECT_LE(text.size(), 54u) << text;
        EXPECT_NE(text.back(), ' ') << text;
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
        if (s.empty() || s[0] == '0') {
            return false;
        }
        for (char c : s) {
            if (!std::isdigit(static_cast<unsigned char>(c))) {
                return false;
            }
        }
        return true;
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

TEST(CriticalTable, EveryEffectCodeIsOneTheLegendExplains) {
    const LegendCodes legend(kCriticalLegend);
    ASSERT_TRUE(legend.Explains("x2") && legend.Explains("m10") && legend.Explains("bf3"));
    ASSERT_FALSE(legend.Explains("m11") || legend.Explains("q") || legend.Explains("x"));
    for (int i = 0; i < 4800; ++i) {
        const CriticalRecord& r = criticaldata[i];
        const char* location = kBands[i % 50].name;
        const std::vector<std::string> codes = Effects(r, location);
        if (codes.size() == 1 && codes[0] == "brain goo") {
            EXPECT_TRUE(StartsWith(location, "Head")) << r.text;
            continue;
        }
        std::set<std::string> seen;
        for (const std::string& code : codes) {
            EXPECT_TRUE(legend.Explains(code)) << "'" << code << "' in " << r.text;
            EXPECT_TRUE(seen.insert(code).second) << "repeated '" << code << "' in " << r.text;
        }
    }
}

TEST(CriticalTable, LimbsAreSeveredOnlyWhereALimbIsAndOnlyByEdgesAndJaws) {
    const std::set<std::string> limbs = {"Foot, top",
                                         "Toe(s)",
                                         "Ankle, inner",
                                         "Ankle, outer",
                                         "Ankle, upper/Achilles",
                                         "Shin",
                                         "Calf",
                                         "Knee",
                                         "Knee, back",
                                         "Hamstring",
                                         "Thigh",
                                         "Arm, upper outer",
                                         "Arm, upper inner",
                                         "Elbow",
                                         "Inner joint",
                                         "Forarm, back",
                                         "Forarm, inner",
                                         "Wrist, back",
                                         "Wrist, front",
                                         "Hand, back",
                                         "Finger(s)"};
    int severed = 0;
    for (int i = 0; i < 4800; ++i) {
        const CriticalRecord& r = criticaldata[i];
        const char* location = kBands[i % 50].name;
        for (const std::string& code : Effects(r, location)) {
            if (code == "ls") {
                ++severed;
                EXPECT_TRUE(limbs.count(location)) << r.text;
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
                const std::string first = Effects(r, kBands[band].name)[0];
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
            EXPECT_EQ(texts.size(), 4u) << kBands[band].name << ", severity " << severity;
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
        {1600, 24, "Hacking", "Thigh: x3, ls, d8, u, m10"},
        {9924, 18, "Monster Bites", "Head, top: x4, a8, d8, v1, u, sc, mt1, ib"},
        {10000, 24, "Monster Bites", "Head, top: brain goo"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Criticalhit(c.roll, c.severity, CriticalDamageTypeFromName(c.type)), c.text);
    }
}

} // namespace
