// The honor award tables: their shape, the telling records, the filter, the notes, the
// alignment columns and the points an award is worth.
#include <climits>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/gm/honor_awards.h"
#include "support/golden.h"

namespace {

const HonorAward& Award(const std::string& text) {
    const HonorAward* award = FindHonorAward(text);
    EXPECT_NE(award, nullptr) << text;
    static const HonorAward kNone{};
    return award ? *award : kNone;
}

TEST(HonorAwardTable, TablesInOrderWithTheirCountsAndAnEndRecord) {
    // Table 4B has 36 awards, 4C 33, 4D 13, 4E 13, 4F 9, 4G 11, 4H 7: 122 in all.
    const int expected_counts[kHonorTables + 1] = {0, 36, 33, 13, 13, 9, 11, 7};
    int counts[kHonorTables + 1] = {};
    int previous_table = 1;
    for (int i = 0; i < kHonorAwards; ++i) {
        const HonorAward& a = HonorData[i];
        ASSERT_NE(a.text, nullptr) << i;
        ASSERT_GE(a.table, 1) << a.text;
        ASSERT_LE(a.table, kHonorTables) << a.text;
        EXPECT_GE(a.table, previous_table) << a.text << " is out of table order";
        previous_table = a.table;
        ++counts[a.table];
    }
    for (int t = 1; t <= kHonorTables; ++t) {
        EXPECT_EQ(counts[t], expected_counts[t]) << "table " << t;
    }
    EXPECT_EQ(HonorData[kHonorAwards].text, nullptr);
}

// Every record, table, note, kind, scope and the nine columns from Lawful-good to
// Chaotic-evil, against the reviewed golden tests/golden/honor_awards.txt.
TEST(HonorAwardTable, EveryRecordMatchesTheReviewedGolden) {
    std::string text;
    for (int i = 0; i < kHonorAwards; ++i) {
        const HonorAward& a = HonorData[i];
        text += std::to_string(a.table) + " | note " + std::to_string(a.note) + " | kind " +
                std::to_string(a.kind) + " | scope " + std::to_string(a.scope) + " |";
        for (int column = 0; column < kAlignments; ++column) {
            text += ' ' + std::to_string(a.award[column]);
        }
        text += std::string(" | ") + a.text + '\n';
    }
    ExpectMatchesGolden("honor_awards.txt", text);
}

TEST(HonorAwardTable, TellingRecordsCarryTheirPointsAndNotes) {
    struct Telling {
        const char* text;
        int table;
        int note;
        std::vector<int> points; // Lawful-good ... Chaotic-evil
    };
    const Telling records[] = {
        {"Allowing a disarmed opponent to pick up his weapon",
         1,
         0,
         {1, 1, 1, 1, 0, -1, 1, -1, -1}},
        {"Dirty Fighting", 1, 9, {-1, -1, 0, -1, 1, 2, 0, 2, 3}},
        {"Unjustly slaying a prisoner or unarmed opponent who has yielded",
         1,
         0,
         {-5, -5, -5, 0, 0, 0, 5, 5, 5}},
        {"Healing, curing, or restoring a PC/NPC", 4, 13, {1, 1, 1, 1, 1, 1, -1, -1, -1}},
        {"Murder of a family member", 6, 0, {-8, -7, -6, -6, -5, -4, -3, 0, 3}},
        {"Completing a quest", 7, 0, {10, 7, 4, 10, 7, 4, 10, 7, 4}},
    };
    for (const Telling& r : records) {
        const HonorAward& a = Award(r.text);
        EXPECT_STREQ(a.text, r.text);
        EXPECT_EQ(a.table, r.table) << r.text;
        EXPECT_EQ(a.note, r.note) << r.text;
        EXPECT_EQ(std::vector<int>(a.award, a.award + kAlignments), r.points) << r.text;
    }
}

TEST(HonorAwardTable, KindsScopesAndNotesStayInTheirRanges) {
    std::set<int> kinds_used;
    std::set<int> notes_used;
    for (int i = 0; i < kHonorAwards; ++i) {
        const HonorAward& a = HonorData[i];
        const int expected_scope = a.table == 6 ? kClanScope : a.table == 7 ? kPartyScope : 0;
        EXPECT_EQ(a.scope, expected_scope) << a.text;
        if (a.table == 4) {
            EXPECT_GE(a.kind, 1) << a.text;
            EXPECT_LE(a.kind, 6) << a.text;
            kinds_used.insert(a.kind);
        } else {
            EXPECT_EQ(a.kind, 0) << a.text;
        }
        ASSERT_GE(a.note, 0) << a.text;
        ASSERT_LT(a.note, kHonorNotes) << a.text;
        notes_used.insert(a.note);
        if (a.note == 1) { // "paladins ... earn double" goes with chivalrous acts only
            EXPECT_GT(a.award[0], 0) << a.text;
        }
        if (a.note >= 19) { // a share of honor or so much per level is the whole award
            for (int column = 0; column < kAlignments; ++column) {
                EXPECT_EQ(a.award[column], 0) << a.text;
            }
        }
    }
    EXPECT_EQ(kinds_used.size(), 6u);
    EXPECT_EQ(notes_used.size(), static_cast<std::size_t>(kHonorNotes)) << "every note is used";
}

TEST(HonorAwardTable, EveryTextFindsItsOwnRecord) {
    // The lookup takes the first record whose text lies within the shown text, so no text may
    // hide inside a later one.
    for (int i = 0; i < kHonorAwards; ++i) {
        EXPECT_EQ(FindHonorAward(HonorData[i].text), &HonorData[i]) << HonorData[i].text;
    }
    EXPECT_EQ(FindHonorAward("  Completing a quest (again)"), &Award("Completing a quest"));
    EXPECT_EQ(FindHonorAward(""), nullptr);
    EXPECT_EQ(FindHonorAward("Completing a ques"), nullptr);
    EXPECT_EQ(FindHonorAward("completing a quest"), nullptr); // case counts
}

TEST(HonorAwardFilter, NamesAndWhatEachLeavesInTheAwardList) {
    const char* const names[] = {
        "Unfiltered - Honor Point Awards",
        "GMG Table 4B: Honor Point Awards - Combat-related Actions",
        "GMG Table 4C: Honor Point Awards - Social Encounters",
        "GMG Table 4D: Honor Point Awards - Personal Achievements/Failures",
        "GMG Table 4E: Honor Point Awards - Class/Professional",
        "GMG Table 4F: Honor Point Awards - NPC and Player Related",
        "GMG Table 4G: Honor Point Awards - Clan/Group Related",
        "GMG Table 4H: Honor Point Awards - Action/Event: Party Related",
    };
    for (int i = 0; i <= kHonorTables; ++i) {
        EXPECT_STREQ(kHonorFilterNames[static_cast<std::size_t>(i)], names[i]);
    }
    const std::vector<std::string> party_related = {
        "Banished/Ousted by Party",
        "Completing a quest",
        "Completing an adventure",
        "Death of a fellow party member with High Honor",
        "Failing a quest",
        "Group Honor Token (battle standard, flag, crest) lost or stolen",
        "Unnecessary deaths in course of mission",
    };
    EXPECT_EQ(HonorAwardTexts(7), party_related);
    const std::vector<std::string> all = HonorAwardTexts(0);
    ASSERT_EQ(all.size(), 122u);
    EXPECT_EQ(all[36], "Accused of a crime (innocent or not)"); // 4C follows 4B's 36
    EXPECT_TRUE(HonorAwardTexts(-1).empty());
    EXPECT_TRUE(HonorAwardTexts(8).empty());
}

TEST(HonorAwardNotes, TextsLetterForLetterAndTheTitleForNoNote) {
    ASSERT_EQ(NoteBuffer.size(), 27u);
    EXPECT_STREQ(NoteBuffer[0], "Notes");
    EXPECT_STREQ(NoteBuffer[1], "Paladins, dark knights, cavaliers and knigh errants earn double "
                                "Honor points for this action (add it twice)");
    EXPECT_STREQ(NoteBuffer[26], "lose 50% of Honor");
    EXPECT_STREQ(HonorAwardNote(Award("Dirty Fighting")),
                 "Penalties for dirty fighting do not apply if the other guy is 'dirty fighting' "
                 "first");
    EXPECT_STREQ(HonorAwardNote(Award("Completing a quest")), "Notes");
}

TEST(HonorAlignment, ColumnsByNameWithTolerantSpelling) {
    struct Case {
        const char* alignment;
        int column;
    };
    const Case cases[] = {
        {"Lawful-good", 0},      {"Lawful-neutral", 1},
        {"Lawful-evil", 2},      {"Neutral-good", 3},
        {"Neutral", 4},          {"Neutral-evil", 5},
        {"Chaotic-good", 6},     {"Chaotic-neutral", 7},
        {"Chaotic-evil", 8},     {"Lawful Good", 0},
        {"chaotic_evil", 8},     {"NEUTRAL", 4},
        {"True Neutral", -1},    {"", -1},
        {"Neutral ", -1},        {"Lawful", -1},
        {"Lawful-good-ish", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AlignmentColumn(c.alignment), c.column) << '"' << c.alignment << '"';
    }
}

TEST(HonorAwardPoints, ColumnPointsAndTheScalingNotes) {
    struct Case {
        const char* award;
        const char* alignment;
        int32_t honor;
        const char* level;
        int32_t points;
    };
    const Case cases[] = {
        {"Completing a quest", "Lawful-good", 30, "5", 10},
        {"Completing a quest", "Chaotic-evil", 30, "5", 4},
        {"Murder of a family member", "Chaotic-evil", 12, "1", 3},
        {"Dirty Fighting", "Neutral", 12, "1", 1},
        // Half of 37 is 18.5: rounded toward zero, also for negative honor.
        {"Heroic death", "Neutral", 37, "3", 18},
        {"Heroic death", "Neutral", -5, "3", -2},
        {"Treason", "Chaotic-evil", 10, "4", -7},
        {"Banished by Clan", "Lawful-neutral", 21, "2", -10},
        {"Completing a personal quest", "Neutral", 40, "7", 35},
        {"Advancing a level in experience", "Neutral-evil", 40, "3", 6},
        {"Losing a level of experience", "Chaotic-good", 40, "4", -4},
        // The level is read as the program reads typed numbers: "3/2" is 3, text is 0.
        {"Advancing a level in experience", "Neutral", 40, "3/2", 6},
        {"Advancing a level in experience", "Neutral", 40, "third", 0},
        // Extremes saturate rather than overflow.
        {"Heroic death", "Neutral", INT32_MAX, "1", 1073741823},
        {"Treason", "Neutral", INT32_MIN, "1", 1610612736},
        {"Completing a personal quest", "Neutral", 0, "99999999999", INT32_MAX},
        {"Losing a level of experience", "Neutral", 0, "-99999999999", INT32_MAX},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HonorAwardPoints(Award(c.award), AlignmentColumn(c.alignment), c.honor, c.level),
                  c.points)
            << c.award << " / " << c.alignment << " / " << c.honor << " / " << c.level;
    }
}

} // namespace
