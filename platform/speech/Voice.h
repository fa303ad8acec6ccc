// Voice: one speech service as the game's speech sees it. Each folder of this room (speechd/,
// speechSynthesis/, silent/) defines OpenVoice for its service; the build compiles exactly one of
// them. A voice never keeps the caller waiting: Speak hands the line over and returns at once.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace platform {

struct Utterance {
  std::string Text;      // UTF-8
  std::string Language;  // "ko" or "en"
  // A walking message may be replaced by a newer one before it is spoken, and a line of a talk
  // cuts it short; a talk's lines are spoken in order, none dropped.
  bool Walking = false;
  bool operator==(const Utterance&) const = default;
};

class Voice {
 public:
  virtual ~Voice() = default;
  virtual void Speak(const Utterance& utterance) = 0;
  // Drops what was handed over and not yet spoken, and stops what is being spoken.
  virtual void Hush() = 0;
};

// The service's voice; `unavailable` is called once, from any thread, with the reason when the
// service cannot be reached (the voice then says nothing).
std::unique_ptr<Voice> OpenVoice(std::function<void(const std::string& reason)> unavailable);

}  // namespace platform
