// The script run's entry: the game started the one way, like a fresh install (the player's saved
// settings play no part in it), played by a script of events with no display, and what it leaves
// behind written out: the screenshot, the event log, the state.
#include <string>

#include "platform/headless/Headless.h"
#include "platform/headless/Script.h"
#include "platform/image/Png.h"
#include "platform/system/Messages.h"
#include "platform/system/Paths.h"
#include "platform/system/WholeFile.h"
#include "start/Port.h"
#include "start/RunReport.h"
#include "start/StartUp.h"

namespace {

// Whether one of the run's results was written whole; when not, says why, naming the file.
bool Written(const platform::Result<void>& written) {
  if (!written) platform::WriteMessage(written.Error().Message);
  return static_cast<bool>(written);
}

int RunScriptedGame(int argc, char** argv) {
  StartWays ways;
  ways.ControlFaces = ProgramControlFaces();
  StartUp start(std::move(ways));
  if (const auto stop = start.Begin(argc, argv)) return *stop;
  const Options& options = start.GivenOptions();
  const auto script = platform::ReadScript(options.Script);
  if (!script) {
    platform::WriteMessage(platform::Format(_("cannot read script %s: %s"), options.Script.c_str(),
                                            script.Error().Message.c_str()));
    return 1;
  }
  const auto events = platform::ParseScript(*script);
  if (!events) {
    platform::WriteMessage(options.Script + ":" + events.Error().Message);
    return 2;
  }
  TForm1& form = start.Form();
  if (!start.CreateGame()) return 1;
  platform::HeldKeys heldKeys(options.WalkRate);
  platform::RunHeadless(form, *events, heldKeys);
  bool written = true;
  if (!options.Screenshot.empty())
    written &= Written(platform::SavePng(form.Canvas(), options.Screenshot));
  if (!options.Log.empty())
    written &= Written(platform::ReplaceFile(platform::PathFromUtf8(options.Log), EventLogText()));
  if (!options.State.empty())
    written &= Written(platform::ReplaceFile(platform::PathFromUtf8(options.State),
                                             StateJson(form.CloseRequested())));
  return written ? 0 : 1;
}

}  // namespace

extern const Port kPort_headless{true, RunScriptedGame, nullptr};
