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

// The character SDL queued right behind a key-down that typed `typed`.
bool IsKeysOwnCharacter(const QueuedText& text, char typed) {
  return typed != 0 && text.Commit &&
         text.Text == std::u16string(1, static_cast<char16_t>(static_cast<unsigned char>(typed)));
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

std::vector<bool> InputMethodTextAheadOfKey(const std::u16string& composition, char keyTypes,
                                            const std::vector<WaitingEvent>& waiting) {
  std::vector<size_t> fromInputMethod;
  std::vector<QueuedText> texts;
  char typed = keyTypes;  // what the key-down just before the event typed
  for (size_t i = 0; i < waiting.size(); ++i) {
    const WaitingEvent& event = waiting[i];
    const bool keysOwn = event.Text && IsKeysOwnCharacter(*event.Text, typed);
    typed = event.KeyDown ? event.KeyTypes : 0;
    if (!event.Text || keysOwn) continue;
    fromInputMethod.push_back(i);
    texts.push_back(*event.Text);
  }
  std::vector<bool> ahead(waiting.size(), false);
  const size_t count = TextAheadOfKey(composition, texts);
  for (size_t n = 0; n < count; ++n) ahead[fromInputMethod[n]] = true;
  return ahead;
}

}  // namespace platform
