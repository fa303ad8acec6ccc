// WebTextField: the hidden text field through which the browser's input method types (a desktop's
// with ?ime=system, a phone's keyboard always). During a talk the field holds the game's line and
// the game gets what changed in it, whatever way the keyboard changed it: compositions (Android's
// keyboards, a desktop's input method), deletes and inserts of the syllable being built (the
// iPhone's keyboards), range deletes (10-key keyboards), replacements (predictions, autocorrect),
// paste and dictation. Between talks it is emptied after every event, as walking keeps no text.
#pragma once

#include "platform/input/TextReceiver.h"

namespace platform {

class WebTextField {
 public:
  // Starts listening to the page's field (#ime).
  void Start();
  // Tells the page the game's line after an event, when it or the talk changed: the field follows
  // it where the game changed it (a hardware key, Enter, the talk's start and end).
  void Follow(const TextReceiver& line, bool talking);

 private:
  std::u16string text_;
  size_t caret_ = 0;
  bool talking_ = false;
  bool told_ = false;
};

}  // namespace platform
