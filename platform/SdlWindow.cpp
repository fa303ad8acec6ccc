#include "platform/SdlWindow.h"

#include <SDL.h>

#include <algorithm>

#include "platform/CodePage.h"
#include "platform/Keys.h"

namespace platform {

struct SdlWindow::Sdl {
  SDL_Window* window = nullptr;
  std::unique_ptr<SdlScreen> screen;
  bool videoStarted = false;
};

std::optional<ScreenKind> ScreenKindNamed(const std::string& name) {
  if (name == "software") return ScreenKind::Software;
  if (name == "accelerated") return ScreenKind::Accelerated;
  return std::nullopt;
}

namespace {

// The stroke of an SDL key event: keys by their place on the keyboard (the Hangul keyboard reads
// the US letter of a key whatever the desktop layout), with Shift applied.
std::optional<KeyStroke> StrokeOf(const SDL_Keysym& key) {
  const bool shift = (key.mod & KMOD_SHIFT) != 0;
  std::optional<KeyStroke> stroke;
  const SDL_Scancode code = key.scancode;
  if (code >= SDL_SCANCODE_A && code <= SDL_SCANCODE_Z) {
    stroke = StrokeForName(std::string(1, static_cast<char>('a' + code - SDL_SCANCODE_A)), shift);
  } else if (code >= SDL_SCANCODE_1 && code <= SDL_SCANCODE_0) {
    stroke = StrokeForName(std::string(1, "1234567890"[code - SDL_SCANCODE_1]), shift);
  } else if (code >= SDL_SCANCODE_F1 && code <= SDL_SCANCODE_F12) {
    stroke = StrokeForName("F" + std::to_string(code - SDL_SCANCODE_F1 + 1), shift);
  } else {
    struct Named {
      SDL_Scancode Code;
      const char* Name;
    };
    static constexpr Named kNamed[] = {
        {SDL_SCANCODE_UP, "Up"},          {SDL_SCANCODE_DOWN, "Down"},
        {SDL_SCANCODE_LEFT, "Left"},      {SDL_SCANCODE_RIGHT, "Right"},
        {SDL_SCANCODE_ESCAPE, "Escape"},  {SDL_SCANCODE_RETURN, "Enter"},
        {SDL_SCANCODE_KP_ENTER, "Enter"}, {SDL_SCANCODE_BACKSPACE, "Backspace"},
        {SDL_SCANCODE_DELETE, "Delete"},  {SDL_SCANCODE_HOME, "Home"},
        {SDL_SCANCODE_END, "End"},        {SDL_SCANCODE_SPACE, "Space"},
        {SDL_SCANCODE_TAB, "Tab"},        {SDL_SCANCODE_LSHIFT, "Shift"},
        {SDL_SCANCODE_RSHIFT, "Shift"},   {SDL_SCANCODE_LCTRL, "Ctrl"},
        {SDL_SCANCODE_RCTRL, "Ctrl"},     {SDL_SCANCODE_LALT, "Alt"},
        {SDL_SCANCODE_RALT, "RAlt"},      {SDL_SCANCODE_LANG1, "Hangul"},
        {SDL_SCANCODE_MINUS, "-"},        {SDL_SCANCODE_EQUALS, "="},
        {SDL_SCANCODE_LEFTBRACKET, "["},  {SDL_SCANCODE_RIGHTBRACKET, "]"},
        {SDL_SCANCODE_BACKSLASH, "\\"},   {SDL_SCANCODE_SEMICOLON, ";"},
        {SDL_SCANCODE_APOSTROPHE, "'"},   {SDL_SCANCODE_GRAVE, "`"},
        {SDL_SCANCODE_COMMA, ","},        {SDL_SCANCODE_PERIOD, "."},
        {SDL_SCANCODE_SLASH, "/"},
    };
    for (const Named& named : kNamed) {
      if (named.Code == code) stroke = StrokeForName(named.Name, shift);
    }
    if (!stroke) {
      // Keys that type nothing still reach the game with their virtual-key code.
      struct Plain {
        SDL_Scancode Code;
        uint16_t VirtualKey;
      };
      static constexpr Plain kPlain[] = {
          {SDL_SCANCODE_INSERT, 45},   {SDL_SCANCODE_PAGEUP, 33},      {SDL_SCANCODE_PAGEDOWN, 34},
          {SDL_SCANCODE_CAPSLOCK, 20}, {SDL_SCANCODE_PAUSE, 19},       {SDL_SCANCODE_LGUI, 91},
          {SDL_SCANCODE_RGUI, 92},     {SDL_SCANCODE_APPLICATION, 93}, {SDL_SCANCODE_LANG2, 25},
      };
      for (const Plain& plain : kPlain) {
        if (plain.Code == code) stroke = KeyStroke{plain.VirtualKey, 0, 0, false};
      }
    }
  }
  if (!stroke) return std::nullopt;
  stroke->Shift = (shift ? kShift : 0) | ((key.mod & KMOD_ALT) ? kAlt : 0) |
                  ((key.mod & KMOD_CTRL) ? kCtrl : 0);
  return stroke;
}

SDL_Surface* SurfaceOf(const Bitmap& bitmap) {
  return SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(bitmap.Row(0)), bitmap.Width(),
                                            bitmap.Height(), 32, bitmap.Width() * 4,
                                            SDL_PIXELFORMAT_RGB888);
}

}  // namespace

SdlWindow::SdlWindow(Form& form, DisplayOptions options)
    : form_(form), options_(options), heldKeys_(options.WalkRate), sdl_(std::make_unique<Sdl>()) {}

SdlWindow::~SdlWindow() {
  sdl_->screen.reset();
  if (sdl_->window) SDL_DestroyWindow(sdl_->window);
  if (sdl_->videoStarted) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool SdlWindow::Open(std::string& error) {
  const FormDescription& description = form_.Description();
  SDL_SetHint(SDL_HINT_APP_NAME, description.Title.c_str());
  SDL_SetHint(SDL_HINT_IME_SHOW_UI, "1");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error = std::string("cannot open a window: ") + SDL_GetError();
    return false;
  }
  sdl_->videoStarted = true;

  const int width = description.ClientWidth, height = description.ClientHeight;
  SDL_DisplayMode desktop{};
  const bool knowsDesktop = SDL_GetDesktopDisplayMode(0, &desktop) == 0;
  int scale = options_.Scale;
  if (scale <= 0) {
    // The largest integer scale whose window fits in three quarters of the desktop.
    scale = 1;
    while (knowsDesktop && width * (scale + 1) * 4 <= desktop.w * 3 &&
           height * (scale + 1) * 4 <= desktop.h * 3) {
      ++scale;
    }
  }
  Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI;
  int windowWidth = width * scale, windowHeight = height * scale;
  if (options_.Fullscreen) {
    // Made at the desktop's size, so the picture fills the screen even where no window manager
    // carries out the fullscreen request.
    flags |= SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS;
    if (knowsDesktop) {
      windowWidth = desktop.w;
      windowHeight = desktop.h;
    }
  }
  sdl_->window = SDL_CreateWindow(description.Caption.c_str(), SDL_WINDOWPOS_CENTERED,
                                  SDL_WINDOWPOS_CENTERED, windowWidth, windowHeight, flags);
  if (!sdl_->window) {
    error = std::string("cannot open a window: ") + SDL_GetError();
    return false;
  }
  if (!description.Icon.Empty()) {
    if (SDL_Surface* icon = SurfaceOf(description.Icon)) {
      SDL_SetColorKey(icon, SDL_TRUE, 0);
      SDL_SetWindowIcon(sdl_->window, icon);
      SDL_FreeSurface(icon);
    }
  }
  std::string renderer = options_.Renderer;
  if (renderer.empty()) {
    const char* chosen = SDL_getenv("VESK_RENDERER");
    renderer = chosen && *chosen ? chosen : "software";
  }
  const auto kind = ScreenKindNamed(renderer);
  if (!kind) {
    error = "unknown renderer \"" + renderer + "\" (software or accelerated)";
    return false;
  }
  sdl_->screen = SdlScreen::Make(sdl_->window, *kind, width, height, error);
  if (!sdl_->screen) return false;
  if (options_.SystemInputMethod) {
    // The desktop's input method shows its candidate window at the input pane.
    int windowWidth = 0, windowHeight = 0;
    SDL_GetWindowSize(sdl_->window, &windowWidth, &windowHeight);
    const Placement place = PlacePicture(width, height, windowWidth, windowHeight);
    SDL_Rect pane{place.Left + 225 * place.Scale, place.Top + 350 * place.Scale, 400 * place.Scale,
                  96 * place.Scale};
    SDL_SetTextInputRect(&pane);
    SDL_StartTextInput();
  } else {
    SDL_StopTextInput();
  }
  return true;
}

void SdlWindow::Show() {
  SDL_ShowWindow(sdl_->window);
  SDL_RaiseWindow(sdl_->window);
}

void SdlWindow::ShowChanges() { sdl_->screen->Show(form_.Canvas(), form_.TakeChanges()); }

void SdlWindow::HandleKey(const void* keyEvent) {
  const auto& key = *static_cast<const SDL_KeyboardEvent*>(keyEvent);
  auto stroke = StrokeOf(key.keysym);
  if (!stroke) return;
  if (key.type == SDL_KEYUP) {
    heldKeys_.Up(stroke->VirtualKey);
    return;
  }
  stroke->Repeat = key.repeat != 0;
  if (heldKeys_.Down(*stroke, SDL_GetTicks64())) form_.Key(*stroke);
}

bool SdlWindow::Handle(const void* sdlEvent) {
  const SDL_Event& event = *static_cast<const SDL_Event*>(sdlEvent);
  switch (event.type) {
    case SDL_QUIT:
      form_.CloseButton();
      return true;
    case SDL_WINDOWEVENT:
      switch (event.window.event) {
        case SDL_WINDOWEVENT_FOCUS_LOST:
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
          return true;
        default:
          return false;
      }
    case SDL_KEYDOWN:
      HandleKey(&event.key);
      return true;
    case SDL_KEYUP:
      HandleKey(&event.key);
      return false;
    case SDL_TEXTEDITING:
      if (!options_.SystemInputMethod) return false;
      form_.Input().TextEditing(Utf8ToWide(event.edit.text), form_.FocusedReceiver());
      return true;
    case SDL_TEXTINPUT:
      if (!options_.SystemInputMethod) return false;
      form_.Input().TextInput(Utf8ToWide(event.text.text), form_.FocusedReceiver());
      return true;
    default:
      return false;
  }
}

void SdlWindow::Run() {
  const Uint32 interval = std::max<Uint32>(1, form_.MainTimer().Interval);
  Uint32 nextTick = SDL_GetTicks() + interval;
  form_.Paint();
  ShowChanges();
  while (!form_.CloseRequested()) {
    // Sleep in the wait until an event comes, the timer is due or a held arrow steps again.
    const Uint32 now = SDL_GetTicks();
    int timeout = SDL_TICKS_PASSED(now, nextTick) ? 0 : static_cast<int>(nextTick - now);
    if (auto step = heldKeys_.NextDue()) {
      const Uint64 now64 = SDL_GetTicks64();
      timeout = std::min<int>(timeout, *step > now64 ? static_cast<int>(*step - now64) : 0);
    }
    SDL_Event event;
    bool handled = false;
    if (SDL_WaitEventTimeout(&event, timeout)) {
      handled = Handle(&event);
      // Everything else already waiting goes first, so the picture never lags behind the input.
      while (!form_.CloseRequested() && SDL_PollEvent(&event)) handled |= Handle(&event);
    }
    // A held arrow's next step, also while the desktop's own repeats keep the queue busy.
    if (auto step = heldKeys_.Due(SDL_GetTicks64()); step && !form_.CloseRequested()) {
      form_.Key(*step);
      handled = true;
    }
    if (SDL_TICKS_PASSED(SDL_GetTicks(), nextTick)) {
      nextTick += interval;
      if (SDL_TICKS_PASSED(SDL_GetTicks(), nextTick)) nextTick = SDL_GetTicks() + interval;
      form_.Tick();
      handled = true;
    }
    if (handled) ShowChanges();
  }
}

void SdlWindow::ShowError(const std::string& caption, const std::string& message) {
  const bool started = SDL_WasInit(SDL_INIT_VIDEO) != 0;
  if (!started && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return;
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), message.c_str(), nullptr);
  if (!started) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace platform
