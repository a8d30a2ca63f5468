#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/wizard/priors_tables.h"

// The band edges of the background tables, written out as the game's tables give them.
namespace {

TEST(PriorsTables, HandednessBandsByRaceSizeAndDexterity) {
    const struct {
        int roll;
        bool small;
        bool high_dex;
        const char* hand;
    } cases[] = {
        {1, false, false, "Left"},          {12, false, false, "Left"},
        {13, false, false, "Ambidextrous"}, {22, false, false, "Ambidextrous"},
        {23, false, false, "Right"},        {100, false, false, "Right"},
        {7, false, true, "Left"},           {8, false, true, "Ambidextrous"},
        {27, false, true, "Ambidextrous"},  {28, false, true, "Right"},
        {2, true, false, "Left"},           {3, true, false, "Ambidextrous"},
        {32, true, false, "Ambidextrous"},  {33, true, false, "Right"},
        {1, true, true, "Ambidextrous"},    {37, true, true, "Ambidextrous"},
        {38, true, true, "Right"},          {100, true, true, "Right"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(HandednessFor(c.roll, c.small, c.high_dex), c.hand)
            << c.roll << " small=" << c.small << " high_dex=" << c.high_dex;
    }
}

TEST(PriorsTables, RaceNamesPickTheHandednessRows) {
    for (const char* elf : {"Elf", "Half-Elf", "Grey Elf"}) {
        EXPECT_TRUE(HandednessIsFixed(elf)) << elf;
    }
    for (const char* other : {"Human", "elf", "Dwarf"}) {
        EXPECT_FALSE(HandednessIsFixed(other)) << other;
    }
    for (const char* small : {"Dwarf", "Hill Dwarf", "Gnome", "Gnome Titan"}) {
        EXPECT_TRUE(IsSmallRace(small)) << small;
    }
    for (const char* tall : {"Human", "Halfling", "gnome"}) {
        EXPECT_FALSE(IsSmallRace(tall)) << tall;
    }
}

TEST(PriorsTables, SocialClassBands) {
    const struct {
        int low, high;
        const char* name;
        int id;
    } bands[] = {
        {1, 1, "Slave Class", 0},           {2, 6, "Lower Lower Class", 4},
        {7, 11, "Middle Lower Class", 5},   {12, 20, "Upper Lower Class", 6},
        {21, 35, "Lower Middle Class", 7},  {36, 55, "Middle Middle Class", 8},
        {56, 87, "Upper Middle Class", 9},  {88, 96, "Lower Upper Class", 10},
        {97, 99, "Middle Upper Class", 11}, {100, 100, "Upper Upper Class", 12},
    };
    for (const auto& band : bands) {
        for (int roll : {band.low, band.high}) {
            EXPECT_STREQ(SocialClassFor(roll).name, band.name) << roll;
            EXPECT_EQ(SocialClassFor(roll).social_id, band.id) << roll;
        }
    }
}

TEST(PriorsTables, SlaveNaturesAndSocialModifiers) {
    const struct {
        int roll;
        const char* text;
        int id;
    } slaves[] = {{1, "runaway slave", 1},     {5, "runaway slave", 1}, {6, "escaped criminal", 2},
                  {15, "escaped criminal", 2}, {16, "banished", 3},     {20, "banished", 3}};
    for (const auto& s : slaves) {
        EXPECT_STREQ(SlaveNatureFor(s.roll).text, s.text) << s.roll;
        EXPECT_EQ(SlaveNatureFor(s.roll).social_id, s.id) << s.roll;
    }
    // Ranks 1 to 12: money, honor.
    const int modifiers[12][2] = {{-20, -10}, {-20, -10}, {-20, -10}, {-20, -10},
                                  {-15, -5},  {-10, -1},  {-5, 0},    {0, 0},
                                  {5, 0},     {10, 1},    {15, 5},    {20, 10}};
    for (int id = 1; id <= 12; ++id) {
        EXPECT_EQ(SocialModifiersFor(id).money, modifiers[id - 1][0]) << id;
        EXPECT_EQ(SocialModifiersFor(id).honor, modifiers[id - 1][1]) << id;
    }
}

TEST(PriorsTables, LegitimacyTurnsAbove90) {
    EXPECT_STREQ(LegitimacyFor(-4), "Legitimate");
    EXPECT_STREQ(LegitimacyFor(90), "Legitimate");
    EXPECT_STREQ(LegitimacyFor(91), "Illegitimate");
    EXPECT_STREQ(LegitimacyFor(115), "Illegitimate");
}

TEST(PriorsTables, IllegitimateBirthBands) {
    const struct {
        int total;
        const char* circumstance;
        int code;
        int honor;
    } cases[] = {
        {-9, "Character was abandoned at birth", 1, -3},
        {5, "Character was abandoned at birth", 1, -3},
        {6, "birth was the result of a rape, father unknown", 2, -5},
        {30, "birth was the result of a rape, father unknown", 2, -5},
        {31, "mother was a prostitute, father unknown", 3, -10},
        {60, "mother was a prostitute, father unknown", 3, -10},
        {61, "birth was the result of an adultrous affair", 10, -3},
        {90, "birth was the result of an adultrous affair", 10, -3},
        {91, "birth was arranged through a surogate mother", 20, -1},
        {125, "birth was arranged through a surogate mother", 20, -1},
    };
    for (const auto& c : cases) {
        const IllegitimateBirth birth = IllegitimateBirthFor(c.total);
        EXPECT_STREQ(birth.circumstance, c.circumstance) << c.total;
        EXPECT_EQ(birth.code, c.code) << c.total;
        EXPECT_EQ(birth.honor_modifier, c.honor) << c.total;
    }
    const struct {
        int circumstance, roll;
        const char* text;
        int code;
    } extensions[] = {
        {kAffair, 1, "father unknown", -1},       {kAffair, 75, "father unknown", -1},
        {kAffair, 76, "father known", 1},         {kAffair, 100, "father known", 1},
        {kSurrogate, 1, "identity known", 1},     {kSurrogate, 25, "identity known", 1},
        {kSurrogate, 26, "identity unknown", -1}, {kSurrogate, 100, "identity unknown", -1},
    };
    for (const auto& e : extensions) {
        EXPECT_STREQ(ExtensionFor(e.circumstance, e.roll).text, e.text) << e.roll;
        EXPECT_EQ(ExtensionFor(e.circumstance, e.roll).code, e.code) << e.roll;
    }
}

TEST(PriorsTables, ParentsAndStepParents) {
    const struct {
        int roll;
        const char* status;
        int code;
        const char* step_mother;
        const char* step_father;
    } cases[] = {
        {1, "Celebrity", 1, "Step Mother is a celebrity", "Step Father is a celebrity"},
        {2, "Alive", 1, "Step Mother is alive", "Step Father is alive"},
        {80, "Alive", 1, "Step Mother is alive", "Step Father is alive"},
        {81, "Dead", 0, "Step Mother is dead", "Step Father is dead"},
        {100, "Dead", 0, "Step Mother is dead", "Step Father is dead"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(ParentStatusFor(c.roll).status, c.status) << c.roll;
        EXPECT_EQ(ParentStatusFor(c.roll).code, c.code) << c.roll;
        EXPECT_STREQ(StepMotherFor(c.roll), c.step_mother) << c.roll;
        EXPECT_STREQ(StepFatherFor(c.roll), c.step_father) << c.roll;
    }
    EXPECT_FALSE(StepParentFor(1));
    EXPECT_FALSE(StepParentFor(14));
    EXPECT_TRUE(StepParentFor(15));
    EXPECT_TRUE(StepParentFor(20));
}

TEST(PriorsTables, ParentQualityBands) {
    const struct {
        int total;
        const char* quality;
        int bp, minor, major;
        const char* note;
    } cases[] = {
        {1, "Loving parent", 5, 0, 0, " (+5 BP)"},
        {60, "Loving parent", 5, 0, 0, " (+5 BP)"},
        {61, "Ill-equiped parent", 0, 0, 0, ""},
        {80, "Ill-equiped parent", 0, 0, 0, ""},
        {81, "Indiferent parent", 0, 1, 0, " (+1 minor quirk)"},
        {91, "Indiferent parent", 0, 1, 0, " (+1 minor quirk)"},
        {92, "Abusive parent", 0, 0, 1, " (+1 major quirk)"},
        {135, "Abusive parent", 0, 0, 1, " (+1 major quirk)"},
    };
    for (const auto& c : cases) {
        const ParentQuality q = ParentQualityFor(c.total);
        EXPECT_STREQ(q.quality, c.quality) << c.total;
        EXPECT_EQ(q.bp_bonus, c.bp) << c.total;
        EXPECT_EQ(q.minor_quirk, c.minor) << c.total;
        EXPECT_EQ(q.major_quirk, c.major) << c.total;
        EXPECT_STREQ(q.note, c.note) << c.total;
    }
}

TEST(PriorsTables, FamilyHeritageBands) {
    const struct {
        int roll;
        const char* heritage;
    } cases[] = {{1, "Great Dishonor"}, {2, "Dishonor"},     {15, "Dishonor"},
                 {16, "No honor"},      {45, "No honor"},    {46, "Honorable"},
                 {76, "Honorable"},     {77, "Great Honor"}, {100, "Great Honor"}};
    for (const auto& c : cases) {
        EXPECT_STREQ(FamilyHeritageFor(c.roll), c.heritage) << c.roll;
    }
}

TEST(PriorsTables, SiblingCountBands) {
    const struct {
        int low, high, siblings;
    } bands[] = {{1, 15, 0},
                 {16, 35, 1},
                 {36, 50, 2},
                 {51, 60, 3},
                 {61, 68, 4},
                 {69, 75, 5},
                 {76, 81, 6},
                 {82, 85, 7},
                 {86, 90, 8},
                 {91, 95, 9},
                 {96, 100, kIllegitimateSiblings}};
    for (const auto& band : bands) {
        EXPECT_EQ(SiblingCountFor(band.low), band.siblings) << band.low;
        EXPECT_EQ(SiblingCountFor(band.high), band.siblings) << band.high;
    }
}

TEST(PriorsTables, SiblingLineParts) {
    const struct {
        const char* (*table)(int);
        int roll;
        const char* part;
    } cases[] = {
        {SiblingSexFor, 1, "male"},
        {SiblingSexFor, 10, "male"},
        {SiblingSexFor, 11, "female"},
        {SiblingSexFor, 20, "female"},
        {SiblingDeadOrAliveFor, 79, ", alive"},
        {SiblingDeadOrAliveFor, 80, ", dead"},
        {SiblingRelationshipFor, 24, ", a bitter rival"},
        {SiblingRelationshipFor, 25, ", a normal relationship"},
        {SiblingRelationshipFor, 84, ", a normal relationship"},
        {SiblingRelationshipFor, 85, ", a devoted friend"},
        {SiblingRelationshipFor, 118, ", a devoted friend"},
        {SiblingTwinFor, 94, ", and not a twin"},
        {SiblingTwinFor, 95, ", and is a twin"},
        {SiblingTwinFor, 98, ", and is a twin"},
        {SiblingTwinFor, 99, ", and is an identical twin"},
        {SiblingFatherFor, 75, ", known"},
        {SiblingFatherFor, 76, ", unknown"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(c.table(c.roll), c.part) << c.roll;
    }
    const struct {
        int lowered;
        const char* text;
        int code;
    } natures[] = {
        {-9, ". Sibling was abandoned at birth", 1},
        {5, ". Sibling was abandoned at birth", 1},
        {6, ". Birth was the result of a rape, father unknown", 1},
        {30, ". Birth was the result of a rape, father unknown", 1},
        {31, ". Mother was a prostitute, father unknown", 1},
        {60, ". Mother was a prostitute, father unknown", 1},
        {61, ". Birth was the result of an adultrous affair", 2},
        {90, ". Birth was the result of an adultrous affair", 2},
    };
    for (const auto& n : natures) {
        EXPECT_STREQ(SiblingIllegitimateNatureFor(n.lowered).text, n.text) << n.lowered;
        EXPECT_EQ(SiblingIllegitimateNatureFor(n.lowered).code, n.code) << n.lowered;
    }
}

// Every band of the order-of-birth table, for 1 to 9 siblings, checked at both ends.
TEST(PriorsTables, BirthOrderBandsForEachFamilySize) {
    struct Band {
        int low, high;
        const char* order;
    };
    const std::vector<std::vector<Band>> table = {
        {{1, 50, "First born"}, {51, 100, "Last born"}},
        {{1, 33, "First born"}, {34, 66, "Middle born (2nd)"}, {67, 100, "Last born"}},
        {{1, 25, "First born"},
         {26, 50, "2nd born"},
         {51, 75, "2nd to last born"},
         {76, 100, "Last born"}},
        {{1, 21, "First born"},
         {22, 41, "2nd born"},
         {42, 61, "Middle born (3rd)"},
         {62, 81, "2nd to last born"},
         {82, 100, "Last born"}},
        {{1, 16, "First born"},
         {17, 32, "2nd born"},
         {33, 48, "Middle born (3rd)"},
         {49, 64, "Middle born (4th)"},
         {65, 80, "2nd to last born"},
         {81, 100, "Last born"}},
        {{1, 14, "First born"},
         {15, 28, "2nd born"},
         {29, 42, "Middle born (3rd)"},
         {43, 56, "Middle born (4th)"},
         {57, 70, "Middle born (5th)"},
         {71, 84, "2nd to last born"},
         {85, 100, "Last born"}},
        {{1, 12, "First born"},
         {13, 24, "2nd born"},
         {25, 36, "Middle born (3rd)"},
         {37, 48, "Middle born (4th)"},
         {49, 60, "Middle born (5th)"},
         {61, 72, "Middle born (6th)"},
         {73, 84, "2nd to last born"},
         {85, 100, "Last born"}},
        {{1, 11, "First born"},
         {12, 22, "2nd born"},
         {23, 33, "Middle born (3rd)"},
         {34, 44, "Middle born (4th)"},
         {45, 55, "Middle born (5th)"},
         {56, 66, "Middle born (6th)"},
         {67, 77, "Middle born (7th)"},
         {78, 88, "2nd to last born"},
         {89, 100, "Last born"}},
        {{1, 10, "First born"},
         {11, 20, "2nd born"},
         {21, 30, "Middle born (3rd)"},
         {31, 40, "Middle born (4th)"},
         {41, 50, "Middle born (5th)"},
         {51, 60, "Middle born (6th)"},
         {61, 70, "Middle born (7th)"},
         {71, 80, "Middle born (8th)"},
         {81, 90, "2nd to last born"},
         {91, 100, "Last born"}},
    };
    for (int siblings = 1; siblings <= 9; ++siblings) {
        for (const Band& band : table[siblings - 1]) {
            for (int roll : {band.low, band.high}) {
                EXPECT_EQ(BirthOrderFor(siblings, roll), band.order)
                    << siblings << " siblings, roll " << roll;
            }
        }
    }
    EXPECT_EQ(BirthOrderFor(0, 50), "");
}

TEST(PriorsTables, BirthOrderMoneyAndMiddleChildren) {
    const struct {
        const char* order;
        int money;
        bool middle;
    } cases[] = {
        {"First born", 5, false},        {"2nd born", 2, false},
        {"2nd to last born", -2, false}, {"Last born", -5, false},
        {"Only child", 10, false},       {"Middle born (2nd)", 0, true},
        {"Middle born (8th)", 0, true},  {"", 0, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BirthOrderMoneyModifier(c.order, false), c.money) << c.order;
        EXPECT_EQ(BirthOrderMoneyModifier(c.order, true), -20) << c.order;
        EXPECT_EQ(IsMiddleBorn(c.order), c.middle) << c.order;
    }
}

} // namespace
