#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/data/name_lists.h"
#include "core/player/auto_player.h"

// One finished and saved character of a batch.
struct BatchCharacter {
    std::string name;
    std::string race;
    std::string sex;
    std::string class_name;
    std::string file; // the character file, relative to the output folder
};

// The seed character `index` (from 1) of a batch started at `clock` is rolled from: spread
// over the generator's seeds so that neighbouring characters and neighbouring clocks share
// nothing, and, like the clock's own seed, the same for an even clock and the odd one after it.
uint32_t CharacterSeed(uint32_t clock, long long index);

// Makes finished characters one after another with the automatic player, using the data set
// and options of a workspace, and saves each as "Save file" does into an output folder
// (CharacterXML and CharacterHTML). Nothing of one character stays behind for the next, so
// memory does not grow with the batch.
class CharacterBatch {
public:
    CharacterBatch(std::filesystem::path workspace, std::filesystem::path out);
    ~CharacterBatch();
    CharacterBatch(const CharacterBatch&) = delete;
    CharacterBatch& operator=(const CharacterBatch&) = delete;

    // Loads the rules lists and the name lists of the workspace, seeds the game's generator as
    // the toolkit does when the clock reads `clock` (the clock itself when absent) and rolls the
    // dice log's name from it as the toolkit's first character would; false, with `error` set,
    // when the data cannot be used.
    bool Start(std::optional<uint32_t> clock, std::string& error);

    // Plays and saves character `index` of the batch (0 the first). The first character goes on
    // with the generator as Start left it, as the toolkit's first character of a session would;
    // every other is rolled from a seed of its own (CharacterSeed), so what a character rolls
    // does not depend on the characters before it and a batch may be shared among processes.
    // Nullopt when the wish could not be rolled within the player's tries, or (with `error`
    // set) when the files could not be written; throws AutoPlayerError when a step stops the
    // player.
    std::optional<BatchCharacter> MakeOne(long long index, const CharacterWish& wish,
                                          std::string& error);

    // The picker that names the batch's characters, in the batch's order.
    NamePicker& Names() { return *picker_; }

    // Names the characters another way than by the batch's own picker alone (a process making
    // part of a batch names its characters in turn with the others): at the naming step `ask` is
    // told the race and sex (false: no name can be had, and the player stops as it would with an
    // empty name) and the player goes on; the name is taken from `answer` just before the
    // character is saved, since nothing between the two uses it.
    void NameLater(std::function<bool(const std::string& race, const std::string& sex)> ask,
                   std::function<std::string()> answer);

    // The picker learns a name another process of the batch handed out from `start`, walking
    // as that process's picker walked: the name's own file, which may stand by now, does not
    // count as taken. False when the walk ends at another name.
    bool LearnName(const std::string& race, const std::string& sex, int start,
                   const std::string& name);

private:
    bool NameTaken(const std::string& name) const;
    std::string NameCharacter(const std::string& race, const std::string& sex);

    std::filesystem::path workspace_;
    std::filesystem::path out_;
    NameLists names_;
    std::unique_ptr<NamePicker> picker_;
    std::function<bool(const std::string&, const std::string&)> ask_name_;
    std::function<std::string()> answer_name_;
    std::string learning_; // the name LearnName walks to
    uint32_t clock_ = 0;
    std::unique_ptr<AutoPlayer> player_;
};
