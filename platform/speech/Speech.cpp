#include "platform/speech/Speech.h"

#include "platform/system/CodePage.h"
#include "platform/system/Messages.h"

namespace platform {

namespace {

bool IsHangul(char16_t c) {
  return (c >= 0x1100 && c <= 0x11FF) || (c >= 0x3130 && c <= 0x318F) ||
         (c >= 0xA960 && c <= 0xA97F) || (c >= 0xAC00 && c <= 0xD7AF);
}

}  // namespace

std::string LanguageOf(const std::string& text) {
  for (const char16_t c : Utf8ToWide(text)) {
    if (IsHangul(c)) return "ko";
  }
  return "en";
}

Speech::Speech(std::function<void(const std::string&)> report) : report_(std::move(report)) {}

Speech::~Speech() = default;

void Speech::SetOn(bool on) {
  on_ = on;
  if (!on_) {
    if (voice_) voice_->Hush();
    return;
  }
  if (!voice_) {
    voice_ = OpenVoice([report = report_](const std::string& reason) {
      // TRANSLATORS: the game goes on without speech; then why, in the service's own words.
      if (report) report(Format(_("speech: no speech service answers (%s)"), reason.c_str()));
    });
  }
}

void Speech::Toggle() {
  if (on_) {
    voice_->Hush();
    // TRANSLATORS: spoken when the player turns speech off with the window's key.
    Say(_("speech off"), false);
    on_ = false;
  } else {
    SetOn(true);
    // TRANSLATORS: spoken when the player turns speech on with the window's key.
    Say(_("speech on"), false);
  }
}

void Speech::Repeat() {
  if (!last_.empty()) Say(std::string(last_), false);
}

void Speech::SayLine(const std::string& text) { Say(text, false); }

void Speech::SayWalking(const std::string& text) { Say(text, true); }

void Speech::Say(const std::string& text, bool walking) {
  if (!on_ || text.find_first_not_of(' ') == std::string::npos) return;
  last_ = text;
  voice_->Speak(Utterance{text, LanguageOf(text), walking});
}

}  // namespace platform
