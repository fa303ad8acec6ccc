#include "platform/toolkit/Form.h"

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
  if (log_) log_->Paint(canvas_, true);
  indicator_.Paint(canvas_, inputMethod_->Mode(), true);
  DoPaint();
}

void Form::Key(const KeyStroke& stroke) {
  if (focus_) inputMethod_->KeyDown(stroke, *focus_);
}

void Form::Tick() {
  if (timer_ && timer_->Enabled && timer_->OnTimer) timer_->OnTimer();
}

void Form::CloseButton() { Close(); }

TextReceiver& Form::FocusedReceiver() { return *focus_; }

Timer& Form::MainTimer() { return *timer_; }

void Form::PrepareFrame() {
  if (log_) log_->Paint(canvas_);
  indicator_.Paint(canvas_, inputMethod_->Mode());
}

std::vector<Rect> Form::TakeChanges() {
  PrepareFrame();
  return changes_.TakeAreas();
}

}  // namespace platform
