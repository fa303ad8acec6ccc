#include "platform/input/SystemInputMethod.h"

#include <iostream>

#include "platform/system/Messages.h"

namespace platform {
namespace {

// A key's character that is a control character; 0 is a key that types none.
bool TypesControlCharacter(char c) {
  const unsigned char code = static_cast<unsigned char>(c);
  return code != 0 && IsControlCharacter(code);
}

// Text that a key typed past the input method, never the result of a composition.
bool IsKeyText(const std::u16string& text) {
  for (char16_t c : text) {
    if (c >= 0x80) return false;
  }
  return !text.empty();
}

}  // namespace

bool SystemInputMethod::BelongsToComposition(const KeyStroke& stroke) {
  const char c = stroke.Ascii;
  const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  return letter || stroke.VirtualKey == vk::Back || stroke.VirtualKey == vk::Shift ||
         stroke.VirtualKey == vk::Control || stroke.VirtualKey == vk::Menu;
}

void SystemInputMethod::CommitAhead(TextReceiver& receiver) {
  committedAhead_ = receiver.Composition();
  receiver.Commit(committedAhead_);
}

void SystemInputMethod::KeyDown(const KeyStroke& stroke, TextReceiver& receiver) {
  const bool composing = !receiver.Composition().empty();
  if (composing && !BelongsToComposition(stroke)) CommitAhead(receiver);
  receiver.KeyDown(stroke.VirtualKey, stroke.Shift);
  // Backspace while composing was the input method's: it edits the syllable, not the text.
  const bool erasesComposition = stroke.VirtualKey == vk::Back && composing;
  if (TypesControlCharacter(stroke.Ascii) && !erasesComposition) {
    receiver.Char(static_cast<unsigned char>(stroke.Ascii));
  }
}

void SystemInputMethod::Heard(const std::u16string& text) {
  if (!IsKeyText(text) && !text.empty()) {
    answered_ = true;
  } else if (!answered_ && !toldSilent_) {
    toldSilent_ = true;
    WriteMessage(
        _("--ime system: no input method has composed anything yet, so keys type "
          "Latin letters as they are (is IBus or Fcitx running?)"));
  }
}

void SystemInputMethod::TextInput(const std::u16string& committed, TextReceiver& receiver) {
  Heard(committed);
  if (!committedAhead_.empty() && committed == committedAhead_) {
    committedAhead_.clear();
    return;
  }
  // The same race without a key event in front: a key's own character overtaking the syllable.
  if (!receiver.Composition().empty() && IsKeyText(committed)) CommitAhead(receiver);
  receiver.Commit(committed);
}

void SystemInputMethod::TextEditing(const std::u16string& preedit, TextReceiver& receiver) {
  if (!preedit.empty()) answered_ = true;
  if (!preedit.empty()) committedAhead_.clear();
  receiver.SetComposition(preedit);
}

}  // namespace platform
