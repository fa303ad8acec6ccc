// InputMethod: turns physical key strokes into events of the text receiver. The plain one types
// each key's own character; a Hangul keyboard composes syllables. The window owns one and hands it
// every key.
#pragma once

#include <memory>

#include "platform/Keys.h"
#include "platform/TextReceiver.h"

namespace platform {

class InputMethod {
 public:
  virtual ~InputMethod() = default;
  virtual void KeyDown(const KeyStroke& stroke, TextReceiver& receiver) = 0;
};

// No composition: key-down, then the key's character, if it types one.
class DirectInput : public InputMethod {
 public:
  void KeyDown(const KeyStroke& stroke, TextReceiver& receiver) override;
};

}  // namespace platform
