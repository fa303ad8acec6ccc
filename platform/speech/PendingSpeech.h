// PendingSpeech: the lines handed to a voice that the service has not taken yet. A held arrow
// writes a message a step, faster than anyone speaks: a newer walking message replaces the one
// still waiting, and a line of a talk drops the walking messages waiting before it. A talk's
// lines wait in order and are never dropped.
#pragma once

#include <deque>
#include <optional>

#include "platform/speech/Voice.h"

namespace platform {

class PendingSpeech {
 public:
  void Add(Utterance utterance);
  // The oldest line waiting, taken out; nothing when none waits.
  std::optional<Utterance> Take();
  void Clear() { waiting_.clear(); }
  bool Empty() const { return waiting_.empty(); }

 private:
  std::deque<Utterance> waiting_;
};

}  // namespace platform
