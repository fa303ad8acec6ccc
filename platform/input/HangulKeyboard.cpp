#include "platform/input/HangulKeyboard.h"

#include <hangul.h>

#include "platform/system/Messages.h"

namespace platform {
namespace {

// libhangul's id of the standard 2-set (두벌식) layout.
constexpr const char* kTwoSetLayout = "2";

std::u16string ToWide(const ucschar* text) {
  std::u16string wide;
  for (; *text != 0; ++text) {
    const ucschar code = *text;
    if (code < 0x10000) {
      wide.push_back(static_cast<char16_t>(code));
    } else {
      wide.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
      wide.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
    }
  }
  return wide;
}

bool IsToggle(const KeyStroke& stroke) {
  return stroke.VirtualKey == vk::Hangul || stroke.RightAlt ||
         (stroke.VirtualKey == vk::Space && (stroke.Shift & kShift) != 0);
}

// A key that feeds the composition: a bare letter (Shift picks the doubled consonants and ㅒ ㅖ).
// With Ctrl or Alt held it is a command, not a jamo.
bool IsJamoKey(const KeyStroke& stroke) {
  const char c = stroke.Ascii;
  const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  return letter && (stroke.Shift & (kCtrl | kAlt)) == 0;
}

// Shift, Ctrl and Alt on their own: holding Shift for ㅆ must not end the syllable it completes.
bool IsModifier(const KeyStroke& stroke) {
  return stroke.VirtualKey == vk::Shift || stroke.VirtualKey == vk::Control ||
         (stroke.VirtualKey == vk::Menu && !stroke.RightAlt);
}

}  // namespace

void HangulKeyboard::ContextDeleter::operator()(HangulInputContext* context) const {
  hangul_ic_delete(context);
}

Result<std::unique_ptr<HangulKeyboard>> HangulKeyboard::Make() {
  HangulInputContext* context = hangul_ic_new(kTwoSetLayout);
  if (!context) return Problem{_("libhangul has no 2-set keyboard (\"2\")")};
  return std::unique_ptr<HangulKeyboard>(new HangulKeyboard(context));
}

HangulKeyboard::~HangulKeyboard() = default;

std::u16string HangulKeyboard::JamoOfKey(char letter) {
  const std::unique_ptr<HangulInputContext, ContextDeleter> context(hangul_ic_new(kTwoSetLayout));
  if (!context) return {};
  hangul_ic_process(context.get(), static_cast<unsigned char>(letter));
  return ToWide(hangul_ic_get_preedit_string(context.get()));
}

void HangulKeyboard::KeyDown(const KeyStroke& stroke, TextReceiver& receiver) {
  ForgetDropped(receiver);
  if (IsToggle(stroke)) {
    Flush(receiver);
    if (!stroke.Repeat) {  // holding the toggle flips it once
      hangulMode_ = !hangulMode_;
      if (OnModeSwitch) OnModeSwitch(hangulMode_);
    }
    receiver.KeyDown(stroke.VirtualKey, stroke.Shift);
  } else if (hangulMode_ && IsJamoKey(stroke)) {
    receiver.KeyDown(stroke.VirtualKey, stroke.Shift);
    Compose(stroke.Ascii, receiver);
  } else if (stroke.VirtualKey == vk::Back && !hangul_ic_is_empty(context_.get())) {
    receiver.KeyDown(stroke.VirtualKey, stroke.Shift);
    EraseJamo(receiver);
  } else if (IsModifier(stroke)) {
    receiver.KeyDown(stroke.VirtualKey, stroke.Shift);
  } else {
    Flush(receiver);
    latin_.KeyDown(stroke, receiver);
  }
}

void HangulKeyboard::TextInput(const std::u16string& committed, TextReceiver& receiver) {
  ForgetDropped(receiver);
  Flush(receiver);
  InputMethod::TextInput(committed, receiver);
}

void HangulKeyboard::TextEditing(const std::u16string& preedit, TextReceiver& receiver) {
  ForgetDropped(receiver);
  Flush(receiver);
  InputMethod::TextEditing(preedit, receiver);
}

void HangulKeyboard::ForgetDropped(const TextReceiver& receiver) {
  // The receiver ends a composition of its own accord when its text is replaced; what it no
  // longer shows must not be completed by the next key.
  if (receiver.Composition().empty()) hangul_ic_reset(context_.get());
}

void HangulKeyboard::Compose(char letter, TextReceiver& receiver) {
  HangulInputContext* context = context_.get();
  // A composition that is not the keyboard's own (a script's) is kept as it is shown.
  if (hangul_ic_is_empty(context) && !receiver.Composition().empty()) {
    const std::u16string shown = receiver.Composition();  // Commit clears the original
    receiver.Commit(shown);
  }
  // Every letter is a jamo of the 2-set layout, so the context always takes it.
  hangul_ic_process(context, static_cast<unsigned char>(letter));
  receiver.Compose(ToWide(hangul_ic_get_commit_string(context)),
                   ToWide(hangul_ic_get_preedit_string(context)));
}

void HangulKeyboard::EraseJamo(TextReceiver& receiver) {
  hangul_ic_backspace(context_.get());
  receiver.SetComposition(ToWide(hangul_ic_get_preedit_string(context_.get())));
}

void HangulKeyboard::Flush(TextReceiver& receiver) {
  if (hangul_ic_is_empty(context_.get())) return;
  receiver.Compose(ToWide(hangul_ic_flush(context_.get())), u"");
}

}  // namespace platform
