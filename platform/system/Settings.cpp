#include "platform/system/Settings.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/system/Paths.h"
#include "platform/system/PlainText.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

constexpr int32_t kMaxScale = 16;
constexpr int32_t kMaxWindowSide = 65535;

std::optional<bool> YesNo(const std::string& text) {
  if (text == "yes") return true;
  if (text == "no") return false;
  return std::nullopt;
}

std::optional<WindowSize> SizeOf(const std::string& text) {
  const size_t x = text.find('x');
  if (x == std::string::npos) return std::nullopt;
  const auto width = WholeNumber(text.substr(0, x), 1, kMaxWindowSide);
  const auto height = WholeNumber(text.substr(x + 1), 1, kMaxWindowSide);
  if (!width || !height) return std::nullopt;
  return WindowSize{*width, *height};
}

// Sets the named setting from its value; false when the name is unknown, already set or the
// value is not one it takes.
bool Assign(Settings& settings, const std::string& name, const std::string& value) {
  auto set = [](auto& field, auto parsed) {
    if (field || !parsed) return false;
    field = *parsed;
    return true;
  };
  if (name == "scale") return set(settings.Scale, WholeNumber(value, 1, kMaxScale));
  if (name == "window") return set(settings.Window, SizeOf(value));
  if (name == "fullscreen") return set(settings.Fullscreen, YesNo(value));
  if (name == "hangul") return set(settings.HangulMode, YesNo(value));
  if (name == "ime") {
    const bool known = value == "builtin" || value == "system";
    return set(settings.InputMethod, known ? std::optional<std::string>(value) : std::nullopt);
  }
  return false;
}

const char* YesNoText(bool value) { return value ? "yes" : "no"; }

}  // namespace

std::optional<Settings> ParseSettings(const std::string& text, std::string& problem) {
  if (!text.empty() && text.back() != '\n') {
    problem = "cut short (the last line has no end)";
    return std::nullopt;
  }
  Settings settings;
  size_t start = 0;
  for (int line = 1; start < text.size(); ++line) {
    const size_t end = text.find('\n', start);
    std::string raw = text.substr(start, end - start);
    start = end + 1;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    if (raw.find_first_of(std::string("\r\0", 2)) != std::string::npos) {
      problem = "line " + std::to_string(line) + ": not text";
      return std::nullopt;
    }
    const std::string content = Trimmed(raw);
    if (content.empty() || content[0] == '#') continue;
    const size_t equals = content.find('=');
    const bool ok =
        equals != std::string::npos &&
        Assign(settings, Trimmed(content.substr(0, equals)), Trimmed(content.substr(equals + 1)));
    if (!ok) {
      problem = "line " + std::to_string(line) + ": not a setting the game knows, or set twice";
      return std::nullopt;
    }
  }
  return settings;
}

std::string FormatSettings(const Settings& settings) {
  std::string text = "# Vesk keeps the player's choices here; written by the game.\n";
  if (settings.Scale) text += "scale = " + std::to_string(*settings.Scale) + "\n";
  if (settings.Window) {
    text += "window = " + std::to_string(settings.Window->Width) + "x" +
            std::to_string(settings.Window->Height) + "\n";
  }
  if (settings.Fullscreen)
    text += std::string("fullscreen = ") + YesNoText(*settings.Fullscreen) + "\n";
  if (settings.HangulMode)
    text += std::string("hangul = ") + YesNoText(*settings.HangulMode) + "\n";
  if (settings.InputMethod) text += "ime = " + *settings.InputMethod + "\n";
  return text;
}

fs::path SettingsStore::DefaultPath() {
  const fs::path folder = UserConfigFolder();
  return folder.empty() ? fs::path() : folder / "vesk" / "vesk.conf";
}

SettingsStore::SettingsStore(fs::path path) : path_(std::move(path)) {}

Settings SettingsStore::Load(std::string& message) {
  kept_ = {};
  message.clear();
  std::error_code failed;
  auto ignored = [&](const std::string& why) {
    message = "settings file " + path_.string() + " ignored: " + why;
    return Settings{};
  };
  const fs::file_status status = fs::status(path_, failed);
  if (!fs::exists(status)) {
    // Only a file that is simply not there yet is no news; a link to nothing, or a folder the
    // game may not look into, is worth a word.
    if (fs::is_symlink(fs::symlink_status(path_, failed))) return ignored("a link to nothing");
    if (failed && failed != std::errc::no_such_file_or_directory) return ignored(failed.message());
    return kept_;
  }
  if (!fs::is_regular_file(status)) return ignored("not a file");
  const std::uintmax_t size = fs::file_size(path_, failed);
  if (failed) return ignored(failed.message());
  if (size > kMaxSettingsBytes) return ignored("larger than a settings file can be");
  std::ifstream in(path_, std::ios::binary);
  if (!in) return ignored("cannot be read");
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return ignored("cannot be read");
  std::string problem;
  const auto settings = ParseSettings(text, problem);
  if (!settings) return ignored(problem);
  kept_ = *settings;
  return kept_;
}

bool SettingsStore::Keep(const Settings& settings, std::string& message) {
  if (settings == kept_ || path_.empty()) return true;
  std::error_code failed;
  fs::create_directories(path_.parent_path(), failed);
  const fs::path fresh = path_.string() + ".new";
  {
    std::ofstream out(fresh, std::ios::binary | std::ios::trunc);
    out << FormatSettings(settings);
    out.close();
    if (!failed && !out) failed = std::make_error_code(std::errc::io_error);
  }
  if (!failed) fs::rename(fresh, path_, failed);
  if (failed) {
    message = "cannot keep the settings in " + path_.string() + ": " + failed.message();
    fs::remove(fresh, failed);
    return false;
  }
  kept_ = settings;
  return true;
}

}  // namespace platform
