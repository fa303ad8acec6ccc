#include "platform/toolkit/Form.h"

#include "platform/input/HangulKeyboard.h"

namespace platform {

Form::Form(FormDescription description)
    : description_(std::move(description)),
      changes_(description_.ClientHeight),
      canvas_(description_.ClientWidth, description_.ClientHeight),
      inputMethod_(std::make_unique<DirectInput>()) {
  canvas_.SetChangeLog(&changes_);
  canvas_.FillRect(RectAt(0, 0, canvas_.Width(), canvas_.Height()), description_.Background);
  indicator_.SetBounds(description_.ModeField);
  indicator_.UseFont(font_);
  padKeyboard_.SetBounds(description_.PadKeyboardArea);
  padKeyboard_.UseFont(font_);
}

Form::~Form() = default;

void Form::Register(EventLog& log, TextReceiver& focus, Timer& timer) {
  log_ = &log;
  log_->UseFont(font_);
  focus_ = &focus;
  timer_ = &timer;
}

void Form::Create() { DoCreate(); }

void Form::Destroy() { DoDestroy(); }

void Form::Paint() {
  // As the toolkit does: erase the background, let the controls paint themselves, then the
  // window's own paint handler.
  canvas_.FillRect(RectAt(0, 0, canvas_.Width(), canvas_.Height()), description_.Background);
  PaintControls(true);
  DoPaint();
}

void Form::Key(const KeyStroke& stroke) {
  if (!focus_) return;
  const auto button = ButtonOfStroke(stroke);
  padInUse_ = button.has_value();
  if (!button) {
    inputMethod_->KeyDown(stroke, *focus_);
  } else if (padKeyboard_.Shown()) {
    for (const KeyStroke& typed : padKeyboard_.Press(*button)) PadTyping().KeyDown(typed, *focus_);
  } else if (!TakesText() && (button == PadButton::A || stroke.VirtualKey < vk::GamepadA)) {
    // Walking, the d-pad is the arrows and A a key that is no arrow; the other buttons do nothing.
    // The press that brings the keyboard back into a talk does nothing more either.
    inputMethod_->KeyDown(stroke, *focus_);
  }
  FollowTextTaking();
}

void Form::PadsGone() {
  padInUse_ = false;
  FollowTextTaking();
}

// The keys of the on-screen keyboard compose through the game's 2-set keyboard; where the desktop's
// input method types instead, which no pad reaches, through a 2-set keyboard of their own.
InputMethod& Form::PadTyping() {
  const TypingMode mode = inputMethod_->Mode();
  if (mode == TypingMode::Hangul || mode == TypingMode::Latin) return *inputMethod_;
  if (!padTyping_) {
    // Without a 2-set keyboard the pad's keys type their Latin letters.
    auto hangul = HangulKeyboard::Make();
    padTyping_ =
        hangul ? std::unique_ptr<InputMethod>(std::move(*hangul)) : std::make_unique<DirectInput>();
  }
  return *padTyping_;
}

void Form::FollowTextTaking() {
  const bool taking = TakesText();
  if (taking && !takingText_) padKeyboard_.Reset();
  takingText_ = taking;
  padKeyboard_.SetShown(taking && padInUse_);
}

void Form::PaintControls(bool force) {
  // The on-screen keyboard stands over the event log while it shows.
  if (padKeyboard_.Shown()) {
    padKeyboard_.Paint(canvas_, PadTyping().Mode() == TypingMode::Hangul, force);
  } else if (log_) {
    log_->Paint(canvas_, padKeyboard_.TakeHidden() || force);
  }
  indicator_.Paint(canvas_, inputMethod_->Mode(), force);
}

void Form::Tick() {
  if (timer_ && timer_->Enabled && timer_->OnTimer) timer_->OnTimer();
}

void Form::CloseButton() { Close(); }

TextReceiver& Form::FocusedReceiver() { return *focus_; }

Rect Form::TextCaret() const { return CaretCell().value_or(description_.TextInputArea); }

Timer& Form::MainTimer() { return *timer_; }

void Form::PrepareFrame() { PaintControls(false); }

std::vector<Rect> Form::TakeChanges() {
  PrepareFrame();
  return changes_.TakeAreas();
}

}  // namespace platform
