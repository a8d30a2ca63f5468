#pragma once

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include <unistd.h>

#include "core/player/character_batch.h"

// Adds characters to the batch's CharacterXML until it holds `count` (`made` are there).
inline bool MakeCharacters(CharacterBatch& batch, int made, int count) {
    std::string error;
    for (; made < count; ++made) {
        if (!batch.MakeOne(made, {}, error)) {
            std::fprintf(stderr, "generating failed: %s\n", error.c_str());
            return false;
        }
    }
    return true;
}

// Lets characters just made settle before they are listed: the new files reach the disk now,
// not while a listing is timed, and they grow older than the two seconds within which the
// list never takes a file from its memory (a saved character is older than that by the time
// anyone lists it).
inline void LetSavedCharactersSettle() {
    sync();
    std::this_thread::sleep_for(std::chrono::seconds(3));
}
