// A long random session over the real data: walking, bumping into people, talking to the king,
// typing Hangul and English, Enter, Escape while talking, timer ticks and paints. The hero never
// leaves the grid, the window is always either walking or talking, and memory stays flat apart
// from the event log, which keeps every line by design.
//
// VESK_SOAK_EVENTS sets the number of events (1000000 unless told; the sanitizer run asks for
// fewer).
#include <gtest/gtest.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "GameInProcess.h"
#include "TestSupport.h"
#include "platform/input/HangulKeyboard.h"
#include "platform/input/Keys.h"
#include "talk/Talk.h"
#include "world/Vesk3_chara.h"
#include "world/Vesk3_map.h"

using namespace testing_support;

namespace {

constexpr size_t kDefaultEvents = 1000000;

size_t SoakEvents() {
  const char* requested = std::getenv("VESK_SOAK_EVENTS");
  if (requested == nullptr || *requested == '\0') return kDefaultEvents;
  return static_cast<size_t>(std::strtoull(requested, nullptr, 10));
}

// Heap bytes held by the event log's lines: the vector and every line too long to sit inside
// its string.
size_t LogBytes(const std::vector<std::string>& lines) {
  size_t bytes = lines.capacity() * sizeof(std::string);
  for (const std::string& line : lines) {
    if (line.capacity() > 15) bytes += line.capacity() + 1;
  }
  return bytes;
}

size_t HeapInUse() { return mallinfo2().uordblks; }

const char* const kKeyNames[] = {"Up",  "Down",  "Left",  "Right",  "Backspace", "Delete", "Home",
                                 "End", "Space", "Shift", "Hangul", "Tab",       "a",      "k",
                                 "r",   "g",     "t",     "j",      "1",         "Escape", "Enter"};
const std::u16string kTexts[] = {u"안녕",   u"카르벤", u"무라셴",     u"비밀", u"ㄱ",
                                 u"가나다", u"Hello",  u"\U0001F600", u"  ",   u"xyz"};

}  // namespace

TEST(Soak, ARandomSessionKeepsTheHeroOnTheGridAndMemoryFlat) {
  ScratchDir dir;
  CopyAllData();
  TForm1 form;
  form.SetInputMethod(*platform::HangulKeyboard::Make());
  ASSERT_FALSE(StartGameObjects(form));
  form.Paint();
  form.PrepareFrame();

  const size_t events = SoakEvents();
  const size_t checkpoint = events / 10;
  std::mt19937 random(20240601);
  size_t heapAtCheckpoint = 0, logAtCheckpoint = 0, talks = 0, steps = 0;
  for (size_t n = 1; n <= events; ++n) {
    const uint32_t pick = random() % 100;
    if (pick < 55) {
      const char* name = kKeyNames[random() % std::size(kKeyNames)];
      // Escape while walking would close the window; the session only sends it while talking.
      if (std::string(name) == "Escape" && !form.Talking) name = "Up";
      form.Key(*platform::StrokeForName(name, random() % 4 == 0));
    } else if (pick < 70) {
      form.Input().TextInput(kTexts[random() % std::size(kTexts)], form.FocusedReceiver());
    } else if (pick < 80) {
      form.Key(*platform::StrokeForName("Enter", false));
    } else if (pick < 95) {
      form.Tick();
    } else if (pick < 99) {
      form.Paint();
    } else if (!form.Talking) {
      StartTalk(50, 27);  // as if the hero had walked up to the king
      ++talks;
    }
    form.PrepareFrame();
    const bool onGrid = Hero->X >= 0 && Hero->X < TWorldMap::kGridSize && Hero->Y >= 0 &&
                        Hero->Y < TWorldMap::kGridSize;
    ASSERT_TRUE(onGrid) << "event " << n << ": hero at " << Hero->X << ", " << Hero->Y;
    const uint8_t talking = *reinterpret_cast<const uint8_t*>(&form.Talking);
    ASSERT_LE(talking, 1) << "event " << n;
    steps += Hero->X != 50 || Hero->Y != 50;
    if (n == checkpoint) {
      heapAtCheckpoint = HeapInUse();
      logAtCheckpoint = LogBytes(form.Memo1.Lines());
    }
  }
  const size_t heapGrowth = HeapInUse() - heapAtCheckpoint;
  const size_t logGrowth = LogBytes(form.Memo1.Lines()) - logAtCheckpoint;
  std::fprintf(stdout,
               "%zu events, %zu talks opened, %zu log lines; heap after %zu: +%zu bytes, "
               "of which the log +%zu\n",
               events, talks, form.Memo1.Lines().size(), checkpoint, heapGrowth, logGrowth);
  EXPECT_GT(steps, events / 100);  // the hero did get about
  EXPECT_LT(heapGrowth, logGrowth + 256 * 1024);
}
