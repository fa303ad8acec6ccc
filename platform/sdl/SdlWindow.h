// SdlWindow: the real window. It shows a form's client surface through SDL2 and turns SDL's events
// into the form's events (keys, held arrows at the game's own pace, the desktop input method's
// text, paint, close, the timer). Every event already waiting is handled before the picture is
// shown, once, and only what changed reaches the screen. Between events it sleeps in the wait.
// The program reaches it only through RunWindowed (Window.h).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/input/HeldKeys.h"
#include "platform/input/InputMethodSpot.h"
#include "platform/sdl/SdlScreen.h"
#include "platform/sdl/WindowPlacement.h"
#include "platform/toolkit/Form.h"
#include "platform/toolkit/Window.h"

union SDL_Event;
struct SDL_KeyboardEvent;

namespace platform {

// The way of showing that a renderer name stands for; nothing for an unknown name.
std::optional<ScreenKind> ScreenKindNamed(const std::string& name);

class SdlWindow {
 public:
  SdlWindow(Form& form, DisplayOptions options);
  ~SdlWindow();
  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;

  // Makes the window (hidden until Show), or says why it cannot (there is no display).
  Result<void> Open();
  void Show();
  // Runs the event loop until the form asks to close.
  void Run();
  // Whether the window fills the screen now.
  bool Fullscreen() const { return options_.Fullscreen; }
  // The windowed size when the player has resized the window during the run.
  std::optional<std::pair<int, int>> ResizedTo() const;

 private:
  // Handles one SDL event; false when it was none of the form's.
  bool Handle(const SDL_Event& event);
  // Waits up to `timeoutMs` for the next event.
  bool NextEvent(SDL_Event& event, int timeoutMs);
  void HandleKey(const SDL_KeyboardEvent& key);
  void HandlePads(const SDL_Event& event);
  void ShowChanges();
  // The steps of Open: SDL's video (false when there is no display to show a window on), the
  // window where WhereToOpen puts it, with its icon, the screen that shows the picture in it, and
  // the desktop's input method when the player types through it.
  Result<void> StartVideo();
  Result<void> MakeWindow();
  Result<void> MakeScreen();
  void StartTyping();
  // Where the window opens on this screen; a scale lowered to fit says so on stderr.
  WindowPlace WhereToOpen() const;
  // Tells the desktop's input method where the form's caret stands in the window, when that
  // moved since it was last told (the caret, or the picture's scale and place in the window).
  void FollowCaret();
  void ToggleFullscreen();
  void TakeScreenshot();
  void HandleForwardedKey(void* eventData);
  void HandleText(const SDL_Event& event);
  // Hands a key to the form; with the desktop's input method, its text that came before the key
  // is handled first.
  void PressKey(const KeyStroke& stroke);
  void BringPendingTextAhead(const KeyStroke& stroke);
  Form& form_;
  DisplayOptions options_;
  HeldKeys heldKeys_;
  InputMethodSpot inputMethodSpot_;
  // The window's place and size when it is not fullscreen.
  struct Place {
    int X = 0, Y = 0, Width = 0, Height = 0;
  } windowed_;
  std::pair<int, int> openedAt_;          // the windowed size the run started with
  std::optional<uint64_t> captionUntil_;  // when the caption stops naming a screenshot
  struct Sdl;
  std::unique_ptr<Sdl> sdl_;
};

}  // namespace platform
