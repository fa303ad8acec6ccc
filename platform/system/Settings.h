// Settings: what the player chose, kept between runs in one small text file,
// $XDG_CONFIG_HOME/vesk/vesk.conf (else ~/.config/vesk/vesk.conf). One "name = value" a line,
// "#" starts a comment:
//   scale = 2            whole-pixel scale of the window, 1 to 16
//   window = 1264x906    the window's size in screen pixels after the player resized it
//   fullscreen = yes|no
//   hangul = yes|no      the built-in keyboard types Hangul (yes) or Latin letters
//   ime = builtin|system
// A name may stand once; every line ends with a newline (a file cut off mid-line is refused).
// A file that breaks any rule is ignored whole, with one message naming it: settings are a
// comfort, never a reason not to start. The file is written only when a setting changes, and
// through a new file renamed over the old one, so a crash never leaves half a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace platform {

struct WindowSize {
  int32_t Width = 0;
  int32_t Height = 0;
  bool operator==(const WindowSize&) const = default;
};

// Each setting is empty until the player has chosen it.
struct Settings {
  std::optional<int32_t> Scale;
  std::optional<WindowSize> Window;
  std::optional<bool> Fullscreen;
  std::optional<bool> HangulMode;
  std::optional<std::string> InputMethod;  // "builtin" or "system"
  bool operator==(const Settings&) const = default;
};

// Far more than any real settings text; a larger one is not read at all.
constexpr size_t kMaxSettingsBytes = 4096;

// The settings a file's text holds, or nothing with `problem` set (its line and what is wrong).
std::optional<Settings> ParseSettings(const std::string& text, std::string& problem);
std::string FormatSettings(const Settings& settings);

// The settings file of one player: loaded once at start, written when what the game is told to
// keep differs from what the file holds.
class SettingsStore {
 public:
  // The player's settings file; an empty path when neither $XDG_CONFIG_HOME nor $HOME is set.
  static std::filesystem::path DefaultPath();

  explicit SettingsStore(std::filesystem::path path);

  // Reads the file. A missing file gives no settings and no message; any other failure gives no
  // settings and one line for the player in `message`, naming the file.
  Settings Load(std::string& message);
  // Writes `settings` when they differ from what the file holds; false with `message` set when
  // the file cannot be written (the game goes on).
  bool Keep(const Settings& settings, std::string& message);

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
  Settings kept_;  // what the file holds as far as this run knows
};

}  // namespace platform
