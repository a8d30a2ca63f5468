// The honor award tables: every record, note and filter name against a reviewed golden, the
// lookup and the filters, the alignment columns and the points an award is worth.
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

// Every record (table, note, kind, scope, the nine columns from Lawful-good to Chaotic-evil,
// text), then the alignments in column order, the filter names and the notes, against
// tests/golden/honor_awards.txt.
TEST(HonorAwardTable, EveryRecordNoteAndFilterMatchesTheReviewedGolden) {
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
    for (const char* name : kAlignmentNames) {
        text += std::string("alignment | ") + name + '\n';
    }
    for (const char* name : kHonorFilterNames) {
        text += std::string("filter | ") + name + '\n';
    }
    for (const char* note : NoteBuffer) {
        text += std::string("note | ") + note + '\n';
    }
    ExpectMatchesGolden("honor_awards.txt", text);
    EXPECT_EQ(HonorData[kHonorAwards].text, nullptr) << "the table ends with an empty record";
}

TEST(HonorAwardTable, EveryTextFindsItsOwnRecordAndItsFilter) {
    // The lookup takes the first record whose text lies within the shown text, so no text may
    // hide inside a later one.
    for (int i = 0; i < kHonorAwards; ++i) {
        EXPECT_EQ(FindHonorAward(HonorData[i].text), &HonorData[i]) << HonorData[i].text;
    }
    EXPECT_EQ(FindHonorAward("  Completing a quest (again)"), &Award("Completing a quest"));
    EXPECT_EQ(FindHonorAward(""), nullptr);
    EXPECT_EQ(FindHonorAward("Completing a ques"), nullptr);
    EXPECT_EQ(FindHonorAward("completing a quest"), nullptr); // case counts

    // Each filter leaves its own table's awards in the table's order; no filter leaves all.
    std::vector<std::string> in_order;
    for (int table = 1; table <= kHonorTables; ++table) {
        const std::vector<std::string> texts = HonorAwardTexts(table);
        for (const std::string& text : texts) {
            EXPECT_EQ(Award(text).table, table) << text;
        }
        in_order.insert(in_order.end(), texts.begin(), texts.end());
    }
    const std::vector<std::string> all = HonorAwardTexts(0);
    EXPECT_EQ(all.size(), static_cast<std::size_t>(kHonorAwards));
    EXPECT_EQ(in_order, all);
    EXPECT_EQ(all[36], "Accused of a crime (innocent or not)"); // 4C follows 4B's 36
    EXPECT_TRUE(HonorAwardTexts(-1).empty());
    EXPECT_TRUE(HonorAwardTexts(kHonorTables + 1).empty());
    EXPECT_STREQ(HonorAwardNote(Award("Dirty Fighting")), NoteBuffer[9]);
    EXPECT_STREQ(HonorAwardNote(Award("Completing a quest")), "Notes");
}

// The nine names give the columns in the golden's order; letter case, blank or underscore for
// the hyphen are forgiven, nothing more.
TEST(HonorAlignment, ColumnsByNameWithTolerantSpelling) {
    for (int column = 0; column < kAlignments; ++column) {
        EXPECT_EQ(AlignmentColumn(kAlignmentNames[column]), column);
    }
    EXPECT_EQ(AlignmentColumn("Lawful Good"), 0);
    EXPECT_EQ(AlignmentColumn("chaotic_evil"), 8);
    EXPECT_EQ(AlignmentColumn("NEUTRAL"), 4);
    for (const char* unknown : {"True Neutral", "", "Neutral ", "Lawful", "Lawful-good-ish"}) {
        EXPECT_EQ(AlignmentColumn(unknown), -1) << '"' << unknown << '"';
    }
}

TEST(HonorAwardPoints, ColumnPointsAndTheScalingNotes) {
    const struct {
        const char* award;
        const char* alignment;
        int32_t honor;
        const char* level;
        int32_t points;
    } cases[] = {
        {"Completing a quest", "Lawful-good", 30, "5", 10},
        {"Completing a quest", "Chaotic-evil", 30, "5", 4},
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
    for (const auto& c : cases) {
        EXPECT_EQ(HonorAwardPoints(Award(c.award), AlignmentColumn(c.alignment), c.honor, c.level),
                  c.points)
            << c.award << " / " << c.alignment << " / " << c.honor << " / " << c.level;
    }
}

} // namespace
