// SystemInputMethod: the desktop's own input method (IBus, Fcitx) as the window's text events
// deliver it: the syllable being composed, the text committed, and the keys the input method left
// alone. Printable characters arrive as committed text, so a key types only control characters
// (Enter, Escape, and Backspace when nothing is being composed).
//
// Key order guard. On Linux the commit of a pending syllable can arrive after the key that ended
// it: SDL2 hands each key to IBus or Fcitx over D-Bus and, when the input method does not take the
// key (Enter, a digit, punctuation), queues the key and its text at once, while the input method's
// "commit" for the syllable the key finished comes back as a D-Bus signal that SDL only reads on
// its next pump. Typing 가 then "1" gives the events "1" then 가; Enter reaches the game before the
// word it ends. (Reported against SDL2 with ibus-hangul and with Fcitx 4; ibus-hangul's way out,
// forwarding the key back after the commit, is not followed by SDL2's IBus client. Keys the input
// method does take raise no key-down event at all.) So a key that arrives while a syllable is
// shown commits that syllable first, and the input method's own late commit of exactly that text
// is dropped when it comes. A new composition means the input method has moved past the key, so
// nothing late is expected any more.
#pragma once

#include <string>

#include "platform/input/InputMethod.h"

namespace platform {

class SystemInputMethod : public InputMethod {
 public:
  void KeyDown(const KeyStroke& stroke, TextReceiver& receiver) override;
  void TextInput(const std::u16string& committed, TextReceiver& receiver) override;
  void TextEditing(const std::u16string& preedit, TextReceiver& receiver) override;
  TypingMode Mode() const override {
    return answered_ ? TypingMode::Desktop : TypingMode::DesktopSilent;
  }
  // Keys that belong to the composition when they get here at all: letters build the syllable,
  // Backspace takes a jamo off it, and the modifiers are held down for the doubled consonants.
  static bool BelongsToComposition(const KeyStroke& stroke);

 private:
  // Notes that the input method composed or committed something a plain key cannot type; the
  // first letter that arrives before it ever did says once on stderr that none may be running.
  void Heard(const std::u16string& text);
  bool answered_ = false;
  bool toldSilent_ = false;
  // Commits the syllable shown, ahead of the input method's own commit.
  void CommitAhead(TextReceiver& receiver);
  // What a key committed on the input method's behalf; its late commit of the same is dropped.
  std::u16string committedAhead_;
};

}  // namespace platform
