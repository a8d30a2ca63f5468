#pragma once

#include <ostream>
#include <string>

// The character file: the current character as XML-shaped text, one element a line, read
// back by XMLRead. Besides what the reader takes back it carries values worked out from the
// record (ability effects, saving throws, movement) for other tools.
//
// Values are written as they are, without escaping, because the reader takes every value
// literally: a name with "&" in it comes back unchanged.

// Writes the current character to `out`.
void WriteCharacterFile(std::ostream& out);

// Writes the current character to `file_name` in the workspace's "CharacterXML" directory
// (created when missing), replacing an existing file only once the new one is complete. On
// failure the old file stays as it was and the user is told why. The integer is not used
// (the save command passes 1). Returns whether the file was written.
bool CreateXMLSheet(const std::string& file_name, int unused);

// The value texts of the writer: the argument itself, or a whole number printed as "%i",
// placed in the shared scratch text `temporaryString`.
const std::string& xmlSafe(const std::string& text);
const std::string& xmlSafe(const char* text);
const std::string& xmlSafe(int number);

// Fixed texts of the file's source block.
constexpr const char* kToolkitVersion = "1.0";
