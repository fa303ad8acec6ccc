// ControlFont: what the window's own controls (the event log, the typing-mode field) draw their
// text with, owned by the form so they share it. The system's face at each size a control asks
// for, where the backend finds one that covers Hangul, looked up at the first use of that size;
// without one, the game's bitmap fonts through the one drawer the game hands over.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/image/Bitmap.h"
#include "platform/toolkit/ControlFace.h"

namespace platform {

class ControlFont {
 public:
  // Draws code-page text at (x, y) of the surface in a colour word.
  using TextDrawer =
      std::function<void(Bitmap& surface, int32_t x, int32_t y, const std::string&, ColorWord)>;

  ControlFont();
  ~ControlFont();

  // Where the system's faces are found; without a finder the controls draw with the drawer.
  void SetFaceFinder(ControlFaceFinder finder) { findFace_ = std::move(finder); }
  void SetFallbackDrawer(TextDrawer drawer) { fallback_ = std::move(drawer); }

  // The system face at `pixelHeight`, nullptr when there is none.
  const ControlFace* Face(int pixelHeight);
  // The game's bitmap fonts; empty when the game handed none over.
  const TextDrawer& Fallback() const { return fallback_; }

 private:
  ControlFaceFinder findFace_;
  std::map<int, std::unique_ptr<ControlFace>> faces_;  // each size looked up, found or not
  TextDrawer fallback_;
};

}  // namespace platform
