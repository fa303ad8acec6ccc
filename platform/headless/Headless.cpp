#include "platform/headless/Headless.h"

#include <algorithm>

namespace platform {
namespace {

// The desktop's auto-repeat as an X server sets it by default: a 660 ms delay, then 25 a second.
constexpr uint64_t kDesktopRepeatDelayMs = 660;
constexpr uint64_t kDesktopRepeatPeriodMs = 40;

class ScriptRun {
 public:
  ScriptRun(Form& form, HeldKeys& heldKeys) : form_(form), heldKeys_(heldKeys) {}

  void Press(const KeyStroke& stroke) {
    if (heldKeys_.Down(stroke, clockMs_)) Deliver(stroke);
    heldKeys_.Up(stroke.VirtualKey);
  }

  // The key goes down now and comes up `ms` later; in between the desktop repeats it and the
  // form gets whatever HeldKeys lets through or adds, each at its own time.
  void Hold(const KeyStroke& stroke, uint64_t ms) {
    const uint64_t end = clockMs_ + ms;
    if (heldKeys_.Down(stroke, clockMs_)) Deliver(stroke);
    // A game controller's button has no auto-repeat of the desktop's.
    uint64_t desktopRepeat = stroke.FromPad ? end : clockMs_ + kDesktopRepeatDelayMs;
    while (!form_.CloseRequested()) {
      const uint64_t next = std::min(desktopRepeat, heldKeys_.NextDue().value_or(end));
      if (next >= end) break;
      clockMs_ = next;
      if (desktopRepeat == clockMs_) {
        KeyStroke repeat = stroke;
        repeat.Repeat = true;
        if (heldKeys_.Down(repeat, clockMs_)) Deliver(repeat);
        desktopRepeat += kDesktopRepeatPeriodMs;
      }
      if (auto paced = heldKeys_.Due(clockMs_)) Deliver(*paced);
    }
    clockMs_ = end;
    heldKeys_.Up(stroke.VirtualKey);
  }

  void Deliver(const KeyStroke& stroke) {
    if (form_.CloseRequested()) return;
    form_.Key(stroke);
    form_.PrepareFrame();
  }

 private:
  Form& form_;
  HeldKeys& heldKeys_;
  uint64_t clockMs_ = 0;
};

}  // namespace

void RunHeadless(Form& form, const std::vector<ScriptEvent>& events, HeldKeys& heldKeys) {
  ScriptRun run(form, heldKeys);
  // A window that has just been shown gets its first paint.
  form.Paint();
  form.PrepareFrame();
  for (const ScriptEvent& event : events) {
    if (form.CloseRequested()) break;
    switch (event.What) {
      case ScriptEvent::Kind::Key:
        run.Press(event.Stroke);
        break;
      case ScriptEvent::Kind::Hold:
        run.Hold(event.Stroke, event.HoldMs);
        break;
      case ScriptEvent::Kind::Text:
        form.Input().TextInput(event.Text, form.FocusedReceiver());
        break;
      case ScriptEvent::Kind::Compose:
        form.Input().TextEditing(event.Text, form.FocusedReceiver());
        break;
      case ScriptEvent::Kind::Tick:
        form.Tick();
        break;
      case ScriptEvent::Kind::Paint:
        form.Paint();
        break;
      case ScriptEvent::Kind::Close:
        form.CloseButton();
        break;
    }
    form.PrepareFrame();
  }
}

}  // namespace platform
