#include "start/Options.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "app/DataFiles.h"
#include "platform/system/Choices.h"
#include "platform/system/Messages.h"
#include "platform/system/PlainText.h"
#include "platform/system/ProgramName.h"

namespace {

constexpr int kMaxWalkRate = 60;

// One option of the command line: its name, whether it takes the word after it as its value, and
// how it sets the options; a problem saying what the option takes when the value is not one it
// takes.
struct Option {
  const char* Name;
  bool TakesValue;
  std::function<platform::Result<void>(Options& options, const std::string& value)> Set;
};

// An option that takes no value.
Option Switch(const char* name, void (*set)(Options&)) {
  return {name, false, [set](Options& options, const std::string&) -> platform::Result<void> {
            set(options);
            return {};
          }};
}

// An option whose value names a file or a folder: any word but the empty one, which names none
// (an empty result name would otherwise write nothing and say nothing).
Option Path(const char* name, std::string Options::*field, const char* takes) {
  return {name, true,
          [field, takes](Options& options, const std::string& value) -> platform::Result<void> {
            if (value.empty()) return platform::Problem{_(takes)};
            options.*field = value;
            return {};
          }};
}

constexpr char kFileName[] = N_("a file name");
constexpr char kFolderName[] = N_("a folder name");

// An option whose value is a whole number from `low` to `high`.
Option Number(const char* name, int Options::*field, int low, int high) {
  return {
      name, true,
      [field, low, high](Options& options, const std::string& value) -> platform::Result<void> {
        const auto number = platform::WholeNumber(value, low, high);
        if (!number) {
          return platform::Problem{platform::Format(_("a whole number from %d to %d"), low, high)};
        }
        options.*field = *number;
        return {};
      }};
}

// An option whose value is one of a choice's words.
template <size_t N>
Option Word(const char* name, std::string Options::*field, const platform::WordChoice<N>& choice) {
  return {name, true,
          [field, &choice](Options& options, const std::string& value) -> platform::Result<void> {
            if (!choice.Takes(value)) return platform::Problem{choice.Listed()};
            options.*field = value;
            return {};
          }};
}

const Option kOptions[] = {
    Switch("--headless", [](Options& o) { o.Headless = true; }),
    Path("--script", &Options::Script, kFileName),
    Path("--screenshot", &Options::Screenshot, kFileName),
    Path("--log", &Options::Log, kFileName),
    Path("--state", &Options::State, kFileName),
    Path("--data", &Options::DataDir, kFolderName),
    Number("--scale", &Options::Scale, 1, platform::kMaxScale),
    Number("--walk-rate", &Options::WalkRate, 0, kMaxWalkRate),
    Switch("--fullscreen", [](Options& o) { o.Fullscreen = true; }),
    Switch("--windowed", [](Options& o) { o.Fullscreen = false; }),
    Switch("--speech", [](Options& o) { o.Speech = true; }),
    Switch("--no-speech", [](Options& o) { o.Speech = false; }),
    Word("--ime", &Options::Ime, platform::kInputMethods),
    Word("--renderer", &Options::Renderer, platform::kRenderers),
    Switch("--help", [](Options& o) { o.Help = true; }),
    Switch("-h", [](Options& o) { o.Help = true; }),
    Switch("--version", [](Options& o) { o.Version = true; }),
};

const Option* OptionNamed(const std::string& name) {
  for (const Option& option : kOptions) {
    if (name == option.Name) return &option;
  }
  return nullptr;
}

std::string MakeUsageText() {
  // TRANSLATORS: keep the options and their values as they are, and the descriptions lined up in
  // a terminal (a Hangul syllable takes two columns).
  return platform::Format(
      _("Usage: %s [options]\n"
        "  --scale N          draw every pixel N x N (default and most: what fits the screen)\n"
        "  --fullscreen       fill the screen, scaled by whole pixels, centred\n"
        "  --windowed         play in a window\n"
        "  --walk-rate N      steps a second while an arrow is held (default %d; 0: the\n"
        "                     desktop's key repeat)\n"
        "  --ime builtin      type Korean with the game's own 2-set keyboard (default)\n"
        "  --ime system       type through the desktop's input method (IBus, Fcitx)\n"
        "  --speech           say the game's words aloud (Speech Dispatcher; F9 on or off)\n"
        "  --no-speech        say nothing\n"
        "  --renderer software    scale the picture on the CPU (default; light without a GPU)\n"
        "  --renderer accelerated scale it on the GPU\n"
        "  --data DIR         run in DIR (where %s and the other data files are)\n"
        "  --headless --script FILE [--screenshot OUT.png] [--log OUT.txt] [--state OUT.json]\n"
        "                     run FILE's events with no window and write the results\n"
        "  --state OUT.json   also in a window: where the hero stands when the game ends\n"
        "  --help, --version\n"
        "The game remembers the scale, fullscreen, speech, the Hangul/Latin mode and --ime in\n"
        "$XDG_CONFIG_HOME/%s/%s; options given here win and are remembered.\n"
        "Keys: arrows walk; Escape closes; in a talk type and press Enter; an empty line ends\n"
        "the talk. Hangul/Latin input: the Hangul key, Right Alt or Shift+Space. F11 or\n"
        "Alt+Enter: fullscreen or window. F12: a screenshot in the pictures folder. F9: speech\n"
        "on or off. F10: say the last line again.\n"),
      platform::kProgramName, platform::HeldKeys::kDefaultStepsPerSecond, kWorldMapFile,
      platform::kProgramName, platform::SettingsFileName().c_str());
}

}  // namespace

const char* UsageText() {
  static const std::string text = MakeUsageText();
  return text.c_str();
}

platform::Result<Options> ParseOptions(int argc, char** argv) {
  Options options;
  // An option given twice is refused: a second value would silently drop the first (a result
  // asked for and never written).
  std::vector<const Option*> given;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const Option* option = OptionNamed(arg);
    if (!option) {
      return platform::Problem{platform::Format(_("unknown option %s"), arg.c_str())};
    }
    if (std::find(given.begin(), given.end(), option) != given.end()) {
      return platform::Problem{platform::Format(_("option %s is given twice"), arg.c_str())};
    }
    given.push_back(option);
    std::string value;
    if (option->TakesValue) {
      if (i + 1 >= argc) {
        return platform::Problem{platform::Format(_("option %s needs a value"), arg.c_str())};
      }
      value = argv[++i];
    }
    const platform::Result<void> set = option->Set(options, value);
    if (!set) {
      // TRANSLATORS: an option or a setting, then what it takes: "--scale takes a whole number
      // from 1 to 16".
      return platform::Problem{
          platform::Format(_("%s takes %s"), arg.c_str(), set.Error().Message.c_str())};
    }
  }
  if (options.Headless && options.Script.empty() && !options.Help && !options.Version) {
    return platform::Problem{_("--headless needs --script FILE")};
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
  if (options.Speech) saved.Speech = *options.Speech;
  if (!options.Ime.empty()) saved.InputMethod = options.Ime;
  return saved;
}
