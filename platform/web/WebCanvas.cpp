#include "platform/web/WebCanvas.h"

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>
#include <emscripten/html5.h>

#include <cstring>
#include <optional>
#include <vector>

#include "platform/input/Keys.h"
#include "platform/system/CodePage.h"
#include "platform/toolkit/Window.h"
#include "platform/web/WebKeys.h"

// The page's side of the window: the canvas, its title and icon, the hidden text field of the
// browser's input method, and the message shown when the game ends. The page's elements are
// #screen (the canvas), #ime (the text field) and #message.
// clang-format off

// Puts the area (left, top)-(right, bottom) of the picture on the canvas. The picture stays in
// the program's memory, shared with the page without a copy.
EM_JS(void, WebPutPixels, (const void* rgba, int width, int height, int left, int top, int right,
                           int bottom), {
  if (!Module.screenContext) {
    Module.screenContext = document.getElementById('screen').getContext('2d', {alpha: false});
  }
  const image = Module.screenImage;
  if (!image || image.data.buffer !== HEAPU8.buffer || Module.screenPixels !== rgba) {
    Module.screenPixels = rgba;
    Module.screenImage =
        new ImageData(new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4), width, height);
  }
  Module.screenContext.putImageData(Module.screenImage, 0, 0, left, top, right - left,
                                    bottom - top);
  if (Module.onFrame) Module.onFrame();
});

EM_JS(void, WebSetUpPage, (const char* caption, const void* icon, int iconWidth, int iconHeight,
                           int width, int height, bool systemInputMethod, int textLeft,
                           int textTop, int textRight, int textBottom), {
  document.title = UTF8ToString(caption);
  if (iconWidth > 0) {
    const picture = document.createElement('canvas');
    picture.width = iconWidth;
    picture.height = iconHeight;
    const context = picture.getContext('2d');
    const image = context.createImageData(iconWidth, iconHeight);
    image.data.set(HEAPU8.subarray(icon, icon + iconWidth * iconHeight * 4));
    context.putImageData(image, 0, 0);
    document.querySelector('link[rel=icon]').href = picture.toDataURL('image/png');
  }
  const canvas = document.getElementById('screen');
  canvas.width = width;
  canvas.height = height;
  // The text field lies over the area where typed text shows, so that the input method's
  // candidate window opens beside it.
  const field = document.getElementById('ime');
  field.style.left = (100 * textLeft / width) + '%';
  field.style.top = (100 * textTop / height) + '%';
  field.style.width = (100 * (textRight - textLeft) / width) + '%';
  field.style.height = (100 * (textBottom - textTop) / height) + '%';
  const target = systemInputMethod ? field : canvas;
  Module.focusGame = function() { target.focus({preventScroll: true}); };
  // On a touch screen the text field waits for a talk, since it opens the phone's keyboard over
  // the game: the canvas takes a keyboard's keys until then.
  const touchScreen = matchMedia('(pointer: coarse)').matches;
  canvas.addEventListener('mousedown', function(event) {
    event.preventDefault();
    Module.focusGame();
  });
  if (touchScreen) {
    canvas.focus({preventScroll: true});
  } else {
    Module.focusGame();
  }
});

EM_JS(void, WebEnded, (), {
  if (Module.onGameEnded) Module.onGameEnded();
});

EM_JS(void, WebShowError, (const char* caption, const char* message), {
  if (Module.onError) Module.onError(UTF8ToString(caption), UTF8ToString(message));
});

EM_JS(void, WebShowNotice, (const char* text), {
  if (Module.onNotice) Module.onNotice(UTF8ToString(text));
});

// clang-format on

namespace platform {
namespace {

WebCanvas* running = nullptr;

// The stroke of a browser key event: keys by their place on the keyboard, with the modifiers
// applied.
std::optional<KeyStroke> StrokeOf(const EmscriptenKeyboardEvent& key) {
  const auto game = KeyOfWebCode(key.code);
  if (!game) return std::nullopt;
  KeyStroke stroke = StrokeOfKey(
      *game, (key.shiftKey ? kShift : 0) | (key.altKey ? kAlt : 0) | (key.ctrlKey ? kCtrl : 0));
  stroke.Repeat = key.repeat;
  return stroke;
}

// Whether the page keeps the key from the browser: every key the game uses, so that arrows,
// Space, Tab and Backspace neither scroll nor leave the page; the browser's own shortcuts (with
// Ctrl or the system key, and the function keys) still work. With the browser's input method a
// key that types a character goes on to the text field, which turns it into text.
bool KeepFromBrowser(const EmscriptenKeyboardEvent& key, const KeyStroke& stroke,
                     bool systemInputMethod) {
  if (key.ctrlKey || key.metaKey) return false;
  if (stroke.VirtualKey >= vk::F1 && stroke.VirtualKey < vk::F1 + 12) return false;
  const bool types = stroke.Ascii >= ' ' && stroke.Ascii < 127;
  return !(systemInputMethod && types);
}

EM_BOOL OnKeyDown(int, const EmscriptenKeyboardEvent* event, void* canvas) {
  return static_cast<WebCanvas*>(canvas)->KeyDown(event);
}

EM_BOOL OnKeyUp(int, const EmscriptenKeyboardEvent* event, void* canvas) {
  return static_cast<WebCanvas*>(canvas)->KeyUp(event);
}

EM_BOOL OnBlur(int, const EmscriptenFocusEvent*, void* canvas) {
  static_cast<WebCanvas*>(canvas)->LostFocus();
  return false;
}

void OnHeldStep(void* canvas) { static_cast<WebCanvas*>(canvas)->HeldStep(); }

uint64_t NowMs() { return static_cast<uint64_t>(emscripten_get_now()); }

void OnTimer(void* canvas) { static_cast<WebCanvas*>(canvas)->Tick(); }

EM_BOOL OnVisibility(int, const EmscriptenVisibilityChangeEvent* event, void* canvas) {
  if (event->hidden) {
    static_cast<WebCanvas*>(canvas)->Hide();
  } else {
    static_cast<WebCanvas*>(canvas)->Show();
  }
  return false;
}

// Copies `area` of the bitmap into `rgba` (a picture of the bitmap's size) in the page's pixel
// order, bytes R, G, B, A: in memory a colour word 0x00BBGGRR with an opaque alpha above it.
void ToRgba(const Bitmap& bitmap, const Rect& area, std::vector<uint32_t>& rgba) {
  rgba.resize(static_cast<size_t>(bitmap.Width()) * bitmap.Height());
  for (int32_t y = area.Top; y < area.Bottom; ++y) {
    const uint32_t* pixels = bitmap.Row(y);
    uint32_t* out = rgba.data() + static_cast<size_t>(y) * bitmap.Width();
    for (int32_t x = area.Left; x < area.Right; ++x) {
      out[x] = 0xFF000000u | ToColorWord(Pixel(pixels[x])).Value;
    }
  }
}

const char* KeyTarget(bool systemInputMethod) { return systemInputMethod ? "#ime" : "#screen"; }

// Keys come from whichever holds the focus: the text field while the browser's input method types,
// the canvas otherwise (and on a touch screen between talks, whatever types the text).
constexpr const char* kKeySources[] = {"#screen", "#ime"};

}  // namespace

WebCanvas::WebCanvas(Form& form, bool systemInputMethod, int walkRate)
    : form_(form),
      systemInputMethod_(systemInputMethod),
      heldKeys_(walkRate),
      touch_(*this, form.Description().TouchWalking, form.Description().TextInputArea,
             form.Description().ClientWidth, systemInputMethod),
      pads_(*this, form) {}

void WebCanvas::Start() {
  const FormDescription& description = form_.Description();
  std::vector<uint32_t> icon;
  if (!description.Icon.Empty()) {
    const Bitmap& picture = description.Icon;
    ToRgba(picture, RectAt(0, 0, picture.Width(), picture.Height()), icon);
    // Pixels of value 0 are the icon's transparent ones.
    const uint32_t* pixels = description.Icon.Row(0);
    for (size_t i = 0; i < icon.size(); ++i) {
      if (pixels[i] == 0) icon[i] = 0;
    }
  }
  WebSetUpPage(description.Caption.c_str(), icon.data(), description.Icon.Width(),
               description.Icon.Height(), description.ClientWidth, description.ClientHeight,
               systemInputMethod_, description.TextInputArea.Left, description.TextInputArea.Top,
               description.TextInputArea.Right, description.TextInputArea.Bottom);
  running = this;
  running_ = true;
  for (const char* source : kKeySources) {
    emscripten_set_keydown_callback(source, this, true, OnKeyDown);
    emscripten_set_keyup_callback(source, this, true, OnKeyUp);
  }
  const char* target = KeyTarget(systemInputMethod_);
  emscripten_set_blur_callback(target, this, true, OnBlur);
  emscripten_set_visibilitychange_callback(this, true, OnVisibility);
  touch_.Start();
  pads_.Start();
  if (systemInputMethod_) textField_.Start();
  EmscriptenVisibilityChangeEvent visibility{};
  emscripten_get_visibility_status(&visibility);
  if (!visibility.hidden) StartTimer();
  form_.Paint();
  AfterEvent();
}

bool WebCanvas::KeyDown(const void* keyEvent) {
  const auto& key = *static_cast<const EmscriptenKeyboardEvent*>(keyEvent);
  // A key the browser's input method is working with (keyCode 229) is its own, not the game's.
  if (!running_ || key.keyCode == 229) return false;
  const auto stroke = StrokeOf(key);
  if (!stroke) return false;
  if (const WindowKey own = WindowKeyOf(*stroke);
      own == WindowKey::ToggleSpeech || own == WindowKey::RepeatSpeech) {
    if (!key.repeat && serviceKey_) serviceKey_(own);
    return true;
  }
  Press(*stroke);
  return KeepFromBrowser(key, *stroke, systemInputMethod_);
}

bool WebCanvas::KeyUp(const void* keyEvent) {
  const auto& key = *static_cast<const EmscriptenKeyboardEvent*>(keyEvent);
  if (const auto stroke = StrokeOf(key)) Release(stroke->VirtualKey);
  return false;
}

void WebCanvas::Press(const KeyStroke& stroke) {
  if (!running_) return;
  if (heldKeys_.Down(stroke, NowMs())) {
    form_.Key(stroke);
    AfterEvent();
  }
  ScheduleHeldStep();
}

void WebCanvas::Release(uint16_t virtualKey) {
  heldKeys_.Up(virtualKey);
  ScheduleHeldStep();
}

void WebCanvas::HeldStep() {
  heldStep_ = 0;
  if (!running_) return;
  if (const auto step = heldKeys_.Due(NowMs())) {
    form_.Key(*step);
    AfterEvent();
  }
  ScheduleHeldStep();
}

void WebCanvas::ScheduleHeldStep() {
  if (heldStep_ != 0) emscripten_clear_timeout(heldStep_);
  heldStep_ = 0;
  const auto due = heldKeys_.NextDue();
  if (!running_ || !due) return;
  const uint64_t now = NowMs();
  heldStep_ = emscripten_set_timeout(OnHeldStep, *due > now ? double(*due - now) : 0.0, this);
}

void WebCanvas::StartTimer() {
  const double interval = form_.MainTimer().Interval > 0 ? form_.MainTimer().Interval : 1;
  interval_ = emscripten_set_interval(OnTimer, interval, this);
}

void WebCanvas::Hide() {
  if (!running_) return;
  // No key-up comes for what is held while the page is away.
  heldKeys_.ReleaseAll();
  ScheduleHeldStep();
  emscripten_clear_interval(interval_);
  interval_ = 0;
}

void WebCanvas::Show() {
  if (running_ && interval_ == 0) StartTimer();
}

void WebCanvas::TextEditing(const std::u16string& preedit) {
  if (!running_) return;
  form_.Input().TextEditing(preedit, form_.FocusedReceiver());
  AfterEvent();
}

void WebCanvas::TextInput(const std::u16string& committed) {
  if (!running_) return;
  form_.Input().TextInput(committed, form_.FocusedReceiver());
  AfterEvent();
}

void WebCanvas::Tick() {
  if (!running_) return;
  form_.Tick();
  AfterEvent();
}

void WebCanvas::AfterEvent() {
  Upload();
  if (handled_) handled_();
  const bool typing = typing_ && typing_();
  touch_.AfterEvent(typing);
  if (systemInputMethod_) textField_.Follow(form_.FocusedReceiver(), typing);
  if (form_.CloseRequested()) Stop();
}

void WebCanvas::Upload() {
  // Only what changed since the last upload; a tick that draws nothing uploads nothing.
  const Bitmap& canvas = form_.Canvas();
  for (const Rect& area : form_.TakeChanges()) {
    ToRgba(canvas, area, rgba_);
    WebPutPixels(rgba_.data(), canvas.Width(), canvas.Height(), area.Left, area.Top, area.Right,
                 area.Bottom);
  }
}

void WebCanvas::Stop() {
  running_ = false;
  for (const char* source : kKeySources) {
    emscripten_set_keydown_callback(source, nullptr, true, nullptr);
    emscripten_set_keyup_callback(source, nullptr, true, nullptr);
  }
  emscripten_set_blur_callback(KeyTarget(systemInputMethod_), nullptr, true, nullptr);
  emscripten_set_visibilitychange_callback(nullptr, true, nullptr);
  touch_.Stop();
  pads_.Stop();
  emscripten_clear_interval(interval_);
  interval_ = 0;
  ScheduleHeldStep();
  form_.Destroy();
  WebEnded();
}

// The page shows the message in place of the game.
void ShowError(const std::string& caption, const std::string& message) {
  WebShowError(caption.c_str(), message.c_str());
}

void ShowNotice(const std::string& text) { WebShowNotice(text.c_str()); }

}  // namespace platform

namespace platform {
namespace {
std::function<std::string()> eventLogReport, stateReport;
std::string lastReport;  // the text the page is reading
}  // namespace

void PublishPageReports(std::function<std::string()> eventLog, std::function<std::string()> state) {
  eventLogReport = std::move(eventLog);
  stateReport = std::move(state);
}
}  // namespace platform

// The page's input-method listeners call these with UTF-8 text; its tests read the reports.
extern "C" {
EMSCRIPTEN_KEEPALIVE void WebCanvasEditing(const char* utf8) {
  if (platform::running) platform::running->TextEditing(platform::Utf8ToWide(utf8));
}
EMSCRIPTEN_KEEPALIVE void WebCanvasCommit(const char* utf8) {
  if (platform::running) platform::running->TextInput(platform::Utf8ToWide(utf8));
}
// A key that the input method reports only by what it does to the text, named as the script
// runner names keys: pressed and let go.
EMSCRIPTEN_KEEPALIVE void WebCanvasTypedKey(const char* name) {
  const auto stroke = platform::StrokeForName(name, false);
  if (!platform::running || !stroke) return;
  platform::running->Press(*stroke);
  platform::running->Release(stroke->VirtualKey);
}
EMSCRIPTEN_KEEPALIVE const char* WebEventLog() {
  platform::lastReport = platform::eventLogReport ? platform::eventLogReport() : "";
  return platform::lastReport.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* WebState() {
  platform::lastReport = platform::stateReport ? platform::stateReport() : "";
  return platform::lastReport.c_str();
}
}
