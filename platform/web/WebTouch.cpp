#include "platform/web/WebTouch.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include "platform/web/WebCanvas.h"

// clang-format off

// The phone opens its keyboard for an editable element that takes the focus inside a touch; it
// may hold the focus already, unseen, so it lets go first.
EM_JS(void, WebOpenKeyboard, (), {
  const field = document.getElementById('ime');
  field.blur();
  field.focus({preventScroll: true});
});

// The canvas takes the focus back, and with it a keyboard's keys, if there is one.
EM_JS(void, WebCloseKeyboard, (), {
  document.getElementById('ime').blur();
  document.getElementById('screen').focus({preventScroll: true});
});

EM_JS(bool, WebPointerIsCoarse, (), {
  return matchMedia('(pointer: coarse)').matches;
});

// clang-format on

namespace platform {
namespace {

WebTouch* touch = nullptr;

EM_BOOL OnTouch(int type, const EmscriptenTouchEvent* event, void* data) {
  auto& self = *static_cast<WebTouch*>(data);
  for (int i = 0; i < event->numTouches; ++i) {
    const EmscriptenTouchPoint& point = event->touches[i];
    if (!point.isChanged) continue;
    if (type == EMSCRIPTEN_EVENT_TOUCHSTART) {
      self.Down(point.identifier, point.targetX, point.targetY);
    } else if (type == EMSCRIPTEN_EVENT_TOUCHMOVE) {
      self.Move(point.identifier, point.targetX, point.targetY);
    } else {
      self.Up(point.identifier);
    }
  }
  // The page keeps the touch: no scrolling, no zoom, no mouse events made up from it.
  return true;
}

constexpr const char* kCanvas = "#screen";

}  // namespace

bool TouchScreen() { return WebPointerIsCoarse(); }

WebTouch::WebTouch(WebCanvas& canvas, const TouchWalk& walk, const Rect& textArea,
                   int32_t clientWidth, bool systemInputMethod)
    : canvas_(canvas),
      walk_(walk),
      textArea_(textArea),
      clientWidth_(clientWidth),
      systemInputMethod_(systemInputMethod) {}

void WebTouch::Start() {
  touch = this;
  emscripten_set_touchstart_callback(kCanvas, this, true, OnTouch);
  emscripten_set_touchmove_callback(kCanvas, this, true, OnTouch);
  emscripten_set_touchend_callback(kCanvas, this, true, OnTouch);
  emscripten_set_touchcancel_callback(kCanvas, this, true, OnTouch);
}

void WebTouch::Stop() {
  emscripten_set_touchstart_callback(kCanvas, nullptr, true, nullptr);
  emscripten_set_touchmove_callback(kCanvas, nullptr, true, nullptr);
  emscripten_set_touchend_callback(kCanvas, nullptr, true, nullptr);
  emscripten_set_touchcancel_callback(kCanvas, nullptr, true, nullptr);
  touch = nullptr;
}

Point WebTouch::ClientPoint(double x, double y) const {
  double width = 0, height = 0;
  emscripten_get_element_css_size(kCanvas, &width, &height);
  const double scale = width > 0 ? clientWidth_ / width : 1;
  return Point{static_cast<int32_t>(x * scale), static_cast<int32_t>(y * scale)};
}

void WebTouch::Down(long id, double x, double y) {
  const Point at = ClientPoint(x, y);
  if (typing_ && systemInputMethod_ && textArea_.Contains(at)) {
    WebOpenKeyboard();
    keyboardOpen_ = true;
  }
  if (!finger_) {
    finger_ = id;
    Hold(StrokeForTouch(walk_, at.X, at.Y));
  }
}

void WebTouch::Move(long id, double x, double y) {
  if (finger_ != id) return;
  const Point at = ClientPoint(x, y);
  const auto stroke = StrokeForTouch(walk_, at.X, at.Y);
  const bool same = stroke && held_ && stroke->VirtualKey == held_->VirtualKey;
  if (!same) Hold(stroke);
}

void WebTouch::Up(long id) {
  if (finger_ != id) return;
  finger_.reset();
  Hold(std::nullopt);
}

void WebTouch::Pad(const char* name, bool down) {
  Hold(down ? StrokeForName(name, false) : std::nullopt);
}

void WebTouch::Hold(const std::optional<KeyStroke>& stroke) {
  if (held_) canvas_.Release(held_->VirtualKey);
  held_ = stroke;
  if (stroke) canvas_.Press(*stroke);
}

void WebTouch::AfterEvent(bool typing) {
  if (typing == typing_) return;
  typing_ = typing;
  if (!systemInputMethod_) return;
  // A held touch's later steps come from the walk rate's timer, still inside the touch.
  if (typing && held_) {
    WebOpenKeyboard();
    keyboardOpen_ = true;
  } else if (!typing && keyboardOpen_) {
    WebCloseKeyboard();
    keyboardOpen_ = false;
  }
}

}  // namespace platform

// The on-screen pad's buttons call this with a key's name and 1 for down, 0 for up.
extern "C" EMSCRIPTEN_KEEPALIVE void WebTouchPad(const char* name, int down) {
  if (platform::touch) platform::touch->Pad(name, down != 0);
}
