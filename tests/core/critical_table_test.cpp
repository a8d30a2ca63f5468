// Structure and contents of the built-in critical-hit table, checked against the game's own
// list of hit locations (the reviewed golden tests/golden/critical_locations.txt) and its
// notation legend rather than against the generator's rules.
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/gm/critical_hit.h"
#include "core/gm/critical_table.h"
#include "support/golden.h"

namespace {

constexpr int kPuncturing = 0, kHacking = 1, kMonsterBites = 3;

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
            EXPECT_EQ(Criticalhit(roll, severity, type).rfind(Location(r) + ": ", 0), 0u) << roll;
        }
    }
}

// Every code a wound uses, with how often, against tests/golden/critical_codes.txt (each
// reviewed against the notation legend); none repeats within a wound, and a limb is severed
// ("ls") only where a limb is and only by edges and jaws. The extra damage leads each wound and
// never shrinks as the severity climbs: d1 to d20, then x2 and up.
TEST(CriticalTable, EffectCodesAreTheLegendsOwn) {
    const auto weight = [](const std::string& code) {
        return code[0] == 'x' ? 100 * std::stoi(code.substr(1)) : std::stoi(code);
    };
    int last_weight[4][50] = {}; // by type and band, at the last severity seen
    const std::string limbs = "|Foot, top|Toe(s)|Ankle, inner|Ankle, outer|Ankle, upper/Achilles|"
                              "Shin|Calf|Knee|Knee, back|Hamstring|Thigh|Arm, upper outer|"
                              "Arm, upper inner|Elbow|Inner joint|Forarm, back|Forarm, inner|"
                              "Wrist, back|Wrist, front|Hand, back|Finger(s)|";
    std::map<std::string, int> uses;
    for (const CriticalRecord& r : criticaldata) {
        const std::string location = Location(r);
        const std::vector<std::string> effects = Effects(r, location);
        if (effects[0] != "brain goo") {
            ASSERT_TRUE(std::isdigit(static_cast<unsigned char>(effects[0].back()))) << r.text;
            int& last = last_weight[r.damage_type][(&r - criticaldata) % 50];
            EXPECT_GE(weight(effects[0]), last) << r.text;
            last = weight(effects[0]);
        }
        std::set<std::string> seen;
        for (const std::string& code : effects) {
            ++uses[code];
            EXPECT_TRUE(seen.insert(code).second) << "repeated '" << code << "' in " << r.text;
            if (code == "ls") {
                EXPECT_NE(limbs.find("|" + location + "|"), std::string::npos) << r.text;
                EXPECT_TRUE(r.damage_type == kHacking || r.damage_type == kMonsterBites) << r.text;
            } else if (code == "brain goo") {
                EXPECT_EQ(location.rfind("Head", 0), 0u) << r.text;
            }
        }
    }
    std::string list;
    for (const auto& [code, count] : uses) {
        list += code + ' ' + std::to_string(count) + '\n';
    }
    ExpectMatchesGolden("critical_codes.txt", list);
}

} // namespace
