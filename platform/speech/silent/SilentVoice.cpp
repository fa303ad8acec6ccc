// The voice of a build with no speech service: it says nothing, and says so once when speech is
// turned on.
#include "platform/speech/Voice.h"
#include "platform/system/Messages.h"

namespace platform {

namespace {

class SilentVoice : public Voice {
 public:
  void Speak(const Utterance&) override {}
  void Hush() override {}
};

}  // namespace

std::unique_ptr<Voice> OpenVoice(std::function<void(const std::string&)> unavailable) {
  // TRANSLATORS: why there is no speech: this build of the game has no speech service.
  if (unavailable) unavailable(_("this build has none"));
  return std::make_unique<SilentVoice>();
}

}  // namespace platform
