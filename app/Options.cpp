#include "app/Options.h"

#include <cstdlib>

const char* UsageText() {
  return "Usage: vesk [options]\n"
         "  --scale N          draw every pixel N x N (default and most: what fits the screen)\n"
         "  --fullscreen       fill the screen, scaled by whole pixels, centred\n"
         "  --windowed         play in a window\n"
         "  --walk-rate N      steps a second while an arrow is held (default 8; 0: the\n"
         "                     desktop's key repeat)\n"
         "  --ime builtin      type Korean with the game's own 2-set keyboard (default)\n"
         "  --ime system       type through the desktop's input method (IBus, Fcitx)\n"
         "  --renderer software    scale the picture on the CPU (default; light without a GPU)\n"
         "  --renderer accelerated scale it on the GPU\n"
         "  --data DIR         run in DIR (where VESK.M and the other data files are)\n"
         "  --headless --script FILE [--screenshot OUT.png] [--log OUT.txt] [--state OUT.json]\n"
         "                     run FILE's events with no window and write the results\n"
         "  --state OUT.json   also in a window: where the hero stands when the game ends\n"
         "  --help, --version\n"
         "The game remembers the scale, fullscreen, the Hangul/Latin mode and --ime in\n"
         "$XDG_CONFIG_HOME/vesk/vesk.conf; options given here win and are remembered.\n"
         "Keys: arrows walk; Escape closes; in a talk type and press Enter; an empty line ends\n"
         "the talk. Hangul/Latin input: the Hangul key, Right Alt or Shift+Space. F11 or\n"
         "Alt+Enter: fullscreen or window. F12: a screenshot in the pictures folder.\n";
}

std::optional<Options> ParseOptions(int argc, char** argv, std::string& error) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= argc) {
        error = "option " + arg + " needs a value";
        return false;
      }
      into = argv[++i];
      return true;
    };
    auto number = [&](int& into, long low, long high) {
      std::string text;
      if (!value(text)) return false;
      char* end = nullptr;
      const long n = std::strtol(text.c_str(), &end, 10);
      if (text.empty() || *end != '\0' || n < low || n > high) {
        error = arg + " takes a whole number from " + std::to_string(low) + " to " +
                std::to_string(high);
        return false;
      }
      into = static_cast<int>(n);
      return true;
    };
    if (arg == "--headless") {
      options.Headless = true;
    } else if (arg == "--script") {
      if (!value(options.Script)) return std::nullopt;
    } else if (arg == "--screenshot") {
      if (!value(options.Screenshot)) return std::nullopt;
    } else if (arg == "--log") {
      if (!value(options.Log)) return std::nullopt;
    } else if (arg == "--state") {
      if (!value(options.State)) return std::nullopt;
    } else if (arg == "--data") {
      if (!value(options.DataDir)) return std::nullopt;
    } else if (arg == "--scale") {
      if (!number(options.Scale, 1, 16)) return std::nullopt;
    } else if (arg == "--walk-rate") {
      if (!number(options.WalkRate, 0, 60)) return std::nullopt;
    } else if (arg == "--fullscreen") {
      options.Fullscreen = true;
    } else if (arg == "--windowed") {
      options.Fullscreen = false;
    } else if (arg == "--ime") {
      if (!value(options.Ime)) return std::nullopt;
      if (options.Ime != "builtin" && options.Ime != "system") {
        error = "--ime takes builtin or system";
        return std::nullopt;
      }
    } else if (arg == "--renderer") {
      if (!value(options.Renderer)) return std::nullopt;
      if (options.Renderer != "software" && options.Renderer != "accelerated") {
        error = "--renderer takes software or accelerated";
        return std::nullopt;
      }
    } else if (arg == "--help" || arg == "-h") {
      options.Help = true;
    } else if (arg == "--version") {
      options.Version = true;
    } else {
      error = "unknown option " + arg;
      return std::nullopt;
    }
  }
  if (options.Headless && options.Script.empty() && !options.Help && !options.Version) {
    error = "--headless needs --script FILE";
    return std::nullopt;
  }
  return options;
}

platform::Settings WithCommandLine(const Options& options, platform::Settings saved) {
  if (options.Scale != 0) {
    // A scale asked for replaces the window size the player had dragged.
    saved.Scale = options.Scale;
    saved.Window.reset();
  }
  if (options.Fullscreen) saved.Fullscreen = *options.Fullscreen;
  if (!options.Ime.empty()) saved.InputMethod = options.Ime;
  return saved;
}
