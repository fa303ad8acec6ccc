#include "platform/ModeIndicator.h"

#include "platform/CodePage.h"
#include "platform/Form.h"
#include "platform/LogFont.h"

namespace platform {
namespace {
constexpr int kFontHeight = 10;      // a pixel below the window font, so a syllable fits the strip
constexpr uint32_t kWindowText = 0;  // black
constexpr uint32_t kHighlight = kWhite;  // the light lower and right edge of a sunken field
}  // namespace

ModeIndicator::ModeIndicator() = default;
ModeIndicator::~ModeIndicator() = default;

const char* ModeIndicator::Label(TypingMode mode) {
  switch (mode) {
    case TypingMode::Hangul:
      return "한";
    case TypingMode::Latin:
      return "A";
    case TypingMode::Desktop:
      return "IME";
    case TypingMode::DesktopSilent:
      return "IME?";
  }
  return "";
}

void ModeIndicator::Paint(Bitmap& surface, TypingMode mode, bool force) {
  if (bounds_.Width() <= 0 || bounds_.Height() <= 0) return;
  if (painted_ && mode == shown_ && !force) return;
  painted_ = true;
  shown_ = mode;
  if (!fontLooked_) {
    font_ = LogFont::Find(kFontHeight);
    fontLooked_ = true;
  }
  // The field is drawn whole in a picture of its own, so the game's 16-pixel fonts are cut to
  // its height rather than spilling onto the panes around it.
  Bitmap field(bounds_.Width(), bounds_.Height());
  const Rect whole = RectAt(0, 0, field.Width(), field.Height());
  field.SetFillColor(kGrayText);
  field.FillRect(whole);
  field.SetFillColor(kHighlight);
  field.FillRect(Rect{1, 1, field.Width(), field.Height()});
  field.SetFillColor(kButtonFace);
  field.FillRect(Rect{1, 1, field.Width() - 1, field.Height() - 1});
  const Rect inside = Rect{1, 1, field.Width() - 1, field.Height() - 1};
  if (font_) {
    const int32_t left = (field.Width() - font_->Width(Label(mode))) / 2;
    font_->Draw(field, inside, left, 0, Label(mode), kWindowText);
  } else if (fallback_) {
    Bitmap text(inside.Width(), inside.Height());
    text.SetFillColor(kButtonFace);
    text.FillRect(RectAt(0, 0, text.Width(), text.Height()));
    fallback_(text, 2, -2, Utf8ToCodePage(Label(mode)), kWindowText);
    field.CopyRect(inside, text, RectAt(0, 0, text.Width(), text.Height()));
  }
  surface.CopyRect(bounds_, field, whole);
}

}  // namespace platform
