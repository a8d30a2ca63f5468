#pragma once

#include <string>
#include <vector>

// One verb of the fraymark command: its runner gets the words after the verb and returns
// the exit code.
using VerbRunner = int (*)(const std::vector<std::string>& args);

struct Verb {
    const char* name;
    VerbRunner run;
    const char* usage; // one line: the verb and its arguments
    const char* help;  // what it does, for "fraymark VERB --help"
};

// A verb made of sub-verbs ("data dump", "character show"): the first word picks the runner,
// which gets the words after it.
struct SubVerb {
    const char* name;
    VerbRunner run;
};
struct SubVerbs {
    const char* verb;         // "data"
    const char* when_missing; // the usage message when no sub-verb is given
    const char* kind;         // what a sub-verb is called in the message: "action", "table"
    const char* choices;      // the sub-verbs, as the message lists them
    std::vector<SubVerb> runners;
};
int RunSubVerb(const SubVerbs& verbs, const std::vector<std::string>& words);

int RunRng(const std::vector<std::string>& args);
int RunRoll(const std::vector<std::string>& args);
int RunData(const std::vector<std::string>& args);
int RunAbility(const std::vector<std::string>& args);
int RunTables(const std::vector<std::string>& args);
int RunTablesQuirks(const std::vector<std::string>& args);
int RunTablesSave(const std::vector<std::string>& args);
int RunTablesHonor(const std::vector<std::string>& args);
int RunTablesHonorBp(const std::vector<std::string>& args);
int RunCrit(const std::vector<std::string>& args);
int RunHonor(const std::vector<std::string>& args);
int RunCharacter(const std::vector<std::string>& args);
int RunCharacterAwardXp(const std::vector<std::string>& args);
int RunCharacterAdvance(const std::vector<std::string>& args);
int RunParty(const std::vector<std::string>& args);
int RunGenerate(const std::vector<std::string>& args);
