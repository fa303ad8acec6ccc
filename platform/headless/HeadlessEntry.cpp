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

// Writes one of the run's results whole, or says why it cannot, naming the file.
bool WriteText(const std::string& path, const std::string& text) {
  std::string error;
  if (platform::ReplaceFile(platform::PathFromUtf8(path), text, error)) return true;
  platform::WriteMessage(error);
  return false;
}

bool WritePicture(const platform::Bitmap& picture, const std::string& path) {
  std::string error;
  if (platform::SavePng(picture, path, error)) return true;
  platform::WriteMessage(error);
  return false;
}

int RunScriptedGame(int argc, char** argv) {
  StartWays ways;
  ways.ControlFaces = ProgramControlFaces();
  StartUp start(std::move(ways));
  if (const auto stop = start.Begin(argc, argv)) return *stop;
  const Options& options = start.GivenOptions();
  std::string problem;
  const auto script = platform::ReadScript(options.Script, problem);
  if (!script) {
    platform::WriteMessage(
        platform::Format(_("cannot read script %s: %s"), options.Script.c_str(), problem.c_str()));
    return 1;
  }
  platform::ScriptError error;
  const auto events = platform::ParseScript(*script, error);
  if (!events) {
    platform::WriteMessage(options.Script + ":" + std::to_string(error.Line) + ": " +
                           error.Problem);
    return 2;
  }
  TForm1& form = start.Form();
  if (!start.CreateGame()) return 1;
  platform::HeldKeys heldKeys(options.WalkRate);
  platform::RunHeadless(form, *events, heldKeys);
  bool written = true;
  if (!options.Screenshot.empty()) written &= WritePicture(form.Canvas(), options.Screenshot);
  if (!options.Log.empty()) written &= WriteText(options.Log, EventLogText());
  if (!options.State.empty()) written &= WriteText(options.State, StateJson(form.CloseRequested()));
  return written ? 0 : 1;
}

}  // namespace

extern const Port kPort_headless{true, RunScriptedGame, nullptr};
