// The constitution, intelligence, wisdom and charisma tables, one row per line in the columns
// of their row types.
#include "core/data/ability_tables.h"

// clang-format off

// HP adj., system shock %, resurrection survival %, poison save, immunity to disease %,
// regeneration; row = score
const std::array<ConstitutionRow, kScoreIndexedRows> kConstitutionTable = {{
    { 0,   0,   0,  0,   0, ""},                           // 0
    {-4,  25,  30, -2,  30, "Nil / 1 hp every 2 weeks"},   // 1
    {-4,  30,  35, -1,  25, "Nil / 1 hp every week"},      // 2
    {-4,  35,  40,  0,  20, "Nil / 1 hp every 2 days"},    // 3
    {-3,  40,  45,  0,  10, "Nil / 1 hp every 2 days"},    // 4
    {-3,  45,  50,  0,  10, "Nil / 1 hp every 2 days"},    // 5
    {-2,  50,  55,  0,   5, "Nil / 1 hp every 2 days"},    // 6
    {-2,  55,  60,  0,   0, "Nil / 1 hp every day"},       // 7
    {-1,  60,  65,  0,  -5, "Nil / 1 hp every day"},       // 8
    {-1,  65,  70,  0, -10, "Nil / 1 hp every day"},       // 9
    { 0,  70,  75,  0, -20, "Nil / 1 hp every day"},       // 10
    { 0,  75,  80,  0, -30, "Nil / 1 hp every day"},       // 11
    { 1,  80,  85,  0, -30, "Nil / 1 hp every day"},       // 12
    { 1,  85,  90,  0, -35, "Nil / 1 hp every day"},       // 13
    { 2,  88,  92,  0, -40, "Nil / 1 hp every day"},       // 14
    { 2,  90,  94,  0, -45, "Nil / 1 hp every day"},       // 15
    { 3,  95,  96,  0, -50, "Nil / 1 hp every day"},       // 16
    { 3,  97,  98,  0, -55, "Nil / 1 hp every day"},       // 17
    { 4,  99, 100,  0, -60, "Nil / 1 hp every 18 hours"},  // 18
    { 4,  99, 100,  1, -65, "1 hp every 12 hours"},        // 19
    { 5,  99, 100,  1, -70, "1 hp every 6 turns"},         // 20
    { 5,  99, 100,  2, -75, "1 hp every 5 turns"},         // 21
    { 6,  99, 100,  2, -85, "1 hp every 4 turns"},         // 22
    { 6,  99, 100,  3, -90, "1 hp every 3 turns"},         // 23
    { 7,  99, 100,  3, -95, "1 hp every 2 turns"},         // 24
    { 7, 100, 100,  4, -99, "1 hp every turn"},            // 25
}};

// score, from %, max languages, max spell level, learn spells %, max spells per level,
// illusion immunity, spell mishap %
const std::array<IntelligenceRow, 27> kIntelligenceTable = {{
    { 0,  0,  0, "",           0, "",    "",           0},
    { 1,  0,  0, "",           1, "",    "",           0},
    { 2,  0,  1, "",           5, "",    "",           0},
    { 3,  0,  1, "",          10, "",    "",           0},
    { 4,  0,  1, "",          15, "",    "",           0},
    { 5,  0,  1, "",          20, "",    "",           0},
    { 6,  0,  1, "",          25, "",    "",           0},
    { 7,  0,  1, "",          30, "",    "",           0},
    { 8,  0,  1, "Cantrips",  30, "5",   "",          35},
    { 9,  0,  2, "4th",       35, "6",   "",          20},
    {10,  0,  2, "5th",       40, "7",   "",          15},
    {11,  0,  2, "5th",       45, "7",   "",          10},
    {12,  0,  3, "6th",       50, "7",   "",           5},
    {13,  0,  3, "6th",       55, "9",   "",           0},
    {14,  0,  4, "7th",       60, "9",   "",           0},
    {15,  0,  4, "7th",       65, "11",  "",           0},
    {16,  0,  5, "8th",       70, "11",  "",           0},
    {17,  0,  6, "8th",       75, "14",  "",           0},
    {18,  0,  7, "9th",       85, "18",  "Cantrips",   0},
    {18, 51,  7, "9th",       90, "20",  "Cantrips",   0},
    {19,  0,  8, "9th",       95, "all", "1st level",  0},
    {20,  0,  9, "9th",       96, "all", "2nd level",  0},
    {21,  0, 10, "9th",       97, "all", "3rd level",  0},
    {22,  0, 11, "9th",       98, "all", "4th level",  0},
    {23,  0, 12, "9th",       99, "all", "5th level",  0},
    {24,  0, 15, "9th",      100, "all", "6th level",  0},
    {25,  0, 20, "9th",      100, "all", "7th level",  0},
}};

// score, from %, magical defense, bonus spells, spell failure %, spell immunity, improve skill %
const std::array<WisdomRow, 27> kWisdomTable = {{
    { 0,  0,  0, "",               0, "",     0},
    { 1,  0, -6, "",              80, "No",   0},
    { 2,  0, -4, "",              60, "No",   0},
    { 3,  0, -3, "",              50, "No",   0},
    { 4,  0, -2, "",              45, "No",   2},
    { 5,  0, -1, "",              40, "No",   3},
    { 6,  0, -1, "",              35, "No",   4},
    { 7,  0, -1, "",              30, "No",   4},
    { 8,  0,  0, "",              25, "No",   4},
    { 9,  0,  0, "",              20, "No",   4},
    {10,  0,  0, "",              15, "No",   5},
    {11,  0,  0, "",              10, "No",   5},
    {12,  0,  0, "",               5, "No",   5},
    {13,  0,  0, "1",              0, "No",   5},
    {14,  0,  0, "2",              0, "No",   6},
    {15,  0,  1, "2-1",            0, "No",   7},
    {16,  0,  2, "2-2",            0, "No",   8},
    {17,  0,  3, "2-2-1",          0, "No",   9},
    {18,  0,  4, "2-2-1-1",        0, "No",  10},
    {18, 51,  4, "2-2-1-1-1",      0, "Yes", 11},
    {19,  0,  4, "3-2-2-1-1",      0, "Yes", 12},
    {20,  0,  4, "3-3-2-2-1",      0, "Yes", 13},
    {21,  0,  4, "3-3-3-2-2",      0, "Yes", 14},
    {22,  0,  4, "3-3-3-3-3",      0, "Yes", 15},
    {23,  0,  4, "4-3-3-3-3-1",    0, "Yes", 16},
    {24,  0,  4, "4-3-3-3-4-2",    0, "Yes", 18},
    {25,  0,  4, "4-3-3-3-4-3-1",  0, "Yes", 20},
}};

// max henchmen, loyalty base, reaction adj., comeliness mod., honor mod.; row = score
const std::array<CharismaRow, kScoreIndexedRows> kCharismaTable = {{
    { 0,  0,  0,  0,  0},  // 0
    { 0, -8, -7, -8, -9},  // 1
    { 1, -7, -6, -8, -8},  // 2
    { 1, -6, -5, -5, -7},  // 3
    { 3, -5, -4, -3, -6},  // 4
    { 2, -4, -3, -3, -5},  // 5
    { 2, -3, -2, -1, -4},  // 6
    { 3, -2, -1, -1, -3},  // 7
    { 3, -1,  0, -1, -2},  // 8
    { 4,  0,  0,  0, -1},  // 9
    { 4,  0,  0,  0,  0},  // 10
    { 4,  0,  0,  0,  0},  // 11
    { 5,  0,  0,  0,  1},  // 12
    { 5,  0,  1,  1,  2},  // 13
    { 6,  1,  2,  1,  3},  // 14
    { 7,  3,  3,  1,  4},  // 15
    { 8,  4,  5,  2,  5},  // 16
    {10,  6,  6,  2,  6},  // 17
    {15,  8,  7,  3,  7},  // 18
    {18, 10,  8,  4,  8},  // 19
    {20, 12,  9,  4,  9},  // 20
    {25, 14, 10,  5, 10},  // 21
    {30, 16, 11,  5, 11},  // 22
    {35, 18, 12,  6, 12},  // 23
    {40, 20, 13,  7, 13},  // 24
    {45, 20, 14,  8, 14},  // 25
}};

// clang-format on
