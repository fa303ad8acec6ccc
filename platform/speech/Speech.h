// Speech: the game's words spoken aloud, for a player who cannot see the window. The program
// entry hands it every console line, every event log message and every line typed to the king;
// it picks each line's language (Korean where the line holds Hangul, English otherwise) and hands
// it to the build's voice, which never keeps the game waiting. Off, it says nothing and opens no
// service. The window's speech keys turn it on and off and repeat the last line.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/speech/Voice.h"

namespace platform {

class Speech {
 public:
  // `report` hears, once, why no speech service speaks, from any thread.
  explicit Speech(std::function<void(const std::string& message)> report);
  ~Speech();

  bool On() const { return on_; }
  // Turns speech on or off without a word, as the game starts.
  void SetOn(bool on);
  // Turns speech on or off and says which.
  void Toggle();
  // Says the last line again.
  void Repeat();

  // A line of a talk or of the game: spoken in order, never dropped (UTF-8).
  void SayLine(const std::string& text);
  // A message of walking: replaced by a newer one not yet spoken, cut short by a line (UTF-8).
  void SayWalking(const std::string& text);

 private:
  void Say(const std::string& text, bool walking);

  std::function<void(const std::string&)> report_;
  std::unique_ptr<Voice> voice_;  // opened the first time speech is on
  bool on_ = false;
  std::string last_;
};

// "ko" for a line that holds Hangul, "en" for any other.
std::string LanguageOf(const std::string& text);

}  // namespace platform
