#include "platform/sdl/SdlWindow.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <tuple>
#include <vector>

#include "platform/image/Screenshot.h"
#include "platform/input/Keys.h"
#include "platform/input/SystemInputMethod.h"
#include "platform/input/TextAheadOfKey.h"
#include "platform/input/WindowKeys.h"
#include "platform/sdl/SdlHandles.h"
#include "platform/sdl/SdlKeys.h"
#include "platform/sdl/SdlPads.h"
#include "platform/sdl/WindowPlacement.h"
#include "platform/sdl/ibus/IbusForwardedKeys.h"
#include "platform/system/Choices.h"
#include "platform/system/CodePage.h"
#include "platform/system/Messages.h"
#include "platform/system/Paths.h"

namespace platform {

struct SdlWindow::Sdl {
  // Members are released in reverse order: the screen before the window, the video subsystem
  // last.
  SdlVideo video;
  SdlWindowHandle window;
  std::unique_ptr<SdlScreen> screen;
  std::unique_ptr<SdlPads> pads;
  uint32_t forwardedKeyEvent = 0;  // the event type of the keys IBus sends back
  // Last, so it stops before the window and SDL go.
  std::unique_ptr<IbusForwardedKeys> forwardedKeys;
};

std::optional<ScreenKind> ScreenKindNamed(const std::string& name) {
  if (name == kSoftwareRenderer) return ScreenKind::Software;
  if (name == kAcceleratedRenderer) return ScreenKind::Accelerated;
  return std::nullopt;
}

namespace {

// How long the caption names a screenshot just saved.
constexpr Uint64 kCaptionMs = 4000;

// SDL falls back on a video driver that draws into memory when it finds no display; a window
// there shows nothing, and the game would wait for keys nobody can send. Only when asked for by
// name (SDL_VIDEODRIVER) is such a driver what the player wants.
bool ShowsNothingUnasked(const char* driver) {
  const char* asked = SDL_getenv("SDL_VIDEODRIVER");
  if (asked && *asked) return false;
  return driver && (SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0);
}

// Whether a Wayland compositor can be reached at all: through a socket handed over, a display
// named by its full path, or one in the user's runtime folder, which must be an absolute path.
bool WaylandReachable() {
  if (const char* socket = std::getenv("WAYLAND_SOCKET"); socket && *socket) return true;
  if (const char* display = std::getenv("WAYLAND_DISPLAY"); display && display[0] == '/')
    return true;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  return runtime && runtime[0] == '/';
}

// SDL tries the Wayland driver whenever X11 does not open, and without a runtime folder
// libwayland answers that try with a line of its own on stderr ("XDG_RUNTIME_DIR is invalid or
// not set"). When no compositor can be reached the driver is left out of SDL's search, which
// otherwise keeps SDL's order; drivers the player names in SDL_VIDEODRIVER still win.
void LeaveOutUnreachableWayland() {
  if (WaylandReachable()) return;
  std::string drivers;
  bool hasWayland = false;
  for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
    const char* driver = SDL_GetVideoDriver(i);
    if (SDL_strcmp(driver, "wayland") == 0) {
      hasWayland = true;
      continue;
    }
    drivers += (drivers.empty() ? "" : ",") + std::string(driver);
  }
  if (hasWayland) SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
}

// Whether the desktop is set up to type through IBus.
bool DesktopUsesIbus() {
  for (const char* name : {"SDL_IM_MODULE", "XMODIFIERS", "GTK_IM_MODULE"}) {
    const char* value = std::getenv(name);
    if (value && std::string(value).find("ibus") != std::string::npos) return true;
  }
  return false;
}

// The character a key types past the input method, which SDL queues right behind the key.
char TypedPast(const KeyStroke& stroke) {
  return static_cast<unsigned char>(stroke.Ascii) >= 0x20 ? stroke.Ascii : 0;
}

WaitingEvent Described(const SDL_Event& event) {
  if (event.type == SDL_TEXTEDITING) return {QueuedText{false, Utf8ToWide(event.edit.text)}};
  if (event.type == SDL_TEXTINPUT) return {QueuedText{true, Utf8ToWide(event.text.text)}};
  if (event.type != SDL_KEYDOWN) return {};
  const auto stroke = StrokeOfSdlKey(event.key.keysym);
  return {std::nullopt, true, stroke ? TypedPast(*stroke) : '\0'};
}

SdlSurfaceHandle SurfaceOf(const Bitmap& bitmap) {
  return SdlSurfaceHandle(SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<uint32_t*>(bitmap.Row(0)), bitmap.Width(), bitmap.Height(), 32, bitmap.Width() * 4,
      SDL_PIXELFORMAT_RGB888));
}

// Why SDL found no display to show a window on: none named, or the one named would not open.
std::string WhyNoDisplay() {
  std::string named;
  for (const char* variable : {"WAYLAND_DISPLAY", "DISPLAY"}) {
    const char* value = std::getenv(variable);
    if (value && *value) named += (named.empty() ? "" : ", ") + std::string(variable) + "=" + value;
  }
  if (named.empty())
    return _("no display to show it on (neither DISPLAY nor WAYLAND_DISPLAY names one)");
  return Format(_("the display named could not be opened (%s)"), named.c_str());
}

Problem CannotOpen() { return {Format(_("cannot open a window: %s"), SDL_GetError())}; }

}  // namespace

SdlWindow::SdlWindow(Form& form, DisplayOptions options)
    : form_(form), options_(options), heldKeys_(options.WalkRate) {}

SdlWindow::~SdlWindow() = default;

Result<void> SdlWindow::Open() {
  for (const auto step : {&SdlWindow::StartVideo, &SdlWindow::MakeWindow, &SdlWindow::MakeScreen}) {
    if (Result<void> done = (this->*step)(); !done) return done;
  }
  StartTyping();
  return {};
}

Result<void> SdlWindow::StartVideo() {
  SDL_SetHint(SDL_HINT_APP_NAME, form_.Description().Title.c_str());
  SDL_SetHint(SDL_HINT_IME_SHOW_UI, "1");
  LeaveOutUnreachableWayland();
  sdl_ = std::make_unique<Sdl>();
  if (!sdl_->video.Started()) return CannotOpen();
  if (ShowsNothingUnasked(SDL_GetCurrentVideoDriver())) {
    return Problem{
        Format(_("cannot open a window: %s; --headless plays a script without a display"),
               WhyNoDisplay().c_str())};
  }
  sdl_->pads = std::make_unique<SdlPads>();
  return {};
}

WindowPlace SdlWindow::WhereToOpen() const {
  const FormDescription& description = form_.Description();
  WindowRequest request;
  request.ClientWidth = description.ClientWidth;
  request.ClientHeight = description.ClientHeight;
  request.Scale = options_.Scale;
  request.WindowWidth = options_.WindowWidth;
  request.WindowHeight = options_.WindowHeight;
  SDL_Rect usable{0, 0, 0, 0};
  if (SDL_GetDisplayUsableBounds(0, &usable) == 0) {
    request.Usable = RectAt(usable.x, usable.y, usable.w, usable.h);
  }
  const WindowPlace place = PlaceWindow(request);
  if (place.ScaleLowered) {
    WriteMessage(Format(_("scale %d does not fit the screen (%d x %d usable); using %d"),
                        options_.Scale, usable.w, usable.h, place.Scale));
  }
  return place;
}

Result<void> SdlWindow::MakeWindow() {
  const FormDescription& description = form_.Description();
  const WindowPlace place = WhereToOpen();
  const int centred = SDL_WINDOWPOS_CENTERED;  // the window system's choice
  windowed_ = {place.Corner ? place.Corner->X : centred, place.Corner ? place.Corner->Y : centred,
               place.Width, place.Height};
  openedAt_ = {windowed_.Width, windowed_.Height};
  Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_RESIZABLE;
  SDL_Rect area{windowed_.X, windowed_.Y, windowed_.Width, windowed_.Height};
  SDL_DisplayMode desktop{};
  if (options_.Fullscreen) {
    // Made at the desktop's size, so the picture fills the screen even where no window manager
    // carries out the fullscreen request.
    flags |= SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS;
    if (SDL_GetDesktopDisplayMode(0, &desktop) == 0) area = {0, 0, desktop.w, desktop.h};
  }
  sdl_->window.reset(
      SDL_CreateWindow(description.Caption.c_str(), area.x, area.y, area.w, area.h, flags));
  if (!sdl_->window) return CannotOpen();
  SDL_SetWindowMinimumSize(sdl_->window.get(), description.ClientWidth, description.ClientHeight);
  if (!description.Icon.Empty()) {
    if (const SdlSurfaceHandle icon = SurfaceOf(description.Icon)) {
      SDL_SetColorKey(icon.get(), SDL_TRUE, 0);
      SDL_SetWindowIcon(sdl_->window.get(), icon.get());
    }
  }
  return {};
}

Result<void> SdlWindow::MakeScreen() {
  std::string renderer = options_.Renderer;
  if (renderer.empty()) {
    const char* chosen = SDL_getenv("VESK_RENDERER");
    renderer = chosen && *chosen ? chosen : kSoftwareRenderer;
  }
  const auto kind = ScreenKindNamed(renderer);
  if (!kind) {
    return Problem{
        Format(_("unknown renderer \"%s\" (%s)"), renderer.c_str(), kRenderers.Listed().c_str())};
  }
  const FormDescription& description = form_.Description();
  auto screen =
      SdlScreen::Make(sdl_->window.get(), *kind, description.ClientWidth, description.ClientHeight);
  if (!screen) return screen.Error();
  sdl_->screen = std::move(*screen);
  return {};
}

void SdlWindow::StartTyping() {
  if (!options_.SystemInputMethod) {
    SDL_StopTextInput();
    return;
  }
  FollowCaret();
  SDL_StartTextInput();
  sdl_->forwardedKeyEvent = SDL_RegisterEvents(1);
  if (sdl_->forwardedKeyEvent != static_cast<uint32_t>(-1)) {
    auto listening = IbusForwardedKeys::Listen(sdl_->forwardedKeyEvent);
    if (listening) {
      sdl_->forwardedKeys = std::move(*listening);
    } else if (DesktopUsesIbus()) {
      WriteMessage(Format(_("%s; if Enter and the arrows do nothing in Hangul mode, turn off "
                            "ibus-hangul's forwarding: gsettings set "
                            "org.freedesktop.ibus.engine.hangul use-event-forwarding false"),
                          listening.Error().Message.c_str()));
    }
  }
}

std::optional<std::pair<int, int>> SdlWindow::ResizedTo() const {
  const std::pair<int, int> now{windowed_.Width, windowed_.Height};
  if (now == openedAt_) return std::nullopt;
  return now;
}

void SdlWindow::FollowCaret() {
  const auto spot = inputMethodSpot_.Moved(form_.TextCaret(), sdl_->screen->Place());
  if (!spot) return;
  SDL_Rect rect{spot->Left, spot->Top, spot->Width(), spot->Height()};
  SDL_SetTextInputRect(&rect);
}

void SdlWindow::ToggleFullscreen() {
  options_.Fullscreen = !options_.Fullscreen;
  if (options_.Fullscreen) {
    // The desktop's size first, as at the start, for a desktop with no window manager to carry
    // out the fullscreen request.
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(SDL_GetWindowDisplayIndex(sdl_->window.get()), &desktop) == 0) {
      SDL_SetWindowBordered(sdl_->window.get(), SDL_FALSE);
      SDL_SetWindowPosition(sdl_->window.get(), 0, 0);
      SDL_SetWindowSize(sdl_->window.get(), desktop.w, desktop.h);
    }
    SDL_SetWindowFullscreen(sdl_->window.get(), SDL_WINDOW_FULLSCREEN_DESKTOP);
  } else {
    // Back to a framed window of the size it had, also after starting in fullscreen.
    SDL_SetWindowFullscreen(sdl_->window.get(), 0);
    SDL_SetWindowBordered(sdl_->window.get(), SDL_TRUE);
    SDL_SetWindowSize(sdl_->window.get(), windowed_.Width, windowed_.Height);
    SDL_SetWindowPosition(sdl_->window.get(), windowed_.X, windowed_.Y);
  }
  sdl_->screen->Invalidate();
}

void SdlWindow::TakeScreenshot() {
  const auto saved = SaveScreenshot(form_.Canvas(), PicturesFolder());
  if (!saved) {
    WriteMessage(Format(_("no screenshot: %s"), saved.Error().Message.c_str()));
    return;
  }
  const std::filesystem::path& path = *saved;
  WriteMessage(Format(_("screenshot %s"), Utf8FromPath(path).c_str()));
  // TRANSLATORS: the window's caption for a few seconds after F12: the game's caption, then the
  // path of the screenshot just saved.
  const std::string caption =
      Format(_("%s — %s"), form_.Description().Caption.c_str(), Utf8FromPath(path).c_str());
  SDL_SetWindowTitle(sdl_->window.get(), caption.c_str());
  captionUntil_ = SDL_GetTicks64() + kCaptionMs;
}

void SdlWindow::Show() {
  SDL_ShowWindow(sdl_->window.get());
  SDL_RaiseWindow(sdl_->window.get());
}

void SdlWindow::ShowChanges() {
  sdl_->screen->Show(form_.Canvas(), form_.TakeChanges());
  // After every batch of events, the one place where the caret or the window's size can have
  // changed.
  if (options_.SystemInputMethod) FollowCaret();
}

void SdlWindow::HandleKey(const SDL_KeyboardEvent& key) {
  auto stroke = StrokeOfSdlKey(key.keysym);
  if (!stroke) return;
  if (const WindowKey own = WindowKeyOf(*stroke); own != WindowKey::None) {
    // The window's own keys never reach the game.
    if (key.type == SDL_KEYDOWN && !key.repeat) {
      if (own == WindowKey::ToggleFullscreen) {
        ToggleFullscreen();
      } else if (own == WindowKey::Screenshot) {
        TakeScreenshot();
      } else if (options_.ServiceKey) {
        options_.ServiceKey(own);
      }
    }
    return;
  }
  if (key.type == SDL_KEYUP) {
    heldKeys_.Up(stroke->VirtualKey);
    return;
  }
  stroke->Repeat = key.repeat != 0;
  if (heldKeys_.Down(*stroke, SDL_GetTicks64())) PressKey(*stroke);
}

void SdlWindow::HandlePads(const SDL_Event& event) {
  std::vector<SdlPads::Change> changes;
  sdl_->pads->Take(event, changes);
  form_.PadFamilyInHand(sdl_->pads->Family());
  // A button takes the keys' way: a held d-pad walks at the game's pace.
  for (const SdlPads::Change& change : changes) {
    if (!change.Down) {
      heldKeys_.Up(change.Stroke.VirtualKey);
    } else if (heldKeys_.Down(change.Stroke, SDL_GetTicks64())) {
      form_.Key(change.Stroke);
    }
  }
  if (!sdl_->pads->Any()) form_.PadsGone();
}

void SdlWindow::HandleForwardedKey(void* eventData) {
  const ForwardedKey key = IbusForwardedKeys::Take(eventData);
  if (!(SDL_GetWindowFlags(sdl_->window.get()) & SDL_WINDOW_INPUT_FOCUS)) return;
  if (!sdl_->forwardedKeys->IsFocusedContext(key.Context)) return;
  const auto stroke = StrokeOfKeysym(key.Keysym, key.State);
  if (!stroke) return;
  // ibus-hangul takes the key's release without sending it back, so a key sent back is pressed
  // and let go at once: a held arrow walks at the desktop's repeat rate.
  const bool pressed = !key.Released && heldKeys_.Down(*stroke, SDL_GetTicks64());
  heldKeys_.Up(stroke->VirtualKey);
  if (!pressed) return;
  PressKey(*stroke);
  // A key IBus sends back was never typed past it, so its character comes from here.
  if (static_cast<unsigned char>(stroke->Ascii) >= 0x20) {
    form_.Input().TextInput(std::u16string(1, static_cast<char16_t>(stroke->Ascii)),
                            form_.FocusedReceiver());
  }
}

void SdlWindow::PressKey(const KeyStroke& stroke) {
  if (options_.SystemInputMethod && !SystemInputMethod::BelongsToComposition(stroke)) {
    BringPendingTextAhead(stroke);
  }
  form_.Key(stroke);
}

void SdlWindow::BringPendingTextAhead(const KeyStroke& stroke) {
  // Reads the input method's signals that reached the program before the key did.
  SDL_PumpEvents();
  std::vector<SDL_Event> waiting;
  SDL_Event chunk[64];
  int count = 0;
  while ((count = SDL_PeepEvents(chunk, 64, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT)) > 0) {
    waiting.insert(waiting.end(), chunk, chunk + count);
  }
  std::vector<WaitingEvent> described;
  for (const SDL_Event& event : waiting) described.push_back(Described(event));
  const std::vector<bool> ahead = InputMethodTextAheadOfKey(form_.FocusedReceiver().Composition(),
                                                            TypedPast(stroke), described);
  std::vector<SDL_Event> behind;
  for (size_t i = 0; i < waiting.size(); ++i) {
    if (ahead[i]) {
      HandleText(waiting[i]);
    } else {
      behind.push_back(waiting[i]);
    }
  }
  SDL_PeepEvents(behind.data(), static_cast<int>(behind.size()), SDL_ADDEVENT, 0, 0);
}

void SdlWindow::HandleText(const SDL_Event& event) {
  if (event.type == SDL_TEXTEDITING) {
    form_.Input().TextEditing(Utf8ToWide(event.edit.text), form_.FocusedReceiver());
  } else {
    form_.Input().TextInput(Utf8ToWide(event.text.text), form_.FocusedReceiver());
  }
}

bool SdlWindow::Handle(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      form_.CloseButton();
      return true;
    case SDL_WINDOWEVENT:
      switch (event.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
          if (sdl_->forwardedKeys) sdl_->forwardedKeys->SetWindowFocused(true);
          return false;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          if (sdl_->forwardedKeys) sdl_->forwardedKeys->SetWindowFocused(false);
          heldKeys_.ReleaseAll();
          return false;
        case SDL_WINDOWEVENT_CLOSE:
          form_.CloseButton();
          return true;
        case SDL_WINDOWEVENT_EXPOSED:
          form_.Paint();
          sdl_->screen->Invalidate();
          return true;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
          sdl_->screen->Invalidate();
          if (!options_.Fullscreen)
            SDL_GetWindowSize(sdl_->window.get(), &windowed_.Width, &windowed_.Height);
          return true;
        default:
          return false;
      }
    case SDL_KEYDOWN:
      HandleKey(event.key);
      return true;
    case SDL_KEYUP:
      HandleKey(event.key);
      return false;
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
    case SDL_CONTROLLERAXISMOTION:
      HandlePads(event);
      return true;
    case SDL_TEXTEDITING:
    case SDL_TEXTINPUT:
      if (!options_.SystemInputMethod) return false;
      HandleText(event);
      return true;
    default:
      if (event.type != sdl_->forwardedKeyEvent || !sdl_->forwardedKeys) return false;
      HandleForwardedKey(event.user.data1);
      return true;
  }
}

bool SdlWindow::NextEvent(SDL_Event& event, int timeoutMs) {
  // While a game controller is plugged in SDL reads it by polling, and its own wait then wakes
  // every millisecond; looking every few milliseconds is quick enough for a thumb and leaves the
  // processor idle.
  constexpr uint64_t kPadPollMs = 8;
  if (!sdl_->pads->Any()) return SDL_WaitEventTimeout(&event, timeoutMs) != 0;
  const uint64_t until = SDL_GetTicks64() + static_cast<uint64_t>(timeoutMs);
  for (;;) {
    if (SDL_PollEvent(&event)) return true;
    const uint64_t now = SDL_GetTicks64();
    if (now >= until) return false;
    SDL_Delay(static_cast<Uint32>(std::min(kPadPollMs, until - now)));
  }
}

void SdlWindow::Run() {
  // One clock for everything that waits: the timer, a held arrow's next step, the caption.
  const uint64_t interval = std::max<uint64_t>(1, form_.MainTimer().Interval);
  uint64_t nextTick = SDL_GetTicks64() + interval;
  form_.Paint();
  ShowChanges();
  while (!form_.CloseRequested()) {
    // Sleep in the wait until an event comes, the timer is due or a held arrow steps again.
    uint64_t due = nextTick;
    for (const auto other : {heldKeys_.NextDue(), captionUntil_}) {
      if (other) due = std::min(due, *other);
    }
    const uint64_t before = SDL_GetTicks64();
    SDL_Event event;
    bool handled = false;
    if (NextEvent(event, due > before ? static_cast<int>(due - before) : 0)) {
      handled = Handle(event);
      // Everything else already waiting goes first, so the picture never lags behind the input.
      while (!form_.CloseRequested() && SDL_PollEvent(&event)) handled |= Handle(event);
    }
    const uint64_t now = SDL_GetTicks64();
    // A held arrow's next step, also while the desktop's own repeats keep the queue busy.
    if (auto step = heldKeys_.Due(now); step && !form_.CloseRequested()) {
      form_.Key(*step);
      handled = true;
    }
    if (captionUntil_ && now >= *captionUntil_) {
      SDL_SetWindowTitle(sdl_->window.get(), form_.Description().Caption.c_str());
      captionUntil_.reset();
    }
    if (now >= nextTick) {
      // A tick late by more than an interval is not made up: the next comes an interval on.
      nextTick = now >= nextTick + interval ? now + interval : nextTick + interval;
      form_.Tick();
      handled = true;
    }
    if (handled) ShowChanges();
  }
}

WindowedRun RunWindowed(Form& form, const DisplayOptions& options,
                        const std::function<bool()>& start) {
  WindowedRun run;
  SdlWindow window(form, options);
  run.Opened = window.Open();
  if (run.Opened && start()) {
    window.Show();
    window.Run();
  }
  run.Fullscreen = window.Fullscreen();
  if (const auto size = window.ResizedTo()) std::tie(run.ResizedWidth, run.ResizedHeight) = *size;
  return run;
}

void ShowError(const std::string& caption, const std::string& message) {
  // Started for the message box, or counted once more while a window has it running.
  const SdlVideo video;
  if (!video.Started()) return;
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), message.c_str(), nullptr);
}

}  // namespace platform
