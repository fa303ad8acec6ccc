#include "start/StartUp.h"

#include <filesystem>
#include <iostream>
#include <utility>

#include "platform/system/Messages.h"
#include "platform/system/Paths.h"
#include "start/DataFolder.h"
#include "start/GameObjects.h"
#include "start/InputMethodChoice.h"
#include "start/SpeechFeed.h"

StartUp::StartUp(StartWays ways) : ways_(std::move(ways)), display_(ways_.Display) {
  if (!ways_.ReadOptions) ways_.ReadOptions = ParseOptions;
  if (!ways_.EnterData) {
    ways_.EnterData = [](const Options& options) { return EnterDataFolder(options.DataDir); };
  }
  if (!ways_.Typing) ways_.Typing = [](platform::Settings settings) { return settings; };
}

std::optional<int> StartUp::Begin(int argc, char** argv) {
  auto options = ways_.ReadOptions(argc, argv);
  if (!options) {
    platform::WriteMessage(options.Error().Message);
    std::cerr << UsageText();
    return 2;
  }
  if (options->Help) {
    std::cout << UsageText();
    return 0;
  }
  if (options->Version) {
    std::cout << "vesk " << VESK_VERSION << "\n";
    return 0;
  }
  options_ = std::move(*options);
  // Paths on the command line are the caller's, taken before moving into the data folder.
  for (std::string* path :
       {&options_.Script, &options_.Screenshot, &options_.Log, &options_.State}) {
    if (!path->empty()) {
      *path = platform::Utf8FromPath(std::filesystem::absolute(platform::PathFromUtf8(*path)));
    }
  }
  const auto notices = ways_.EnterData(options_);
  if (!notices) {
    Fail(notices.Error().Message);
    return 1;
  }
  for (const std::string& notice : *notices) Notify(notice);

  // The command line's choice wins for this run and is kept for the next.
  std::vector<std::string> unusable;
  platform::Settings saved;
  if (ways_.Store) saved = keeper_.emplace(*ways_.Store).Load(unusable);
  for (const std::string& message : unusable) Notify(message);
  settings_ = WithCommandLine(options_, std::move(saved));
  const platform::Settings typing = ways_.Typing(settings_);
  systemInputMethod_ = UsesSystemInputMethod(typing);
  form_.SetInputMethod(InputMethodFor(typing, keyboard_));
  if (ways_.ControlFaces) form_.UseControlFaces(ways_.ControlFaces);
  return std::nullopt;
}

bool StartUp::CreateGame() {
  const auto created = CreateGameObjects(form_);
  if (!created) Fail(platform::Format(_("cannot start: %s"), created.Error().Message.c_str()));
  return static_cast<bool>(created);
}

platform::Speech& StartUp::StartSpeech() {
  speech_.emplace([this](const std::string& message) { Notify(message); });
  speech_->SetOn(settings_.Speech.value_or(false));
  FeedSpeech(form_, *speech_, keyboard_);
  return *speech_;
}

platform::Result<void> StartUp::KeepSettings() {
  KeepHangulMode(settings_, keyboard_);
  if (speech_ && speech_->On() != settings_.Speech.value_or(false)) {
    settings_.Speech = speech_->On();
  }
  if (!keeper_) return {};
  return keeper_->Keep(settings_);
}

void StartUp::Fail(const std::string& message) {
  platform::WriteMessage(message);
  if (display_ && ways_.ShowError) ways_.ShowError(form_.Description().Caption, message);
}

void StartUp::Notify(const std::string& message) {
  platform::WriteMessage(message);
  if (ways_.Notify) ways_.Notify(message);
}
