#include "platform/toolkit/ModeIndicator.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/system/CodePage.h"
#include "platform/toolkit/Form.h"

namespace platform {
namespace {
constexpr int kFontHeight = 10;  // a pixel below the window font, so a syllable fits the strip
constexpr ColorWord kWindowText = kBlack;
constexpr ColorWord kHighlight = kWhite;  // the light lower and right edge of a sunken field
constexpr int32_t kGameFontHeight = 16;

// The rows of a label drawn with the game's 16-pixel fonts that fit `height` rows: its inked rows,
// less rows that repeat the one above them (the middle of a long stroke) while it is too tall, so
// a syllable keeps every stroke instead of losing its top or its bottom.
std::vector<int32_t> RowsThatFit(const Bitmap& label, Pixel face, int32_t height) {
  const auto inked = [&label, face](int32_t y) {
    return std::any_of(label.Row(y), label.Row(y) + label.Width(),
                       [face](uint32_t pixel) { return pixel != face.Value; });
  };
  int32_t first = 0, last = label.Height() - 1;
  while (first <= last && !inked(first)) ++first;
  while (last >= first && !inked(last)) --last;
  std::vector<int32_t> rows;
  for (int32_t y = first; y <= last; ++y) rows.push_back(y);
  const auto sameAsAbove = [&label](int32_t y) {
    return std::equal(label.Row(y), label.Row(y) + label.Width(), label.Row(y - 1));
  };
  while (static_cast<int32_t>(rows.size()) > height) {
    const auto repeated = std::find_if(rows.begin() + 1, rows.end(), sameAsAbove);
    rows.erase(repeated != rows.end() ? repeated : rows.end() - 1);
  }
  return rows;
}

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
    if (controlFont_) font_ = controlFont_->Face(kFontHeight);
    fontLooked_ = true;
  }
  // The field is drawn whole in a picture of its own, so the game's 16-pixel fonts are cut to
  // its height rather than spilling onto the panes around it.
  Bitmap field(bounds_.Width(), bounds_.Height());
  const Rect whole = RectAt(0, 0, field.Width(), field.Height());
  const Rect inside = Rect{1, 1, field.Width() - 1, field.Height() - 1};
  field.FillRect(whole, kGrayText);
  field.FillRect(Rect{1, 1, field.Width(), field.Height()}, kHighlight);
  field.FillRect(inside, kButtonFace);
  if (font_) {
    const int32_t left = (field.Width() - font_->Width(Label(mode))) / 2;
    font_->Draw(field, inside, left, 0, Label(mode), kWindowText);
  } else if (controlFont_ && controlFont_->Fallback()) {
    Bitmap label(inside.Width(), kGameFontHeight);
    label.FillRect(RectAt(0, 0, label.Width(), label.Height()), kButtonFace);
    const Pixel face = label.Pixel(0, 0);
    // The game's fonts give each byte of code-page text an 8-pixel column.
    const std::string text = Utf8ToCodePage(Label(mode));
    controlFont_->Fallback()(label, (label.Width() - 8 * static_cast<int32_t>(text.size())) / 2, 0, text,
              kWindowText);
    const std::vector<int32_t> rows = RowsThatFit(label, face, inside.Height());
    const int32_t top = inside.Top + (inside.Height() - static_cast<int32_t>(rows.size())) / 2;
    for (size_t i = 0; i < rows.size(); ++i)
      field.CopyRect(RectAt(inside.Left, top + static_cast<int32_t>(i), label.Width(), 1), label,
                     RectAt(0, rows[i], label.Width(), 1));
  }
  surface.CopyRect(bounds_, field, whole);
}

}  // namespace platform
