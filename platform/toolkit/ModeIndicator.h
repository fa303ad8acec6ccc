// ModeIndicator: a small sunken status field of the window that shows how keys become text: "한"
// or "A" for the built-in keyboard's Hangul or Latin mode, "IME" when the desktop's input method
// types, "IME?" while that input method has not answered yet. It stands on the window's
// background, outside every area the game draws, and paints itself when the mode changes.
#pragma once

#include <memory>

#include "platform/image/Bitmap.h"
#include "platform/input/InputMethod.h"
#include "platform/toolkit/ControlFont.h"

namespace platform {

class ModeIndicator {
 public:
  ModeIndicator();
  ~ModeIndicator();

  // Where the field stands; an empty rectangle shows none.
  void SetBounds(Rect bounds) { bounds_ = bounds; }
  // The font to draw with; its face is taken at the first paint.
  void UseFont(ControlFont& font) { controlFont_ = &font; }
  // Paints the field when the mode changed since the last paint (or always, with `force`).
  void Paint(Bitmap& surface, TypingMode mode, bool force = false);

  static const char* Label(TypingMode mode);  // UTF-8

 private:
  Rect bounds_;
  ControlFont* controlFont_ = nullptr;
  const ControlFace* font_ = nullptr;
  bool fontLooked_ = false;
  bool painted_ = false;
  TypingMode shown_ = TypingMode::Latin;
};

}  // namespace platform
