#pragma once

// What starts a new character, and what brings the whole program back to its start, sit above
// every layer they reset: the record, the creation state, the options, the quirk table, the
// rules lists, the honor party, the dice log and the generator.

// Resets the character record and the creation state for a new character.
void Clear_All();

// Brings every global of the program back to its start-of-run state (tests use this between
// cases): empty record and state, no log file name, options off, generator unseeded.
void ResetProgramForTests();
