// Window: running the main window on the desktop. The program names no window system: the
// backend compiled into the platform library (SDL2 on the desktop) opens the window, delivers its
// events to the form and shows what the form drew.
#pragma once

#include <functional>
#include <string>

#include "platform/input/HeldKeys.h"
#include "platform/input/WindowKeys.h"
#include "platform/system/Result.h"
#include "platform/toolkit/Form.h"

namespace platform {

struct DisplayOptions {
  int Scale = 0;  // 0: the largest whole scale whose window fits the usable screen
  bool Fullscreen = false;
  // The window's size as the player last left it, used when no scale is asked for; 0: none.
  int WindowWidth = 0, WindowHeight = 0;
  bool SystemInputMethod = false;                   // text through the desktop's input method
  int WalkRate = HeldKeys::kDefaultStepsPerSecond;  // steps a second of a held arrow
  // "software" or "accelerated"; empty: the VESK_RENDERER environment variable, else software.
  std::string Renderer;
  // Hears the window's keys that belong to a service beside the window (speech); the window
  // handles its own (fullscreen, screenshot) itself.
  std::function<void(WindowKey key)> ServiceKey;
};

// How a run in a window went.
struct WindowedRun {
  // Whether the window opened; when not, why (there is no display).
  Result<void> Opened = Problem{};
  bool Fullscreen = false;  // whether the window filled the screen when it closed
  // The windowed size when the player resized the window during the run; 0 when not.
  int ResizedWidth = 0, ResizedHeight = 0;
};

// Opens a window for `form` (hidden), calls `start` to create what it shows, then shows it and
// runs its events until the form asks to close. When `start` returns false the window closes
// unseen.
WindowedRun RunWindowed(Form& form, const DisplayOptions& options,
                        const std::function<bool()>& start);

// Shows an error in a message box when a display exists.
void ShowError(const std::string& caption, const std::string& message);

}  // namespace platform
