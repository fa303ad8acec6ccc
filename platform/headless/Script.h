// Script: the event scripts of headless runs. UTF-8 text, one event a line, "#" starts a comment:
//   key NAME [xN]     a physical key (see Keys.h for the names), "Shift+NAME" holds Shift
//   hold NAME Tms     a key held down for T milliseconds, then let go: the desktop repeats it
//                     (after 660 ms, 25 a second, X's defaults) and HeldKeys paces it as in a
//                     window; the script's clock moves on by T (it has no other time)
//   button NAME [xN]  a game controller's button pressed and let go (A B X Y Back Start, the
//   d-pad's
//                     Up Down Left Right, PadButtons.h)
//   button NAME Tms   a button held for T milliseconds: HeldKeys paces a held d-pad as a key
//   text STRING       text committed by an input method, each character one change of the edit
//   compose STRING    the syllable an input method is composing
//   tick [N]          timer ticks
//   paint             a paint event
//   close             the window's close button
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/input/Keys.h"
#include "platform/system/Result.h"

namespace platform {

struct ScriptEvent {
  enum class Kind { Key, Hold, Text, Compose, Tick, Paint, Close };
  Kind What = Kind::Paint;
  KeyStroke Stroke;     // Key, Hold
  uint32_t HoldMs = 0;  // Hold
  std::u16string Text;  // Text, Compose
  int Line = 0;         // where the event stands in the script
};

// A script's limits, far above what a test of the game needs: what its lines make the game do, all
// told (each repeat of a key, each step or repeat a hold can deliver, each character of a text),
// its paints (each redraws the whole window), and the bytes of one line.
constexpr size_t kMaxScriptEvents = 100'000;
constexpr size_t kMaxScriptPaints = 10'000;
constexpr size_t kMaxScriptLineBytes = 4096;
constexpr size_t kMaxScriptBytes = 16 << 20;

// The text of the script file at `path`, or the system's reason when it cannot be read (a folder,
// a missing file), or that it is larger than a script can be.
Result<std::string> ReadScript(const std::string& path);

// The events of a whole script (a leading byte-order mark skipped), or the first bad line's
// problem, "LINE: what is wrong".
Result<std::vector<ScriptEvent>> ParseScript(std::string_view utf8);

}  // namespace platform
