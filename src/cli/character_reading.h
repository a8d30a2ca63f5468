#pragma once

#include <filesystem>
#include <string>

#include "cli/cli_args.h"

// Reading a character file for the character verbs, as the toolkit opens one.

// The character file FILE names: the path as given when something is there; else the
// workspace's CharacterXML/FILE, as `character list` prints it, or CharacterXML/FILE.xml for
// a name given without its extension. FILE itself when none of them is a file.
std::filesystem::path CharacterFileNamed(const std::string& file);

// Reads FILE as the toolkit opens a character: the rules lists of the workspace loaded, the
// record empty, the race and class found again by name. Problems the reader noted go to
// standard error. False, after a usage message, when FILE cannot be read.
bool ReadCharacter(const std::string& verb, const std::string& named);

// True when a file verb got `files` positional words; else false after the usage message
// "VERB: expected EXPECTED".
bool ExpectFiles(const CliArgs& args, const std::string& verb, std::size_t files = 1,
                 const char* expected = "one character FILE");
