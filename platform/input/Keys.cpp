#include "platform/input/Keys.h"

#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

struct NamedKey {
  const char* Name;
  uint16_t VirtualKey;
  char Ascii;
};

constexpr NamedKey kNamedKeys[] = {
    {"Up", vk::Up, 0},          {"Down", vk::Down, 0},      {"Left", vk::Left, 0},
    {"Right", vk::Right, 0},    {"Escape", vk::Escape, 27}, {"Enter", vk::Return, 13},
    {"Backspace", vk::Back, 8}, {"Delete", vk::Delete, 0},  {"Home", vk::Home, 0},
    {"End", vk::End, 0},        {"Space", vk::Space, ' '},  {"Tab", vk::Tab, 0},
    {"Shift", vk::Shift, 0},    {"Ctrl", vk::Control, 0},   {"Alt", vk::Menu, 0},
    {"RAlt", vk::Menu, 0},      {"Hangul", vk::Hangul, 0},  {"Insert", vk::Insert, 0},
    {"PageUp", vk::Prior, 0},   {"PageDown", vk::Next, 0},  {"CapsLock", vk::Capital, 0},
    {"Pause", vk::Pause, 0},    {"Win", vk::LWin, 0},       {"RWin", vk::RWin, 0},
    {"Apps", vk::Apps, 0},      {"Hanja", vk::Hanja, 0},
};

// US layout: the unshifted and shifted character of each punctuation key, and its key code.
struct PunctuationKey {
  char Plain;
  char Shifted;
  uint16_t VirtualKey;
};
constexpr PunctuationKey kPunctuation[] = {
    {';', ':', 186},  {'=', '+', 187}, {',', '<', 188},  {'-', '_', 189},
    {'.', '>', 190},  {'/', '?', 191}, {'`', '~', 192},  {'[', '{', 219},
    {'\\', '|', 220}, {']', '}', 221}, {'\'', '"', 222},
};
constexpr char kShiftedDigits[] = ")!@#$%^&*(";

}  // namespace

std::optional<KeyStroke> StrokeForName(const std::string& name, bool shift) {
  KeyStroke stroke;
  stroke.Shift = shift ? kShift : 0;
  for (const NamedKey& key : kNamedKeys) {
    if (name == key.Name) {
      stroke.VirtualKey = key.VirtualKey;
      stroke.Ascii = key.Ascii;
      stroke.RightAlt = (name == "RAlt");
      return stroke;
    }
  }
  if (name.size() >= 2 && name[0] == 'F') {
    const int number = std::atoi(name.c_str() + 1);
    if (number >= 1 && number <= 12 && name == "F" + std::to_string(number)) {
      stroke.VirtualKey = static_cast<uint16_t>(vk::F1 + number - 1);
      return stroke;
    }
  }
  if (name.size() == 1) {
    const char c = name[0];
    if (c >= 'a' && c <= 'z') {
      stroke.VirtualKey = static_cast<uint16_t>(c - 'a' + 'A');
      stroke.Ascii = shift ? static_cast<char>(c - 'a' + 'A') : c;
      return stroke;
    }
    if (c >= '0' && c <= '9') {
      stroke.VirtualKey = static_cast<uint16_t>(c);
      stroke.Ascii = shift ? kShiftedDigits[c - '0'] : c;
      return stroke;
    }
    for (const PunctuationKey& key : kPunctuation) {
      if (c == key.Plain) {
        stroke.VirtualKey = key.VirtualKey;
        stroke.Ascii = shift ? key.Shifted : key.Plain;
        return stroke;
      }
    }
  }
  return std::nullopt;
}

std::optional<KeyStroke> StrokeForChar(char ascii) {
  if (ascii == ' ') return StrokeForName("Space", false);
  if (ascii >= 'A' && ascii <= 'Z') return StrokeForName(std::string(1, ascii - 'A' + 'a'), true);
  if ((ascii >= 'a' && ascii <= 'z') || (ascii >= '0' && ascii <= '9')) {
    return StrokeForName(std::string(1, ascii), false);
  }
  if (const char* at = std::strchr(kShiftedDigits, ascii); at && ascii != '\0') {
    return StrokeForName(std::string(1, static_cast<char>('0' + (at - kShiftedDigits))), true);
  }
  for (const PunctuationKey& key : kPunctuation) {
    if (ascii == key.Plain) return StrokeForName(std::string(1, key.Plain), false);
    if (ascii == key.Shifted) return StrokeForName(std::string(1, key.Plain), true);
  }
  return std::nullopt;
}

}  // namespace platform
