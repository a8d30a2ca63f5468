// The quirk and flaw table is written in several files, one per book or group of tables.
// quirk_table.cpp joins them, behind the blank entry 0, in this order:
//   QuirkRowsPhbMainTables        entries   1-103  Player's Handbook 6B to 6I
//   QuirkRowsPhbSubtables         entries 104-306  their sub-tables
//   QuirkRowsHexwrightWarbrand    entries 307-457  Hexwright's Guide and Warbrand's Guide tables
//   QuirkRowsChoiceOnlyAnd6A      entries 458-509  choice-only entries, the four 6A tables
//   QuirkRowsLurcherVotary        entries 510-618  Lurcher's Guide and Votary's Guide tables
#pragma once

#include <span>

#include "core/data/quirk_flaw.h"

namespace quirk_tables {

// The table names, spelled once. A roll looks a table up by its exact name.
inline constexpr char k6B[] = "Player's Handbook 6B: Flaws, Minor (Physical)";
inline constexpr char k6C[] = "Player's Handbook 6C: Flaws, Minor (Physical)";
inline constexpr char k6D[] = "Player's Handbook 6D: Flaws, Minor (Physical)";
inline constexpr char k6E[] = "Player's Handbook 6E: Flaws, Major (Physical)";
inline constexpr char k6F[] = "Player's Handbook 6F: Quirks, Minor (Mental)";
inline constexpr char k6G[] = "Player's Handbook 6G: Quirks, Major (Mental)";
inline constexpr char k6H[] = "Player's Handbook 6H: Quirks, Minor (Personality)";
inline constexpr char k6I[] = "Player's Handbook 6I: Quirks, Major (Personality)";
inline constexpr char kPhbAnimalAntipathy[] = "PHB Animal Antipathy Table";
inline constexpr char kPhbMaimed[] = "PHB Maimed Table";
inline constexpr char kPhbMaimedSub[] = "PHB Maimed Subtable";
inline constexpr char kPhbSeizure[] = "PHB Seizure Table";
inline constexpr char kPhbAnimalPhobia[] = "PHB Animal Phobia Table";
inline constexpr char kPhbDelusionMajor[] = "PHB Delusion Table Major";
inline constexpr char kPhbDelusionMinor[] = "PHB Delusion Table Minor";
inline constexpr char kPhbClassEnmity[] = "PHB Class Enmity Table";
inline constexpr char kPhbRacialEnmity[] = "PHB Racial Enmity Table";
inline constexpr char kPhbObsessionOrCompulsion[] = "PHB Obsession OR Compulsion";
inline constexpr char kPhbObsession[] = "PHB Obsession";
inline constexpr char kPhbCompulsion[] = "PHB Compulsion";
inline constexpr char kPhbClassAversion[] = "PHB Class Aversion Table";
inline constexpr char kPhbRacialAversion[] = "PHB Racial Aversion Table";
inline constexpr char kPhbSuperstitions[] = "PHB Superstitions Table";
inline constexpr char kPhbExtraPersonality[] = "PHB Extra Personality Table";
inline constexpr char kPhbAllergen[] = "PHB Allergen Table";
inline constexpr char k6J[] = "Hexwright's Guide 6J";
inline constexpr char kHwgSloppyPenmanship[] = "HWG Sloppy Penmanship Table";
inline constexpr char k6K[] = "Hexwright's Guide 6K";
inline constexpr char k6L[] = "Hexwright's Guide 6L";
inline constexpr char kHwgMagicalAllergy[] = "HWG Magical Allergy Table";
inline constexpr char kHwgCollegeRivalry[] = "HWG College Rivalry Table";
inline constexpr char kHwgSuperstitiousCaster[] = "HWG Superstitious Caster Table";
inline constexpr char k6M[] = "Warbrand's Guide 6M";
inline constexpr char k6N[] = "Warbrand's Guide 6N";
inline constexpr char kWgArmorPrejudice[] = "WG Armor Prejudice";
inline constexpr char kWgWeaponPhobia[] = "WG Weapon Phobia";
inline constexpr char kWgWeaponPrejudiceMajor[] = "WG Weapon Prejudice Major";
inline constexpr char kWgWeaponPrejudiceMinor[] = "WG Weapon Prejudice Minor";
inline constexpr char kWgWeaponPrejudiceMajorMinor[] = "WG Weapon Prejudice Major/Minor";
inline constexpr char kWg[] = "WG";
inline constexpr char kTwk[] = "TWK";
inline constexpr char kHx9[] = "HX9";
inline constexpr char kTavernfolk64[] = "Tavernfolk 64";
inline constexpr char kPhb6A[] = "Player's Handbook 6A";
inline constexpr char kHwg6A[] = "Hexwright's Guide 6A";
inline constexpr char kWg6A[] = "Warbrand's Guide 6A";
inline constexpr char kLg6A[] = "Lurcher's Guide 6A";
inline constexpr char k6Q[] = "Lurcher's Guide 6Q";
inline constexpr char k6R[] = "Lurcher's Guide 6R";
inline constexpr char kLgPreciousMetalAllergy[] = "LG Precious Metal Allergy Table";
inline constexpr char kLgSuspiciousMannerism[] = "LG Suspicious Mannerism Table";
inline constexpr char kLgPoorImpulseControl[] = "LG Poor Impulse Control Table";
inline constexpr char kVg6A[] = "Votary's Guide 6A";
inline constexpr char k6O[] = "Votary's Guide 6O";
inline constexpr char kVg6PFirstEntries[] = "VG 6P";
inline constexpr char k6P[] = "Votary's Guide 6P";
inline constexpr char kVgGoiter[] = "VG Goiter SubTable";
inline constexpr char kVgUnusualConvictions[] = "VG Unusual Convictions SubTable";

std::span<const QuirkFlawRow> QuirkRowsPhbMainTables();
std::span<const QuirkFlawRow> QuirkRowsPhbSubtables();
std::span<const QuirkFlawRow> QuirkRowsHexwrightWarbrand();
std::span<const QuirkFlawRow> QuirkRowsChoiceOnlyAnd6A();
std::span<const QuirkFlawRow> QuirkRowsLurcherVotary();

} // namespace quirk_tables
