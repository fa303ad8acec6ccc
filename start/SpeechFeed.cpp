#include "start/SpeechFeed.h"

#include <memory>

#include "platform/system/CodePage.h"
#include "platform/system/Messages.h"
#include "talk/Talk.h"

void FeedSpeech(TForm1& form, platform::Speech& speech, platform::HangulKeyboard* keyboard) {
  // Another listener (the page's live region) keeps hearing the console too.
  auto row = std::make_shared<std::u16string>();
  ConsoleListener = [&speech, row, earlier = ConsoleListener](const std::u16string& text,
                                                              bool lineEnds) {
    if (earlier) earlier(text, lineEnds);
    *row += text;
    if (!lineEnds) return;
    speech.SayLine(platform::WideToUtf8(*row));
    row->clear();
  };
  TypedLineListener = [&speech](const std::u16string& text) {
    speech.SayLine(platform::WideToUtf8(text));
  };
  form.Memo1.OnAdd = [&speech](const std::string& line) {
    speech.SayWalking(platform::CodePageToUtf8(line));
  };
  if (keyboard) {
    keyboard->OnModeSwitch = [&speech](bool hangul) {
      // TRANSLATORS: spoken when the player switches the game's keyboard to Hangul or to Latin
      // letters.
      speech.SayWalking(hangul ? _("Hangul") : _("Latin"));
    };
  }
}

void SpeechKey(platform::Speech& speech, platform::WindowKey key) {
  if (key == platform::WindowKey::ToggleSpeech) speech.Toggle();
  if (key == platform::WindowKey::RepeatSpeech) speech.Repeat();
}
