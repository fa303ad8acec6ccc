#include "platform/system/Settings.h"

#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/system/Choices.h"
#include "platform/system/Messages.h"
#include "platform/system/Paths.h"
#include "platform/system/PlainText.h"
#include "platform/system/WholeFile.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

constexpr int32_t kMaxWindowSide = 65535;
constexpr char kHeader[] = "# Vesk keeps the player's choices here; written by the game.\n";

template <typename T, typename U>
bool Set(std::optional<T>& field, const std::optional<U>& parsed) {
  if (parsed) field = *parsed;
  return parsed.has_value();
}

std::optional<bool> YesNo(const std::string& text) {
  if (text == "yes") return true;
  if (text == "no") return false;
  return std::nullopt;
}

std::optional<std::string> YesNoText(const std::optional<bool>& value) {
  if (!value) return std::nullopt;
  return *value ? "yes" : "no";
}

std::optional<WindowSize> SizeOf(const std::string& text) {
  const size_t x = text.find('x');
  if (x == std::string::npos) return std::nullopt;
  const auto width = WholeNumber(std::string_view(text).substr(0, x), 1, kMaxWindowSide);
  const auto height = WholeNumber(std::string_view(text).substr(x + 1), 1, kMaxWindowSide);
  if (!width || !height) return std::nullopt;
  return WindowSize{*width, *height};
}

std::optional<std::string> InputMethodOf(const std::string& text) {
  if (kInputMethods.Takes(text)) return text;
  return std::nullopt;
}

// One setting: its name in the text, what its value may be (in the player's language, so asked
// for when a message says it), how a value is read into the settings and how the settings' value
// is written (nothing when it is not chosen).
struct Rule {
  const char* Name;
  std::string (*Takes)();
  bool (*Assign)(Settings&, const std::string&);
  std::optional<std::string> (*Value)(const Settings&);
};

const Rule kRules[] = {
    {"scale", [] { return Format(_("a whole number from %d to %d"), 1, kMaxScale); },
     [](Settings& s, const std::string& v) { return Set(s.Scale, WholeNumber(v, 1, kMaxScale)); },
     [](const Settings& s) -> std::optional<std::string> {
       if (!s.Scale) return std::nullopt;
       return std::to_string(*s.Scale);
     }},
    {"window", [] { return std::string(_("a size such as 1264x906")); },
     [](Settings& s, const std::string& v) { return Set(s.Window, SizeOf(v)); },
     [](const Settings& s) -> std::optional<std::string> {
       if (!s.Window) return std::nullopt;
       return std::to_string(s.Window->Width) + "x" + std::to_string(s.Window->Height);
     }},
    {"fullscreen", [] { return std::string(_("yes or no")); },
     [](Settings& s, const std::string& v) { return Set(s.Fullscreen, YesNo(v)); },
     [](const Settings& s) { return YesNoText(s.Fullscreen); }},
    {"speech", [] { return std::string(_("yes or no")); },
     [](Settings& s, const std::string& v) { return Set(s.Speech, YesNo(v)); },
     [](const Settings& s) { return YesNoText(s.Speech); }},
    {"hangul", [] { return std::string(_("yes or no")); },
     [](Settings& s, const std::string& v) { return Set(s.HangulMode, YesNo(v)); },
     [](const Settings& s) { return YesNoText(s.HangulMode); }},
    {"ime", [] { return kInputMethods.Listed(); },
     [](Settings& s, const std::string& v) { return Set(s.InputMethod, InputMethodOf(v)); },
     [](const Settings& s) { return s.InputMethod; }},
};

const Rule* RuleNamed(const std::string& name) {
  for (const Rule& rule : kRules)
    if (name == rule.Name) return &rule;
  return nullptr;
}

}  // namespace

Result<SettingsLines> SettingsLines::Parse(const std::string& text) {
  if (!text.empty() && text.back() != '\n')
    return Problem{_("cut short (the last line has no end)")};
  SettingsLines parsed;
  size_t start = 0;
  for (int number = 1; start < text.size(); ++number) {
    const size_t end = text.find('\n', start) + 1;
    Line line{text.substr(start, end - start), ""};
    start = end;
    std::string content = line.Text.substr(0, line.Text.size() - 1);
    if (!content.empty() && content.back() == '\r') content.pop_back();
    // TRANSLATORS: the line of the settings a problem is on, then the problem: "line 3: ...".
    const std::string where = Format(_("line %d: "), number);
    const bool control = std::any_of(content.begin(), content.end(), [](char c) {
      return static_cast<unsigned char>(c) < 0x20 && c != '\t';
    });
    if (control) return Problem{where + _("not text")};
    content = Trimmed(content);
    const size_t equals = content.find('=');
    const std::string name =
        equals == std::string::npos ? "" : Trimmed(std::string_view(content).substr(0, equals));
    const Rule* rule = RuleNamed(name);
    const bool seen = std::any_of(parsed.lines_.begin(), parsed.lines_.end(),
                                  [&](const Line& other) { return other.Setting == name; });
    if (content.empty() || content[0] == '#') {
      // a comment or a blank line
    } else if (!rule) {
      parsed.problems_.push_back(where + _("not a setting the game knows"));
    } else if (seen) {
      parsed.problems_.push_back(where +
                                 Format(_("%s is set twice; the first line counts"), name.c_str()));
    } else {
      line.Setting = name;
      if (!rule->Assign(parsed.values_, Trimmed(std::string_view(content).substr(equals + 1))))
        parsed.problems_.push_back(where +
                                   Format(_("%s takes %s"), name.c_str(), rule->Takes().c_str()));
    }
    parsed.lines_.push_back(std::move(line));
  }
  return parsed;
}

std::string SettingsLines::Changing(const Settings& from, const Settings& to) const {
  auto changed = [&](const Rule& rule) { return rule.Value(to) != rule.Value(from); };
  auto lineOf = [&](const Rule& rule, const std::string& end) {
    const auto value = rule.Value(to);
    return value ? std::string(rule.Name) + " = " + *value + end : "";
  };
  std::string text = lines_.empty() ? kHeader : "";
  for (const Line& line : lines_) {
    const Rule* rule = RuleNamed(line.Setting);
    if (!rule || !changed(*rule)) {
      text += line.Text;
    } else {
      const bool windows = line.Text.size() > 1 && line.Text[line.Text.size() - 2] == '\r';
      text += lineOf(*rule, windows ? "\r\n" : "\n");
    }
  }
  for (const Rule& rule : kRules) {
    const bool hasLine = std::any_of(lines_.begin(), lines_.end(),
                                     [&](const Line& line) { return line.Setting == rule.Name; });
    if (!hasLine && changed(rule)) text += lineOf(rule, "\n");
  }
  return text;
}

fs::path SettingsFile::DefaultPath() {
  const fs::path folder = UserConfigFolder();
  return folder.empty() ? fs::path() : folder / kProgramName / SettingsFileName();
}

std::string SettingsFile::Name() const {
  return Format(_("settings file %s"), Utf8FromPath(path_).c_str());
}

Result<std::optional<std::string>> SettingsFile::Read(size_t most) {
  std::error_code failed;
  auto unreadable = [](const std::string& why) { return Problem{why}; };
  if (path_.empty()) return std::optional<std::string>();
  const fs::file_status status = fs::status(path_, failed);
  if (!fs::exists(status)) {
    // Only a file that is simply not there yet is no news; a link to nothing, or a folder the
    // game may not look into, is worth a word.
    if (fs::is_symlink(fs::symlink_status(path_, failed)))
      return unreadable(_("a link to nothing"));
    if (failed && failed != std::errc::no_such_file_or_directory)
      return unreadable(failed.message());
    return std::optional<std::string>();
  }
  if (!fs::is_regular_file(status)) return unreadable(_("not a file"));
  const std::uintmax_t size = fs::file_size(path_, failed);
  if (failed) return unreadable(failed.message());
  if (size > most) return unreadable(_("larger than a settings file can be"));
  std::ifstream in(path_, std::ios::binary);
  if (!in) return unreadable(_("cannot be read"));
  std::string text(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>{});
  if (in.bad()) return unreadable(_("cannot be read"));
  return std::optional<std::string>(std::move(text));
}

Result<void> SettingsFile::Write(const std::string& text) {
  if (path_.empty()) return {};  // no settings folder is known: nothing is kept, as said
  std::error_code failed;
  fs::create_directories(path_.parent_path(), failed);
  if (failed) {
    return Problem{Format(_("cannot make %s: %s"), Utf8FromPath(path_.parent_path()).c_str(),
                          failed.message().c_str())};
  }
  // A pipe or a device in the file's place would take the text and keep nothing, or never end.
  const fs::file_status status = fs::status(path_, failed);
  if (fs::exists(status) && !fs::is_regular_file(status))
    return Problem{Format(_("cannot write %s: not a file"), Utf8FromPath(path_).c_str())};
  return ReplaceFile(path_, text);
}

Result<SettingsLines> SettingsKeeper::ReadStore() {
  const Result<std::optional<std::string>> text = store_.Read(kMaxSettingsBytes);
  if (!text) return text.Error();
  if (!*text) return SettingsLines();
  return SettingsLines::Parse(**text);
}

Settings SettingsKeeper::Load(std::vector<std::string>& messages) {
  kept_ = {};
  auto lines = ReadStore();
  if (!lines) {
    messages.push_back(
        Format(_("%s ignored: %s"), store_.Name().c_str(), lines.Error().Message.c_str()));
    known_ = {};
    return {};
  }
  for (const std::string& skipped : lines->Problems())
    messages.push_back(
        Format(_("%s, %s (the line is skipped)"), store_.Name().c_str(), skipped.c_str()));
  kept_ = std::move(*lines);
  known_ = kept_.Values();
  return known_;
}

Result<void> SettingsKeeper::Keep(const Settings& settings) {
  if (settings == known_) return {};
  // The player may have edited the text while the game ran; a text that cannot be taken now is
  // written over from what this run knows, as one ignored at the start would be.
  if (auto now = ReadStore()) kept_ = std::move(*now);
  const std::string text = kept_.Changing(known_, settings);
  if (const Result<void> written = store_.Write(text); !written) {
    return Problem{Format(_("cannot keep the settings: %s"), written.Error().Message.c_str())};
  }
  kept_ = *SettingsLines::Parse(text);
  known_ = settings;
  return {};
}

}  // namespace platform
