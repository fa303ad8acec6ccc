#include "platform/input/TextReceiver.h"

#include "platform/system/CodePage.h"

namespace platform {

std::u16string TextReceiver::WideText() const {
  std::u16string visible = text_;
  visible.insert(caret_, composition_);
  return visible;
}

std::string TextReceiver::Text() const { return WideToCodePage(WideText()); }

size_t TextReceiver::CaretOffset() const {
  return WideToCodePage(text_.substr(0, caret_) + composition_).size();
}

void TextReceiver::Changed(const std::u16string& before) {
  if (WideText() != before && OnChange) OnChange();
}

size_t TextReceiver::Room(const std::u16string& composition) const {
  const size_t used = text_.size() + composition.size();
  return used < kMaxLength ? kMaxLength - used : 0;
}

void TextReceiver::Insert(char16_t ch) {
  if (!IsControlCharacter(ch) && Room(composition_) > 0) text_.insert(caret_++, 1, ch);
}

void TextReceiver::SetText(const std::string& codePageText) {
  const std::u16string before = WideText();
  text_ = CodePageToWide(codePageText).substr(0, kMaxLength);
  composition_.clear();
  caret_ = text_.size();
  Changed(before);
}

void TextReceiver::KeyDown(uint16_t key, ShiftState shift) {
  if (OnKeyDown) OnKeyDown(key, shift);
  const std::u16string before = WideText();
  const size_t caretBefore = caret_;
  switch (key) {
    case vk::Left:
      if (caret_ > 0) --caret_;
      break;
    case vk::Right:
      if (caret_ < text_.size()) ++caret_;
      break;
    case vk::Home:
      caret_ = 0;
      break;
    case vk::End:
      caret_ = text_.size();
      break;
    case vk::Delete:
      if (caret_ < text_.size()) text_.erase(caret_, 1);
      break;
    default:
      return;
  }
  if (WideText() == before && caret_ != caretBefore && OnCaretMove) OnCaretMove();
  Changed(before);
}

void TextReceiver::Char(char16_t ch) {
  if (ch < 0x80) {
    char key = static_cast<char>(ch);
    if (OnKeyPress) OnKeyPress(key);
    if (key == 0) return;
    ch = static_cast<unsigned char>(key);
  }
  if (ch == 8) {
    const std::u16string before = WideText();
    if (caret_ > 0) text_.erase(--caret_, 1);
    Changed(before);
  } else if (!IsControlCharacter(ch) && Room(composition_) > 0) {
    // A single-line edit takes no other control characters, and nothing past its limit.
    const std::u16string before = WideText();
    Insert(ch);
    Changed(before);
  }
}

void TextReceiver::SetComposition(const std::u16string& preedit) {
  const std::u16string before = WideText();
  // A syllable begun past the limit is not shown, as it could not be typed in.
  composition_ = preedit.size() <= Room(u"") ? preedit : u"";
  Changed(before);
}

void TextReceiver::Commit(std::u16string committed) {
  if (committed.empty()) {
    SetComposition(u"");
    return;
  }
  // The first character takes the place of the composition in one change, so committing the
  // syllable that is already shown changes nothing the player sees.
  for (size_t i = 0; i < committed.size(); ++i) {
    const std::u16string before = WideText();
    if (i == 0) composition_.clear();
    Insert(committed[i]);
    Changed(before);
  }
}

void TextReceiver::Compose(const std::u16string& committed, const std::u16string& preedit) {
  const std::u16string before = WideText();
  composition_.clear();
  for (const char16_t ch : committed) Insert(ch);
  composition_ = preedit.size() <= Room(u"") ? preedit : u"";
  Changed(before);
}

}  // namespace platform
