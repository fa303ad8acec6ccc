// InputMethod: turns physical key strokes into events of the text receiver. The plain one types
// each key's own character; a Hangul keyboard composes syllables. The window owns one and hands it
// every key.
#pragma once

#include <memory>
#include <string>

#include "platform/input/Keys.h"
#include "platform/input/TextReceiver.h"

namespace platform {

// How keys become text at the moment, for the window's mode indicator.
enum class TypingMode {
  Latin,          // every key types its own character
  Hangul,         // letter keys compose Hangul syllables
  Desktop,        // the desktop's input method types, and it has answered
  DesktopSilent,  // the desktop's input method should type, but none has answered yet
};

class InputMethod {
 public:
  virtual ~InputMethod() = default;
  virtual TypingMode Mode() const { return TypingMode::Latin; }
  virtual void KeyDown(const KeyStroke& stroke, TextReceiver& receiver) = 0;
  // Text the desktop's input method committed (or a script's "text" line).
  virtual void TextInput(const std::u16string& committed, TextReceiver& receiver) {
    receiver.Commit(committed);
  }
  // The syllable the desktop's input method is composing (or a script's "compose" line).
  virtual void TextEditing(const std::u16string& preedit, TextReceiver& receiver) {
    receiver.SetComposition(preedit);
  }
};

// No composition: key-down, then the key's character, if it types one.
class DirectInput : public InputMethod {
 public:
  void KeyDown(const KeyStroke& stroke, TextReceiver& receiver) override;
};

}  // namespace platform
