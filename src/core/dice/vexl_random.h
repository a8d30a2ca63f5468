#pragma once

#include <cstdint>

// The program's own dice generator: a twisted GFSR of the TT800 kind (25 words of 32 bits).
// It seeds itself from the clock at its first draw and is never reseeded during a run.

// The next 32-bit number of the generator.
uint32_t Vexlrand();

// Seeds the generator as if the clock read `seconds` at the first draw, so the rolls that
// follow are reproducible.
void SeedVexlrandAsClock(uint32_t seconds);

// Forgets the seed: the next draw seeds from the clock again.
void ResetVexlrand();

// The clock the generator seeds from; tests and the command line may pin it.
using ClockSource = uint32_t (*)();
void SetVexlClock(ClockSource clock); // nullptr restores the real clock
uint32_t VexlClockNow();
