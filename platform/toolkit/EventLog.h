// EventLog: the window's disabled, read-only list of text lines. Lines are appended at the end,
// nothing is removed, and the newest line is always in view. It paints itself onto the window
// surface, greyed like a disabled control, in the system's small sans-serif face where the backend
// finds one with Hangul coverage; without one it uses the text drawer the game hands it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/image/Bitmap.h"
#include "platform/toolkit/ControlFace.h"

namespace platform {

class EventLog {
 public:
  // Draws code-page text at (x, y) of the surface in a colour word; returns nothing.
  using TextDrawer =
      std::function<void(Bitmap& surface, int32_t x, int32_t y, const std::string&, ColorWord)>;

  EventLog(Rect bounds, std::vector<std::string> initialLines);
  ~EventLog();

  // Appends a line of code-page text.
  void Add(const std::string& codePageLine);
  const std::vector<std::string>& Lines() const { return lines_; }
  Rect Bounds() const { return bounds_; }

  // The system face to draw with, looked up at the first paint; without one, the drawer.
  void SetFaceFinder(ControlFaceFinder finder) { findFace_ = std::move(finder); }
  void SetFallbackDrawer(TextDrawer drawer) { fallback_ = std::move(drawer); }
  // Paints the log's area of the surface when its lines changed since the last paint (or always,
  // with `force`).
  void Paint(Bitmap& surface, bool force = false);

 private:
  const Bitmap& LinePicture(const std::string& line, int lineHeight);

  Rect bounds_;
  std::vector<std::string> lines_;
  bool dirty_ = true;
  TextDrawer fallback_;
  ControlFaceFinder findFace_;
  std::unique_ptr<ControlFace> font_;
  bool fontLooked_ = false;
  std::unordered_map<std::string, Bitmap> pictures_;  // each line drawn over the background
};

}  // namespace platform
