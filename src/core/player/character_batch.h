#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/player/auto_player.h"
#include "core/data/name_lists.h"

// One finished and saved character of a batch.
struct BatchCharacter {
    std::string name;
    std::string race;
    std::string sex;
    std::string class_name;
    std::string file; // the character file, relative to the output folder
};

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

    // Loads the rules lists and the name lists of the workspace and seeds the game's generator
    // as the toolkit does when the clock reads `clock` (the clock itself when absent); false,
    // with `error` set, when the data cannot be used.
    bool Start(std::optional<uint32_t> clock, std::string& error);

    // Plays and saves one character. Nullopt when the wish could not be rolled within the
    // player's tries, or (with `error` set) when the files could not be written; throws
    // AutoPlayerError when a step stops the player.
    std::optional<BatchCharacter> MakeOne(const CharacterWish& wish, std::string& error);

private:
    bool NameTaken(const std::string& name) const;

    std::filesystem::path workspace_;
    std::filesystem::path out_;
    NameLists names_;
    std::unique_ptr<NamePicker> picker_;
    std::unique_ptr<AutoPlayer> player_;
};
