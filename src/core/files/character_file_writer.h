#pragma once

#include <ostream>
#include <string>

// The character file: the current character as XML-shaped text, one element a line, read
// back by XMLRead. Besides what the reader takes back it carries values worked out from the
// record (ability effects, saving throws, movement) for other tools.
//
// The texts of the character are escaped (saved_text.h), so whatever a player typed ("<",
// "&", a tab) reads back exactly; the fixed texts carry their own entities. Numbers are
// written so that they read back exactly.

// Writes the current character to `out`.
void WriteCharacterFile(std::ostream& out);

// Writes the current character to `file_name` in the workspace's "CharacterXML" directory
// (created when missing), replacing an existing file only once the new one is complete. On
// failure the old file stays as it was and the user is told why. The integer is not used
// (the save command passes 1). Returns whether the file was written.
bool CreateXMLSheet(const std::string& file_name, int unused);

// The value texts of the writer, placed in the shared scratch text `temporaryString`: a text
// of the character escaped, a fixed text as it is, or a whole number printed as "%i".
const std::string& xmlSafe(const std::string& text);
const std::string& xmlSafe(const char* text);
const std::string& xmlSafe(int number);

// Fixed texts of the file's source block.
constexpr const char* kToolkitVersion = "1.0";
