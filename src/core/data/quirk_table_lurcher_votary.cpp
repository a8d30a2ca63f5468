// Quirk and flaw table: the Lurcher's Guide tables (6Q, 6R, book 3) and
// the Votary's Guide tables (its 6A, 6O, 6P, book 4), each with its sub-tables.
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

    // "Lurcher's Guide 6Q": 10 entries, rolls 1-100.  Entries 510-519.
    {"Fidgety Fingers",                   3, 0, 3, "LG pg 33", k6Q, {},                        0,  1,  10,   1, 0, {}, {}},  // 510
    {"Counts Other People's Coins",       3, 0, 3, "LG pg 33", k6Q, {},                        0, 11,  20,   1, 0, {}, {}},  // 511
    {"Precious Metal Allergy: [type]",    5, 0, 3, "LG pg 35", k6Q, {kLgPreciousMetalAllergy}, 2, 21,  30, 999, 1, {}, {}},  // 512
    {"Suspicious Mannerism: [type]",      4, 0, 3, "LG pg 36", k6Q, {kLgSuspiciousMannerism},  2, 31,  40, 999, 1, {}, {}},  // 513
    {"Whistles While Working",            3, 0, 3, "LG pg 36", k6Q, {},                        0, 41,  50,   1, 0, {}, {}},  // 514
    {"Always Sits Facing the Door",       3, 0, 3, "LG pg 33", k6Q, {},                        0, 51,  60,   1, 0, {}, {}},  // 515
    {"Light Sleeper",                     3, 0, 3, "LG pg 34", k6Q, {},                        0, 61,  70,   1, 0, {}, {}},  // 516
    {"Shifty Eyes",                       3, 0, 3, "LG pg 35", k6Q, {},                        0, 71,  80,   1, 0, {}, {}},  // 517
    {"Pockets Trinkets Without Thinking", 4, 0, 3, "LG pg 35", k6Q, {},                        0, 81,  90,   1, 0, {}, {}},  // 518
    {"Roll on Tables 6Q and 6R",          0, 0, 3, "LG pg 32", k6Q, {"", k6Q, k6R},            3, 91, 100, 999, 0, {}, {}},  // 519

    // "Lurcher's Guide 6R": 15 entries, rolls 1-100.  Entries 520-534.
    {"Poor Impulse Control: [type]",           10, 0, 3, "LG pg 39", k6R, {kLgPoorImpulseControl}, 2,  1,   7, 999, 1, {}, {}},  // 520
    {"Wanted in Another Land",                 10, 0, 3, "LG pg 40", k6R, {},                      1,  8,  14,   1, 0, {}, {}},  // 521
    {"Cannot Resist a Locked Door",            10, 0, 3, "LG pg 37", k6R, {},                      1, 15,  20,   1, 0, {}, {}},  // 522
    {"Marked by the Guild",                    12, 0, 3, "LG pg 38", k6R, {},                      1, 21,  27,   1, 0, {}, {}},  // 523
    {"Known as an Informant",                  10, 0, 3, "LG pg 38", k6R, {},                      1, 28,  34,   1, 0, {}, {}},  // 524
    {"Crushing Gambling Debts",                10, 0, 3, "LG pg 37", k6R, {},                      1, 35,  41,   1, 0, {}, {}},  // 525
    {"Branded as a Thief",                     12, 0, 3, "LG pg 37", k6R, {},                      1, 42,  48,   1, 0, {}, {}},  // 526
    {"Trusts No One",                          10, 0, 3, "LG pg 40", k6R, {},                      1, 49,  55,   1, 0, {}, {}},  // 527
    {"Hunted by a Former Partner",             12, 0, 3, "LG pg 38", k6R, {},                      1, 56,  62,   1, 0, {}, {}},  // 528
    {"Dread of Prisons",                       10, 0, 3, "LG pg 37", k6R, {},                      1, 63,  69,   1, 0, {}, {}},  // 529
    {"Double-Crosser",                         10, 0, 3, "LG pg 37", k6R, {},                      1, 70,  76,   1, 0, {}, {}},  // 530
    {"Tell-Tale Limp",                         10, 0, 3, "LG pg 40", k6R, {},                      1, 77,  82,   1, 0, {}, {}},  // 531
    {"Addicted to Risk",                       12, 0, 3, "LG pg 37", k6R, {},                      1, 83,  88,   1, 0, {}, {}},  // 532
    {"Talks in Sleep",                         10, 0, 3, "LG pg 40", k6R, {},                      1, 89,  94,   1, 0, {}, {}},  // 533
    {"Roll twice on Table Lurcher's Guide 6Q",  0, 0, 3, "LG pg 32", k6R, {k6Q},                   2, 95, 100, 999, 2, {}, {}},  // 534

    // "LG Precious Metal Allergy Table": 7 entries, rolls 1-20.  Entries 535-541.
    {"Precious Metal Allergy: Gold",                5, 0, 3, "LG pg 35", kLgPreciousMetalAllergy, {}, 0,  1,  3, 1, 0, {},                             {541}},  // 535
    {"Precious Metal Allergy: Silver",              5, 0, 3, "LG pg 35", kLgPreciousMetalAllergy, {}, 0,  4,  6, 1, 0, {},                             {541}},  // 536
    {"Precious Metal Allergy: Copper",              5, 0, 3, "LG pg 35", kLgPreciousMetalAllergy, {}, 0,  7,  9, 1, 0, {},                             {541}},  // 537
    {"Precious Metal Allergy: Electrum",            5, 0, 3, "LG pg 35", kLgPreciousMetalAllergy, {}, 0, 10, 12, 1, 0, {},                             {541}},  // 538
    {"Precious Metal Allergy: Platinum",            5, 0, 3, "LG pg 35", kLgPreciousMetalAllergy, {}, 0, 13, 15, 1, 0, {},                             {541}},  // 539
    {"Precious Metal Allergy: Brass",               5, 0, 3, "LG pg 35", kLgPreciousMetalAllergy, {}, 0, 16, 18, 1, 0, {},                             {541}},  // 540
    {"Precious Metal Allergy: All Precious Metals", 8, 0, 3, "LG pg 35", kLgPreciousMetalAllergy, {}, 0, 19, 20, 1, 0, {535, 536, 537, 538, 539, 540}, {}},     // 541

    // "LG Suspicious Mannerism Table": 15 entries, rolls 2-16.  Entries 542-556.
    // A 2d8 table: one entry for each total from 2 to 16.
    {"Suspicious Mannerism: Glances at exits",                 4, 0, 3, "LG pg 36", kLgSuspiciousMannerism, {}, 0,  2,  2, 1, 0, {}, {}},  // 542
    {"Suspicious Mannerism: Fingers other people's purses",    4, 0, 3, "LG pg 36", kLgSuspiciousMannerism, {}, 0,  3,  3, 1, 0, {}, {}},  // 543
    {"Suspicious Mannerism: Whispers to no one",               4, 0, 3, "LG pg 36", kLgSuspiciousMannerism, {}, 0,  4,  4, 1, 0, {}, {}},  // 544
    {"Suspicious Mannerism: Never shows the palms",            4, 0, 3, "LG pg 36", kLgSuspiciousMannerism, {}, 0,  5,  5, 1, 0, {}, {}},  // 545
    {"Suspicious Mannerism: Laughs at the wrong moment",       4, 0, 3, "LG pg 36", kLgSuspiciousMannerism, {}, 0,  6,  6, 1, 0, {}, {}},  // 546
    {"Suspicious Mannerism: Keeps a hand near a hidden blade", 4, 0, 3, "LG pg 36", kLgSuspiciousMannerism, {}, 0,  7,  7, 1, 0, {}, {}},  // 547
    {"Suspicious Mannerism: Answers questions with questions", 4, 0, 3, "LG pg 36", kLgSuspiciousMannerism, {}, 0,  8,  8, 1, 0, {}, {}},  // 548
    {"Suspicious Mannerism: Wears gloves indoors",             4, 0, 3, "LG pg 36", kLgSuspiciousMannerism, {}, 0,  9,  9, 1, 0, {}, {}},  // 549
    {"Suspicious Mannerism: Walks without a sound",            4, 0, 3, "LG pg 36", kLgSuspiciousMannerism, {}, 0, 10, 10, 1, 0, {}, {}},  // 550
    {"Suspicious Mannerism: Avoids the city watch",            4, 0, 3, "LG pg 36", kLgSuspiciousMannerism, {}, 0, 11, 11, 1, 0, {}, {}},  // 551
    {"Suspicious Mannerism: Counts the guards aloud",          4, 0, 3, "LG pg 36", kLgSuspiciousMannerism, {}, 0, 12, 12, 1, 0, {}, {}},  // 552
    {"Suspicious Mannerism: Carries three different names",    4, 0, 3, "LG pg 36", kLgSuspiciousMannerism, {}, 0, 13, 13, 1, 0, {}, {}},  // 553
    {"Suspicious Mannerism: Smiles too much",                  4, 0, 3, "LG pg 36", kLgSuspiciousMannerism, {}, 0, 14, 14, 1, 0, {}, {}},  // 554
    {"Suspicious Mannerism: Checks over the shoulder",         4, 0, 3, "LG pg 36", kLgSuspiciousMannerism, {}, 0, 15, 15, 1, 0, {}, {}},  // 555
    {"Suspicious Mannerism: Never sits with back to a window", 4, 0, 3, "LG pg 36", kLgSuspiciousMannerism, {}, 0, 16, 16, 1, 0, {}, {}},  // 556

    // "LG Poor Impulse Control Table": 10 entries, rolls 1-20.  Entries 557-566.
    {"Poor Impulse Control: Grabs shiny things",       10, 0, 3, "LG pg 39", kLgPoorImpulseControl, {}, 1,  1,  2, 1, 0, {}, {}},  // 557
    {"Poor Impulse Control: Picks fights with guards", 10, 0, 3, "LG pg 39", kLgPoorImpulseControl, {}, 1,  3,  4, 1, 0, {}, {}},  // 558
    {"Poor Impulse Control: Bets on anything",         10, 0, 3, "LG pg 39", kLgPoorImpulseControl, {}, 1,  5,  6, 1, 0, {}, {}},  // 559
    {"Poor Impulse Control: Opens every box",          10, 0, 3, "LG pg 39", kLgPoorImpulseControl, {}, 1,  7,  8, 1, 0, {}, {}},  // 560
    {"Poor Impulse Control: Insults the powerful",     10, 0, 3, "LG pg 39", kLgPoorImpulseControl, {}, 1,  9, 10, 1, 0, {}, {}},  // 561
    {"Poor Impulse Control: Eats whatever is found",   10, 0, 3, "LG pg 39", kLgPoorImpulseControl, {}, 1, 11, 12, 1, 0, {}, {}},  // 562
    {"Poor Impulse Control: Pulls every lever",        10, 0, 3, "LG pg 39", kLgPoorImpulseControl, {}, 1, 13, 14, 1, 0, {}, {}},  // 563
    {"Poor Impulse Control: Tries on strangers' hats", 10, 0, 3, "LG pg 39", kLgPoorImpulseControl, {}, 1, 15, 16, 1, 0, {}, {}},  // 564
    {"Poor Impulse Control: Climbs anything tall",     10, 0, 3, "LG pg 39", kLgPoorImpulseControl, {}, 1, 17, 18, 1, 0, {}, {}},  // 565
    {"Poor Impulse Control: Follows every stranger",   10, 0, 3, "LG pg 39", kLgPoorImpulseControl, {}, 1, 19, 20, 1, 0, {}, {}},  // 566

    // "Votary's Guide 6A": 10 entries, rolls 1-100.  Entries 567-576.
    {"Roll on Table Votary's Guide 6O",                     0, 0, 4, "VG", kVg6A, {k6O},                   2,  1,  25, 999, 1, {}, {}},  // 567
    {"Roll on Table Votary's Guide 6P",                     0, 0, 4, "VG", kVg6A, {k6P},                   2, 26,  45, 999, 1, {}, {}},  // 568
    {"Roll on Table VG 6P",                                 0, 0, 4, "VG", kVg6A, {kVg6PFirstEntries},     2, 46,  52, 999, 1, {}, {}},  // 569
    {"Roll on Table VG Goiter SubTable",                    0, 0, 4, "VG", kVg6A, {kVgGoiter},             2, 53,  60, 999, 1, {}, {}},  // 570
    {"Roll on Table VG Unusual Convictions SubTable",       0, 0, 4, "VG", kVg6A, {kVgUnusualConvictions}, 2, 61,  70, 999, 1, {}, {}},  // 571
    {"Roll on Tables 6O and 6P",                            0, 0, 4, "VG", kVg6A, {"", k6O, k6P},          3, 71,  78, 999, 0, {}, {}},  // 572
    {"Roll twice on Table Votary's Guide 6O",               0, 0, 4, "VG", kVg6A, {k6O},                   2, 79,  85, 999, 2, {}, {}},  // 573
    {"Roll twice on Table Votary's Guide 6P",               0, 0, 4, "VG", kVg6A, {k6P},                   2, 86,  91, 999, 2, {}, {}},  // 574
    {"Roll twice on Table VG Unusual Convictions SubTable", 0, 0, 4, "VG", kVg6A, {kVgUnusualConvictions}, 2, 92,  96, 999, 2, {}, {}},  // 575
    {"Roll twice on Table VG 6P",                           0, 0, 4, "VG", kVg6A, {kVg6PFirstEntries},     2, 97, 100, 999, 2, {}, {}},  // 576

    // "Votary's Guide 6O": 8 entries, rolls 1-100.  Entries 577-584.
    {"Goiter: [type]",              4, 0, 4, "VG pg 51", k6O, {kVgGoiter},             2,  1,  12, 999, 1, {}, {}},  // 577
    {"Prays Aloud at Meals",        3, 0, 4, "VG pg 52", k6O, {},                      0, 13,  25,   1, 0, {}, {}},  // 578
    {"Fasts Too Often",             3, 0, 4, "VG pg 51", k6O, {},                      0, 26,  37,   1, 0, {}, {}},  // 579
    {"Quotes Scripture Constantly", 3, 0, 4, "VG pg 52", k6O, {},                      0, 38,  50,   1, 0, {}, {}},  // 580
    {"Distrusts Other Faiths",      4, 0, 4, "VG pg 51", k6O, {},                      0, 51,  62,   1, 0, {}, {}},  // 581
    {"Unusual Conviction: [type]",  5, 0, 4, "VG pg 53", k6O, {kVgUnusualConvictions}, 2, 63,  75, 999, 1, {}, {}},  // 582
    {"Incense Cough",               3, 0, 4, "VG pg 52", k6O, {},                      0, 76,  87,   1, 0, {}, {}},  // 583
    {"Roll on Tables 6O and 6P",    0, 0, 4, "VG pg 50", k6O, {"", k6O, k6P},          3, 88, 100, 999, 0, {}, {}},  // 584

    // "VG 6P": 2 entries, rolls 1-17.  Entries 585-586.
    // Table 6P of the Votary's Guide is kept under two names: its first two entries (1-17)
    // here, the rest (18-100) under "Votary's Guide 6P".
    {"Faith Shaken by a Vision", 10, 0, 4, "VG pg 54", kVg6PFirstEntries, {}, 1, 1,  8, 1, 0, {}, {}},  // 585
    {"Marked by the Divine",     12, 0, 4, "VG pg 55", kVg6PFirstEntries, {}, 1, 9, 17, 1, 0, {}, {}},  // 586

    // "Votary's Guide 6P": 10 entries, rolls 18-100.  Entries 587-596.
    {"Heretical Leanings",          12, 0, 4, "VG pg 55", k6P, {}, 1, 18,  25, 1, 0, {}, {}},  // 587
    {"Vow of Silence on Holy Days", 10, 0, 4, "VG pg 56", k6P, {}, 1, 26,  33, 1, 0, {}, {}},  // 588
    {"Zealot",                      12, 0, 4, "VG pg 56", k6P, {}, 1, 34,  41, 1, 0, {}, {}},  // 589
    {"Martyr Complex",              10, 0, 4, "VG pg 55", k6P, {}, 1, 42,  49, 1, 0, {}, {}},  // 590
    {"Haunted by a Lost Soul",      12, 0, 4, "VG pg 54", k6P, {}, 1, 50,  57, 1, 0, {}, {}},  // 591
    {"Excommunicated Kin",          10, 0, 4, "VG pg 54", k6P, {}, 1, 58,  65, 1, 0, {}, {}},  // 592
    {"Scourges Own Back",           12, 0, 4, "VG pg 56", k6P, {}, 1, 66,  73, 1, 0, {}, {}},  // 593
    {"Sees Omens Everywhere",       10, 0, 4, "VG pg 56", k6P, {}, 1, 74,  81, 1, 0, {}, {}},  // 594
    {"Sworn Foe of the Undead",     10, 0, 4, "VG pg 56", k6P, {}, 1, 82,  90, 1, 0, {}, {}},  // 595
    {"Bound by a Dying Oath",       12, 0, 4, "VG pg 54", k6P, {}, 1, 91, 100, 1, 0, {}, {}},  // 596

    // "VG Goiter SubTable": 2 entries, rolls 1-100.  Entries 597-598.
    {"Goiter: Small but Unsightly", 4, 0, 4, "VG pg 51", kVgGoiter, {}, 0,  1,  70, 1, 0, {},    {598}},  // 597
    {"Goiter: Large and Wheezing",  6, 0, 4, "VG pg 51", kVgGoiter, {}, 0, 71, 100, 1, 0, {597}, {}},     // 598

    // "VG Unusual Convictions SubTable": 20 entries, rolls 1-20.  Entries 599-618.
    {"Unusual Conviction: Will not harm any insect",              5, 0, 4, "VG pg 53", kVgUnusualConvictions, {}, 0,  1,  1, 1, 0, {}, {}},  // 599
    {"Unusual Conviction: Eats no meat on any day",               5, 0, 4, "VG pg 53", kVgUnusualConvictions, {}, 0,  2,  2, 1, 0, {}, {}},  // 600
    {"Unusual Conviction: Gives away every tenth coin",           5, 0, 4, "VG pg 53", kVgUnusualConvictions, {}, 0,  3,  3, 1, 0, {}, {}},  // 601
    {"Unusual Conviction: Will not sleep under a roof in summer", 5, 0, 4, "VG pg 53", kVgUnusualConvictions, {}, 0,  4,  4, 1, 0, {}, {}},  // 602
    {"Unusual Conviction: Never lies, even to enemies",           5, 0, 4, "VG pg 53", kVgUnusualConvictions, {}, 0,  5,  5, 1, 0, {}, {}},  // 603
    {"Unusual Conviction: Will not enter a tavern",               5, 0, 4, "VG pg 53", kVgUnusualConvictions, {}, 0,  6,  6, 1, 0, {}, {}},  // 604
    {"Unusual Conviction: Believes every river is holy",          5, 0, 4, "VG pg 53", kVgUnusualConvictions, {}, 0,  7,  7, 1, 0, {}, {}},  // 605
    {"Unusual Conviction: Refuses to wear dyed cloth",            5, 0, 4, "VG pg 53", kVgUnusualConvictions, {}, 0,  8,  8, 1, 0, {}, {}},  // 606
    {"Unusual Conviction: Will not fight on the holy day",        5, 0, 4, "VG pg 53", kVgUnusualConvictions, {}, 0,  9,  9, 1, 0, {}, {}},  // 607
    {"Unusual Conviction: Buries every corpse found",             5, 0, 4, "VG pg 53", kVgUnusualConvictions, {}, 0, 10, 10, 1, 0, {}, {}},  // 608
    {"Unusual Conviction: Never eats bread baked by others",      5, 0, 4, "VG pg 53", kVgUnusualConvictions, {}, 0, 11, 11, 1, 0, {}, {}},  // 609
    {"Unusual Conviction: Keeps silent from dusk to midnight",    5, 0, 4, "VG pg 53", kVgUnusualConvictions, {}, 0, 12, 12, 1, 0, {}, {}},  // 610
    {"Unusual Conviction: Will not ride a horse",                 5, 0, 4, "VG pg 53", kVgUnusualConvictions, {}, 0, 13, 13, 1, 0, {}, {}},  // 611
    {"Unusual Conviction: Forgives every debt at midwinter",      5, 0, 4, "VG pg 53", kVgUnusualConvictions, {}, 0, 14, 14, 1, 0, {}, {}},  // 612
    {"Unusual Conviction: Shaves the head at each new moon",      5, 0, 4, "VG pg 53", kVgUnusualConvictions, {}, 0, 15, 15, 1, 0, {}, {}},  // 613
    {"Unusual Conviction: Will not carry more than one weapon",   5, 0, 4, "VG pg 53", kVgUnusualConvictions, {}, 0, 16, 16, 1, 0, {}, {}},  // 614
    {"Unusual Conviction: Thanks each meal aloud to the harvest", 5, 0, 4, "VG pg 53", kVgUnusualConvictions, {}, 0, 17, 17, 1, 0, {}, {}},  // 615
    {"Unusual Conviction: Walks barefoot on sacred ground",       5, 0, 4, "VG pg 53", kVgUnusualConvictions, {}, 0, 18, 18, 1, 0, {}, {}},  // 616
    {"Unusual Conviction: Will not touch gold",                   5, 0, 4, "VG pg 53", kVgUnusualConvictions, {}, 0, 19, 19, 1, 0, {}, {}},  // 617
    {"Unusual Conviction: Answers every beggar's plea",           5, 0, 4, "VG pg 53", kVgUnusualConvictions, {}, 0, 20, 20, 1, 0, {}, {}},  // 618
};
// clang-format on

} // namespace

std::span<const QuirkFlawRow> QuirkRowsLurcherVotary() {
    return kRows;
}

} // namespace quirk_tables
