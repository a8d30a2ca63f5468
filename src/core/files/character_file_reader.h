#pragma once

#include <filesystem>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/character_line_source.h"
#include "core/model/data_items.h"

// What reading a character file found besides the character.
struct CharacterReadReport {
    bool opened = false;               // the file could be opened
    bool complete = false;             // the closing </FRAYMARK_CHARACTER> line was reached
    std::string read_error;            // why the file could not be read to its end, if it could not
    std::vector<std::string> problems; // "line 12: <LEVEL>: 'high' is not a number (read as 0)"
};

// Reads a character file back into the current character, which the caller has cleared
// (Clear_All). Lines are read up to the one that holds "</FRAYMARK_CHARACTER>"; each is cut
// into tag text and value as a data file's lines are, and only the elements that hold the
// character's own values are taken (saved_character_tags.h). Afterwards the race and the
// class are looked up again in the rules lists by their exact names.
//
// Text values are unescaped as the writer escapes them (saved_text.h).
//
// Bad input never stops the program: a file that cannot be opened leaves the record as it
// was; a file that fails while it is read keeps what was read before; a file without its
// closing line is read to its end; a class entry without its closing line ends at the first
// line that is none of its own; a line beyond kMaxCharacterFileLine characters is cut; a
// number element whose value is no number reads as the C library's atoi reads it (no digits:
// 0). Each such finding is noted in the report.
class XMLRead {
public:
    // Reads `file_name` from the workspace's "CharacterXML" directory.
    CharacterReadReport ReadXMLSheet(const std::string& file_name);
    // Reads the character file at `path`.
    CharacterReadReport ReadCharacterFile(const std::filesystem::path& path);
    // Reads a character file's text.
    CharacterReadReport ReadCharacterStream(std::istream& in);

    // Splits one line and stores it; a line that is no element is ignored. The integer is not
    // used.
    void xmlConvert(std::string_view line, int unused);
    // Stores one element's value under the first saved tag its tag text holds.
    void xmlAssign(std::string_view value, std::string_view tag_text);
    // Stores one line of a class entry's block into `item`.
    void xmlClassConvert(std::string_view line, ClassDataItem& item);

    // Cuts a text value to the 1023 characters (bytes) a saved text keeps, never inside a
    // character written in several bytes.
    static void FixXMLMarkup(std::string& text);

private:
    bool NextLine(std::string& line);
    static bool IsClassLine(std::string_view line);
    void ReadClassBlock(std::string_view name);
    template <typename Item> void ReadItem(std::string_view name, const char* number_tag);
    int32_t Number(std::string_view value, std::string_view tag_text);
    void Note(const std::string& problem);
    void Note(long line, const std::string& problem);
    void LookUpRules();

    CharacterLineSource* source_ = nullptr;
    CharacterReadReport* report_ = nullptr;
};

