// fraymark: the toolkit's command-line companion over the same core.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/command_line.h"
#include "cli/verbs.h"

namespace {

constexpr OptionSpec kDir = {"dir", "DIR", "the workspace (default: the current directory)"};
constexpr OptionSpec kJson = {"json", nullptr, "one JSON line instead of the table"};
constexpr OptionSpec kClock = {"clock", "T", "seed the generator as at clock T (0 to 4294967295)"};

const std::vector<VerbSpec> kVerbs = {
    {"rng",
     RunRng,
     "fraymark rng --clock T [--count N]",
     "Prints the first N (default 1) raw numbers of the dice generator, seeded as the toolkit\n"
     "seeds it when the clock reads T seconds; unsigned decimal, one a line.",
     {kClock, {"count", "N", "how many numbers (default 1)"}}},
    {"roll",
     RunRoll,
     "fraymark roll EXPR [--clock T] [--times N]",
     "Rolls a dice expression N times (default 1) with one generator and prints each total on\n"
     "its own line. EXPR is NdS, optionally followed by +M or -M and then by p for penetrating\n"
     "dice: 3d6, 2d12-3, 1d20+2p. Without --clock the generator seeds itself from the clock.\n"
     "Fewer than one die, or a die of fewer than one side, gives 0.",
     {kClock, {"times", "N", "how many rolls (default 1)"}},
     "EXPR"},
    {"data",
     nullptr,
     nullptr,
     nullptr,
     {},
     nullptr,
     {{"dump",
       RunDataDump,
       "fraymark data dump KIND [--dir DIR]",
       "dump: loads one rules list from the workspace DIR (default: the current directory) as\n"
       "the toolkit does at start-up and prints one JSON object a line, in list order, keyed by\n"
       "the record's field names. KIND is Classes, Races, Skills, Talents, Proficiencies, Spells\n"
       "or Equipment.",
       {kDir},
       "KIND"},
      {"check",
       RunDataCheck,
       "fraymark data check [--dir DIR]",
       "check: checks the workspace's data set and prints every problem as\n"
       "'PATH: error: TEXT' or 'PATH: warning: TEXT', then 'N errors, M warnings'; exit 1 when\n"
       "there is any error.",
       {kDir}}},
     nullptr,
     "expected 'dump KIND' or 'check'",
     "action",
     "dump or check"},
    {"ability",
     RunAbility,
     "fraymark ability ABILITY SCORE PERCENTILE NAME",
     "One lookup of the ability score tables. ABILITY is Strength, Dexterity, Constitution,\n"
     "Intelligence, Wisdom or Charisma; NAME is a modifier name such as Open_Doors or Hon_Mod.\n"
     "Prints the text exactly as the lookup returns it (14(6), +3, 44 - 54, +5%, error).",
     {},
     "ABILITY SCORE PERCENTILE NAME"},
    {"tables",
     nullptr,
     nullptr,
     nullptr,
     {},
     nullptr,
     {{"quirks", RunTablesQuirks, "fraymark tables quirks",
       "tables quirks: the built-in quirk and flaw table as tab-separated values, a header line\n"
       "then one line per entry."},
      {"save",
       RunTablesSave,
       "fraymark tables save NAME --level L --saveas N [--class CLASS] [--race RACE] [--con C]",
       "tables save: the saving throw for a save name (Paralyzation, Poison, Death Magic, Rod,\n"
       "Staff, Wand, Petrification, Polymorph, FrayFrenzy, FrayLust, Breath Weapon, Apology,\n"
       "Spell) at level L with the save table N (1 mage, 2 fighter, 3 thief, 4 cleric, 5 thrain),\n"
       "for a character of the class and race of those names in the data of the current\n"
       "directory (Classes, Races) and of constitution C (default 0). Prints the number.",
       {{"level", "L", "the character's level"},
        {"saveas", "N", "the save table, 1 to 5"},
        {"class", "CLASS", "a class of the Classes directory"},
        {"race", "RACE", "a race of the Races directory"},
        {"con", "C", "the constitution score (default 0)"}},
       "NAME"},
      {"honor",
       RunTablesHonor,
       "fraymark tables honor LEVEL HONOR",
       "tables honor: the honor standing and die for a level and an honor, as the honor step\n"
       "writes it (Average Honor d3, Great Honor d4+1); levels above 20 as 20, below 1 as 1.",
       {},
       "LEVEL HONOR"},
      {"honor-bp",
       RunTablesHonorBp,
       "fraymark tables honor-bp HONOR",
       "tables honor-bp: the Building Points a starting honor brings, signed (-9, +12).",
       {},
       "HONOR"}},
     nullptr,
     "expected quirks, save, honor or honor-bp (fraymark tables --help)",
     "table",
     "expected quirks, save, honor or honor-bp"},
    {"crit",
     RunCrit,
     "fraymark crit ROLL SEVERITY TYPE",
     "crit ROLL SEVERITY TYPE: the wound the critical hit window shows for a location roll\n"
     "(0 to 10000), a severity level and a damage type (Puncturing, Hacking, Crushing or\n"
     "Monster Bites; quote \"Monster Bites\" or give it as two words). A severity above 24\n"
     "counts as 24; below 1 the hit is negated. Prints one line.",
     {{"clock", "T", "crit severity: seed the generator as at clock T (0 to 4294967295)"},
      {"times", "N", "crit severity: how many rolls (default 1)"}},
     "ROLL SEVERITY TYPE",
     {{"severity",
       RunCritSeverity,
       "fraymark crit severity BSL [--clock T] [--times N]",
       "crit severity: N severity rolls (default 1) for the base severity level BSL, one a line:\n"
       "a d8 plus BSL, open-ended on 1 (downward) and 8 (upward). Without --clock the\n"
       "generator seeds itself from the clock.",
       {},
       "BSL"},
      {"table", RunCritTable, "fraymark crit table",
       "crit table: the whole critical-hit table as tab-separated values, a header line\n"
       "'low high type severity text' then one record a line in table order, the type as its\n"
       "number (0 Puncturing, 1 Hacking, 2 Crushing, 3 Monster Bites)."}}},
    {"honor",
     nullptr,
     nullptr,
     nullptr,
     {{"table", "N", "honor awards: keep one table, 1 to 7 (default 0: all)"}},
     nullptr,
     {{"awards", RunHonorAwards, "fraymark honor awards [--table N]",
       "honor awards: the honor award tables as tab-separated values, a header line\n"
       "'table note kind scope' then the nine alignments Lawful-good ... Chaotic-evil and\n"
       "'text', then one award a line in table order. --table N (1 to 7 for tables 4B to 4H)\n"
       "keeps one table; 0, the default, keeps all."},
      {"notes", RunHonorNotes, "fraymark honor notes",
       "honor notes: the award notes as tab-separated values, a header line 'note text' then\n"
       "one note a line from 0 to 26."}},
     nullptr,
     "expected 'awards [--table N]' or 'notes'"},
    {"character",
     nullptr,
     nullptr,
     nullptr,
     {},
     nullptr,
     {{"show",
       RunCharacterShow,
       "fraymark character show FILE [--json] [--dir DIR]",
       "character show: reads a character file as the toolkit opens one, with the race and class\n"
       "looked up in the data of the workspace DIR (default: the current directory), and prints\n"
       "the record one 'field: value' a line. Problems the reader met go to standard error.",
       {kDir, kJson},
       "FILE"},
      {"sheet",
       RunCharacterSheet,
       "fraymark character sheet FILE [--out PATH] [--dir DIR]",
       "character sheet: the HTML character sheet of a character file, to standard output or\n"
       "to PATH (replaced only once the new sheet is complete).",
       {{"out", "PATH", "write the sheet to PATH"}, kDir},
       "FILE"},
      {"list",
       RunCharacterList,
       "fraymark character list [--dir DIR]",
       "character list: the saved characters of DIR/CharacterXML as tab-separated values, a\n"
       "header line 'name class level race file' then one character a line, sorted by file\n"
       "name with letter case ignored.",
       {kDir}},
      {"award-xp",
       RunCharacterAwardXp,
       "fraymark character award-xp FILE XP [--dir DIR]",
       "character award-xp: gives the character XP experience points (shared equally among its\n"
       "classes, the first taking what does not divide), writes the file and its sheet back and\n"
       "prints its classes tab-separated: a header 'class level experience next advance', then\n"
       "one class a line, 'advance' being 'yes' or why not. Exit 1 when the award is refused.",
       {kDir},
       "FILE XP"},
      {"advance",
       RunCharacterAdvance,
       "fraymark character advance FILE [--class NAME] [--clock T] [--dir DIR]",
       "character advance: takes one class (--class NAME, else the first that may) up one level\n"
       "with the automatic player's choices, seeded by --clock T (default: the clock), writes\n"
       "the file and its sheet back and prints what the level brought, one line each. Exit 1\n"
       "when no class may advance. Both log every step to the character's own dice log.",
       {{"class", "NAME", "the class to advance (letter case ignored)"}, kClock, kDir},
       "FILE"}},
     "FILE is a path, or a file name as character list prints it (\".xml\" may be left out),\n"
     "taken from DIR/CharacterXML when no such path exists.",
     "expected 'show FILE', 'sheet FILE', 'list', 'award-xp FILE XP' or 'advance FILE'",
     "action",
     "show, sheet, list, award-xp or advance"},
    {"party",
     nullptr,
     nullptr,
     nullptr,
     {},
     nullptr,
     {{"new",
       RunPartyNew,
       "fraymark party new FILE CHARACTER_FILE... [--dir DIR]",
       "party new: writes the party file FILE with the character files given as its members,\n"
       "in that order, and prints each member's file as the party file names it.",
       {kDir},
       "FILE CHARACTER_FILE..."},
      {"show",
       RunPartyShow,
       "fraymark party show FILE [--json] [--dir DIR]",
       "party show: the party side by side as tab-separated values, a header line then one\n"
       "member a line: name, race, sex, classes, levels, experience, next level, hit points,\n"
       "honor, standing, the thirteen saving throws, movement and alignment.",
       {kDir, kJson},
       "FILE"},
      {"sheet",
       RunPartySheet,
       "fraymark party sheet FILE [--dir DIR]",
       "party sheet: the same table as an HTML page for one landscape sheet.",
       {kDir},
       "FILE"},
      {"award-xp",
       RunPartyAwardXp,
       "fraymark party award-xp FILE XP [--dir DIR]",
       "party award-xp: divides XP experience points equally among the members (the first\n"
       "taking one more while what does not divide lasts), gives each its share as character\n"
       "award-xp does, writes its file and sheet back and prints 'FILE: N experience points'\n"
       "for each, then 'NAME: CLASS may advance to level L' for each class that may; exit 1\n"
       "when a member could not be given its share or written.",
       {kDir},
       "FILE XP"}},
     "A member whose file is missing or unreadable is named on standard error and the rest go\n"
     "on. FILE is a path, or a party name kept in DIR/Parties (\".party\" may be left out);\n"
     "CHARACTER_FILE as for the character verbs.",
     "expected 'new FILE CHARACTER_FILE...', 'show FILE', 'sheet FILE' or 'award-xp FILE XP'",
     "action",
     "new, show, sheet or award-xp"},
    {"generate",
     RunGenerate,
     "fraymark generate [--count N] [--clock T] [--dir WORKSPACE] [--out DIR] [--race NAME] "
     "[--sex Male|Female] [--class NAME] [--level N] [--jobs N]",
     "Makes N (default 1) finished characters with the data and options of WORKSPACE (default:\n"
     "the current directory): an automatic player runs every creation step, accepting every\n"
     "roll and choosing with the game's generator, and each character is saved as 'Save file'\n"
     "does, under DIR/CharacterXML and DIR/CharacterHTML, its dice log under DIR/CharacterLogs\n"
     "(DIR defaults to WORKSPACE). Prints 'name race sex class file' tab-separated, one\n"
     "character a line; standard error ends with 'N characters in S s'. With --clock T the same\n"
     "workspace gives the same files. --race, --sex and --class re-roll until the scores allow\n"
     "them; exit 1 when they never do. --level N (1 to 99) advances each character to level N\n"
     "after its creation, every level rolled and logged; a class stops where its table or the\n"
     "race's level limit ends. --jobs N makes them N at a time (default: one per processor),\n"
     "with the same files, logs and output as one at a time.",
     {{"count", "N", "how many characters (default 1)"},
      kClock,
      {"dir", "WORKSPACE", "the workspace (default: the current directory)"},
      {"out", "DIR", "where the characters are saved (default: WORKSPACE)"},
      {"race", "NAME", "only characters of this race"},
      {"sex", "Male|Female", "only characters of this sex"},
      {"class", "NAME", "only characters of this class"},
      {"level", "N", "advance each character to level N (1 to 99)"},
      {"jobs", "N", "characters made at once (1 to 64, default: the processors)"}}},
};

void PrintOverview(std::ostream& out) {
    out << "fraymark: command-line companion of Orlund's Plainspun Fraymark Toolkit\n\n"
           "Usage:\n";
    for (const VerbSpec& verb : kVerbs) {
        out << "  " << VerbUsage(verb) << '\n';
    }
    out << "\nfraymark VERB --help describes one verb. Results go to standard output, problems\n"
           "to standard error. Exit 0 on success, 1 when a check finds errors, 2 on a usage "
           "error.\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintOverview(std::cerr);
        return kExitUsage;
    }
    if (std::string(argv[1]) == "help") {
        PrintOverview(std::cout);
        return kExitOk;
    }
    return RunCommandLine(kVerbs, argc, argv, PrintOverview);
}
