// The scene refresh and the walking key, over the shipped data: one RefreshScene, one arrow key
// through the whole path a player's key takes (the hidden receiver's key-down, the walking rules,
// the refresh, the frame a backend shows), and a key that also writes an event message.
#include <benchmark/benchmark.h>

#include <array>
#include <optional>

#include "app/Movement.h"
#include "bench/CopyBaseline.h"
#include "bench/StartedGame.h"
#include "platform/input/Keys.h"
#include "world/RefreshScene.h"
#include "world/Vesk3_chara.h"
#include "world/Vesk3_map.h"

namespace {

struct Direction {
  const char* Key;
  int32_t DX;
  int32_t DY;
};
constexpr std::array<Direction, 4> kDirections = {
    {{"Left", -1, 0}, {"Right", 1, 0}, {"Up", 0, -1}, {"Down", 0, 1}}};

const TerrainRule& RuleAt(int32_t x, int32_t y) {
  return RuleForClass(WorldMap->CellAt(x, y) & 0x7F);
}

// Ground the hero walks onto without a message or a talk.
bool QuietGround(int32_t x, int32_t y) {
  const TerrainRule& rule = RuleAt(x, y);
  return rule.Walkable && !rule.Message && !rule.Person;
}

// A direction from the hero's cell onto quiet ground, so that the key and its opposite walk the
// hero back and forth for ever.
std::optional<Direction> OpenDirection() {
  if (!QuietGround(Hero->X, Hero->Y)) return std::nullopt;
  for (const Direction& direction : kDirections) {
    if (QuietGround(Hero->X + direction.DX, Hero->Y + direction.DY)) return direction;
  }
  return std::nullopt;
}

const Direction& Opposite(const Direction& direction) {
  for (const Direction& other : kDirections) {
    if (other.DX == -direction.DX && other.DY == -direction.DY) return other;
  }
  return direction;  // not reached: every direction has its opposite in the table
}

platform::KeyStroke Stroke(const char* name) { return *platform::StrokeForName(name, false); }

void BM_RefreshScene(benchmark::State& state) {
  StartedGame game;
  TimeAgainstCopy(state, SceneRefreshBytes(), [] { RefreshScene(Hero->X, Hero->Y); });
}
BENCHMARK(BM_RefreshScene)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_WalkingKey(benchmark::State& state) {
  StartedGame game;
  const std::optional<Direction> open = OpenDirection();
  if (!open) {
    state.SkipWithError("the hero's start has no quiet ground beside it");
    return;
  }
  const platform::KeyStroke forth = Stroke(open->Key);
  const platform::KeyStroke back = Stroke(Opposite(*open).Key);
  const int32_t homeX = Hero->X, homeY = Hero->Y;
  bool away = false;
  bool strayed = false;
  TimeAgainstCopy(state, SceneRefreshBytes(), [&] {
    game.Form().Key(away ? back : forth);
    game.Form().TakeChanges();
    away = !away;
    const bool atHome = Hero->X == homeX && Hero->Y == homeY;
    strayed |= away == atHome;
  });
  if (strayed) state.SkipWithError("the hero did not walk back and forth");
}
BENCHMARK(BM_WalkingKey)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A cell with a message the hero cannot enter (a door or a sign) beside quiet ground: bumping
// into it logs the message every time, so the event log is drawn again with every key.
bool PlaceHeroBesideMessage(Direction& towards) {
  for (int32_t y = 0; y < TWorldMap::kGridSize; ++y) {
    for (int32_t x = 0; x < TWorldMap::kGridSize; ++x) {
      const TerrainRule& rule = RuleAt(x, y);
      if (!rule.Message || rule.Walkable || rule.Person) continue;
      for (const Direction& direction : kDirections) {
        const int32_t fromX = x - direction.DX, fromY = y - direction.DY;
        if (!QuietGround(fromX, fromY)) continue;
        Hero->X = fromX;
        Hero->Y = fromY;
        towards = direction;
        return true;
      }
    }
  }
  return false;
}

void BM_KeyWithEventMessage(benchmark::State& state) {
  StartedGame game;
  Direction towards{};
  if (!PlaceHeroBesideMessage(towards)) {
    state.SkipWithError("the map has no door or sign beside quiet ground");
    return;
  }
  const platform::KeyStroke bump = Stroke(towards.Key);
  TimeAgainstCopy(state, SceneRefreshBytes(), [&] {
    game.Form().Key(bump);
    game.Form().TakeChanges();
  });
}
BENCHMARK(BM_KeyWithEventMessage)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
