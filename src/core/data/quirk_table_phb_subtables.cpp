// Quirk and flaw table: the Player's Handbook sub-tables, which complete or
// extend entries of 6B to 6I.
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

    // "PHB Animal Antipathy Table": 10 entries, rolls 1-20.  Entries 104-113.
    {"Animal Antipathy: Dogs",               7, 0, 0, "PHB pg 93", kPhbAnimalAntipathy, {}, 0,  1,  2, 1, 0, {},                                            {113}},  // 104
    {"Animal Antipathy: Horses",             7, 0, 0, "PHB pg 93", kPhbAnimalAntipathy, {}, 0,  3,  4, 1, 0, {},                                            {113}},  // 105
    {"Animal Antipathy: Cats",               7, 0, 0, "PHB pg 93", kPhbAnimalAntipathy, {}, 0,  5,  6, 1, 0, {},                                            {113}},  // 106
    {"Animal Antipathy: Birds",              7, 0, 0, "PHB pg 93", kPhbAnimalAntipathy, {}, 0,  7,  8, 1, 0, {},                                            {113}},  // 107
    {"Animal Antipathy: Cattle",             7, 0, 0, "PHB pg 93", kPhbAnimalAntipathy, {}, 0,  9, 10, 1, 0, {},                                            {113}},  // 108
    {"Animal Antipathy: Pigs",               7, 0, 0, "PHB pg 93", kPhbAnimalAntipathy, {}, 0, 11, 12, 1, 0, {},                                            {113}},  // 109
    {"Animal Antipathy: Sheep and Goats",    7, 0, 0, "PHB pg 93", kPhbAnimalAntipathy, {}, 0, 13, 14, 1, 0, {},                                            {113}},  // 110
    {"Animal Antipathy: Rats",               7, 0, 0, "PHB pg 93", kPhbAnimalAntipathy, {}, 0, 15, 16, 1, 0, {},                                            {113}},  // 111
    {"Animal Antipathy: Mules and Donkeys",  7, 0, 0, "PHB pg 93", kPhbAnimalAntipathy, {}, 0, 17, 18, 1, 0, {},                                            {113}},  // 112
    {"Animal Antipathy: All Animals",       10, 0, 0, "PHB pg 93", kPhbAnimalAntipathy, {}, 0, 19, 20, 1, 0, {104, 105, 106, 107, 108, 109, 110, 111, 112}, {}},     // 113

    // "PHB Maimed Table": 6 entries, rolls 1-6.  Entries 114-119.
    {"Maimed: Withered Arm",              12, 0, 0, "PHB pg 94", kPhbMaimed, {},              1, 1, 1,   2, 0, {}, {36}},  // 114
    {"Maimed: Withered Leg",              12, 0, 0, "PHB pg 94", kPhbMaimed, {},              1, 2, 2,   2, 0, {}, {37}},  // 115
    {"Maimed: Crushed Hand",              10, 0, 0, "PHB pg 94", kPhbMaimed, {},              1, 3, 3,   2, 0, {}, {36}},  // 116
    {"Maimed: Crushed Foot",              10, 0, 0, "PHB pg 94", kPhbMaimed, {},              1, 4, 4,   2, 0, {}, {37}},  // 117
    {"Roll on Table PHB Maimed Subtable",  0, 0, 0, "PHB pg 94", kPhbMaimed, {kPhbMaimedSub}, 2, 5, 5, 999, 1, {}, {}},    // 118
    {"Roll twice, ignoring this result.",  0, 0, 0, "PHB pg 94", kPhbMaimed, {},              3, 6, 6, 999, 0, {}, {}},    // 119

    // "PHB Maimed Subtable": 2 entries, rolls 1-6.  Entries 120-121.
    {"Maimed: Shattered Jaw", 10, 0, 0, "PHB pg 94", kPhbMaimedSub, {}, 1, 1, 3, 1, 0, {}, {}},  // 120
    {"Maimed: Broken Back",   14, 0, 0, "PHB pg 94", kPhbMaimedSub, {}, 1, 4, 6, 1, 0, {}, {}},  // 121

    // "PHB Seizure Table": 2 entries, rolls 1-100.  Entries 122-123.
    {"Seizures, Mild",   10, 0, 0, "PHB pg 94", kPhbSeizure, {}, 1,  1,  70, 1, 0, {},    {123}},  // 122
    {"Seizures, Severe", 15, 0, 0, "PHB pg 94", kPhbSeizure, {}, 1, 71, 100, 1, 0, {122}, {}},     // 123

    // "PHB Animal Phobia Table": 10 entries, rolls 1-20.  Entries 124-133.
    {"Animal Phobia: Spiders", 6, 0, 0, "PHB pg 95", kPhbAnimalPhobia, {}, 0,  1,  2, 1, 0, {}, {}},  // 124
    {"Animal Phobia: Snakes",  6, 0, 0, "PHB pg 95", kPhbAnimalPhobia, {}, 0,  3,  4, 1, 0, {}, {}},  // 125
    {"Animal Phobia: Rats",    6, 0, 0, "PHB pg 95", kPhbAnimalPhobia, {}, 0,  5,  6, 1, 0, {}, {}},  // 126
    {"Animal Phobia: Dogs",    6, 0, 0, "PHB pg 95", kPhbAnimalPhobia, {}, 0,  7,  8, 1, 0, {}, {}},  // 127
    {"Animal Phobia: Horses",  6, 0, 0, "PHB pg 95", kPhbAnimalPhobia, {}, 0,  9, 10, 1, 0, {}, {}},  // 128
    {"Animal Phobia: Bats",    6, 0, 0, "PHB pg 95", kPhbAnimalPhobia, {}, 0, 11, 12, 1, 0, {}, {}},  // 129
    {"Animal Phobia: Insects", 6, 0, 0, "PHB pg 95", kPhbAnimalPhobia, {}, 0, 13, 14, 1, 0, {}, {}},  // 130
    {"Animal Phobia: Birds",   6, 0, 0, "PHB pg 95", kPhbAnimalPhobia, {}, 0, 15, 16, 1, 0, {}, {}},  // 131
    {"Animal Phobia: Wolves",  6, 0, 0, "PHB pg 95", kPhbAnimalPhobia, {}, 0, 17, 18, 1, 0, {}, {}},  // 132
    {"Animal Phobia: Cats",    6, 0, 0, "PHB pg 95", kPhbAnimalPhobia, {}, 0, 19, 20, 1, 0, {}, {}},  // 133

    // "PHB Delusion Table Major" and "PHB Delusion Table Minor": 10 entries each, rolls 1-10.
    // Stored interleaved: the major and the minor form of each delusion side by side.  Entries 134-153.
    {"Major Delusion: Cannot be harmed by weapons",         10, 0, 0, "PHB pg 95", kPhbDelusionMajor, {}, 1,  1,  1, 1, 0, {}, {}},  // 134
    {"Minor Delusion: Always lucky at games of chance",      5, 0, 0, "PHB pg 95", kPhbDelusionMinor, {}, 0,  1,  1, 1, 0, {}, {}},  // 135
    {"Major Delusion: Is secretly of royal blood",          10, 0, 0, "PHB pg 95", kPhbDelusionMajor, {}, 1,  2,  2, 1, 0, {}, {}},  // 136
    {"Minor Delusion: Descended from a famous hero",         5, 0, 0, "PHB pg 95", kPhbDelusionMinor, {}, 0,  2,  2, 1, 0, {}, {}},  // 137
    {"Major Delusion: Can speak with the dead",             10, 0, 0, "PHB pg 95", kPhbDelusionMajor, {}, 1,  3,  3, 1, 0, {}, {}},  // 138
    {"Minor Delusion: Dreams foretell the future",           5, 0, 0, "PHB pg 95", kPhbDelusionMinor, {}, 0,  3,  3, 1, 0, {}, {}},  // 139
    {"Major Delusion: Is being hunted by assassins",        10, 0, 0, "PHB pg 95", kPhbDelusionMajor, {}, 1,  4,  4, 1, 0, {}, {}},  // 140
    {"Minor Delusion: Neighbors are spying on them",         5, 0, 0, "PHB pg 95", kPhbDelusionMinor, {}, 0,  4,  4, 1, 0, {}, {}},  // 141
    {"Major Delusion: Is a dragon in mortal form",          10, 0, 0, "PHB pg 95", kPhbDelusionMajor, {}, 1,  5,  5, 1, 0, {}, {}},  // 142
    {"Minor Delusion: Understands the speech of birds",      5, 0, 0, "PHB pg 95", kPhbDelusionMinor, {}, 0,  5,  5, 1, 0, {}, {}},  // 143
    {"Major Delusion: Can fly if the need is great",        10, 0, 0, "PHB pg 95", kPhbDelusionMajor, {}, 1,  6,  6, 1, 0, {}, {}},  // 144
    {"Minor Delusion: Can hold breath for an hour",          5, 0, 0, "PHB pg 95", kPhbDelusionMinor, {}, 0,  6,  6, 1, 0, {}, {}},  // 145
    {"Major Delusion: Is immortal",                         10, 0, 0, "PHB pg 95", kPhbDelusionMajor, {}, 1,  7,  7, 1, 0, {}, {}},  // 146
    {"Minor Delusion: Will never age a day past thirty",     5, 0, 0, "PHB pg 95", kPhbDelusionMinor, {}, 0,  7,  7, 1, 0, {}, {}},  // 147
    {"Major Delusion: Is the chosen of a god",              10, 0, 0, "PHB pg 95", kPhbDelusionMajor, {}, 1,  8,  8, 1, 0, {}, {}},  // 148
    {"Minor Delusion: Is a favorite of the local spirits",   5, 0, 0, "PHB pg 95", kPhbDelusionMinor, {}, 0,  8,  8, 1, 0, {}, {}},  // 149
    {"Major Delusion: Owns a vast hidden fortune",          10, 0, 0, "PHB pg 95", kPhbDelusionMajor, {}, 1,  9,  9, 1, 0, {}, {}},  // 150
    {"Minor Delusion: Is owed money by everyone met",        5, 0, 0, "PHB pg 95", kPhbDelusionMinor, {}, 0,  9,  9, 1, 0, {}, {}},  // 151
    {"Major Delusion: Can command animals with a glance",   10, 0, 0, "PHB pg 95", kPhbDelusionMajor, {}, 1, 10, 10, 1, 0, {}, {}},  // 152
    {"Minor Delusion: Is the finest swordsman in the land",  5, 0, 0, "PHB pg 95", kPhbDelusionMinor, {}, 0, 10, 10, 1, 0, {}, {}},  // 153

    // "PHB Class Enmity Table": 20 entries, rolls 1-19.  Entries 154-173.
    // Rolls 1-19 name one class each; the broad first entry has no range and is taken only
    // by choice.
    {"Enmity toward Spellcasters of Every Kind", 0, 0, 0, "PHB pg 95", kPhbClassEnmity, {}, 1,  0,  0, 1, 0, {}, {}},  // 154
    {"Enmity toward Assassins",                  0, 0, 0, "PHB pg 95", kPhbClassEnmity, {}, 1,  1,  1, 1, 0, {}, {}},  // 155
    {"Enmity toward Barbarians",                 0, 0, 0, "PHB pg 95", kPhbClassEnmity, {}, 1,  2,  2, 1, 0, {}, {}},  // 156
    {"Enmity toward Bards",                      0, 0, 0, "PHB pg 95", kPhbClassEnmity, {}, 1,  3,  3, 1, 0, {}, {}},  // 157
    {"Enmity toward Battle Mages",               0, 0, 0, "PHB pg 95", kPhbClassEnmity, {}, 1,  4,  4, 1, 0, {}, {}},  // 158
    {"Enmity toward Bounty Hunters",             0, 0, 0, "PHB pg 95", kPhbClassEnmity, {}, 1,  5,  5, 1, 0, {}, {}},  // 159
    {"Enmity toward Clerics",                    0, 0, 0, "PHB pg 95", kPhbClassEnmity, {}, 1,  6,  6, 1, 0, {}, {}},  // 160
    {"Enmity toward Druids",                     0, 0, 0, "PHB pg 95", kPhbClassEnmity, {}, 1,  7,  7, 1, 0, {}, {}},  // 161
    {"Enmity toward Fighters",                   0, 0, 0, "PHB pg 95", kPhbClassEnmity, {}, 1,  8,  8, 1, 0, {}, {}},  // 162
    {"Enmity toward Illusionists",               0, 0, 0, "PHB pg 95", kPhbClassEnmity, {}, 1,  9,  9, 1, 0, {}, {}},  // 163
    {"Enmity toward Mercenaries",                0, 0, 0, "PHB pg 95", kPhbClassEnmity, {}, 1, 10, 10, 1, 0, {}, {}},  // 164
    {"Enmity toward Monks",                      0, 0, 0, "PHB pg 95", kPhbClassEnmity, {}, 1, 11, 11, 1, 0, {}, {}},  // 165
    {"Enmity toward Necromancers",               0, 0, 0, "PHB pg 95", kPhbClassEnmity, {}, 1, 12, 12, 1, 0, {}, {}},  // 166
    {"Enmity toward Paladins",                   0, 0, 0, "PHB pg 95", kPhbClassEnmity, {}, 1, 13, 13, 1, 0, {}, {}},  // 167
    {"Enmity toward Priests of a Rival Faith",   0, 0, 0, "PHB pg 95", kPhbClassEnmity, {}, 1, 14, 14, 1, 0, {}, {}},  // 168
    {"Enmity toward Rangers",                    0, 0, 0, "PHB pg 95", kPhbClassEnmity, {}, 1, 15, 15, 1, 0, {}, {}},  // 169
    {"Enmity toward Shamans",                    0, 0, 0, "PHB pg 95", kPhbClassEnmity, {}, 1, 16, 16, 1, 0, {}, {}},  // 170
    {"Enmity toward Thieves",                    0, 0, 0, "PHB pg 95", kPhbClassEnmity, {}, 1, 17, 17, 1, 0, {}, {}},  // 171
    {"Enmity toward Witch Hunters",              0, 0, 0, "PHB pg 95", kPhbClassEnmity, {}, 1, 18, 18, 1, 0, {}, {}},  // 172
    {"Enmity toward Wizards",                    0, 0, 0, "PHB pg 95", kPhbClassEnmity, {}, 1, 19, 19, 1, 0, {}, {}},  // 173

    // "PHB Racial Enmity Table": 10 entries, rolls 1-10.  Entries 174-183.
    {"Enmity toward Dwarves",       0, 0, 0, "PHB pg 95", kPhbRacialEnmity, {}, 1,  1,  1, 1, 0, {}, {}},  // 174
    {"Enmity toward Elves",         0, 0, 0, "PHB pg 95", kPhbRacialEnmity, {}, 1,  2,  2, 1, 0, {}, {}},  // 175
    {"Enmity toward Gnomes",        0, 0, 0, "PHB pg 95", kPhbRacialEnmity, {}, 1,  3,  3, 1, 0, {}, {}},  // 176
    {"Enmity toward Gnome Titans",  0, 0, 0, "PHB pg 95", kPhbRacialEnmity, {}, 1,  4,  4, 1, 0, {}, {}},  // 177
    {"Enmity toward Half-Elves",    0, 0, 0, "PHB pg 95", kPhbRacialEnmity, {}, 1,  5,  5, 1, 0, {}, {}},  // 178
    {"Enmity toward Half-Orcs",     0, 0, 0, "PHB pg 95", kPhbRacialEnmity, {}, 1,  6,  6, 1, 0, {}, {}},  // 179
    {"Enmity toward Halflings",     0, 0, 0, "PHB pg 95", kPhbRacialEnmity, {}, 1,  7,  7, 1, 0, {}, {}},  // 180
    {"Enmity toward Humans",        0, 0, 0, "PHB pg 95", kPhbRacialEnmity, {}, 1,  8,  8, 1, 0, {}, {}},  // 181
    {"Enmity toward Orcs",          0, 0, 0, "PHB pg 95", kPhbRacialEnmity, {}, 1,  9,  9, 1, 0, {}, {}},  // 182
    {"Enmity toward Pixie Fairies", 0, 0, 0, "PHB pg 95", kPhbRacialEnmity, {}, 1, 10, 10, 1, 0, {}, {}},  // 183

    // "PHB Obsession OR Compulsion": 2 entries, rolls 1-2.  Entries 184-185.
    {"Roll on Table PHB Obsession",  0, 0, 0, "PHB pg 96", kPhbObsessionOrCompulsion, {kPhbObsession},  2, 1, 1, 999, 1, {}, {}},  // 184
    {"Roll on Table PHB Compulsion", 0, 0, 0, "PHB pg 96", kPhbObsessionOrCompulsion, {kPhbCompulsion}, 2, 2, 2, 999, 1, {}, {}},  // 185

    // "PHB Obsession": 20 entries, rolls 1-20.  Entries 186-205.
    {"Obsession: A lost love",                    12, 0, 0, "PHB pg 96", kPhbObsession, {}, 1,  1,  1, 1, 0, {}, {}},  // 186
    {"Obsession: Finding a legendary sword",      12, 0, 0, "PHB pg 96", kPhbObsession, {}, 1,  2,  2, 1, 0, {}, {}},  // 187
    {"Obsession: Perfect cleanliness",            12, 0, 0, "PHB pg 96", kPhbObsession, {}, 1,  3,  3, 1, 0, {}, {}},  // 188
    {"Obsession: Revenge on a childhood bully",   12, 0, 0, "PHB pg 96", kPhbObsession, {}, 1,  4,  4, 1, 0, {}, {}},  // 189
    {"Obsession: Mapping every road walked",      12, 0, 0, "PHB pg 96", kPhbObsession, {}, 1,  5,  5, 1, 0, {}, {}},  // 190
    {"Obsession: Collecting the teeth of foes",   12, 0, 0, "PHB pg 96", kPhbObsession, {}, 1,  6,  6, 1, 0, {}, {}},  // 191
    {"Obsession: A rival's downfall",             12, 0, 0, "PHB pg 96", kPhbObsession, {}, 1,  7,  7, 1, 0, {}, {}},  // 192
    {"Obsession: The family's lost honor",        12, 0, 0, "PHB pg 96", kPhbObsession, {}, 1,  8,  8, 1, 0, {}, {}},  // 193
    {"Obsession: A prophecy about oneself",       12, 0, 0, "PHB pg 96", kPhbObsession, {}, 1,  9,  9, 1, 0, {}, {}},  // 194
    {"Obsession: Gold, and more of it",           12, 0, 0, "PHB pg 96", kPhbObsession, {}, 1, 10, 10, 1, 0, {}, {}},  // 195
    {"Obsession: Proving a dead parent wrong",    12, 0, 0, "PHB pg 96", kPhbObsession, {}, 1, 11, 11, 1, 0, {}, {}},  // 196
    {"Obsession: A song that cannot be finished", 12, 0, 0, "PHB pg 96", kPhbObsession, {}, 1, 12, 12, 1, 0, {}, {}},  // 197
    {"Obsession: The stars and their omens",      12, 0, 0, "PHB pg 96", kPhbObsession, {}, 1, 13, 13, 1, 0, {}, {}},  // 198
    {"Obsession: Owning the finest horse",        12, 0, 0, "PHB pg 96", kPhbObsession, {}, 1, 14, 14, 1, 0, {}, {}},  // 199
    {"Obsession: A face seen once in a crowd",    12, 0, 0, "PHB pg 96", kPhbObsession, {}, 1, 15, 15, 1, 0, {}, {}},  // 200
    {"Obsession: Ancient ruins",                  12, 0, 0, "PHB pg 96", kPhbObsession, {}, 1, 16, 16, 1, 0, {}, {}},  // 201
    {"Obsession: Winning every wager",            12, 0, 0, "PHB pg 96", kPhbObsession, {}, 1, 17, 17, 1, 0, {}, {}},  // 202
    {"Obsession: Rare books",                     12, 0, 0, "PHB pg 96", kPhbObsession, {}, 1, 18, 18, 1, 0, {}, {}},  // 203
    {"Obsession: Being remembered in song",       12, 0, 0, "PHB pg 96", kPhbObsession, {}, 1, 19, 19, 1, 0, {}, {}},  // 204
    {"Obsession: The secret of eternal youth",    12, 0, 0, "PHB pg 96", kPhbObsession, {}, 1, 20, 20, 1, 0, {}, {}},  // 205

    // "PHB Compulsion": 20 entries, rolls 1-20.  Entries 206-225.
    {"Compulsion: Counts every step taken",             12, 0, 0, "PHB pg 96", kPhbCompulsion, {}, 1,  1,  1, 1, 0, {}, {}},  // 206
    {"Compulsion: Washes hands at every chance",        12, 0, 0, "PHB pg 96", kPhbCompulsion, {}, 1,  2,  2, 1, 0, {}, {}},  // 207
    {"Compulsion: Touches every doorframe passed",      12, 0, 0, "PHB pg 96", kPhbCompulsion, {}, 1,  3,  3, 1, 0, {}, {}},  // 208
    {"Compulsion: Stacks coins by size",                12, 0, 0, "PHB pg 96", kPhbCompulsion, {}, 1,  4,  4, 1, 0, {}, {}},  // 209
    {"Compulsion: Checks locks three times",            12, 0, 0, "PHB pg 96", kPhbCompulsion, {}, 1,  5,  5, 1, 0, {}, {}},  // 210
    {"Compulsion: Must finish every plate",             12, 0, 0, "PHB pg 96", kPhbCompulsion, {}, 1,  6,  6, 1, 0, {}, {}},  // 211
    {"Compulsion: Straightens crooked things",          12, 0, 0, "PHB pg 96", kPhbCompulsion, {}, 1,  7,  7, 1, 0, {}, {}},  // 212
    {"Compulsion: Hums when nervous",                   12, 0, 0, "PHB pg 96", kPhbCompulsion, {}, 1,  8,  8, 1, 0, {}, {}},  // 213
    {"Compulsion: Repeats the last word spoken",        12, 0, 0, "PHB pg 96", kPhbCompulsion, {}, 1,  9,  9, 1, 0, {}, {}},  // 214
    {"Compulsion: Cannot leave a debt unpaid",          12, 0, 0, "PHB pg 96", kPhbCompulsion, {}, 1, 10, 10, 1, 0, {}, {}},  // 215
    {"Compulsion: Must sleep facing north",             12, 0, 0, "PHB pg 96", kPhbCompulsion, {}, 1, 11, 11, 1, 0, {}, {}},  // 216
    {"Compulsion: Taps weapons before drawing them",    12, 0, 0, "PHB pg 96", kPhbCompulsion, {}, 1, 12, 12, 1, 0, {}, {}},  // 217
    {"Compulsion: Reads every sign aloud",              12, 0, 0, "PHB pg 96", kPhbCompulsion, {}, 1, 13, 13, 1, 0, {}, {}},  // 218
    {"Compulsion: Must walk on the left side",          12, 0, 0, "PHB pg 96", kPhbCompulsion, {}, 1, 14, 14, 1, 0, {}, {}},  // 219
    {"Compulsion: Cannot pass a shrine without bowing", 12, 0, 0, "PHB pg 96", kPhbCompulsion, {}, 1, 15, 15, 1, 0, {}, {}},  // 220
    {"Compulsion: Sorts gear every evening",            12, 0, 0, "PHB pg 96", kPhbCompulsion, {}, 1, 16, 16, 1, 0, {}, {}},  // 221
    {"Compulsion: Must answer every question",          12, 0, 0, "PHB pg 96", kPhbCompulsion, {}, 1, 17, 17, 1, 0, {}, {}},  // 222
    {"Compulsion: Knocks before entering anywhere",     12, 0, 0, "PHB pg 96", kPhbCompulsion, {}, 1, 18, 18, 1, 0, {}, {}},  // 223
    {"Compulsion: Picks at scabs and seams",            12, 0, 0, "PHB pg 96", kPhbCompulsion, {}, 1, 19, 19, 1, 0, {}, {}},  // 224
    {"Compulsion: Never steps on cracks",               12, 0, 0, "PHB pg 96", kPhbCompulsion, {}, 1, 20, 20, 1, 0, {}, {}},  // 225

    // "PHB Class Aversion Table": 20 entries, rolls 1-19.  Entries 226-245.
    // Rolls 1-19 name one class each; the broad first entry has no range and is taken only
    // by choice.
    {"Aversion to Warriors of Every Kind",   0, 0, 0, "PHB pg 95", kPhbClassAversion, {}, 0,  0,  0, 1, 0, {}, {}},  // 226
    {"Aversion to Assassins",                0, 0, 0, "PHB pg 95", kPhbClassAversion, {}, 0,  1,  1, 1, 0, {}, {}},  // 227
    {"Aversion to Barbarians",               0, 0, 0, "PHB pg 95", kPhbClassAversion, {}, 0,  2,  2, 1, 0, {}, {}},  // 228
    {"Aversion to Bards",                    0, 0, 0, "PHB pg 95", kPhbClassAversion, {}, 0,  3,  3, 1, 0, {}, {}},  // 229
    {"Aversion to Battle Mages",             0, 0, 0, "PHB pg 95", kPhbClassAversion, {}, 0,  4,  4, 1, 0, {}, {}},  // 230
    {"Aversion to Bounty Hunters",           0, 0, 0, "PHB pg 95", kPhbClassAversion, {}, 0,  5,  5, 1, 0, {}, {}},  // 231
    {"Aversion to Clerics",                  0, 0, 0, "PHB pg 95", kPhbClassAversion, {}, 0,  6,  6, 1, 0, {}, {}},  // 232
    {"Aversion to Druids",                   0, 0, 0, "PHB pg 95", kPhbClassAversion, {}, 0,  7,  7, 1, 0, {}, {}},  // 233
    {"Aversion to Fighters",                 0, 0, 0, "PHB pg 95", kPhbClassAversion, {}, 0,  8,  8, 1, 0, {}, {}},  // 234
    {"Aversion to Illusionists",             0, 0, 0, "PHB pg 95", kPhbClassAversion, {}, 0,  9,  9, 1, 0, {}, {}},  // 235
    {"Aversion to Mercenaries",              0, 0, 0, "PHB pg 95", kPhbClassAversion, {}, 0, 10, 10, 1, 0, {}, {}},  // 236
    {"Aversion to Monks",                    0, 0, 0, "PHB pg 95", kPhbClassAversion, {}, 0, 11, 11, 1, 0, {}, {}},  // 237
    {"Aversion to Necromancers",             0, 0, 0, "PHB pg 95", kPhbClassAversion, {}, 0, 12, 12, 1, 0, {}, {}},  // 238
    {"Aversion to Paladins",                 0, 0, 0, "PHB pg 95", kPhbClassAversion, {}, 0, 13, 13, 1, 0, {}, {}},  // 239
    {"Aversion to Priests of a Rival Faith", 0, 0, 0, "PHB pg 95", kPhbClassAversion, {}, 0, 14, 14, 1, 0, {}, {}},  // 240
    {"Aversion to Rangers",                  0, 0, 0, "PHB pg 95", kPhbClassAversion, {}, 0, 15, 15, 1, 0, {}, {}},  // 241
    {"Aversion to Shamans",                  0, 0, 0, "PHB pg 95", kPhbClassAversion, {}, 0, 16, 16, 1, 0, {}, {}},  // 242
    {"Aversion to Thieves",                  0, 0, 0, "PHB pg 95", kPhbClassAversion, {}, 0, 17, 17, 1, 0, {}, {}},  // 243
    {"Aversion to Witch Hunters",            0, 0, 0, "PHB pg 95", kPhbClassAversion, {}, 0, 18, 18, 1, 0, {}, {}},  // 244
    {"Aversion to Wizards",                  0, 0, 0, "PHB pg 95", kPhbClassAversion, {}, 0, 19, 19, 1, 0, {}, {}},  // 245

    // "PHB Racial Aversion Table": 10 entries, rolls 0-10.  Entries 246-255.
    // A d10 table whose first entry starts at 0, so it covers the rolls 0-1.
    {"Aversion to Dwarves",       0, 0, 0, "PHB pg 95", kPhbRacialAversion, {}, 0,  0,  1, 1, 0, {}, {}},  // 246
    {"Aversion to Elves",         0, 0, 0, "PHB pg 95", kPhbRacialAversion, {}, 0,  2,  2, 1, 0, {}, {}},  // 247
    {"Aversion to Gnomes",        0, 0, 0, "PHB pg 95", kPhbRacialAversion, {}, 0,  3,  3, 1, 0, {}, {}},  // 248
    {"Aversion to Gnome Titans",  0, 0, 0, "PHB pg 95", kPhbRacialAversion, {}, 0,  4,  4, 1, 0, {}, {}},  // 249
    {"Aversion to Half-Elves",    0, 0, 0, "PHB pg 95", kPhbRacialAversion, {}, 0,  5,  5, 1, 0, {}, {}},  // 250
    {"Aversion to Half-Orcs",     0, 0, 0, "PHB pg 95", kPhbRacialAversion, {}, 0,  6,  6, 1, 0, {}, {}},  // 251
    {"Aversion to Halflings",     0, 0, 0, "PHB pg 95", kPhbRacialAversion, {}, 0,  7,  7, 1, 0, {}, {}},  // 252
    {"Aversion to Humans",        0, 0, 0, "PHB pg 95", kPhbRacialAversion, {}, 0,  8,  8, 1, 0, {}, {}},  // 253
    {"Aversion to Orcs",          0, 0, 0, "PHB pg 95", kPhbRacialAversion, {}, 0,  9,  9, 1, 0, {}, {}},  // 254
    {"Aversion to Pixie Fairies", 0, 0, 0, "PHB pg 95", kPhbRacialAversion, {}, 0, 10, 10, 1, 0, {}, {}},  // 255

    // "PHB Superstitions Table": 20 entries, rolls 1-20.  Entries 256-275.
    {"Superstition: Black cats bring ruin",                  4, 0, 0, "PHB pg 96", kPhbSuperstitions, {}, 0,  1,  1, 1, 0, {}, {}},  // 256
    {"Superstition: Never start a journey on a rainy day",   4, 0, 0, "PHB pg 96", kPhbSuperstitions, {}, 0,  2,  2, 1, 0, {}, {}},  // 257
    {"Superstition: Salt must be thrown after a spill",      4, 0, 0, "PHB pg 96", kPhbSuperstitions, {}, 0,  3,  3, 1, 0, {}, {}},  // 258
    {"Superstition: Owls foretell a death",                  4, 0, 0, "PHB pg 96", kPhbSuperstitions, {}, 0,  4,  4, 1, 0, {}, {}},  // 259
    {"Superstition: A broken mirror curses for seven years", 4, 0, 0, "PHB pg 96", kPhbSuperstitions, {}, 0,  5,  5, 1, 0, {}, {}},  // 260
    {"Superstition: Never whistle after dark",               4, 0, 0, "PHB pg 96", kPhbSuperstitions, {}, 0,  6,  6, 1, 0, {}, {}},  // 261
    {"Superstition: Red-haired strangers are bad luck",      4, 0, 0, "PHB pg 96", kPhbSuperstitions, {}, 0,  7,  7, 1, 0, {}, {}},  // 262
    {"Superstition: Carries a rabbit's foot everywhere",     4, 0, 0, "PHB pg 96", kPhbSuperstitions, {}, 0,  8,  8, 1, 0, {}, {}},  // 263
    {"Superstition: Never sleeps with feet toward the door", 4, 0, 0, "PHB pg 96", kPhbSuperstitions, {}, 0,  9,  9, 1, 0, {}, {}},  // 264
    {"Superstition: Counts crows before any fight",          4, 0, 0, "PHB pg 96", kPhbSuperstitions, {}, 0, 10, 10, 1, 0, {}, {}},  // 265
    {"Superstition: Will not cross running water at dusk",   4, 0, 0, "PHB pg 96", kPhbSuperstitions, {}, 0, 11, 11, 1, 0, {}, {}},  // 266
    {"Superstition: Knocks on wood after boasting",          4, 0, 0, "PHB pg 96", kPhbSuperstitions, {}, 0, 12, 12, 1, 0, {}, {}},  // 267
    {"Superstition: Iron nails keep away spirits",           4, 0, 0, "PHB pg 96", kPhbSuperstitions, {}, 0, 13, 13, 1, 0, {}, {}},  // 268
    {"Superstition: Never names the dead aloud",             4, 0, 0, "PHB pg 96", kPhbSuperstitions, {}, 0, 14, 14, 1, 0, {}, {}},  // 269
    {"Superstition: Wears a lucky shirt unwashed",           4, 0, 0, "PHB pg 96", kPhbSuperstitions, {}, 0, 15, 15, 1, 0, {}, {}},  // 270
    {"Superstition: Spits before every bargain",             4, 0, 0, "PHB pg 96", kPhbSuperstitions, {}, 0, 16, 16, 1, 0, {}, {}},  // 271
    {"Superstition: Left-handed folk are cursed",            4, 0, 0, "PHB pg 96", kPhbSuperstitions, {}, 0, 17, 17, 1, 0, {}, {}},  // 272
    {"Superstition: Will not step under a ladder",           4, 0, 0, "PHB pg 96", kPhbSuperstitions, {}, 0, 18, 18, 1, 0, {}, {}},  // 273
    {"Superstition: Must enter a building right foot first", 4, 0, 0, "PHB pg 96", kPhbSuperstitions, {}, 0, 19, 19, 1, 0, {}, {}},  // 274
    {"Superstition: Eclipses mean the end is near",          4, 0, 0, "PHB pg 96", kPhbSuperstitions, {}, 0, 20, 20, 1, 0, {}, {}},  // 275

    // "PHB Extra Personality Table": 21 entries, rolls 1-100.  Entries 276-296.
    // The first personality earns 11 BP, every later one from this table 5.
    {"Multiple Personality Disorder: Young member of the opposite sex.",  11,  5, 0, "PHB pg 98", kPhbExtraPersonality, {},                     1,  1,   4, 999, 0, {}, {}},  // 276
    {"Multiple Personality Disorder: Old member of the opposite sex.",    11,  5, 0, "PHB pg 98", kPhbExtraPersonality, {},                     1,  5,   8, 999, 0, {}, {}},  // 277
    {"Multiple Personality Disorder: Young member of the same sex.",      11,  5, 0, "PHB pg 98", kPhbExtraPersonality, {},                     1,  9,  12, 999, 0, {}, {}},  // 278
    {"Multiple Personality Disorder: Old member of the same sex.",        11,  5, 0, "PHB pg 98", kPhbExtraPersonality, {},                     1, 13,  16, 999, 0, {}, {}},  // 279
    {"Multiple Personality Disorder: A small child.",                     11,  5, 0, "PHB pg 98", kPhbExtraPersonality, {},                     1, 17,  20, 999, 0, {}, {}},  // 280
    {"Multiple Personality Disorder: A famous hero of legend.",           11,  5, 0, "PHB pg 98", kPhbExtraPersonality, {},                     1, 21,  24, 999, 0, {}, {}},  // 281
    {"Multiple Personality Disorder: A noble of high rank.",              11,  5, 0, "PHB pg 98", kPhbExtraPersonality, {},                     1, 25,  28, 999, 0, {}, {}},  // 282
    {"Multiple Personality Disorder: A penniless beggar.",                11,  5, 0, "PHB pg 98", kPhbExtraPersonality, {},                     1, 29,  32, 999, 0, {}, {}},  // 283
    {"Multiple Personality Disorder: A devout priest.",                   11,  5, 0, "PHB pg 98", kPhbExtraPersonality, {},                     1, 33,  36, 999, 0, {}, {}},  // 284
    {"Multiple Personality Disorder: A scheming wizard.",                 11,  5, 0, "PHB pg 98", kPhbExtraPersonality, {},                     1, 37,  40, 999, 0, {}, {}},  // 285
    {"Multiple Personality Disorder: A hardened soldier.",                11,  5, 0, "PHB pg 98", kPhbExtraPersonality, {},                     1, 41,  44, 999, 0, {}, {}},  // 286
    {"Multiple Personality Disorder: A greedy merchant.",                 11,  5, 0, "PHB pg 98", kPhbExtraPersonality, {},                     1, 45,  48, 999, 0, {}, {}},  // 287
    {"Multiple Personality Disorder: A sly thief.",                       11,  5, 0, "PHB pg 98", kPhbExtraPersonality, {},                     1, 49,  52, 999, 0, {}, {}},  // 288
    {"Multiple Personality Disorder: A wandering minstrel.",              11,  5, 0, "PHB pg 98", kPhbExtraPersonality, {},                     1, 53,  56, 999, 0, {}, {}},  // 289
    {"Multiple Personality Disorder: A savage beast in human form.",      11,  5, 0, "PHB pg 98", kPhbExtraPersonality, {},                     1, 57,  60, 999, 0, {}, {}},  // 290
    {"Multiple Personality Disorder: The ghost of an ancestor.",          11,  5, 0, "PHB pg 98", kPhbExtraPersonality, {},                     1, 61,  64, 999, 0, {}, {}},  // 291
    {"Multiple Personality Disorder: A member of another race.",          11,  5, 0, "PHB pg 98", kPhbExtraPersonality, {},                     1, 65,  68, 999, 0, {}, {}},  // 292
    {"Multiple Personality Disorder: A cheerful simpleton.",              11,  5, 0, "PHB pg 98", kPhbExtraPersonality, {},                     1, 69,  72, 999, 0, {}, {}},  // 293
    {"Multiple Personality Disorder: A cruel tyrant.",                    11,  5, 0, "PHB pg 98", kPhbExtraPersonality, {},                     1, 73,  76, 999, 0, {}, {}},  // 294
    {"Multiple Personality Disorder: A frightened servant.",              11,  5, 0, "PHB pg 98", kPhbExtraPersonality, {},                     1, 77,  80, 999, 0, {}, {}},  // 295
    {"Roll twice more for extra Personalities.",                         -11, -5, 0, "PHB pg 98", kPhbExtraPersonality, {kPhbExtraPersonality}, 2, 81, 100, 999, 2, {}, {}},  // 296

    // "PHB Allergen Table": 10 entries, rolls 1-20.  Entries 297-306.
    {"Allergic to Pollen",       4, 0, 0, "PHB pg 92", kPhbAllergen, {}, 0,  1,  2, 1, 0, {}, {}},  // 297
    {"Allergic to Dust",         4, 0, 0, "PHB pg 92", kPhbAllergen, {}, 0,  3,  4, 1, 0, {}, {}},  // 298
    {"Allergic to Horses",       4, 0, 0, "PHB pg 92", kPhbAllergen, {}, 0,  5,  6, 1, 0, {}, {}},  // 299
    {"Allergic to Cats",         4, 0, 0, "PHB pg 92", kPhbAllergen, {}, 0,  7,  8, 1, 0, {}, {}},  // 300
    {"Allergic to Wool",         4, 0, 0, "PHB pg 92", kPhbAllergen, {}, 0,  9, 10, 1, 0, {}, {}},  // 301
    {"Allergic to Shellfish",    4, 0, 0, "PHB pg 92", kPhbAllergen, {}, 0, 11, 12, 1, 0, {}, {}},  // 302
    {"Allergic to Nuts",         4, 0, 0, "PHB pg 92", kPhbAllergen, {}, 0, 13, 14, 1, 0, {}, {}},  // 303
    {"Allergic to Mold",         4, 0, 0, "PHB pg 92", kPhbAllergen, {}, 0, 15, 16, 1, 0, {}, {}},  // 304
    {"Allergic to Bee Stings",   4, 0, 0, "PHB pg 92", kPhbAllergen, {}, 0, 17, 18, 1, 0, {}, {}},  // 305
    {"Allergic to Strawberries", 4, 0, 0, "PHB pg 92", kPhbAllergen, {}, 0, 19, 20, 1, 0, {}, {}},  // 306
};
// clang-format on

} // namespace

std::span<const QuirkFlawRow> QuirkRowsPhbSubtables() {
    return kRows;
}

} // namespace quirk_tables
