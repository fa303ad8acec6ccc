// Options: the game's command line.
#pragma once

#include <optional>
#include <string>

#include "platform/input/HeldKeys.h"
#include "platform/system/Result.h"
#include "platform/system/Settings.h"

struct Options {
  bool Headless = false;
  std::string Script;              // headless: the event script
  std::string Screenshot;          // headless: PNG of the client area at the end
  std::string Log;                 // headless: the event log's lines at the end
  std::string State;               // headless: hero, talk and edit state as JSON at the end
  std::string DataDir;             // the working directory to run in
  int Scale = 0;                   // 0: not given
  std::optional<bool> Fullscreen;  // --fullscreen or --windowed
  std::optional<bool> Speech;      // --speech or --no-speech
  int WalkRate = platform::HeldKeys::kDefaultStepsPerSecond;  // steps a second of a held arrow; 0:
                                                              // the desktop's auto-repeat
  std::string Ime;       // builtin (the game's Hangul keyboard), system, or empty: not given
  std::string Renderer;  // software or accelerated; empty: VESK_RENDERER, else software
  bool Help = false;
  bool Version = false;
};

// The options of argv, or the problem with them.
platform::Result<Options> ParseOptions(int argc, char** argv);
const char* UsageText();
// The settings of a run: the player's saved choices with the command line's on top; a choice
// made on the command line is kept for the runs after it.
platform::Settings WithCommandLine(const Options& options, platform::Settings saved);
