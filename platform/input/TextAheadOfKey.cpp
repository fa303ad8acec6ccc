#include "platform/input/TextAheadOfKey.h"

namespace platform {
namespace {

bool IsEmptyUpdate(const QueuedText& text) { return !text.Commit && text.Text.empty(); }

// A commit that ends the composition: no syllable follows it at once.
bool EndsComposition(const std::vector<QueuedText>& queued, size_t i) {
  return queued[i].Commit && (i + 1 == queued.size() || IsEmptyUpdate(queued[i + 1]));
}

// With `i` the end of the key's share, the empty updates right behind it belong to it as well.
size_t WithTrailingEmptyUpdates(const std::vector<QueuedText>& queued, size_t i) {
  while (i < queued.size() && IsEmptyUpdate(queued[i])) ++i;
  return i;
}

}  // namespace

size_t TextAheadOfKey(const std::u16string& composition, const std::vector<QueuedText>& queued) {
  for (size_t i = 0; i < queued.size(); ++i) {
    if (EndsComposition(queued, i)) return WithTrailingEmptyUpdates(queued, i + 1);
  }
  // No syllable was ended: the key's share ends where nothing is composed any more (a Backspace
  // took the last jamo off), unless what follows continues the same syllable.
  bool composing = !composition.empty();
  for (size_t i = 0; i < queued.size(); ++i) {
    if (!composing) return i;
    composing = !queued[i].Commit && !queued[i].Text.empty();
  }
  return composing ? 0 : queued.size();
}

}  // namespace platform
