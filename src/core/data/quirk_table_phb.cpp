// Quirk and flaw table: the Player's Handbook tables 6B to 6I.
//
// Entry indexes are part of the data: the exclusion lists refer to them and the character
// counts its quirks by them. Keep every row at its place.
#include "core/data/quirk_table_parts.h"

namespace quirk_tables {
namespace {

// clang-format off
const QuirkFlawRow kRows[] = {
    // Columns: name, bp, bp_after_first, book, source, table, subtables, type, low, high,
    // max_times, rolls, excludes, excluded_by. The comment after a row is its entry index.

    // "Player's Handbook 6B: Flaws, Minor (Physical)": 12 entries, rolls 1-100.  Entries 1-12.
    {"Albino",                                               5, 0, 0, "PHB pg 92", k6B, {},                    0,  1,   9,   1, 0, {}, {}},    // 1
    {"Animal [type] Antipathy",                              7, 0, 0, "PHB pg 93", k6B, {kPhbAnimalAntipathy}, 2, 10,  14, 999, 1, {}, {}},    // 2
    {"Allergic to [type]",                                   4, 0, 0, "PHB pg 92", k6B, {kPhbAllergen},        2, 15,  22, 999, 1, {}, {}},    // 3
    {"Brittle Bones",                                        5, 0, 0, "PHB pg 93", k6B, {},                    0, 23,  29,   1, 0, {}, {}},    // 4
    {"Color Blind",                                          4, 0, 0, "PHB pg 93", k6B, {},                    0, 30,  36,   1, 0, {}, {39}},  // 5
    {"Excessive Sweating",                                   3, 0, 0, "PHB pg 93", k6B, {},                    0, 37,  43,   1, 0, {}, {}},    // 6
    {"Flat Feet",                                            3, 0, 0, "PHB pg 93", k6B, {},                    0, 44,  50,   2, 0, {}, {37}},  // 7
    {"Ringing in the Ears",                                  4, 0, 0, "PHB pg 94", k6B, {},                    0, 51,  56,   1, 0, {}, {40}},  // 8
    {"Sickly Complexion",                                    3, 0, 0, "PHB pg 94", k6B, {},                    0, 57,  62,   1, 0, {}, {}},    // 9
    {"Weak Stomach",                                         4, 0, 0, "PHB pg 94", k6B, {},                    0, 63,  70,   1, 0, {}, {}},    // 10
    {"Roll again on Table 6B and an extra time on Table 6C", 0, 0, 0, "PHB pg 91", k6B, {"", k6B, k6C},        3, 71,  85, 999, 0, {}, {}},    // 11
    {"Uneven Legs",                                          4, 0, 0, "PHB pg 94", k6B, {},                    0, 86, 100,   1, 0, {}, {37}},  // 12

    // "Player's Handbook 6C: Flaws, Minor (Physical)": 13 entries, rolls 1-100.  Entries 13-25.
    // The last two entries share 86-100: a roll yields the directive (the first of the two),
    // the flaw beside it is taken only by choice.
    {"Acne Scarred",                3, 0, 0, "PHB pg 92", k6C, {},             0,  1,   7,   1, 0, {}, {}},    // 13
    {"Loss of Eye",                 7, 0, 0, "PHB pg 94", k6C, {},             0,  8,  13,   2, 0, {}, {39}},  // 14
    {"Male Pattern Baldness",       4, 0, 0, "PHB pg 94", k6C, {},             0, 14,  20,   1, 0, {}, {}},    // 15
    {"Migraines",                   5, 0, 0, "PHB pg 94", k6C, {},             0, 21,  26,   1, 0, {}, {}},    // 16
    {"Missing Finger",              5, 1, 0, "PHB pg 94", k6C, {},             0, 27,  34,  10, 0, {}, {}},    // 17
    {"Nosebleeds",                  3, 0, 0, "PHB pg 94", k6C, {},             0, 35,  42,   1, 0, {}, {}},    // 18
    {"Lisp",                        3, 0, 0, "PHB pg 94", k6C, {},             0, 43,  50,   1, 0, {}, {44}},  // 19
    {"Stutter",                     4, 0, 0, "PHB pg 94", k6C, {},             0, 51,  58,   1, 0, {}, {44}},  // 20
    {"Tone Deaf",                   3, 0, 0, "PHB pg 94", k6C, {},             0, 59,  66,   1, 0, {}, {40}},  // 21
    {"Trembling Hands",             4, 0, 0, "PHB pg 94", k6C, {},             0, 67,  74,   1, 0, {}, {36}},  // 22
    {"Hard of Hearing",             5, 0, 0, "PHB pg 93", k6C, {},             0, 75,  85,   1, 0, {}, {40}},  // 23
    {"Roll twice more on Table 6C", 0, 0, 0, "PHB pg 91", k6C, {"", k6C, k6C}, 3, 86, 100, 999, 0, {}, {}},    // 24
    {"Webbed Toes",                 3, 0, 0, "PHB pg 94", k6C, {},             0, 86, 100,   1, 0, {}, {}},    // 25

    // "Player's Handbook 6D: Flaws, Minor (Physical)": 7 entries, rolls 1-100.  Entries 26-32.
    {"Anemic",                   4, 0, 0, "PHB pg 92", k6D, {},             0,  1,  14,   1, 0, {}, {}},    // 26
    {"Chronic Back Pain",        5, 0, 0, "PHB pg 93", k6D, {},             0, 15,  28,   1, 0, {}, {}},    // 27
    {"Farsighted",               5, 0, 0, "PHB pg 93", k6D, {},             0, 29,  42,   1, 0, {}, {39}},  // 28
    {"Nearsighted",              5, 0, 0, "PHB pg 94", k6D, {},             0, 43,  56,   1, 0, {}, {39}},  // 29
    {"Night Blindness",          5, 0, 0, "PHB pg 94", k6D, {},             0, 57,  70,   1, 0, {}, {39}},  // 30
    {"Poor Circulation",         4, 0, 0, "PHB pg 94", k6D, {},             0, 71,  85,   1, 0, {}, {}},    // 31
    {"Roll on Tables 6B and 6C", 0, 0, 0, "PHB pg 91", k6D, {"", k6B, k6C}, 3, 86, 100, 999, 0, {}, {}},    // 32

    // "Player's Handbook 6E: Flaws, Major (Physical)": 18 entries, rolls 1-100.  Entries 33-50.
    {"Asthma",                       10, 0, 0, "PHB pg 92", k6E, {},                  1,  1,   5,   1, 0, {},                        {}},    // 33
    {"Amputee, Arm",                 12, 0, 0, "PHB pg 93", k6E, {},                  1,  6,  10,   2, 0, {},                        {36}},  // 34
    {"Amputee, Leg",                 12, 0, 0, "PHB pg 93", k6E, {},                  1, 11,  15,   2, 0, {},                        {37}},  // 35
    {"Amputee, Double, Arm",         20, 0, 0, "PHB pg 93", k6E, {},                  1, 16,  19,   1, 0, {34, 22, 114, 116},        {}},    // 36
    {"Amputee, Double, Leg",         20, 0, 0, "PHB pg 93", k6E, {},                  1, 20,  23,   1, 0, {35, 42, 12, 7, 115, 117}, {}},    // 37
    {"Bleeder",                      12, 0, 0, "PHB pg 93", k6E, {},                  1, 24,  28,   1, 0, {},                        {}},    // 38
    {"Blind",                        20, 0, 0, "PHB pg 93", k6E, {},                  1, 29,  31,   1, 0, {14, 28, 29, 30, 46, 5},   {}},    // 39
    {"Deaf",                         15, 0, 0, "PHB pg 93", k6E, {},                  1, 32,  35,   1, 0, {8, 21, 23},               {}},    // 40
    {"Hunchback",                    12, 0, 0, "PHB pg 93", k6E, {},                  1, 36,  42,   1, 0, {},                        {}},    // 41
    {"Lame",                         10, 0, 0, "PHB pg 94", k6E, {},                  1, 43,  49,   1, 0, {},                        {37}},  // 42
    {"Maimed: [type]",               12, 0, 0, "PHB pg 94", k6E, {kPhbMaimed},        2, 50,  56, 999, 1, {},                        {}},    // 43
    {"Mute",                         15, 0, 0, "PHB pg 94", k6E, {},                  1, 57,  62,   1, 0, {19, 20},                  {}},    // 44
    {"Palsy",                        12, 0, 0, "PHB pg 94", k6E, {},                  1, 63,  68,   1, 0, {},                        {}},    // 45
    {"Cataracts",                    12, 0, 0, "PHB pg 93", k6E, {},                  1, 69,  74,   1, 0, {},                        {39}},  // 46
    {"Seizures: [type]",             12, 0, 0, "PHB pg 94", k6E, {kPhbSeizure},       2, 75,  80, 999, 1, {},                        {}},    // 47
    {"Wasting Disease",              14, 0, 0, "PHB pg 94", k6E, {},                  1, 81,  85,   1, 0, {},                        {}},    // 48
    {"Weak Heart",                   12, 0, 0, "PHB pg 94", k6E, {},                  1, 86,  90,   1, 0, {},                        {}},    // 49
    {"Roll on Tables 6B, 6C and 6D",  0, 0, 0, "PHB pg 91", k6E, {"", k6B, k6C, k6D}, 3, 91, 100, 999, 0, {},                        {}},    // 50

    // "Player's Handbook 6F: Quirks, Minor (Mental)": 20 entries, rolls 1-100.  Entries 51-70.
    {"Absent-Minded",                               5, 0, 0, "PHB pg 95", k6F, {},                   0,  1,   5,   1, 0, {}, {}},  // 51
    {"Animal [type] Phobia",                        6, 0, 0, "PHB pg 95", k6F, {kPhbAnimalPhobia},   2,  6,  10, 999, 1, {}, {}},  // 52
    {"Aversion to [class]",                         5, 0, 0, "PHB pg 95", k6F, {kPhbClassAversion},  4, 11,  15,   1, 1, {}, {}},  // 53
    {"Aversion to [race]",                          5, 0, 0, "PHB pg 95", k6F, {kPhbRacialAversion}, 4, 16,  20,   1, 1, {}, {}},  // 54
    {"Claustrophobia",                              6, 0, 0, "PHB pg 95", k6F, {},                   0, 21,  25,   1, 0, {}, {}},  // 55
    {"Minor Delusion: [type]",                      5, 0, 0, "PHB pg 95", k6F, {kPhbDelusionMinor},  2, 26,  30, 999, 1, {}, {}},  // 56
    {"Easily Distracted",                           5, 0, 0, "PHB pg 95", k6F, {},                   0, 31,  35,   1, 0, {}, {}},  // 57
    {"Fear of Heights",                             5, 0, 0, "PHB pg 95", k6F, {},                   0, 36,  40,   1, 0, {}, {}},  // 58
    {"Fear of the Dark",                            5, 0, 0, "PHB pg 95", k6F, {},                   0, 41,  45,   1, 0, {}, {}},  // 59
    {"Forgetful of Names",                          4, 0, 0, "PHB pg 95", k6F, {},                   0, 46,  50,   1, 0, {}, {}},  // 60
    {"Gullible",                                    5, 0, 0, "PHB pg 95", k6F, {},                   0, 51,  55,   1, 0, {}, {}},  // 61
    {"Hypochondriac",                               5, 0, 0, "PHB pg 95", k6F, {},                   0, 56,  60,   1, 0, {}, {}},  // 62
    {"Nervous Habit",                               4, 0, 0, "PHB pg 96", k6F, {},                   0, 61,  65,   1, 0, {}, {}},  // 63
    {"Nightmares",                                  5, 0, 0, "PHB pg 96", k6F, {},                   0, 66,  70,   1, 0, {}, {}},  // 64
    {"Fear of Crowds",                              5, 0, 0, "PHB pg 95", k6F, {},                   0, 71,  75,   1, 0, {}, {}},  // 65
    {"Sleepwalker",                                 5, 0, 0, "PHB pg 96", k6F, {},                   0, 76,  80,   1, 0, {}, {}},  // 66
    {"Superstition: [type]",                        4, 0, 0, "PHB pg 96", k6F, {kPhbSuperstitions},  2, 81,  85, 999, 1, {}, {}},  // 67
    {"Poor Sense of Direction",                     4, 0, 0, "PHB pg 96", k6F, {},                   0, 86,  90,   1, 0, {}, {}},  // 68
    {"Roll again on Table 6F and once on Table 6H", 0, 0, 0, "PHB pg 91", k6F, {"", k6F, k6H},       3, 91,  95, 999, 0, {}, {}},  // 69
    {"Roll on Table 6G",                            0, 0, 0, "PHB pg 91", k6F, {"", k6G},            3, 96, 100, 999, 0, {}, {}},  // 70

    // "Player's Handbook 6G: Quirks, Major (Mental)": 15 entries, rolls 1-100.  Entries 71-85.
    {"Amnesia",                            10, 0, 0, "PHB pg 95", k6G, {},                          1,  1,   4,   1, 0, {}, {}},  // 71
    {"Major Delusion: [type]",             10, 0, 0, "PHB pg 95", k6G, {kPhbDelusionMajor},         2,  5,   7, 999, 1, {}, {}},  // 72
    {"Enmity toward [class]",              13, 0, 0, "PHB pg 95", k6G, {kPhbClassEnmity},           4,  8,  13,   1, 1, {}, {}},  // 73
    {"Enmity toward [race]",               13, 0, 0, "PHB pg 95", k6G, {kPhbRacialEnmity},          4, 14,  19,   1, 1, {}, {}},  // 74
    {"Hallucinations",                     12, 0, 0, "PHB pg 95", k6G, {},                          1, 20,  26,   1, 0, {}, {}},  // 75
    {"Kleptomaniac",                       12, 0, 0, "PHB pg 95", k6G, {},                          1, 27,  33,   1, 0, {}, {}},  // 76
    {"Melancholia",                        11, 0, 0, "PHB pg 96", k6G, {},                          1, 34,  40,   1, 0, {}, {}},  // 77
    {"Obsessive-Compulsive: [type]",       12, 0, 0, "PHB pg 96", k6G, {kPhbObsessionOrCompulsion}, 2, 41,  50, 999, 1, {}, {}},  // 78
    {"Paranoia",                           12, 0, 0, "PHB pg 96", k6G, {},                          1, 51,  57,   1, 0, {}, {}},  // 79
    {"Pathological Liar",                  10, 0, 0, "PHB pg 96", k6G, {},                          1, 58,  64,   1, 0, {}, {}},  // 80
    {"Pyromaniac",                         12, 0, 0, "PHB pg 96", k6G, {},                          1, 65,  71,   1, 0, {}, {}},  // 81
    {"Catatonic Episodes",                 13, 0, 0, "PHB pg 95", k6G, {},                          1, 72,  78,   1, 0, {}, {}},  // 82
    {"Voices in the Head",                 12, 0, 0, "PHB pg 96", k6G, {},                          1, 79,  85,   1, 0, {}, {}},  // 83
    {"Roll twice on Table 6G",              0, 0, 0, "PHB pg 91", k6G, {"", k6G, k6G},              3, 86,  94, 999, 0, {}, {}},  // 84
    {"Roll once each on Tables 6F and 6I",  0, 0, 0, "PHB pg 91", k6G, {"", k6F, k6I},              3, 95, 100, 999, 0, {}, {}},  // 85

    // "Player's Handbook 6H: Quirks, Minor (Personality)": 14 entries, rolls 1-100.  Entries 86-99.
    {"Arrogant",               3, 0, 0, "PHB pg 97", k6H, {},             0,  1,   7,   1, 0, {}, {}},  // 86
    {"Braggart",               3, 0, 0, "PHB pg 97", k6H, {},             0,  8,  14,   1, 0, {}, {}},  // 87
    {"Cowardly",               4, 0, 0, "PHB pg 97", k6H, {},             0, 15,  21,   1, 0, {}, {}},  // 88
    {"Glutton",                3, 0, 0, "PHB pg 97", k6H, {},             0, 22,  28,   1, 0, {}, {}},  // 89
    {"Greedy",                 3, 0, 0, "PHB pg 97", k6H, {},             0, 29,  35,   1, 0, {}, {}},  // 90
    {"Jealous",                3, 0, 0, "PHB pg 97", k6H, {},             0, 36,  42,   1, 0, {}, {}},  // 91
    {"Lazy",                   3, 0, 0, "PHB pg 97", k6H, {},             0, 43,  49,   1, 0, {}, {}},  // 92
    {"Miserly",                3, 0, 0, "PHB pg 98", k6H, {},             0, 50,  56,   1, 0, {}, {}},  // 93
    {"Overconfident",          3, 0, 0, "PHB pg 98", k6H, {},             0, 57,  63,   1, 0, {}, {}},  // 94
    {"Rude",                   3, 0, 0, "PHB pg 98", k6H, {},             0, 64,  70,   1, 0, {}, {}},  // 95
    {"Spendthrift",            3, 0, 0, "PHB pg 98", k6H, {},             0, 71,  77,   1, 0, {}, {}},  // 96
    {"Vain",                   3, 0, 0, "PHB pg 98", k6H, {},             0, 78,  84,   1, 0, {}, {}},  // 97
    {"Roll twice on Table 6H", 0, 0, 0, "PHB pg 91", k6H, {"", k6H, k6H}, 3, 85,  94, 999, 0, {}, {}},  // 98
    {"Roll on Table 6I",       0, 0, 0, "PHB pg 91", k6H, {"", k6I},      3, 95, 100, 999, 0, {}, {}},  // 99

    // "Player's Handbook 6I: Quirks, Major (Personality)": 4 entries, rolls 1-100.  Entries 100-103.
    {"Compulsive Gambler",         9, 0, 0, "PHB pg 97", k6I, {},                     1,  1,  30,   1, 0, {}, {}},  // 100
    {"Split Personality: [type]", 11, 0, 0, "PHB pg 98", k6I, {kPhbExtraPersonality}, 2, 31,  55, 999, 1, {}, {}},  // 101
    {"Violent Temper",            10, 0, 0, "PHB pg 98", k6I, {},                     1, 56,  80,   1, 0, {}, {}},  // 102
    {"Roll on Tables 6G and 6H",   0, 0, 0, "PHB pg 91", k6I, {"", k6G, k6H},         3, 81, 100, 999, 0, {}, {}},  // 103
};
// clang-format on

} // namespace

std::span<const QuirkFlawRow> QuirkRowsPhbMainTables() {
    return kRows;
}

} // namespace quirk_tables
