#include "platform/headless/Script.h"

#include <sstream>

#include "platform/system/CodePage.h"
#include "platform/system/PlainText.h"

namespace platform {
namespace {

constexpr int kMaxRepeat = 10'000'000;
constexpr uint32_t kMaxHoldMs = 600'000;

// A count such as "3" or "x3"; false when it is not a number in range.
bool ParseCount(std::string_view word, int& count) {
  if (!word.empty() && word[0] == 'x') word.remove_prefix(1);
  const auto n = WholeNumber(word, 1, kMaxRepeat);
  if (n) count = *n;
  return n.has_value();
}

}  // namespace

std::optional<std::vector<ScriptEvent>> ParseScript(const std::string& utf8, ScriptError& error) {
  std::vector<ScriptEvent> events;
  std::istringstream lines(utf8);
  std::string raw;
  int number = 0;
  auto fail = [&](const std::string& problem) -> std::optional<std::vector<ScriptEvent>> {
    error = ScriptError{number, problem};
    return std::nullopt;
  };
  while (std::getline(lines, raw)) {
    ++number;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    const std::string line = Trimmed(raw);
    if (line.empty() || line[0] == '#') continue;
    const size_t space = line.find(' ');
    const std::string verb = line.substr(0, space);
    // Text keeps everything after the single space that follows the verb, spaces included.
    const std::string body = raw.substr(raw.find_first_not_of(" \t"));
    const std::string rest = space == std::string::npos ? "" : body.substr(verb.size() + 1);
    std::istringstream words(space == std::string::npos ? "" : line.substr(space + 1));
    std::vector<std::string> args;
    for (std::string word; words >> word;) args.push_back(word);

    ScriptEvent event;
    event.Line = number;
    int count = 1;
    if (verb == "key") {
      if (args.empty() || args.size() > 2) return fail("key takes a key name and an optional xN");
      if (args.size() == 2 && !ParseCount(args[1], count)) return fail("bad repeat count");
      std::string name = args[0];
      const bool shift = name.rfind("Shift+", 0) == 0;
      if (shift) name.erase(0, 6);
      const auto stroke = StrokeForName(name, shift);
      if (!stroke) return fail("unknown key \"" + name + "\"");
      event.What = ScriptEvent::Kind::Key;
      for (int i = 0; i < count; ++i) {
        if (shift) {
          // A real keyboard sends the Shift key's own key-down before the shifted key.
          ScriptEvent shiftDown = event;
          shiftDown.Stroke = *StrokeForName("Shift", true);
          events.push_back(shiftDown);
        }
        event.Stroke = *stroke;
        events.push_back(event);
      }
      continue;
    }
    if (verb == "hold") {
      const auto stroke = args.size() == 2 ? StrokeForName(args[0], false) : std::nullopt;
      if (!stroke) return fail("hold takes a key name and a time such as 2000ms");
      std::string time = args[1];
      const bool inMs = time.size() > 2 && time.compare(time.size() - 2, 2, "ms") == 0;
      int ms = 0;
      if (!inMs || !ParseCount(time.substr(0, time.size() - 2), ms) ||
          static_cast<uint32_t>(ms) > kMaxHoldMs) {
        return fail("hold time is 1ms to 600000ms");
      }
      event.What = ScriptEvent::Kind::Hold;
      event.Stroke = *stroke;
      event.HoldMs = static_cast<uint32_t>(ms);
      events.push_back(event);
      continue;
    }
    if (verb == "text" || verb == "compose") {
      event.What = verb == "text" ? ScriptEvent::Kind::Text : ScriptEvent::Kind::Compose;
      event.Text = Utf8ToWide(rest);
      events.push_back(event);
      continue;
    }
    if (verb == "tick") {
      if (args.size() > 1 || (args.size() == 1 && !ParseCount(args[0], count))) {
        return fail("tick takes an optional count");
      }
      event.What = ScriptEvent::Kind::Tick;
      events.insert(events.end(), count, event);
      continue;
    }
    if (verb == "paint" || verb == "close") {
      if (!args.empty()) return fail(verb + " takes no arguments");
      event.What = verb == "paint" ? ScriptEvent::Kind::Paint : ScriptEvent::Kind::Close;
      events.push_back(event);
      continue;
    }
    return fail("unknown event \"" + verb + "\"");
  }
  return events;
}

}  // namespace platform
