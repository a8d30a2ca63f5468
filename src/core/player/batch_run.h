#pragma once

#include <functional>
#include <string>

#include "core/player/character_batch.h"

// How a batch of characters ended.
struct BatchOutcome {
    enum class End {
        kAllMade,  // every character was made and saved
        kNoFit,    // the wish was never rolled within the player's tries
        kNotSaved, // a character's files could not be written (`error` says which)
        kStopped,  // a step stopped the automatic player (`error` names it)
    };
    End end = End::kAllMade;
    long long made = 0;
    std::string error;
};

// Makes characters 0 to count-1 of a started batch and hands each to `made` in the batch's
// order, stopping at the first that fails. With more than one job the characters are rolled
// and saved by that many processes at once, each taking every jobs-th character and naming it
// in the batch's order (SharedNaming), while this process hands the characters on in order and
// writes the dice log: since every character rolls from its own seed and the names are handed
// out in order, the files, the log and what `made` sees are those of one job, byte for byte. A
// failure stops the batch where one job would stop; characters after the failing one that other
// processes had already named may stand saved (they are not handed to `made`).
BatchOutcome RunBatch(CharacterBatch& batch, const CharacterWish& wish, long long count, int jobs,
                      const std::function<void(const BatchCharacter&)>& made);

// The processors this machine offers, the default number of jobs.
int ProcessorCount();
