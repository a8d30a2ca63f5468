#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The name lists of the data set (Names/Names.txt in the workspace): given names per race and
// sex and family names per race, from which the automatic player names its characters.
class NameLists {
public:
    static constexpr const char* kFile = "Names/Names.txt";

    // Reads the lists from the workspace; false, with `error` set, when the file cannot be read
    // or holds no name at all.
    bool Load(std::string& error);

    // Reads the lists from text in the file's format (sections "[Race, Male]", "[Race, Female]",
    // "[Race, Family]", one name a line, # comments).
    void Parse(const std::string& text);

    // Given names for a race and sex; when the data set lists none for the race, those of every
    // race for the sex.
    std::vector<std::string> Given(const std::string& race, const std::string& sex) const;
    std::vector<std::string> Family(const std::string& race) const;

private:
    std::map<std::string, std::vector<std::string>> sections_; // "Race, Sex" -> names
};

// Hands out names no character of the output folder bears yet. Each character of a batch is
// saved before the next is named (or, when several processes make the batch, every picker
// learns the names the others handed out first), so the folder also stands for the batch. Per
// race and sex
// the picker remembers the numeral still worth trying and which of that numeral's names it
// knows to be in use (those it handed out or found taken), so it asks `taken` about a name at
// most once; what it remembers is bounded by the name lists, not by the batch.
class NamePicker {
public:
    // `taken` says whether a name is already in use (its saved file exists).
    NamePicker(const NameLists& lists, std::function<bool(const std::string&)> taken);

    // A fresh name for a character of the race and sex; `pick(n)` chooses 0 to n-1 (the game's
    // generator). Past the combinations of the lists, a numeral follows the name ("Edwin
    // Carver II"). Empty only when the lists hold no name for the sex at all.
    std::string Next(const std::string& race, const std::string& sex,
                     const std::function<int(int)>& pick);

    // Next in two halves, for a batch whose characters are rolled at their naming step and named
    // later, in the batch's order: the combination the generator starts at (the one roll Next
    // makes; nullopt, with no roll, when the lists hold no name for the sex), and the name
    // handed out from that start.
    std::optional<int> RollStart(const std::string& race, const std::string& sex,
                                 const std::function<int(int)>& pick) const;
    std::string NameFrom(const std::string& race, const std::string& sex, int start);

private:
    const NameLists& lists_;
    std::function<bool(const std::string&)> taken_;
    struct InUse {
        int numeral = 1;         // the lowest numeral with a name still free
        std::vector<bool> known; // per combination of that numeral: known to be in use
    };
    std::map<std::string, InUse> in_use_; // "Race, Sex" ->
};

std::string RomanNumeral(int number);

// Names the character in hand for the race and sex it was rolled as (the automatic player's
// answer to "Name your Character"); empty when no name can be given.
using CharacterNamer = std::function<std::string(const std::string& race, const std::string& sex)>;
