// WebTouch: the page on a touch screen. A touch on the walking view is the arrow key towards the
// touched point (platform/input/TouchWalk.h) and the buttons of the on-screen pad are arrows; both
// go down and up through the canvas's own key entry, so a held touch walks on at the walk rate as
// a held arrow does. With the browser's input method a talk that a touch began opens the phone's
// keyboard (an editable element takes the focus inside the touch), a touch on the text being typed
// opens it again, and the end of the talk closes it.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/image/Bitmap.h"
#include "platform/input/Keys.h"
#include "platform/input/TouchWalk.h"

namespace platform {

class WebCanvas;

// Whether the page's primary pointer is coarse: a finger on a touch screen, where the phone's own
// keyboard is the one to type with.
bool TouchScreen();

class WebTouch {
 public:
  // `textArea`: where the typed text shows, in client pixels.
  WebTouch(WebCanvas& canvas, const TouchWalk& walk, const Rect& textArea, int32_t clientWidth,
           bool systemInputMethod);
  WebTouch(const WebTouch&) = delete;
  WebTouch& operator=(const WebTouch&) = delete;

  void Start();
  void Stop();
  // Entry points for the page's touch events: a finger down, moved or up at (x, y) of the canvas
  // in page pixels; `id` tells fingers apart, and only the first one down walks.
  void Down(long id, double x, double y);
  void Move(long id, double x, double y);
  void Up(long id);
  // A button of the on-screen pad, named as the script runner names keys, goes down or up.
  void Pad(const char* name, bool down);
  // After every event the canvas handled, with whether the game now waits for typed text.
  void AfterEvent(bool typing);

 private:
  // The client pixel under page pixel (x, y) of the canvas.
  Point ClientPoint(double x, double y) const;
  // The key held down, by the walking finger or a pad button, becomes `stroke` (nothing: none).
  void Hold(const std::optional<KeyStroke>& stroke);

  WebCanvas& canvas_;
  TouchWalk walk_;
  Rect textArea_;
  int32_t clientWidth_;
  bool systemInputMethod_;
  std::optional<long> finger_;     // the finger that walks
  std::optional<KeyStroke> held_;  // the key a finger or a pad button holds down
  bool typing_ = false;            // the game waited for text after the last event
  bool keyboardOpen_ = false;      // a touch gave the editable element the focus
};

}  // namespace platform
