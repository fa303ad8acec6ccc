// HangulKeyboard: the game's built-in Korean keyboard, the standard 2-set layout, starting in
// Hangul mode. Letter keys compose syllables through libhangul and the syllable being composed is
// shown in the receiver's text; every other key commits it first and then acts as itself, so a
// handler of Enter already reads the finished word. The Hangul key, Right Alt and Shift+Space
// switch between Hangul and Latin input; in Latin mode every key types its own character.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/input/InputMethod.h"
#include "platform/system/Result.h"

// libhangul's composing state, kept out of sight of the game.
typedef struct _HangulInputContext HangulInputContext;

namespace platform {

class HangulKeyboard : public InputMethod {
 public:
  // The keyboard, or why there is none (a libhangul without the 2-set layout).
  static Result<std::unique_ptr<HangulKeyboard>> Make();
  ~HangulKeyboard() override;
  HangulKeyboard(const HangulKeyboard&) = delete;
  HangulKeyboard& operator=(const HangulKeyboard&) = delete;

  void KeyDown(const KeyStroke& stroke, TextReceiver& receiver) override;
  void TextInput(const std::u16string& committed, TextReceiver& receiver) override;
  void TextEditing(const std::u16string& preedit, TextReceiver& receiver) override;

  TypingMode Mode() const override { return hangulMode_ ? TypingMode::Hangul : TypingMode::Latin; }
  bool HangulMode() const { return hangulMode_; }
  // Starts the keyboard in the mode the player left it in last time.
  void SetHangulMode(bool hangul) { hangulMode_ = hangul; }
  // Hears the player switch between Hangul and Latin (true: Hangul now). Unset, nobody hears.
  std::function<void(bool hangul)> OnModeSwitch;

  // The jamo that the key typing `letter` (a..z, A..Z for Shift) puts down, as the 2-set layout
  // has it; an on-screen keyboard labels its keys with it.
  static std::u16string JamoOfKey(char letter);

 private:
  struct ContextDeleter {
    void operator()(HangulInputContext* context) const;
  };

  explicit HangulKeyboard(HangulInputContext* context) : context_(context) {}

  void ForgetDropped(const TextReceiver& receiver);
  void Compose(char letter, TextReceiver& receiver);
  void EraseJamo(TextReceiver& receiver);
  // Commits the syllable being composed, as it is shown.
  void Flush(TextReceiver& receiver);

  std::unique_ptr<HangulInputContext, ContextDeleter> context_;
  bool hangulMode_ = true;
  DirectInput latin_;
};

}  // namespace platform
