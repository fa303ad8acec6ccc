// Random: the game's one pseudo-random generator, used only for the king's random answers.
// A 32-bit linear congruential generator that starts from state 0 in every run and is never
// seeded, so every run answers its unmatched lines in the same order.
#pragma once

#include <cstdint>

// The generator's state: 0 at the start of a run; each draw steps it once.
extern uint32_t RandomState;

// The next draw: a value 0 to Range - 1 (0 for a Range of 0).
uint32_t RandomBelow(uint32_t Range);
