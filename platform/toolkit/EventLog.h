// EventLog: the window's disabled, read-only list of text lines. Lines are appended at the end,
// nothing is removed, and the newest line is always in view. It paints itself onto the window
// surface, greyed like a disabled control, in the form's control font: the system's small
// sans-serif face where the backend finds one with Hangul coverage, else the game's bitmap fonts.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/image/Bitmap.h"
#include "platform/toolkit/ControlFont.h"

namespace platform {

class EventLog {
 public:
  EventLog(Rect bounds, std::vector<std::string> initialLines);
  ~EventLog();

  // Appends a line of code-page text.
  void Add(const std::string& codePageLine);
  const std::vector<std::string>& Lines() const { return lines_; }
  // Hears each line as it is added, for a player who cannot see the log. Unset, nobody hears.
  std::function<void(const std::string& codePageLine)> OnAdd;

  // The font to draw with; its face is taken at the first paint.
  void UseFont(ControlFont& font) { controlFont_ = &font; }
  // Paints the log's area of the surface when its lines changed since the last paint (or always,
  // with `force`).
  void Paint(Bitmap& surface, bool force = false);

 private:
  const Bitmap& LinePicture(const std::string& line, int lineHeight);

  Rect bounds_;
  std::vector<std::string> lines_;
  bool dirty_ = true;
  ControlFont* controlFont_ = nullptr;
  const ControlFace* font_ = nullptr;
  bool fontLooked_ = false;
  std::unordered_map<std::string, Bitmap> pictures_;  // each line drawn over the background
};

}  // namespace platform
