// The desktop window's entry: the game started the one way, then played in an SDL window, its
// settings kept in the player's settings file for the next run.
#include "platform/sdl/SystemFont.h"
#include "platform/system/Messages.h"
#include "platform/system/Paths.h"
#include "platform/system/WholeFile.h"
#include "platform/toolkit/Window.h"
#include "start/InputMethodChoice.h"
#include "start/Port.h"
#include "start/RunReport.h"
#include "start/SpeechFeed.h"
#include "start/StartUp.h"

namespace {

int RunWindowedGame(int argc, char** argv) {
  platform::SettingsFile file(platform::SettingsFile::DefaultPath());
  StartWays ways;
  ways.Store = &file;
  ways.ControlFaces = platform::FindSystemFont;
  ways.ShowError = platform::ShowError;
  StartUp start(std::move(ways));
  if (const auto stop = start.Begin(argc, argv)) return *stop;
  const Options& options = start.GivenOptions();
  platform::Settings& settings = start.Settings();
  platform::DisplayOptions display;
  display.Scale = settings.Scale.value_or(0);
  display.Fullscreen = settings.Fullscreen.value_or(false);
  if (settings.Window) {
    display.WindowWidth = settings.Window->Width;
    display.WindowHeight = settings.Window->Height;
  }
  display.WalkRate = options.WalkRate;
  display.SystemInputMethod = start.SystemInputMethod();
  display.Renderer = options.Renderer;
  platform::Speech& speech = start.StartSpeech();
  display.ServiceKey = [&speech](platform::WindowKey key) { SpeechKey(speech, key); };
  bool started = false;
  const auto run = platform::RunWindowed(start.Form(), display, [&] {
    start.DisplayOpened();
    return started = start.CreateGame();
  });
  if (!run.Opened) {
    platform::WriteMessage(run.Opened.Error().Message);
    return 1;
  }
  if (!started) return 1;
  if (!options.State.empty()) {
    const auto written = platform::ReplaceFile(platform::PathFromUtf8(options.State),
                                               StateJson(start.Form().CloseRequested()));
    if (!written) {
      platform::WriteMessage(written.Error().Message);
      return 1;
    }
  }
  // What the player changed of the window is kept for the next run.
  if (run.Fullscreen != settings.Fullscreen.value_or(false)) settings.Fullscreen = run.Fullscreen;
  // A window the player resized keeps its size; that choice replaces a scale asked for before.
  if (run.ResizedWidth > 0) {
    settings.Window = platform::WindowSize{run.ResizedWidth, run.ResizedHeight};
    settings.Scale.reset();
  }
  if (const auto kept = start.KeepSettings(); !kept) platform::WriteMessage(kept.Error().Message);
  return 0;
}

}  // namespace

extern const Port kPort_sdl{false, RunWindowedGame, platform::FindSystemFont};
