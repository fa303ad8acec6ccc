// StartUp: the one way the game starts, whatever plays it (a window, a script, a page): the
// options, the data folder, the player's settings, the input method and the game objects, and one
// report of a start that failed. A port's entry hands over what its start does differently, then
// plays the started game its own way.
//
//   StartUp start(ways);
//   if (const auto stop = start.Begin(argc, argv)) return *stop;
//   if (!start.CreateGame()) return 1;
//   ... play start.Form() ...
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/Vesk3_main.h"
#include "platform/input/HangulKeyboard.h"
#include "platform/speech/Speech.h"
#include "platform/system/Result.h"
#include "platform/system/Settings.h"
#include "platform/toolkit/ControlFace.h"
#include "start/Options.h"

// What one port's start does its own way; what is left empty starts the desktop's way.
struct StartWays {
  // The options out of what the program was given; a problem stops the start. The default reads
  // the command line strictly; the page's address, typed by hand, leaves out what it cannot use.
  std::function<platform::Result<Options>(int argc, char** argv)> ReadOptions;
  // Moves into the folder of the data files; the notices name what the game starts without. The
  // default looks where the command line, the working directory and the installation say.
  std::function<platform::Result<std::vector<std::string>>(const Options& options)> EnterData;
  // Where the player's settings are kept; none for a run that starts like a fresh install.
  platform::SettingsStore* Store = nullptr;
  // The settings to type with, out of the player's (a phone types with its own keyboard).
  std::function<platform::Settings(platform::Settings settings)> Typing;
  // Tells the player a notice beside the message line, where the port has a place for it.
  std::function<void(const std::string& message)> Notify;
  // Where the window's controls find the system's face; none draws them with the game's fonts.
  platform::ControlFaceFinder ControlFaces;
  // Shows the player a failed start in an error box (caption, message), where the port has a
  // display; the window's opens with the window, the page's is there from the beginning.
  std::function<void(const std::string& caption, const std::string& message)> ShowError;
  bool Display = false;
};

class StartUp {
 public:
  explicit StartUp(StartWays ways);

  // The start up to the game objects: the options (--help and --version end here), the data
  // folder, the settings and the input method. An exit status when the start ends here.
  std::optional<int> Begin(int argc, char** argv);
  // From now on a failed start is shown on the display too (the desktop's window is open).
  void DisplayOpened() { display_ = true; }
  // Creates the game objects; a broken data file stops the start, reported once.
  bool CreateGame();
  // Speaks the game's words from now on when the settings ask for it (F9 turns it on and off).
  // Started after the port's own listeners of the console, which it keeps hearing.
  platform::Speech& StartSpeech();
  // Keeps the settings for the next run, with what the player switched while playing (the
  // keyboard's mode, speech) taken in first.
  platform::Result<void> KeepSettings();

  const Options& GivenOptions() const { return options_; }
  platform::Settings& Settings() { return settings_; }
  TForm1& Form() { return form_; }
  // Whether the player types with the desktop's (the browser's) input method.
  bool SystemInputMethod() const { return systemInputMethod_; }

 private:
  // The one report of a start that failed: the message line, and the error box where there is a
  // display.
  void Fail(const std::string& message);
  void Notify(const std::string& message);

  StartWays ways_;
  Options options_;
  platform::Settings settings_;
  std::optional<platform::SettingsKeeper> keeper_;
  TForm1 form_;
  platform::HangulKeyboard* keyboard_ = nullptr;
  bool systemInputMethod_ = false;
  std::optional<platform::Speech> speech_;
  bool display_ = false;
};
