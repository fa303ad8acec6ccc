// OnScreenKeyboard: a 2-set Korean keyboard on the window, for a player who holds only a game
// controller. The d-pad moves a cursor over the keys, A presses the key under it, and the other
// buttons are the keys a typist needs most (B Backspace, X Space, Y Shift for the next key, Start
// Enter, Back Hangul/Latin). A press becomes the key strokes of the real keys in the same places,
// so the 2-set keyboard composes them exactly as it composes typed keys. It is drawn with the
// game's own fonts, with a line naming the buttons as the pad in hand prints them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/image/Bitmap.h"
#include "platform/input/Keys.h"
#include "platform/input/PadButtons.h"
#include "platform/toolkit/ControlFont.h"

namespace platform {

class OnScreenKeyboard {
 public:
  // A key's place: its row from the top and its column from the left, both from 0.
  struct Place {
    int Row = 0;
    int Column = 0;
    bool operator==(const Place& other) const { return Row == other.Row && Column == other.Column; }
  };

  OnScreenKeyboard();

  // Where the keyboard stands; an empty rectangle: the window has none.
  void SetBounds(Rect bounds) { bounds_ = bounds; }
  void UseFont(ControlFont& font) { controlFont_ = &font; }
  void SetFamily(PadFamily family);

  bool Shown() const { return shown_; }
  void SetShown(bool shown);
  // Back to the first key with Shift off, as when a talk opens.
  void Reset();

  // The key strokes that `button` types; none when it only moves the cursor or sets Shift.
  std::vector<KeyStroke> Press(PadButton button);
  Place Cursor() const { return cursor_; }

  // Whether the keyboard is gone from the surface since the last call: what lies under it is to
  // be painted again.
  bool TakeHidden();
  // Paints the keyboard when something on it changed since the last paint (or always, with
  // `force`); `hangul` shows the jamo on the letter keys, otherwise their Latin letters.
  void Paint(Bitmap& surface, bool hangul, bool force = false);

 private:
  Rect bounds_;
  ControlFont* controlFont_ = nullptr;
  PadFamily family_ = PadFamily::Xbox360;
  bool shown_ = false;
  bool hidden_ = false;
  bool dirty_ = true;
  bool hangulShown_ = true;
  Place cursor_;
  bool shift_ = false;
};

}  // namespace platform
