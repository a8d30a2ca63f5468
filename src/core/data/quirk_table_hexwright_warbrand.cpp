// Quirk and flaw table: the Hexwright's Guide tables (6J to 6L, book 1) and
// the Warbrand's Guide tables (6M, 6N, book 2), each with its sub-tables.
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

    // "Hexwright's Guide 6J": 7 entries, rolls 1-100.  Entries 307-313.
    {"Chalk-Dust Cough",          3, 0, 1, "HWG pg 41", k6J, {},                     0,  1,  14,   1, 0, {}, {}},  // 307
    {"Mutters Under Breath",      3, 0, 1, "HWG pg 42", k6J, {},                     0, 15,  28,   1, 0, {}, {}},  // 308
    {"Sloppy Penmanship: [type]", 4, 0, 1, "HWG pg 43", k6J, {kHwgSloppyPenmanship}, 2, 29,  42, 999, 1, {}, {}},  // 309
    {"Slurred Incantations",      4, 0, 1, "HWG pg 43", k6J, {},                     0, 43,  56,   1, 0, {}, {}},  // 310
    {"Sparking Fingertips",       4, 0, 1, "HWG pg 43", k6J, {},                     0, 57,  70,   1, 0, {}, {}},  // 311
    {"Smells of Sulfur",          3, 0, 1, "HWG pg 43", k6J, {},                     0, 71,  85,   1, 0, {}, {}},  // 312
    {"Roll on Tables 6J and 6K",  0, 0, 1, "HWG pg 40", k6J, {"", k6J, k6K},         3, 86, 100, 999, 0, {}, {}},  // 313

    // "HWG Sloppy Penmanship Table": 2 entries, rolls 1-6.  Entries 314-315.
    {"Sloppy Penmanship: Spellbook pages smudged", 4, 0, 1, "HWG pg 43", kHwgSloppyPenmanship, {}, 0, 1, 3, 1, 0, {}, {}},  // 314
    {"Sloppy Penmanship: Scrolls barely legible",  4, 0, 1, "HWG pg 43", kHwgSloppyPenmanship, {}, 0, 4, 6, 1, 0, {}, {}},  // 315

    // "Hexwright's Guide 6K": 7 entries, rolls 1-100.  Entries 316-322.
    {"Aura of Static",               4, 0, 1, "HWG pg 44", k6K, {},                        0,  1,  14,   1, 0, {}, {}},  // 316
    {"Disliked by Familiars",        5, 0, 1, "HWG pg 44", k6K, {},                        0, 15,  28,   1, 0, {}, {}},  // 317
    {"Magical Allergy: [type]",      6, 0, 1, "HWG pg 45", k6K, {kHwgMagicalAllergy},      2, 29,  42, 999, 1, {}, {}},  // 318
    {"Nose Bleeds When Casting",     4, 0, 1, "HWG pg 45", k6K, {},                        0, 43,  56,   1, 0, {}, {}},  // 319
    {"Superstitious Caster: [type]", 4, 0, 1, "HWG pg 46", k6K, {kHwgSuperstitiousCaster}, 2, 57,  70, 999, 1, {}, {}},  // 320
    {"Sleeps Poorly After Casting",  3, 0, 1, "HWG pg 46", k6K, {},                        0, 71,  85,   1, 0, {}, {}},  // 321
    {"Roll on Tables 6K and 6L",     0, 0, 1, "HWG pg 40", k6K, {"", k6K, k6L},            3, 86, 100, 999, 0, {}, {}},  // 322

    // "Hexwright's Guide 6L": 6 entries, rolls 1-100.  Entries 323-328.
    {"College Rivalry: [type]",       10, 0, 1, "HWG pg 47", k6L, {kHwgCollegeRivalry}, 2,  1,  20, 999, 1, {}, {}},  // 323
    {"Spell Fumbler",                 12, 0, 1, "HWG pg 48", k6L, {},                   1, 21,  40,   1, 0, {}, {}},  // 324
    {"Drained by Casting",            12, 0, 1, "HWG pg 47", k6L, {},                   1, 41,  55,   1, 0, {}, {}},  // 325
    {"Haunted by a Failed Summoning", 14, 0, 1, "HWG pg 47", k6L, {},                   1, 56,  70,   1, 0, {}, {}},  // 326
    {"Wild Magic Surges",             15, 0, 1, "HWG pg 48", k6L, {},                   1, 71,  85,   1, 0, {}, {}},  // 327
    {"Roll on Tables 6J, 6K and 6L",   0, 0, 1, "HWG pg 40", k6L, {"", k6J, k6K, k6L},  3, 86, 100, 999, 0, {}, {}},  // 328

    // "HWG Magical Allergy Table": 14 entries, rolls 1-100.  Entries 329-342.
    {"Magical Allergy: Bat guano",       6, 0, 1, "HWG pg 45", kHwgMagicalAllergy, {}, 0,  1,   7, 1, 0, {}, {}},  // 329
    {"Magical Allergy: Sulfur",          6, 0, 1, "HWG pg 45", kHwgMagicalAllergy, {}, 0,  8,  14, 1, 0, {}, {}},  // 330
    {"Magical Allergy: Iron filings",    6, 0, 1, "HWG pg 45", kHwgMagicalAllergy, {}, 0, 15,  21, 1, 0, {}, {}},  // 331
    {"Magical Allergy: Powdered silver", 6, 0, 1, "HWG pg 45", kHwgMagicalAllergy, {}, 0, 22,  28, 1, 0, {}, {}},  // 332
    {"Magical Allergy: Quicksilver",     6, 0, 1, "HWG pg 45", kHwgMagicalAllergy, {}, 0, 29,  35, 1, 0, {}, {}},  // 333
    {"Magical Allergy: Amber",           6, 0, 1, "HWG pg 45", kHwgMagicalAllergy, {}, 0, 36,  42, 1, 0, {}, {}},  // 334
    {"Magical Allergy: Holly berries",   6, 0, 1, "HWG pg 45", kHwgMagicalAllergy, {}, 0, 43,  49, 1, 0, {}, {}},  // 335
    {"Magical Allergy: Rose petals",     6, 0, 1, "HWG pg 45", kHwgMagicalAllergy, {}, 0, 50,  56, 1, 0, {}, {}},  // 336
    {"Magical Allergy: Feathers",        6, 0, 1, "HWG pg 45", kHwgMagicalAllergy, {}, 0, 57,  63, 1, 0, {}, {}},  // 337
    {"Magical Allergy: Sea salt",        6, 0, 1, "HWG pg 45", kHwgMagicalAllergy, {}, 0, 64,  70, 1, 0, {}, {}},  // 338
    {"Magical Allergy: Candle wax",      6, 0, 1, "HWG pg 45", kHwgMagicalAllergy, {}, 0, 71,  80, 1, 0, {}, {}},  // 339
    {"Magical Allergy: Chalk",           6, 0, 1, "HWG pg 45", kHwgMagicalAllergy, {}, 0, 81,  88, 1, 0, {}, {}},  // 340
    {"Magical Allergy: Incense",         6, 0, 1, "HWG pg 45", kHwgMagicalAllergy, {}, 0, 89,  94, 1, 0, {}, {}},  // 341
    {"Magical Allergy: Spider silk",     6, 0, 1, "HWG pg 45", kHwgMagicalAllergy, {}, 0, 95, 100, 1, 0, {}, {}},  // 342

    // "HWG College Rivalry Table": 8 entries, rolls 1-8.  Entries 343-350.
    {"College Rivalry: Abjurers",     10, 0, 1, "HWG pg 47", kHwgCollegeRivalry, {}, 1, 1, 1, 1, 0, {}, {}},  // 343
    {"College Rivalry: Conjurers",    10, 0, 1, "HWG pg 47", kHwgCollegeRivalry, {}, 1, 2, 2, 1, 0, {}, {}},  // 344
    {"College Rivalry: Diviners",     10, 0, 1, "HWG pg 47", kHwgCollegeRivalry, {}, 1, 3, 3, 1, 0, {}, {}},  // 345
    {"College Rivalry: Enchanters",   10, 0, 1, "HWG pg 47", kHwgCollegeRivalry, {}, 1, 4, 4, 1, 0, {}, {}},  // 346
    {"College Rivalry: Illusionists", 10, 0, 1, "HWG pg 47", kHwgCollegeRivalry, {}, 1, 5, 5, 1, 0, {}, {}},  // 347
    {"College Rivalry: Invokers",     10, 0, 1, "HWG pg 47", kHwgCollegeRivalry, {}, 1, 6, 6, 1, 0, {}, {}},  // 348
    {"College Rivalry: Necromancers", 10, 0, 1, "HWG pg 47", kHwgCollegeRivalry, {}, 1, 7, 7, 1, 0, {}, {}},  // 349
    {"College Rivalry: Transmuters",  10, 0, 1, "HWG pg 47", kHwgCollegeRivalry, {}, 1, 8, 8, 1, 0, {}, {}},  // 350

    // "HWG Superstitious Caster Table": 10 entries, rolls 1-10.  Entries 351-360.
    {"Superstitious Caster: Never casts under a new moon",                 4, 0, 1, "HWG pg 46", kHwgSuperstitiousCaster, {}, 0,  1,  1, 1, 0, {}, {}},  // 351
    {"Superstitious Caster: Must touch the spellbook before casting",      4, 0, 1, "HWG pg 46", kHwgSuperstitiousCaster, {}, 0,  2,  2, 1, 0, {}, {}},  // 352
    {"Superstitious Caster: Will not memorize spells on an empty stomach", 4, 0, 1, "HWG pg 46", kHwgSuperstitiousCaster, {}, 0,  3,  3, 1, 0, {}, {}},  // 353
    {"Superstitious Caster: Casts only while standing",                    4, 0, 1, "HWG pg 46", kHwgSuperstitiousCaster, {}, 0,  4,  4, 1, 0, {}, {}},  // 354
    {"Superstitious Caster: Refuses to cast facing west",                  4, 0, 1, "HWG pg 46", kHwgSuperstitiousCaster, {}, 0,  5,  5, 1, 0, {}, {}},  // 355
    {"Superstitious Caster: Keeps a lucky component that is never used",   4, 0, 1, "HWG pg 46", kHwgSuperstitiousCaster, {}, 0,  6,  6, 1, 0, {}, {}},  // 356
    {"Superstitious Caster: Never lends a spellbook",                      4, 0, 1, "HWG pg 46", kHwgSuperstitiousCaster, {}, 0,  7,  7, 1, 0, {}, {}},  // 357
    {"Superstitious Caster: Will not cast within sight of a grave",        4, 0, 1, "HWG pg 46", kHwgSuperstitiousCaster, {}, 0,  8,  8, 1, 0, {}, {}},  // 358
    {"Superstitious Caster: Recites the alphabet backward before study",   4, 0, 1, "HWG pg 46", kHwgSuperstitiousCaster, {}, 0,  9,  9, 1, 0, {}, {}},  // 359
    {"Superstitious Caster: Must wear the same hat to cast",               4, 0, 1, "HWG pg 46", kHwgSuperstitiousCaster, {}, 0, 10, 10, 1, 0, {}, {}},  // 360

    // "Warbrand's Guide 6M": 8 entries, rolls 1-100.  Entries 361-368.
    {"Armor Prejudice: [type]",      4, 0, 2, "WG pg 62", k6M, {kWgArmorPrejudice},            2,  1,  12, 999, 1, {}, {}},  // 361
    {"Boastful of Scars",            3, 0, 2, "WG pg 62", k6M, {},                             0, 13,  25,   1, 0, {}, {}},  // 362
    {"Drills at Dawn, Every Dawn",   3, 0, 2, "WG pg 63", k6M, {},                             0, 26,  37,   1, 0, {}, {}},  // 363
    {"War Cry Habit",                3, 0, 2, "WG pg 64", k6M, {},                             0, 38,  50,   1, 0, {}, {}},  // 364
    {"Polishes Weapons Obsessively", 3, 0, 2, "WG pg 63", k6M, {},                             0, 51,  62,   1, 0, {}, {}},  // 365
    {"Weapon Prejudice: [type]",     5, 0, 2, "WG pg 64", k6M, {kWgWeaponPrejudiceMajorMinor}, 2, 63,  75, 999, 1, {}, {}},  // 366
    {"Sleeps in Armor",              3, 0, 2, "WG pg 63", k6M, {},                             0, 76,  87,   1, 0, {}, {}},  // 367
    {"Roll on Tables 6M and 6N",     0, 0, 2, "WG pg 61", k6M, {"", k6M, k6N},                 3, 88, 100, 999, 0, {}, {}},  // 368

    // "Warbrand's Guide 6N": 11 entries, rolls 1-100.  Entries 369-379.
    {"Berserk Rage",                           12, 0, 2, "WG pg 65", k6N, {},                1,  1,   9,   1, 0, {}, {}},  // 369
    {"Blood Oath of Vengeance",                10, 0, 2, "WG pg 65", k6N, {},                1, 10,  18,   1, 0, {}, {}},  // 370
    {"Cannot Retreat",                         12, 0, 2, "WG pg 65", k6N, {},                1, 19,  27,   1, 0, {}, {}},  // 371
    {"Old War Wound",                          10, 0, 2, "WG pg 66", k6N, {},                1, 28,  36,   1, 0, {}, {}},  // 372
    {"Haunted by the Battlefield",             10, 0, 2, "WG pg 66", k6N, {},                1, 37,  45,   1, 0, {}, {}},  // 373
    {"Weapon Phobia: [type]",                  12, 0, 2, "WG pg 67", k6N, {kWgWeaponPhobia}, 2, 46,  54, 999, 1, {}, {}},  // 374
    {"Glory Seeker",                           10, 0, 2, "WG pg 66", k6N, {},                1, 55,  63,   1, 0, {}, {}},  // 375
    {"Code of the Duel",                       10, 0, 2, "WG pg 65", k6N, {},                1, 64,  72,   1, 0, {}, {}},  // 376
    {"Trusts No Shield-Mate",                  10, 0, 2, "WG pg 67", k6N, {},                1, 73,  81,   1, 0, {}, {}},  // 377
    {"Hears the War Drums",                    10, 0, 2, "WG pg 66", k6N, {},                1, 82,  90,   1, 0, {}, {}},  // 378
    {"Roll on Table 6M and again on Table 6N",  0, 0, 2, "WG pg 61", k6N, {"", k6M, k6N},    3, 91, 100, 999, 0, {}, {}},  // 379

    // "WG Armor Prejudice": 18 entries, rolls 1-100.  Entries 380-397.
    {"Armor Prejudice: Padded",          4, 0, 2, "WG pg 62", kWgArmorPrejudice, {}, 0,  1,   5, 1, 0, {}, {}},  // 380
    {"Armor Prejudice: Leather",         4, 0, 2, "WG pg 62", kWgArmorPrejudice, {}, 0,  6,  10, 1, 0, {}, {}},  // 381
    {"Armor Prejudice: Studded Leather", 4, 0, 2, "WG pg 62", kWgArmorPrejudice, {}, 0, 11,  15, 1, 0, {}, {}},  // 382
    {"Armor Prejudice: Hide",            4, 0, 2, "WG pg 62", kWgArmorPrejudice, {}, 0, 16,  20, 1, 0, {}, {}},  // 383
    {"Armor Prejudice: Ring Mail",       4, 0, 2, "WG pg 62", kWgArmorPrejudice, {}, 0, 21,  25, 1, 0, {}, {}},  // 384
    {"Armor Prejudice: Scale Mail",      4, 0, 2, "WG pg 62", kWgArmorPrejudice, {}, 0, 26,  30, 1, 0, {}, {}},  // 385
    {"Armor Prejudice: Chain Mail",      4, 0, 2, "WG pg 62", kWgArmorPrejudice, {}, 0, 31,  35, 1, 0, {}, {}},  // 386
    {"Armor Prejudice: Elven Chain",     4, 0, 2, "WG pg 62", kWgArmorPrejudice, {}, 0, 36,  40, 1, 0, {}, {}},  // 387
    {"Armor Prejudice: Splint Mail",     4, 0, 2, "WG pg 62", kWgArmorPrejudice, {}, 0, 41,  45, 1, 0, {}, {}},  // 388
    {"Armor Prejudice: Banded Mail",     4, 0, 2, "WG pg 62", kWgArmorPrejudice, {}, 0, 46,  50, 1, 0, {}, {}},  // 389
    {"Armor Prejudice: Brigandine",      4, 0, 2, "WG pg 62", kWgArmorPrejudice, {}, 0, 51,  55, 1, 0, {}, {}},  // 390
    {"Armor Prejudice: Bronze Plate",    4, 0, 2, "WG pg 62", kWgArmorPrejudice, {}, 0, 56,  60, 1, 0, {}, {}},  // 391
    {"Armor Prejudice: Plate Mail",      4, 0, 2, "WG pg 62", kWgArmorPrejudice, {}, 0, 61,  65, 1, 0, {}, {}},  // 392
    {"Armor Prejudice: Field Plate",     4, 0, 2, "WG pg 62", kWgArmorPrejudice, {}, 0, 66,  70, 1, 0, {}, {}},  // 393
    {"Armor Prejudice: Full Plate",      4, 0, 2, "WG pg 62", kWgArmorPrejudice, {}, 0, 71,  75, 1, 0, {}, {}},  // 394
    {"Armor Prejudice: Shields",         4, 0, 2, "WG pg 62", kWgArmorPrejudice, {}, 0, 76,  80, 1, 0, {}, {}},  // 395
    {"Armor Prejudice: Helmets",         4, 0, 2, "WG pg 62", kWgArmorPrejudice, {}, 0, 81,  90, 1, 0, {}, {}},  // 396
    {"Armor Prejudice: All Metal Armor", 4, 0, 2, "WG pg 62", kWgArmorPrejudice, {}, 0, 91, 100, 1, 0, {}, {}},  // 397

    // "WG Weapon Phobia": 27 entries, rolls 1-100.  Entries 398-424.
    {"Weapon Phobia: Axes",              12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1,  1,   4, 1, 0, {}, {}},  // 398
    {"Weapon Phobia: Blowguns",          12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1,  5,   8, 1, 0, {}, {}},  // 399
    {"Weapon Phobia: Bolas",             12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1,  9,  12, 1, 0, {}, {}},  // 400
    {"Weapon Phobia: Bows",              12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 13,  16, 1, 0, {}, {}},  // 401
    {"Weapon Phobia: Clubs",             12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 17,  20, 1, 0, {}, {}},  // 402
    {"Weapon Phobia: Crossbows",         12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 21,  24, 1, 0, {}, {}},  // 403
    {"Weapon Phobia: Daggers",           12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 25,  28, 1, 0, {}, {}},  // 404
    {"Weapon Phobia: Darts",             12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 29,  32, 1, 0, {}, {}},  // 405
    {"Weapon Phobia: Flails",            12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 33,  36, 1, 0, {}, {}},  // 406
    {"Weapon Phobia: Halberds",          12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 37,  40, 1, 0, {}, {}},  // 407
    {"Weapon Phobia: Hammers",           12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 41,  44, 1, 0, {}, {}},  // 408
    {"Weapon Phobia: Javelins",          12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 45,  48, 1, 0, {}, {}},  // 409
    {"Weapon Phobia: Lances",            12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 49,  52, 1, 0, {}, {}},  // 410
    {"Weapon Phobia: Maces",             12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 53,  56, 1, 0, {}, {}},  // 411
    {"Weapon Phobia: Morning Stars",     12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 57,  60, 1, 0, {}, {}},  // 412
    {"Weapon Phobia: Nets",              12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 61,  64, 1, 0, {}, {}},  // 413
    {"Weapon Phobia: Picks",             12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 65,  68, 1, 0, {}, {}},  // 414
    {"Weapon Phobia: Polearms",          12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 69,  72, 1, 0, {}, {}},  // 415
    {"Weapon Phobia: Quarterstaves",     12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 73,  76, 1, 0, {}, {}},  // 416
    {"Weapon Phobia: Scimitars",         12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 77,  79, 1, 0, {}, {}},  // 417
    {"Weapon Phobia: Scythes",           12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 80,  82, 1, 0, {}, {}},  // 418
    {"Weapon Phobia: Slings",            12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 83,  85, 1, 0, {}, {}},  // 419
    {"Weapon Phobia: Spears",            12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 86,  88, 1, 0, {}, {}},  // 420
    {"Weapon Phobia: Swords",            12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 89,  91, 1, 0, {}, {}},  // 421
    {"Weapon Phobia: Tridents",          12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 92,  94, 1, 0, {}, {}},  // 422
    {"Weapon Phobia: Two-Handed Swords", 12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 95,  97, 1, 0, {}, {}},  // 423
    {"Weapon Phobia: Whips",             12, 0, 2, "WG pg 67", kWgWeaponPhobia, {}, 1, 98, 100, 1, 0, {}, {}},  // 424

    // "WG Weapon Prejudice Major": 26 entries, rolls 1-100.  Entries 425-450.
    {"Weapon Prejudice (major): Axes",              8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1,  1,   4, 1, 0, {}, {}},  // 425
    {"Weapon Prejudice (major): Blowguns",          8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1,  5,   8, 1, 0, {}, {}},  // 426
    {"Weapon Prejudice (major): Bolas",             8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1,  9,  12, 1, 0, {}, {}},  // 427
    {"Weapon Prejudice (major): Bows",              8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 13,  16, 1, 0, {}, {}},  // 428
    {"Weapon Prejudice (major): Clubs",             8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 17,  20, 1, 0, {}, {}},  // 429
    {"Weapon Prejudice (major): Crossbows",         8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 21,  24, 1, 0, {}, {}},  // 430
    {"Weapon Prejudice (major): Daggers",           8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 25,  28, 1, 0, {}, {}},  // 431
    {"Weapon Prejudice (major): Darts",             8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 29,  32, 1, 0, {}, {}},  // 432
    {"Weapon Prejudice (major): Flails",            8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 33,  36, 1, 0, {}, {}},  // 433
    {"Weapon Prejudice (major): Halberds",          8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 37,  40, 1, 0, {}, {}},  // 434
    {"Weapon Prejudice (major): Hammers",           8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 41,  44, 1, 0, {}, {}},  // 435
    {"Weapon Prejudice (major): Javelins",          8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 45,  48, 1, 0, {}, {}},  // 436
    {"Weapon Prejudice (major): Lances",            8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 49,  52, 1, 0, {}, {}},  // 437
    {"Weapon Prejudice (major): Maces",             8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 53,  56, 1, 0, {}, {}},  // 438
    {"Weapon Prejudice (major): Morning Stars",     8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 57,  60, 1, 0, {}, {}},  // 439
    {"Weapon Prejudice (major): Picks",             8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 61,  64, 1, 0, {}, {}},  // 440
    {"Weapon Prejudice (major): Polearms",          8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 65,  68, 1, 0, {}, {}},  // 441
    {"Weapon Prejudice (major): Quarterstaves",     8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 69,  72, 1, 0, {}, {}},  // 442
    {"Weapon Prejudice (major): Scimitars",         8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 73,  76, 1, 0, {}, {}},  // 443
    {"Weapon Prejudice (major): Scythes",           8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 77,  80, 1, 0, {}, {}},  // 444
    {"Weapon Prejudice (major): Slings",            8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 81,  84, 1, 0, {}, {}},  // 445
    {"Weapon Prejudice (major): Spears",            8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 85,  88, 1, 0, {}, {}},  // 446
    {"Weapon Prejudice (major): Swords",            8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 89,  91, 1, 0, {}, {}},  // 447
    {"Weapon Prejudice (major): Tridents",          8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 92,  94, 1, 0, {}, {}},  // 448
    {"Weapon Prejudice (major): Two-Handed Swords", 8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 95,  97, 1, 0, {}, {}},  // 449
    {"Weapon Prejudice (major): Whips",             8, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajor, {}, 1, 98, 100, 1, 0, {}, {}},  // 450

    // "WG Weapon Prejudice Minor": 3 entries, rolls 1-3.  Entries 451-453.
    {"Weapon Prejudice (minor): Missile weapons", 4, 0, 2, "WG pg 64", kWgWeaponPrejudiceMinor, {}, 0, 1, 1, 1, 0, {}, {}},  // 451
    {"Weapon Prejudice (minor): Blunt weapons",   4, 0, 2, "WG pg 64", kWgWeaponPrejudiceMinor, {}, 0, 2, 2, 1, 0, {}, {}},  // 452
    {"Weapon Prejudice (minor): Edged weapons",   4, 0, 2, "WG pg 64", kWgWeaponPrejudiceMinor, {}, 0, 3, 3, 1, 0, {}, {}},  // 453

    // "WG Weapon Prejudice Major/Minor": 2 entries, rolls 1-2.  Entries 454-455.
    {"Roll on Table WG Weapon Prejudice Major", 0, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajorMinor, {kWgWeaponPrejudiceMajor}, 2, 1, 1, 999, 1, {}, {}},  // 454
    {"Roll on Table WG Weapon Prejudice Minor", 0, 0, 2, "WG pg 64", kWgWeaponPrejudiceMajorMinor, {kWgWeaponPrejudiceMinor}, 2, 2, 2, 999, 1, {}, {}},  // 455

    // "WG": 2 entries, chosen only (no range).  Entries 456-457.
    {"Sworn to a Fallen Captain's Banner", 10, 0, 2, "WG pg 71", kWg, {}, 1, 0, 0, 1, 0, {}, {}},  // 456
    {"Refuses to Fight Before Breakfast",   3, 0, 2, "WG pg 71", kWg, {}, 0, 0, 0, 1, 0, {}, {}},  // 457
};
// clang-format on

} // namespace

std::span<const QuirkFlawRow> QuirkRowsHexwrightWarbrand() {
    return kRows;
}

} // namespace quirk_tables
