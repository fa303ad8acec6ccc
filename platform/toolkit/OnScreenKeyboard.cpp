#include "platform/toolkit/OnScreenKeyboard.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

#include "platform/input/HangulKeyboard.h"
#include "platform/system/CodePage.h"
#include "platform/system/Messages.h"
#include "platform/toolkit/Form.h"

namespace platform {
namespace {

// The letter rows are the US keys in the 2-set keyboard's places; the last row holds the keys
// that type no jamo.
constexpr const char* kLetterRows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};
constexpr int kLetterRowCount = 3;
// Each of them does what a button of its own does too.
struct SpecialKey {
  PadButton Same;
  const char* Label;  // UTF-8
  int32_t Width;
};
constexpr SpecialKey kSpecialRow[] = {{PadButton::Y, "Shift", 42},
                                      {PadButton::X, "Space", 42},
                                      {PadButton::B, "BkSp", 36},
                                      {PadButton::Back, "한/영", 42},
                                      {PadButton::Start, "Enter", 42}};
constexpr int kRowCount = kLetterRowCount + 1;

// Geometry, in pixels of the keyboard's own picture.
constexpr int32_t kMargin = 4;
constexpr int32_t kKeySize = 20;
constexpr int32_t kGap = 1;
constexpr int32_t kLineTop = kMargin + kRowCount * (kKeySize + kGap) + 4;
constexpr int32_t kLineHeight = 18;
constexpr int32_t kPairGap = 12;
constexpr int32_t kFontHeight = 16;
constexpr int32_t kColumnWidth = 8;  // one byte of code-page text

constexpr ColorWord kKeyFace = kWhite;
constexpr ColorWord kCursorFace{0x00800000};  // navy
constexpr ColorWord kShiftHeld{0x00B0B0B0};

int RowLength(int row) {
  return row < kLetterRowCount ? static_cast<int>(std::strlen(kLetterRows[row]))
                               : static_cast<int>(std::size(kSpecialRow));
}

// What a family prints on each button; the PlayStation pads' symbols are drawn, named here by
// the control characters 1 to 4.
constexpr char kCross[] = "\x01", kCircle[] = "\x02", kSquare[] = "\x03", kTriangle[] = "\x04";
struct Faces {
  const char *A, *B, *X, *Y, *Back, *Start;
};
Faces FacesOf(PadFamily family) {
  switch (family) {
    case PadFamily::Xbox360:
      break;
    case PadFamily::XboxOne:
      return {"A", "B", "X", "Y", "View", "Menu"};
    case PadFamily::PlayStation3:
      return {kCross, kCircle, kSquare, kTriangle, "Select", "Start"};
    case PadFamily::PlayStation4:
      return {kCross, kCircle, kSquare, kTriangle, "Share", "Options"};
    case PadFamily::PlayStation5:
      return {kCross, kCircle, kSquare, kTriangle, "Create", "Options"};
    case PadFamily::Nintendo:
      return {"B", "A", "Y", "X", "-", "+"};
  }
  return {"A", "B", "X", "Y", "Back", "Start"};
}

bool IsSymbol(const char* face) { return face[0] != 0 && face[0] < 0x20; }

// One of the PlayStation symbols in a 16 x 16 cell at (x, y).
void DrawSymbol(Bitmap& picture, int32_t x, int32_t y, char symbol, ColorWord color) {
  const auto dot = [&](int32_t dx, int32_t dy) { picture.SetPixel(x + dx, y + dy, color); };
  for (int32_t i = 0; i <= 9; ++i) {
    switch (symbol) {
      case 1:  // cross
        dot(3 + i, 3 + i), dot(4 + i, 3 + i), dot(12 - i, 3 + i), dot(13 - i, 3 + i);
        break;
      case 3:  // square
        dot(3 + i, 3), dot(3 + i, 12), dot(3, 3 + i), dot(12, 3 + i);
        break;
      case 4:  // triangle: the apex on top, the base at the bottom
        dot(8 - i / 2, 3 + i), dot(8 + (i + 1) / 2, 3 + i), dot(3 + i, 12);
        break;
      default:
        break;
    }
  }
  if (symbol == 2) {  // circle
    for (int32_t dy = 0; dy < 16; ++dy)
      for (int32_t dx = 0; dx < 16; ++dx) {
        const double distance = std::hypot(dx - 7.5, dy - 7.5);
        if (distance > 4.3 && distance < 5.7) dot(dx, dy);
      }
  }
}

}  // namespace

OnScreenKeyboard::OnScreenKeyboard() = default;

void OnScreenKeyboard::SetFamily(PadFamily family) {
  if (family != family_) dirty_ = true;
  family_ = family;
}

void OnScreenKeyboard::SetShown(bool shown) {
  if (shown_ && !shown) hidden_ = true;
  if (!shown_ && shown) dirty_ = true;
  shown_ = shown && bounds_.Width() > 0 && bounds_.Height() > 0;
}

void OnScreenKeyboard::Reset() {
  cursor_ = {};
  shift_ = false;
  dirty_ = true;
}

bool OnScreenKeyboard::TakeHidden() {
  const bool hidden = hidden_;
  hidden_ = false;
  return hidden;
}

std::vector<KeyStroke> OnScreenKeyboard::Press(PadButton button) {
  dirty_ = true;
  const auto key = [](uint16_t code) { return std::vector<KeyStroke>{StrokeOfKey(code, 0)}; };
  Place& at = cursor_;
  switch (button) {
    // A move past an edge stays; a move to a shorter row lands on its last key at most.
    case PadButton::Up:
      if (at.Row > 0) at = {at.Row - 1, std::min(at.Column, RowLength(at.Row - 1) - 1)};
      return {};
    case PadButton::Down:
      if (at.Row < kRowCount - 1) at = {at.Row + 1, std::min(at.Column, RowLength(at.Row + 1) - 1)};
      return {};
    case PadButton::Left:
      at.Column = std::max(at.Column - 1, 0);
      return {};
    case PadButton::Right:
      at.Column = std::min(at.Column + 1, RowLength(at.Row) - 1);
      return {};
    case PadButton::B:
      return key(vk::Back);
    case PadButton::X:
      return key(vk::Space);
    case PadButton::Y:
      shift_ = !shift_;
      return {};
    case PadButton::Start:
      return key(vk::Return);
    case PadButton::Back:
      return key(vk::Hangul);
    case PadButton::A:
      break;
  }
  if (at.Row < kLetterRowCount) {
    const char letter = kLetterRows[at.Row][at.Column];
    const char typed = shift_ ? static_cast<char>(std::toupper(letter)) : letter;
    shift_ = false;
    return {*StrokeForChar(typed)};
  }
  return Press(kSpecialRow[at.Column].Same);
}

void OnScreenKeyboard::Paint(Bitmap& surface, bool hangul, bool force) {
  if (!shown_) return;
  if (!dirty_ && hangul == hangulShown_ && !force) return;
  dirty_ = false;
  hangulShown_ = hangul;
  // Drawn whole in a picture of its own, so nothing spills past its bounds.
  Bitmap picture(bounds_.Width(), bounds_.Height());
  picture.FillRect(RectAt(0, 0, picture.Width(), picture.Height()), kButtonFace);
  const ControlFont::TextDrawer* draw =
      controlFont_ && controlFont_->Fallback() ? &controlFont_->Fallback() : nullptr;
  const auto text = [&](int32_t x, int32_t y, const std::string& utf8, ColorWord color) {
    if (draw) (*draw)(picture, x, y, Utf8ToCodePage(utf8), color);
  };
  const auto width = [](const std::string& utf8) {
    return kColumnWidth * static_cast<int32_t>(Utf8ToCodePage(utf8).size());
  };
  const auto key = [&](Rect area, const std::string& label, Place place, bool held) {
    const bool under = place == cursor_;
    picture.FillRect(area, kGrayText);
    const Rect face{area.Left + 1, area.Top + 1, area.Right - 1, area.Bottom - 1};
    picture.FillRect(face, under ? kCursorFace : held ? kShiftHeld : kKeyFace);
    text(area.Left + (area.Width() - width(label)) / 2,
         area.Top + (area.Height() - kFontHeight) / 2, label, under ? kWhite : kBlack);
  };
  for (int row = 0; row < kLetterRowCount; ++row) {
    for (int column = 0; column < RowLength(row); ++column) {
      const char letter = kLetterRows[row][column];
      const char typed = shift_ ? static_cast<char>(std::toupper(letter)) : letter;
      const std::string label =
          hangul ? WideToUtf8(HangulKeyboard::JamoOfKey(typed)) : std::string(1, typed);
      key(RectAt(kMargin + column * (kKeySize + kGap), kMargin + row * (kKeySize + kGap), kKeySize,
                 kKeySize),
          label, {row, column}, false);
    }
  }
  int32_t left = kMargin;
  for (int column = 0; column < RowLength(kLetterRowCount); ++column) {
    const SpecialKey& special = kSpecialRow[column];
    key(RectAt(left, kMargin + kLetterRowCount * (kKeySize + kGap), special.Width, kKeySize),
        special.Label, {kLetterRowCount, column}, special.Same == PadButton::Y && shift_);
    left += special.Width + kGap;
  }
  // The buttons, each with what it does, flowing onto the next line where a line is full.
  const Faces faces = FacesOf(family_);
  const std::pair<const char*, std::string> buttons[] = {
      {faces.A, _("press")}, {faces.B, _("erase")},     {faces.X, _("space")},
      {faces.Y, _("shift")}, {faces.Start, _("enter")}, {faces.Back, _("Hangul/Latin")}};
  int32_t x = kMargin, y = kLineTop;
  for (const auto& [face, action] : buttons) {
    const int32_t faceWidth = IsSymbol(face) ? 16 : width(face);
    const int32_t pairWidth = faceWidth + kColumnWidth / 2 + width(action);
    if (x > kMargin && x + pairWidth > picture.Width() - kMargin) {
      x = kMargin;
      y += kLineHeight;
    }
    if (IsSymbol(face)) {
      DrawSymbol(picture, x, y, face[0], kBlack);
    } else {
      text(x, y, face, kCursorFace);
    }
    text(x + faceWidth + kColumnWidth / 2, y, action, kBlack);
    x += pairWidth + kPairGap;
  }
  surface.CopyRect(bounds_, picture, RectAt(0, 0, picture.Width(), picture.Height()));
}

}  // namespace platform
