// TextReceiver: the invisible single-line edit that holds the keyboard focus for the whole run.
// It raises the three events the game listens to (text changed; key down with a virtual-key code
// before the key is processed; key press with a character that the handler can swallow) and keeps
// a minimal editor behind them: caret, Backspace, Delete, Left, Right, Home, End. An input method
// shows the syllable it is composing as part of the text, at the caret. Like an edit control, it
// holds a limited number of characters: a character typed or composed past the limit is refused
// and the text stays as it was.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/input/Keys.h"

namespace platform {

class TextReceiver {
 public:
  // Characters of the text, composition included: far more than a word for the king, and few
  // enough that every change of the line costs little.
  static constexpr size_t kMaxLength = 1000;

  std::function<void()> OnChange;
  std::function<void(uint16_t& key, ShiftState shift)> OnKeyDown;
  std::function<void(char& key)> OnKeyPress;
  // The caret moved and the text stayed the same (Left, Right, Home, End).
  std::function<void()> OnCaretMove;

  // The whole text as the player sees it, composition included, in code page 949.
  std::string Text() const;
  std::u16string WideText() const;
  // Replaces the text (ending any composition) and puts the caret at its end; raises OnChange when
  // the text differs.
  void SetText(const std::string& codePageText);

  size_t Caret() const { return caret_; }
  const std::u16string& Composition() const { return composition_; }
  // Where the next character goes, in bytes of Text(); a syllable being composed lies before it.
  size_t CaretOffset() const;

  // A key goes down: OnKeyDown first; unless it was swallowed (set to 0) the editor then handles
  // Left, Right, Home, End and Delete.
  void KeyDown(uint16_t key, ShiftState shift);
  // A typed character. ASCII goes through OnKeyPress and, unless swallowed, is edited in:
  // Backspace deletes left of the caret, other control characters are ignored, printable ones are
  // inserted. Characters beyond ASCII (committed Hangul) are inserted as they are.
  void Char(char16_t ch);
  // Shows `preedit` at the caret as the text being composed (empty ends the composition without
  // keeping it); raises OnChange when the visible text changes.
  void SetComposition(const std::u16string& preedit);
  // Ends the composition, keeping nothing of it, and types `committed` character by character
  // (each one a change of its own) at the caret.
  void Commit(std::u16string committed);
  // Types `committed` in place of the composition and shows `preedit` after it, as one change:
  // one key of a Hangul keyboard can finish a syllable and start the next.
  void Compose(const std::u16string& committed, const std::u16string& preedit);

 private:
  void Changed(const std::u16string& before);
  // Characters that can still be typed in, with `composition` shown beside them.
  size_t Room(const std::u16string& composition) const;
  // Types `ch` at the caret if there is room for it; control characters are not text.
  void Insert(char16_t ch);
  std::u16string text_;         // committed text
  std::u16string composition_;  // shown at caret_, not yet committed
  size_t caret_ = 0;            // in UTF-16 units of text_
};

}  // namespace platform
