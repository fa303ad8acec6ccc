#include "talk/Random.h"

uint32_t RandomState = 0;

uint32_t RandomBelow(uint32_t Range) {
  RandomState = RandomState * 134775813u + 1u;  // wraps modulo 2^32
  // The upper half of the 64-bit product scales the state onto 0 .. Range - 1.
  return static_cast<uint32_t>((static_cast<uint64_t>(RandomState) * Range) >> 32);
}
