// Settings: what the player chose, kept between runs as a small text, in a file on the desktop
// ($XDG_CONFIG_HOME/vesk/vesk.conf, else ~/.config/vesk/vesk.conf) and in the page's storage in
// a browser. One "name = value" a line, "#" starts a comment:
//   scale = 2            whole-pixel scale of the window, 1 to 16
//   window = 1264x906    the window's size in screen pixels after the player resized it
//   fullscreen = yes|no
//   speech = yes|no      the game's words are said aloud
//   hangul = yes|no      the built-in keyboard types Hangul (yes) or Latin letters
//   ime = builtin|system
// The text is the player's too: a line the game cannot use (an unknown name, a value the setting
// does not take, a name set twice) is skipped with a message naming it, and the other lines count.
// When a setting changes, only its own line is rewritten (added at the end when it had none,
// dropped when the setting is no longer chosen); comments, unknown and untouched lines stay as
// they were. A text the game cannot take at all (cut off mid-line, not text, larger than a
// settings text can be) is ignored whole, with one message: settings are a comfort, never a reason
// not to start.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/system/Result.h"

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
  std::optional<bool> Speech;
  std::optional<bool> HangulMode;
  std::optional<std::string> InputMethod;  // "builtin" or "system"
  bool operator==(const Settings&) const = default;
};

// Far more than any real settings text; a larger one is not read at all.
constexpr size_t kMaxSettingsBytes = 4096;

// A settings text line by line: the settings its good lines hold, and every line as it stands.
class SettingsLines {
 public:
  // Reads `text`, or says why the text cannot be taken at all. The lines the game cannot use are
  // skipped, each with its own entry in Problems().
  static Result<SettingsLines> Parse(const std::string& text);

  const Settings& Values() const { return values_; }
  // "line N: what is wrong", one for each line skipped.
  const std::vector<std::string>& Problems() const { return problems_; }
  // The text with `settings` in place of Values(): the lines of the settings that differ are
  // rewritten, added or dropped, and every other line is kept byte for byte.
  std::string With(const Settings& settings) const { return Changing(values_, settings); }
  // The text with the settings that differ between `from` and `to` set to `to`'s values; the
  // lines of every other setting are kept as they stand, whatever they hold.
  std::string Changing(const Settings& from, const Settings& to) const;

 private:
  struct Line {
    std::string Text;     // as it stands, with its line end
    std::string Setting;  // the name of the setting it holds or fails to hold; else empty
  };
  std::vector<Line> lines_;
  Settings values_;
  std::vector<std::string> problems_;
};

// Where a settings text is kept: a file, the page's storage.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // How messages name it: "settings file PATH".
  virtual std::string Name() const = 0;
  // The kept text, nothing when none is kept, or why it cannot be read (one longer than `most`
  // bytes is refused).
  virtual Result<std::optional<std::string>> Read(size_t most) = 0;
  // Keeps `text` whole, or says why it cannot (the reason, naming the place).
  virtual Result<void> Write(const std::string& text) = 0;
};

// The settings file of one player.
class SettingsFile : public SettingsStore {
 public:
  // The player's settings file; an empty path when neither $XDG_CONFIG_HOME nor $HOME is set.
  static std::filesystem::path DefaultPath();

  explicit SettingsFile(std::filesystem::path path) : path_(std::move(path)) {}
  std::string Name() const override;
  Result<std::optional<std::string>> Read(size_t most) override;
  // Written whole beside the file and renamed over it, through a link to the file it names, into
  // a folder made when missing; with no path, nothing is written.
  Result<void> Write(const std::string& text) override;

 private:
  std::filesystem::path path_;
};

// Loads the settings once at start and writes back what changes, over any store.
class SettingsKeeper {
 public:
  explicit SettingsKeeper(SettingsStore& store) : store_(store) {}

  // The settings kept. Nothing kept gives no settings and no message; each line skipped, or a
  // text ignored whole, gives one line for the player in `messages`, naming the store.
  Settings Load(std::vector<std::string>& messages);
  // Writes the settings that changed since they were loaded or last kept. The store is read
  // again first, so what the player wrote there meanwhile (comments, lines, other settings)
  // stays; the problem when they cannot be written (the game goes on).
  Result<void> Keep(const Settings& settings);

 private:
  // The store's text line by line (none when nothing is kept), or why it cannot be taken at all.
  Result<SettingsLines> ReadStore();

  SettingsStore& store_;
  SettingsLines kept_;  // the text as this run last read or wrote it; empty when nothing usable
  Settings known_;      // the settings as this run last loaded or kept them
};

}  // namespace platform
