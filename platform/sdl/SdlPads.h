// SdlPads: the game controllers SDL finds, plugged in before the start or during play, read through
// SDL's game-controller API (its mapping database names the buttons by their place). Each of their
// events becomes the presses and releases of the pad's buttons as key strokes (PadButtons.h).
#pragma once

#include <map>
#include <optional>
#include <vector>

#include "platform/input/PadButtons.h"

union SDL_Event;
typedef struct _SDL_GameController SDL_GameController;

namespace platform {

class SdlPads {
 public:
  // A button that went down or came up.
  struct Change {
    KeyStroke Stroke;
    bool Down = false;
  };

  SdlPads();  // starts SDL's game-controller subsystem
  ~SdlPads();
  SdlPads(const SdlPads&) = delete;
  SdlPads& operator=(const SdlPads&) = delete;

  // Reads one SDL event; false when it is no pad's. A pad plugged in is opened, one pulled out is
  // closed, with what it held let go.
  bool Take(const SDL_Event& event, std::vector<Change>& changes);
  bool Any() const { return !pads_.empty(); }
  // The family of the pad used last.
  PadFamily Family() const { return family_; }

 private:
  struct Pad {
    SDL_GameController* Controller = nullptr;
    float StickX = 0, StickY = 0;
    std::optional<PadButton> Stick;  // where the left stick points
    std::vector<PadButton> Held;     // buttons down
  };
  void Open(int deviceIndex);
  void Moved(Pad& pad, std::vector<Change>& changes);

  bool started_ = false;
  std::map<int, Pad> pads_;  // by SDL's instance id
  PadFamily family_ = PadFamily::Xbox360;
};

}  // namespace platform
