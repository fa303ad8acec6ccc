// The program entry: reads the command line, moves into the data folder, makes the main window
// and runs it, either in a real window or headless through a script.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <system_error>
#include <vector>

#include "app/DataFolder.h"
#include "app/GameObjects.h"
#include "app/InputMethodChoice.h"
#include "app/Options.h"
#include "app/RunReport.h"
#include "app/SpeechFeed.h"
#include "app/Vesk3_main.h"
#include "platform/headless/Headless.h"
#include "platform/headless/Script.h"
#include "platform/image/Png.h"
#include "platform/sdl/SystemFont.h"
#include "platform/system/Messages.h"
#include "platform/system/Paths.h"
#include "platform/system/WholeFile.h"
#include "platform/toolkit/Window.h"

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

// Creates the game objects; a broken data file stops the start with a message naming it.
bool StartGame(TForm1& form, bool withDisplay) {
  form.UseControlFaces(platform::FindSystemFont);
  const auto failure = CreateGameObjects(form);
  if (!failure) return true;
  // The file is named where it lies: the game may have found its data far from where it started.
  std::error_code ignored;
  const std::string file = platform::Utf8FromPath(std::filesystem::current_path(ignored) /
                                                  platform::PathFromUtf8(failure->FileName()));
  const std::string message =
      platform::Format(_("cannot start: %s"), (file + ": " + failure->Message()).c_str());
  platform::WriteMessage(message);
  if (withDisplay) platform::ShowError(form.Description().Caption, message);
  return false;
}

int RunHeadlessGame(const Options& options) {
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
    platform::WriteMessage(options.Script + ":" + std::to_string(error.Line) + ": " + error.Problem);
    return 2;
  }
  // A script starts like a fresh install: the player's saved settings play no part in it.
  const platform::Settings settings = WithCommandLine(options, {});
  TForm1 form;
  platform::HangulKeyboard* keyboard = nullptr;
  form.SetInputMethod(InputMethodFor(settings, keyboard));
  if (!StartGame(form, false)) return 1;
  platform::HeldKeys heldKeys(options.WalkRate);
  platform::RunHeadless(form, *events, heldKeys);
  bool written = true;
  if (!options.Screenshot.empty()) written &= WritePicture(form.Canvas(), options.Screenshot);
  if (!options.Log.empty()) written &= WriteText(options.Log, EventLogText());
  if (!options.State.empty()) written &= WriteText(options.State, StateJson(form.CloseRequested()));
  return written ? 0 : 1;
}

int RunWindowedGame(const Options& options) {
  platform::SettingsFile file(platform::SettingsFile::DefaultPath());
  platform::SettingsKeeper keeper(file);
  std::vector<std::string> messages;
  platform::Settings settings = WithCommandLine(options, keeper.Load(messages));
  for (const std::string& message : messages) platform::WriteMessage(message);
  TForm1 form;
  platform::HangulKeyboard* keyboard = nullptr;
  form.SetInputMethod(InputMethodFor(settings, keyboard));
  platform::DisplayOptions display;
  display.Scale = settings.Scale.value_or(0);
  display.Fullscreen = settings.Fullscreen.value_or(false);
  if (settings.Window) {
    display.WindowWidth = settings.Window->Width;
    display.WindowHeight = settings.Window->Height;
  }
  display.WalkRate = options.WalkRate;
  display.SystemInputMethod = UsesSystemInputMethod(settings);
  display.Renderer = options.Renderer;
  platform::Speech speech([](const std::string& message) { platform::WriteMessage(message); });
  speech.SetOn(settings.Speech.value_or(false));
  FeedSpeech(form, speech, keyboard);
  display.ServiceKey = [&speech](platform::WindowKey key) { SpeechKey(speech, key); };
  bool started = false;
  const auto run =
      platform::RunWindowed(form, display, [&] { return started = StartGame(form, true); });
  if (!run.Opened) {
    platform::WriteMessage(run.Error);
    return 1;
  }
  if (!started) return 1;
  if (!options.State.empty() && !WriteText(options.State, StateJson(form.CloseRequested())))
    return 1;
  // What the player changed while playing is kept for the next run.
  KeepHangulMode(settings, keyboard);
  if (speech.On() != settings.Speech.value_or(false)) settings.Speech = speech.On();
  if (run.Fullscreen != settings.Fullscreen.value_or(false)) settings.Fullscreen = run.Fullscreen;
  // A window the player resized keeps its size; that choice replaces a scale asked for before.
  if (run.ResizedWidth > 0) {
    settings.Window = platform::WindowSize{run.ResizedWidth, run.ResizedHeight};
    settings.Scale.reset();
  }
  std::string message;
  if (!keeper.Keep(settings, message)) platform::WriteMessage(message);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  platform::UsePlayersLanguage();
  std::string error;
  const auto options = ParseOptions(argc, argv, error);
  if (!options) {
    platform::WriteMessage(error);
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
  // Paths on the command line are the caller's, taken before moving into the data folder.
  Options resolved = *options;
  for (std::string* path :
       {&resolved.Script, &resolved.Screenshot, &resolved.Log, &resolved.State}) {
    if (!path->empty()) {
      *path = platform::Utf8FromPath(std::filesystem::absolute(platform::PathFromUtf8(*path)));
    }
  }
  std::vector<std::string> notices;
  if (!EnterDataFolder(resolved.DataDir, error, notices)) {
    platform::WriteMessage(error);
    return 1;
  }
  for (const std::string& notice : notices) platform::WriteMessage(notice);
  return resolved.Headless ? RunHeadlessGame(resolved) : RunWindowedGame(resolved);
}
