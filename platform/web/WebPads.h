// WebPads: the game controllers the page finds through the browser's Gamepad API, plugged in
// before the page loads or during play. Pads with the API's standard mapping, which has their
// buttons by place, are read once a frame of the page while one is in (none: no reading at all);
// what changed between two readings becomes the presses and releases of the pad's buttons as key
// strokes (PadButtons.h), which go to the canvas's key entry as a keyboard's keys do.
#pragma once

#include <map>
#include <optional>
#include <vector>

#include "platform/input/PadButtons.h"

struct EmscriptenGamepadEvent;

namespace platform {

class Form;
class WebCanvas;

class WebPads {
 public:
  WebPads(WebCanvas& canvas, Form& form) : canvas_(canvas), form_(form) {}
  WebPads(const WebPads&) = delete;
  WebPads& operator=(const WebPads&) = delete;

  void Start();
  void Stop();
  // A pad came in: reading starts, if it has not.
  void Connected();
  // One frame's reading of every pad; whether to read again on the next frame.
  bool Sample();

 private:
  struct Pad {
    std::optional<PadButton> Stick;  // where the left stick points
    std::vector<PadButton> Held;     // buttons down
  };
  // Presses and lets go what changed on `pad` since its last reading.
  void Read(Pad& pad, const EmscriptenGamepadEvent& state);
  // Lets go what a pad that went away held.
  void Forget(Pad& pad);

  WebCanvas& canvas_;
  Form& form_;
  bool running_ = false;
  bool sampling_ = false;
  std::map<int, Pad> pads_;  // by the Gamepad API's index
};

}  // namespace platform
