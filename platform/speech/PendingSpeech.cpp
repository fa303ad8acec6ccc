#include "platform/speech/PendingSpeech.h"

#include <algorithm>

namespace platform {

void PendingSpeech::Add(Utterance utterance) {
  std::erase_if(waiting_, [](const Utterance& waiting) { return waiting.Walking; });
  waiting_.push_back(std::move(utterance));
}

std::optional<Utterance> PendingSpeech::Take() {
  if (waiting_.empty()) return std::nullopt;
  Utterance first = std::move(waiting_.front());
  waiting_.pop_front();
  return first;
}

}  // namespace platform
