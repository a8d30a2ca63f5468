#pragma once

#include <string>
#include <vector>

#include "cli/cli_args.h"

// The fraymark command line as a tree of verbs and sub-verbs, parsed by CLI11.

// What a verb runs with its parsed arguments; returns the exit code.
using VerbRunner = int (*)(const CliArgs& args);

struct OptionSpec {
    const char* name;  // "dir" for --dir
    const char* value; // what its value is called in the help ("DIR"); null for a switch
    const char* help;
};

struct VerbSpec {
    const char* name;
    // Runs the verb itself: a verb with sub-verbs runs when none is given (`crit ROLL SEVERITY
    // TYPE`); null when the verb is only its sub-verbs.
    VerbRunner run = nullptr;
    const char* usage = nullptr; // the verb's own form, "fraymark roll EXPR [--clock T]"
    const char* help = nullptr;  // what the verb's own form does
    std::vector<OptionSpec> options = {};
    // The positional words the verb takes, as its help calls them ("FILE XP"); null for none,
    // when any word is an unexpected argument.
    const char* words = nullptr;
    std::vector<VerbSpec> sub_verbs = {};
    const char* note = nullptr; // said after the sub-verbs' help, about all of them
    // For a verb of sub-verbs: the usage message when none is given, what one is called in
    // the message for an unknown one ("action"; null: the first message again), and the list.
    const char* when_missing = nullptr;
    const char* kind = nullptr;
    const char* choices = nullptr;
};

// The verb's forms, its own and its sub-verbs', joined by " | ".
std::string VerbUsage(const VerbSpec& verb);

// Parses the words after "fraymark" against `verbs` and runs the verb they name; usage errors
// are reported as "fraymark: VERB: TEXT" with the usage exit code. `overview` prints the list
// of every verb for "fraymark --help".
int RunCommandLine(const std::vector<VerbSpec>& verbs, int argc, char** argv,
                   void (*overview)(std::ostream&));
