// Movement: the walking rules. One key's step turns the hero, looks up the terrain class of the
// cell it points at, logs the terrain's message, opens a talk with a person, steps the hero where
// the terrain lets it, and redraws the scene.
#pragma once

#include <cstdint>

struct TerrainRule {
  uint8_t First;  // terrain classes First..Last
  uint8_t Last;
  const char* Message;  // appended to the event log, or none
  bool Walkable;        // the hero steps onto the cell
  bool Person;          // the cell holds someone to talk to
};

// The rule of a terrain class (0..127).
const TerrainRule& RuleForClass(uint8_t terrainClass);

void MovementRules(int32_t dx, int32_t dy);
