#include "platform/input/Keys.h"

#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

struct NamedKey {
  const char* Name;
  uint16_t Key;
};

constexpr NamedKey kNamedKeys[] = {
    {"Up", vk::Up},          {"Down", vk::Down},     {"Left", vk::Left},
    {"Right", vk::Right},    {"Escape", vk::Escape}, {"Enter", vk::Return},
    {"Backspace", vk::Back}, {"Delete", vk::Delete}, {"Home", vk::Home},
    {"End", vk::End},        {"Space", vk::Space},   {"Tab", vk::Tab},
    {"Shift", vk::Shift},    {"Ctrl", vk::Control},  {"Alt", vk::Menu},
    {"RAlt", vk::RMenu},     {"Hangul", vk::Hangul}, {"Insert", vk::Insert},
    {"PageUp", vk::Prior},   {"PageDown", vk::Next}, {"CapsLock", vk::Capital},
    {"Pause", vk::Pause},    {"Win", vk::LWin},      {"RWin", vk::RWin},
    {"Apps", vk::Apps},      {"Hanja", vk::Hanja},
};

// US layout: the unshifted and shifted character of each punctuation key, and its key code.
struct PunctuationKey {
  char Plain;
  char Shifted;
  uint16_t Key;
};
constexpr PunctuationKey kPunctuation[] = {
    {';', ':', vk::Oem1},     {'=', '+', vk::OemPlus},   {',', '<', vk::OemComma},
    {'-', '_', vk::OemMinus}, {'.', '>', vk::OemPeriod}, {'/', '?', vk::Oem2},
    {'`', '~', vk::Oem3},     {'[', '{', vk::Oem4},      {'\\', '|', vk::Oem5},
    {']', '}', vk::Oem6},     {'\'', '"', vk::Oem7},
};
constexpr char kShiftedDigits[] = ")!@#$%^&*(";

// The character `key` types on the US layout, 0 for a key that types none. Enter, Escape and
// Backspace type their control characters, Tab none (a line takes no tab).
char TypedBy(uint16_t key, bool shift) {
  if (key >= 'A' && key <= 'Z') return static_cast<char>(shift ? key : key - 'A' + 'a');
  if (key >= '0' && key <= '9') return shift ? kShiftedDigits[key - '0'] : static_cast<char>(key);
  switch (key) {
    case vk::Space:
      return ' ';
    case vk::Return:
      return 13;
    case vk::Escape:
      return 27;
    case vk::Back:
      return 8;
  }
  for (const PunctuationKey& each : kPunctuation) {
    if (key == each.Key) return shift ? each.Shifted : each.Plain;
  }
  return 0;
}

}  // namespace

KeyStroke StrokeOfKey(uint16_t key, ShiftState shift) {
  KeyStroke stroke;
  stroke.RightAlt = key == vk::RMenu;
  stroke.VirtualKey = stroke.RightAlt ? vk::Menu : key;
  stroke.Shift = shift;
  stroke.Ascii = TypedBy(key, (shift & kShift) != 0);
  return stroke;
}

std::optional<KeyStroke> StrokeForName(const std::string& name, bool shift) {
  const ShiftState held = shift ? kShift : 0;
  for (const NamedKey& each : kNamedKeys) {
    if (name == each.Name) return StrokeOfKey(each.Key, held);
  }
  if (name.size() >= 2 && name[0] == 'F') {
    const int number = std::atoi(name.c_str() + 1);
    if (number >= 1 && number <= 12 && name.substr(1) == std::to_string(number)) {
      return StrokeOfKey(static_cast<uint16_t>(vk::F1 + number - 1), held);
    }
  }
  if (name.size() == 1) {
    const char c = name[0];
    if (c >= 'a' && c <= 'z') return StrokeOfKey(static_cast<uint16_t>(c - 'a' + 'A'), held);
    if (c >= '0' && c <= '9') return StrokeOfKey(static_cast<uint16_t>(c), held);
    for (const PunctuationKey& each : kPunctuation) {
      if (c == each.Plain) return StrokeOfKey(each.Key, held);
    }
  }
  return std::nullopt;
}

std::optional<KeyStroke> StrokeForChar(char ascii) {
  if (ascii == ' ') return StrokeOfKey(vk::Space, 0);
  if (ascii >= 'A' && ascii <= 'Z') return StrokeOfKey(static_cast<uint16_t>(ascii), kShift);
  if (ascii >= 'a' && ascii <= 'z') return StrokeOfKey(static_cast<uint16_t>(ascii - 'a' + 'A'), 0);
  if (ascii >= '0' && ascii <= '9') return StrokeOfKey(static_cast<uint16_t>(ascii), 0);
  if (const char* at = std::strchr(kShiftedDigits, ascii); at && ascii != '\0') {
    return StrokeOfKey(static_cast<uint16_t>('0' + (at - kShiftedDigits)), kShift);
  }
  for (const PunctuationKey& each : kPunctuation) {
    if (ascii == each.Plain) return StrokeOfKey(each.Key, 0);
    if (ascii == each.Shifted) return StrokeOfKey(each.Key, kShift);
  }
  return std::nullopt;
}

}  // namespace platform
