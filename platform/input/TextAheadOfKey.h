// TextAheadOfKey: which of the desktop input method's text events, found waiting behind a key it
// let through, really happened before that key.
//
// SDL2 hands every key to IBus or Fcitx and waits for the answer, but reads the input method's
// signals (the syllable being composed, the text committed) only on its next pass over the event
// sources. So when keys come fast, a key the input method does not take (Enter, an arrow, a digit)
// reaches the game ahead of the updates of the jamo typed just before it, and ahead of the commit
// of the syllable it ended. By the time the key's event is queued, all those signals have reached
// the program, because the input method sends them before it answers; pumping SDL's events once
// more puts them in the queue, behind the key, followed by the updates of keys typed after it.
//
// Both input methods end a syllable the key finishes with a commit that no composition follows
// (IBus: empty update, commit, empty updates; Fcitx: commit, empty update), while a commit between
// two syllables of a word is followed at once by the next syllable. So the key's share of the
// queue runs up to the first commit that nothing is composed after; with no such commit, up to the
// first point where nothing is being composed. Keys typed after the key start on a fresh syllable
// and stay behind it.
//
// When the input method answers slower than keys come (a busy machine), one pass of SDL reads
// several keys, and the queue behind the key also holds the keys typed after it, each followed by
// the character SDL typed for it past the input method: those characters are the later keys' own,
// never the input method's, and stay behind with their keys.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct QueuedText {
  bool Commit = false;  // committed text; otherwise the composition shown from now on
  std::u16string Text;
};

// How many of `queued` (in arrival order) go ahead of the key; `composition` is what the player
// sees being composed when the key arrives.
size_t TextAheadOfKey(const std::u16string& composition, const std::vector<QueuedText>& queued);

// An event found waiting behind the key: a text event, a key-down with the character SDL types
// for it past the input method (0 for none), or anything else.
struct WaitingEvent {
  std::optional<QueuedText> Text;
  bool KeyDown = false;
  char KeyTypes = 0;
};

// Which of `waiting` are the input method's text that goes ahead of the key, one flag an event;
// the key types `keyTypes` past the input method (0 for none).
std::vector<bool> InputMethodTextAheadOfKey(const std::u16string& composition, char keyTypes,
                                            const std::vector<WaitingEvent>& waiting);

}  // namespace platform
