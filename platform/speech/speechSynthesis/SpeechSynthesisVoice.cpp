// The voice of the browser, through the page's speechSynthesis (which, in Chromium on Linux, is
// Speech Dispatcher again). The browser keeps one queue of its own that can only be emptied as a
// whole, so the page hands it one line at a time: the lines wait here, where a newer walking
// message replaces one still waiting, and the next goes to the browser when the one it speaks
// ends. A line of a talk cuts short a walking message being spoken; the talk's lines follow each
// other in order. speak() returns at once, so the game never waits for the voice.
#include <emscripten/emscripten.h>

#include "platform/speech/PendingSpeech.h"
#include "platform/system/Messages.h"

namespace platform {

namespace {

// clang-format off
EM_JS(int, WebCanSpeak, (), {
  return typeof speechSynthesis === 'object' && typeof SpeechSynthesisUtterance === 'function';
});

// Hands one line to the browser, in the language's voice where the browser has one; its end
// (or its failure, or its being cut short) comes back as WebSpeechEnded(id). The line is held
// until then, as a browser may otherwise forget it before it ends.
EM_JS(void, WebSpeak, (const char* text, const char* language, int id), {
  const lang = UTF8ToString(language) === 'ko' ? 'ko-KR' : 'en-US';
  const utterance = new SpeechSynthesisUtterance(UTF8ToString(text));
  utterance.lang = lang;
  const prefix = lang.slice(0, 2);
  const voice = speechSynthesis.getVoices().find(v => v.lang.toLowerCase().startsWith(prefix));
  if (voice) utterance.voice = voice;
  const ended = function() {
    if (Module.speaking === utterance) Module.speaking = null;
    Module._WebSpeechEnded(id);
  };
  utterance.onend = ended;
  utterance.onerror = ended;
  Module.speaking = utterance;
  speechSynthesis.speak(utterance);
});

EM_JS(void, WebStopSpeaking, (), {
  Module.speaking = null;
  if (typeof speechSynthesis === 'object') speechSynthesis.cancel();
});
// clang-format on

class SpeechSynthesisVoice;
SpeechSynthesisVoice* opened = nullptr;  // the one voice the page's callbacks reach

class SpeechSynthesisVoice : public Voice {
 public:
  explicit SpeechSynthesisVoice(bool canSpeak) : canSpeak_(canSpeak) { opened = this; }
  ~SpeechSynthesisVoice() override {
    WebStopSpeaking();
    opened = nullptr;
  }

  void Speak(const Utterance& utterance) override {
    if (!canSpeak_) return;
    if (speaking_ && speakingWalking_ && !utterance.Walking) Stop();
    pending_.Add(utterance);
    Next();
  }

  void Hush() override {
    pending_.Clear();
    Stop();
  }

  void Ended(int id) {
    if (!speaking_ || id != speakingId_) return;  // a line cut short earlier
    speaking_ = false;
    Next();
  }

 private:
  void Next() {
    if (speaking_) return;
    const auto line = pending_.Take();
    if (!line) return;
    speaking_ = true;
    speakingWalking_ = line->Walking;
    WebSpeak(line->Text.c_str(), line->Language.c_str(), ++speakingId_);
  }

  void Stop() {
    speaking_ = false;
    WebStopSpeaking();
  }

  bool canSpeak_;
  PendingSpeech pending_;
  bool speaking_ = false;  // a line is with the browser
  bool speakingWalking_ = false;
  int speakingId_ = 0;
};

}  // namespace

std::unique_ptr<Voice> OpenVoice(std::function<void(const std::string&)> unavailable) {
  const bool canSpeak = WebCanSpeak();
  // TRANSLATORS: why there is no speech: the browser has no speech synthesis.
  if (!canSpeak && unavailable) unavailable(_("this browser has no speech synthesis"));
  return std::make_unique<SpeechSynthesisVoice>(canSpeak);
}

}  // namespace platform

extern "C" {

EMSCRIPTEN_KEEPALIVE void WebSpeechEnded(int id) {
  if (platform::opened) platform::opened->Ended(id);
}
}
