#include "app/Movement.h"

#include "app/Vesk3_main.h"
#include "talk/Talk.h"
#include "world/MapFormat.h"
#include "world/RefreshScene.h"
#include "world/Vesk3_chara.h"
#include "world/Vesk3_map.h"

namespace {

// Every class 0..127 falls in exactly one row.
constexpr TerrainRule kTerrainRules[] = {
    {0, 0, "special event", true, false},      {1, 18, nullptr, false, false},
    {19, 19, "special event", true, false},    {20, 21, nullptr, false, false},
    {22, 22, "enter somewhere", false, false}, {23, 23, "read a sign", false, false},
    {24, 24, "enter into water", true, false}, {25, 25, "enter into swamp", true, false},
    {26, 26, "enter into lava", true, false},  {27, 47, nullptr, true, false},
    {48, 127, "talk to someone", false, true},
};

}  // namespace

const TerrainRule& RuleForClass(uint8_t terrainClass) {
  for (const TerrainRule& rule : kTerrainRules) {
    if (terrainClass >= rule.First && terrainClass <= rule.Last) return rule;
  }
  return kTerrainRules[1];  // not reached for 0..127: blocked and silent
}

void MovementRules(int32_t dx, int32_t dy) {
  Hero->Turn(dx, dy);
  const int32_t targetX = Hero->X + dx;
  const int32_t targetY = Hero->Y + dy;
  const TerrainRule& rule = RuleForClass(WorldMap->CellAt(targetX, targetY) & map_file::kClassMask);
  if (rule.Message) Form1->Memo1.Add(rule.Message);
  if (rule.Person) StartTalk(targetX, targetY);
  if (!rule.Walkable) dx = dy = 0;
  Hero->Step(dx, dy);
  RefreshScene(Hero->X, Hero->Y);
}
