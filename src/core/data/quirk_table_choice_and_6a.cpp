// Quirk and flaw table: the entries from the magazine and the modules, which are
// only ever chosen, and the four 6A tables that start every roll and send it on to a table of
// their own book.
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

    // "TWK": 1 entry, chosen only (no range).  Entry 458.
    {"Cursed by the Keep's Ghost", 8, 0, 11, "TWK pg 14", kTwk, {}, 1, 0, 0, 1, 0, {}, {}},  // 458

    // "HX9": 1 entry, chosen only (no range).  Entry 459.
    {"Giant-Touched Dreams", 5, 0, 12, "HX9 pg 22", kHx9, {}, 0, 0, 0, 1, 0, {}, {}},  // 459

    // "Tavernfolk 64": 11 entries, chosen only (no range).  Entries 460-470.
    {"Brawls at the Slightest Insult",        5, 0,  2, "TF 64 pg 31", kTavernfolk64, {}, 0, 0, 0, 1, 0, {}, {}},  // 460
    {"Drinks Before Every Battle",            8, 0,  2, "TF 64 pg 31", kTavernfolk64, {}, 1, 0, 0, 1, 0, {}, {}},  // 461
    {"Collects Trophies from Fallen Foes",    3, 0,  2, "TF 64 pg 32", kTavernfolk64, {}, 0, 0, 0, 1, 0, {}, {}},  // 462
    {"Sings War Songs off Key",               3, 0,  2, "TF 64 pg 32", kTavernfolk64, {}, 0, 0, 0, 1, 0, {}, {}},  // 463
    {"Cannot Hold Liquor",                    4, 0, 10, "TF 64 pg 33", kTavernfolk64, {}, 0, 0, 0, 1, 0, {}, {}},  // 464
    {"Card Cheat",                            5, 0, 10, "TF 64 pg 33", kTavernfolk64, {}, 0, 0, 0, 1, 0, {}, {}},  // 465
    {"Incurable Gossip",                      4, 0, 10, "TF 64 pg 33", kTavernfolk64, {}, 0, 0, 0, 1, 0, {}, {}},  // 466
    {"Owes Every Innkeeper in Town",          8, 0, 10, "TF 64 pg 34", kTavernfolk64, {}, 1, 0, 0, 1, 0, {}, {}},  // 467
    {"Snores Like Thunder",                   3, 0, 10, "TF 64 pg 34", kTavernfolk64, {}, 0, 0, 0, 1, 0, {}, {}},  // 468
    {"Orders the Strongest Ale in the House", 3, 0, 10, "TF 64 pg 34", kTavernfolk64, {}, 0, 0, 0, 1, 0, {}, {}},  // 469
    {"Sweet Tooth",                           3, 0, 10, "TF 64 pg 34", kTavernfolk64, {}, 0, 0, 0, 1, 0, {}, {}},  // 470

    // "Player's Handbook 6A": 8 entries, rolls 1-100.  Entries 471-478.
    {"Roll on Table Player's Handbook 6B: Flaws, Minor (Physical)",     0, 0, 0, "PHB", kPhb6A, {k6B}, 2,  1,  14, 999, 1, {}, {}},  // 471
    {"Roll on Table Player's Handbook 6C: Flaws, Minor (Physical)",     0, 0, 0, "PHB", kPhb6A, {k6C}, 2, 15,  27, 999, 1, {}, {}},  // 472
    {"Roll on Table Player's Handbook 6D: Flaws, Minor (Physical)",     0, 0, 0, "PHB", kPhb6A, {k6D}, 2, 28,  38, 999, 1, {}, {}},  // 473
    {"Roll on Table Player's Handbook 6E: Flaws, Major (Physical)",     0, 0, 0, "PHB", kPhb6A, {k6E}, 2, 39,  50, 999, 1, {}, {}},  // 474
    {"Roll on Table Player's Handbook 6F: Quirks, Minor (Mental)",      0, 0, 0, "PHB", kPhb6A, {k6F}, 2, 51,  66, 999, 1, {}, {}},  // 475
    {"Roll on Table Player's Handbook 6G: Quirks, Major (Mental)",      0, 0, 0, "PHB", kPhb6A, {k6G}, 2, 67,  76, 999, 1, {}, {}},  // 476
    {"Roll on Table Player's Handbook 6H: Quirks, Minor (Personality)", 0, 0, 0, "PHB", kPhb6A, {k6H}, 2, 77,  92, 999, 1, {}, {}},  // 477
    {"Roll on Table Player's Handbook 6I: Quirks, Major (Personality)", 0, 0, 0, "PHB", kPhb6A, {k6I}, 2, 93, 100, 999, 1, {}, {}},  // 478

    // "Hexwright's Guide 6A": 11 entries, rolls 1-100.  Entries 479-489.
    {"Roll on Table Hexwright's Guide 6J",           0, 0, 1, "HWG", kHwg6A, {k6J},                     2,  1,  16, 999, 1, {}, {}},  // 479
    {"Roll on Table Hexwright's Guide 6K",           0, 0, 1, "HWG", kHwg6A, {k6K},                     2, 17,  32, 999, 1, {}, {}},  // 480
    {"Roll on Table Hexwright's Guide 6L",           0, 0, 1, "HWG", kHwg6A, {k6L},                     2, 33,  44, 999, 1, {}, {}},  // 481
    {"Roll on Table HWG Magical Allergy Table",      0, 0, 1, "HWG", kHwg6A, {kHwgMagicalAllergy},      2, 45,  52, 999, 1, {}, {}},  // 482
    {"Roll on Table HWG Superstitious Caster Table", 0, 0, 1, "HWG", kHwg6A, {kHwgSuperstitiousCaster}, 2, 53,  60, 999, 1, {}, {}},  // 483
    {"Roll on Table HWG College Rivalry Table",      0, 0, 1, "HWG", kHwg6A, {kHwgCollegeRivalry},      2, 61,  66, 999, 1, {}, {}},  // 484
    {"Roll on Table HWG Sloppy Penmanship Table",    0, 0, 1, "HWG", kHwg6A, {kHwgSloppyPenmanship},    2, 67,  72, 999, 1, {}, {}},  // 485
    {"Roll on Tables 6J and 6K",                     0, 0, 1, "HWG", kHwg6A, {"", k6J, k6K},            3, 73,  80, 999, 0, {}, {}},  // 486
    {"Roll on Tables 6J and 6L",                     0, 0, 1, "HWG", kHwg6A, {"", k6J, k6L},            3, 81,  88, 999, 0, {}, {}},  // 487
    {"Roll on Tables 6K and 6L",                     0, 0, 1, "HWG", kHwg6A, {"", k6K, k6L},            3, 89,  95, 999, 0, {}, {}},  // 488
    {"Roll on Tables 6J, 6K and 6L",                 0, 0, 1, "HWG", kHwg6A, {"", k6J, k6K, k6L},       3, 96, 100, 999, 0, {}, {}},  // 489

    // "Warbrand's Guide 6A": 10 entries, rolls 1-100.  Entries 490-499.
    {"Roll on Table Warbrand's Guide 6M",             0, 0, 2, "WG", kWg6A, {k6M},                          2,  1,  25, 999, 1, {}, {}},  // 490
    {"Roll on Table Warbrand's Guide 6N",             0, 0, 2, "WG", kWg6A, {k6N},                          2, 26,  45, 999, 1, {}, {}},  // 491
    {"Roll on Table WG Armor Prejudice",              0, 0, 2, "WG", kWg6A, {kWgArmorPrejudice},            2, 46,  55, 999, 1, {}, {}},  // 492
    {"Roll on Table WG Weapon Phobia",                0, 0, 2, "WG", kWg6A, {kWgWeaponPhobia},              2, 56,  65, 999, 1, {}, {}},  // 493
    {"Roll on Table WG Weapon Prejudice Major/Minor", 0, 0, 2, "WG", kWg6A, {kWgWeaponPrejudiceMajorMinor}, 2, 66,  75, 999, 1, {}, {}},  // 494
    {"Roll on Tables 6M and 6N",                      0, 0, 2, "WG", kWg6A, {"", k6M, k6N},                 3, 76,  82, 999, 0, {}, {}},  // 495
    {"Roll twice on Table Warbrand's Guide 6M",       0, 0, 2, "WG", kWg6A, {k6M},                          2, 83,  88, 999, 2, {}, {}},  // 496
    {"Roll twice on Table Warbrand's Guide 6N",       0, 0, 2, "WG", kWg6A, {k6N},                          2, 89,  93, 999, 2, {}, {}},  // 497
    {"Roll twice on Table WG Armor Prejudice",        0, 0, 2, "WG", kWg6A, {kWgArmorPrejudice},            2, 94,  97, 999, 2, {}, {}},  // 498
    {"Roll twice on Table WG Weapon Phobia",          0, 0, 2, "WG", kWg6A, {kWgWeaponPhobia},              2, 98, 100, 999, 2, {}, {}},  // 499

    // "Lurcher's Guide 6A": 10 entries, rolls 1-100.  Entries 500-509.
    {"Roll on Table Lurcher's Guide 6Q",                  0, 0, 3, "LG", kLg6A, {k6Q},                     2,  1,  25, 999, 1, {}, {}},  // 500
    {"Roll on Table Lurcher's Guide 6R",                  0, 0, 3, "LG", kLg6A, {k6R},                     2, 26,  45, 999, 1, {}, {}},  // 501
    {"Roll on Table LG Precious Metal Allergy Table",     0, 0, 3, "LG", kLg6A, {kLgPreciousMetalAllergy}, 2, 46,  55, 999, 1, {}, {}},  // 502
    {"Roll on Table LG Suspicious Mannerism Table",       0, 0, 3, "LG", kLg6A, {kLgSuspiciousMannerism},  2, 56,  65, 999, 1, {}, {}},  // 503
    {"Roll on Table LG Poor Impulse Control Table",       0, 0, 3, "LG", kLg6A, {kLgPoorImpulseControl},   2, 66,  75, 999, 1, {}, {}},  // 504
    {"Roll on Tables 6Q and 6R",                          0, 0, 3, "LG", kLg6A, {"", k6Q, k6R},            3, 76,  82, 999, 0, {}, {}},  // 505
    {"Roll twice on Table Lurcher's Guide 6Q",            0, 0, 3, "LG", kLg6A, {k6Q},                     2, 83,  88, 999, 2, {}, {}},  // 506
    {"Roll twice on Table Lurcher's Guide 6R",            0, 0, 3, "LG", kLg6A, {k6R},                     2, 89,  93, 999, 2, {}, {}},  // 507
    {"Roll twice on Table LG Suspicious Mannerism Table", 0, 0, 3, "LG", kLg6A, {kLgSuspiciousMannerism},  2, 94,  97, 999, 2, {}, {}},  // 508
    {"Roll twice on Table LG Poor Impulse Control Table", 0, 0, 3, "LG", kLg6A, {kLgPoorImpulseControl},   2, 98, 100, 999, 2, {}, {}},  // 509
};
// clang-format on

} // namespace

std::span<const QuirkFlawRow> QuirkRowsChoiceOnlyAnd6A() {
    return kRows;
}

} // namespace quirk_tables
