#include "platform/headless/Script.h"

#include <algorithm>
#include <optional>
#include <sstream>
#include <string_view>

#include "platform/input/HeldKeys.h"
#include "platform/input/PadButtons.h"
#include "platform/system/CodePage.h"
#include "platform/system/FileAccess.h"
#include "platform/system/Messages.h"
#include "platform/system/PlainText.h"

namespace platform {
namespace {

constexpr uint32_t kMaxHoldMs = 600'000;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// One line of a script taken apart after its verb.
struct Line {
  std::string Verb;
  std::vector<std::string> Words;  // the arguments, split at blanks
  std::string Rest;                // everything after the verb and one space, spaces included
};

// What one event makes the game do, counted against the script's limits.
size_t WorkOf(const ScriptEvent& event) {
  switch (event.What) {
    case ScriptEvent::Kind::Hold:
      // The key-down, then at most one key every 1/60 s: the fastest a held arrow can walk, and
      // faster than the desktop's own repeat.
      return 1 + event.HoldMs * HeldKeys::kMaxStepsPerSecond / 1000;
    case ScriptEvent::Kind::Text:
      return std::max<size_t>(event.Text.size(), 1);  // each character is a change of its own
    default:
      return 1;
  }
}

// Where a script's events go, within the budget of a whole script: a short script can ask for
// millions of repeats or hours of held keys, which would take the memory and the time of the
// machine.
class Events {
 public:
  // Adds `pattern` `times` over; on passing a limit, nothing and the problem.
  std::string Repeat(const std::vector<ScriptEvent>& pattern, size_t times) {
    size_t work = 0, paints = 0;
    for (const ScriptEvent& event : pattern) {
      work += WorkOf(event);
      paints += event.What == ScriptEvent::Kind::Paint;
    }
    if (work * times > kMaxScriptEvents - work_)
      return Format(_("the script comes to more than %zu events"), kMaxScriptEvents);
    if (paints * times > kMaxScriptPaints - paints_)
      return Format(_("the script comes to more than %zu paints"), kMaxScriptPaints);
    work_ += work * times;
    paints_ += paints * times;
    for (size_t i = 0; i < times; ++i) all_.insert(all_.end(), pattern.begin(), pattern.end());
    return "";
  }
  std::string Add(const ScriptEvent& event) { return Repeat({event}, 1); }
  std::vector<ScriptEvent> Take() { return std::move(all_); }

 private:
  std::vector<ScriptEvent> all_;
  size_t work_ = 0, paints_ = 0;
};

// A count such as "3" or "x3".
std::optional<int32_t> CountOf(std::string_view word) {
  if (!word.empty() && word[0] == 'x') word.remove_prefix(1);
  return WholeNumber(word, 1, static_cast<int32_t>(kMaxScriptEvents));
}

// Each verb reads its line into events starting from `event` (kind and line set); the problem,
// or empty when the line is good.
std::string Key(const Line& line, ScriptEvent event, Events& events) {
  if (line.Words.empty() || line.Words.size() > 2)
    return _("key takes a key name and an optional xN");
  const auto count = line.Words.size() == 2 ? CountOf(line.Words[1]) : 1;
  if (!count) return _("bad repeat count");
  std::string name = line.Words[0];
  const bool shift = name.rfind("Shift+", 0) == 0;
  if (shift) name.erase(0, 6);
  const auto stroke = StrokeForName(name, shift);
  if (!stroke) return Format(_("unknown key \"%s\""), name.c_str());
  std::vector<ScriptEvent> press;
  if (shift) {
    // A real keyboard sends the Shift key's own key-down before the shifted key.
    press.push_back(event);
    press.back().Stroke = *StrokeForName("Shift", true);
  }
  event.Stroke = *stroke;
  press.push_back(event);
  return events.Repeat(press, static_cast<size_t>(*count));
}

bool IsTime(std::string_view word) {
  return word.size() > 2 && word.substr(word.size() - 2) == "ms";
}

// A hold of `stroke` for the time `word` gives.
std::string HoldFor(const KeyStroke& stroke, std::string_view time, ScriptEvent event,
                    Events& events) {
  const auto ms =
      IsTime(time) ? WholeNumber(time.substr(0, time.size() - 2), 1, kMaxHoldMs) : std::nullopt;
  if (!ms) return _("hold time is 1ms to 600000ms");
  event.What = ScriptEvent::Kind::Hold;
  event.Stroke = stroke;
  event.HoldMs = static_cast<uint32_t>(*ms);
  return events.Add(event);
}

std::string Hold(const Line& line, ScriptEvent event, Events& events) {
  const auto stroke = line.Words.size() == 2 ? StrokeForName(line.Words[0], false) : std::nullopt;
  if (!stroke) return _("hold takes a key name and a time such as 2000ms");
  return HoldFor(*stroke, line.Words[1], event, events);
}

std::string Button(const Line& line, ScriptEvent event, Events& events) {
  if (line.Words.empty() || line.Words.size() > 2)
    return _("button takes a button name and an optional xN or time such as 500ms");
  const auto stroke = StrokeForButton(line.Words[0]);
  if (!stroke) return Format(_("unknown button \"%s\""), line.Words[0].c_str());
  if (line.Words.size() == 2 && IsTime(line.Words[1]))
    return HoldFor(*stroke, line.Words[1], event, events);
  const auto count = line.Words.size() == 2 ? CountOf(line.Words[1]) : 1;
  if (!count) return _("bad repeat count");
  event.Stroke = *stroke;
  return events.Repeat({event}, static_cast<size_t>(*count));
}

std::string Typed(const Line& line, ScriptEvent event, Events& events) {
  event.Text = Utf8ToWide(line.Rest);
  return events.Add(event);
}

std::string Tick(const Line& line, ScriptEvent event, Events& events) {
  const auto count = line.Words.empty() ? 1 : CountOf(line.Words[0]);
  if (line.Words.size() > 1 || !count) return _("tick takes an optional count");
  return events.Repeat({event}, static_cast<size_t>(*count));
}

std::string Bare(const Line& line, ScriptEvent event, Events& events) {
  if (!line.Words.empty()) return Format(_("%s takes no arguments"), line.Verb.c_str());
  return events.Add(event);
}

struct Verb {
  const char* Name;
  ScriptEvent::Kind What;
  std::string (*Read)(const Line&, ScriptEvent, Events&);
};

const Verb kVerbs[] = {
    {"key", ScriptEvent::Kind::Key, Key},           {"hold", ScriptEvent::Kind::Hold, Hold},
    {"button", ScriptEvent::Kind::Key, Button},     {"text", ScriptEvent::Kind::Text, Typed},
    {"compose", ScriptEvent::Kind::Compose, Typed}, {"tick", ScriptEvent::Kind::Tick, Tick},
    {"paint", ScriptEvent::Kind::Paint, Bare},      {"close", ScriptEvent::Kind::Close, Bare},
};

// What stops a script, named by its line as a compiler names one: "LINE: what is wrong".
Problem AtLine(int number, const std::string& problem) {
  return {std::to_string(number) + ": " + problem};
}

}  // namespace

Result<std::vector<ScriptEvent>> ParseScript(std::string_view utf8) {
  // An editor's byte-order mark is no part of the first event.
  if (utf8.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    utf8.remove_prefix(kByteOrderMark.size());
  Events events;
  int number = 0;
  for (size_t start = 0; start < utf8.size();) {
    ++number;
    const size_t end = std::min(utf8.find('\n', start), utf8.size());
    std::string_view raw = utf8.substr(start, end - start);
    start = end + 1;
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    if (raw.size() > kMaxScriptLineBytes) {
      return AtLine(number, Format(_("longer than %zu bytes"), kMaxScriptLineBytes));
    }
    // A control byte (a NUL above all) would cut the line short wherever it is read as C text.
    const auto control = std::find_if(raw.begin(), raw.end(), [](char byte) {
      return static_cast<unsigned char>(byte) < 0x20 && byte != '\t';
    });
    if (control != raw.end()) {
      return AtLine(number,
                    Format(_("holds the control byte 0x%02X"), static_cast<unsigned>(*control)));
    }
    const std::string line = Trimmed(raw);
    if (line.empty() || line[0] == '#') continue;
    Line taken;
    taken.Verb = line.substr(0, line.find_first_of(" \t"));
    const std::string& verb = taken.Verb;
    // Text keeps everything after the single space that follows the verb, spaces included.
    const std::string_view body = raw.substr(raw.find_first_not_of(" \t"));
    if (body.size() > verb.size()) taken.Rest = body.substr(verb.size() + 1);
    std::istringstream words(line.substr(verb.size()));
    for (std::string word; words >> word;) taken.Words.push_back(word);
    const Verb* known = nullptr;
    for (const Verb& each : kVerbs)
      if (verb == each.Name) known = &each;
    if (!known) {
      return AtLine(number, Format(_("unknown event \"%s\""), verb.c_str()));
    }
    ScriptEvent event;
    event.What = known->What;
    event.Line = number;
    const std::string problem = known->Read(taken, event, events);
    if (!problem.empty()) return AtLine(number, problem);
  }
  return events.Take();
}

Result<std::string> ReadScript(const std::string& path) {
  const Result<int> fd = file_access::OpenRead(path);
  if (!fd) return fd.Error();
  std::string text;
  std::optional<Problem> problem;
  char buffer[65536];
  while (!problem) {
    const Result<size_t> got = file_access::Read(*fd, buffer, sizeof buffer);
    if (!got) problem = got.Error();
    if (!got || *got == 0) break;
    text.append(buffer, *got);
    if (text.size() > kMaxScriptBytes)
      problem = Problem{Format(_("larger than %zu MiB"), kMaxScriptBytes >> 20)};
  }
  (void)file_access::Close(*fd);
  if (problem) return *problem;
  return text;
}

}  // namespace platform
