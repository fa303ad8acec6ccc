// Keys: what a physical key press means to the game.
// Key-down events carry Windows virtual-key codes (the game's handlers switch on them), and a key
// that types a character carries it as on the US layout, Shift applied, so that one table serves
// the script runner, the SDL window and the Hangul keyboard (which reads the US letter of a key).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

namespace vk {
constexpr uint16_t Back = 8;
constexpr uint16_t Tab = 9;
constexpr uint16_t Return = 13;
constexpr uint16_t Shift = 16;
constexpr uint16_t Control = 17;
constexpr uint16_t Menu = 18;  // Alt
constexpr uint16_t Pause = 19;
constexpr uint16_t Capital = 20;  // Caps Lock
constexpr uint16_t Hangul = 21;
constexpr uint16_t Hanja = 25;
constexpr uint16_t Escape = 27;
constexpr uint16_t Space = 32;
constexpr uint16_t Prior = 33;  // Page Up
constexpr uint16_t Next = 34;   // Page Down
constexpr uint16_t End = 35;
constexpr uint16_t Home = 36;
constexpr uint16_t Left = 37;
constexpr uint16_t Up = 38;
constexpr uint16_t Right = 39;
constexpr uint16_t Down = 40;
constexpr uint16_t Insert = 45;
constexpr uint16_t Delete = 46;
constexpr uint16_t LWin = 91;
constexpr uint16_t RWin = 92;
constexpr uint16_t Apps = 93;  // the context-menu key
constexpr uint16_t F1 = 112;
// The US layout's punctuation keys.
constexpr uint16_t Oem1 = 186;       // ; :
constexpr uint16_t OemPlus = 187;    // = +
constexpr uint16_t OemComma = 188;   // , <
constexpr uint16_t OemMinus = 189;   // - _
constexpr uint16_t OemPeriod = 190;  // . >
constexpr uint16_t Oem2 = 191;       // / ?
constexpr uint16_t Oem3 = 192;       // ` ~
constexpr uint16_t Oem4 = 219;       // [ {
constexpr uint16_t Oem5 = 220;       // \ |
constexpr uint16_t Oem6 = 221;       // ] }
constexpr uint16_t Oem7 = 222;       // ' "
// Right Alt, the one key whose left and right twins differ to the game: the backends' maps give it
// this code, and its stroke carries Alt (Menu) marked as the right one.
constexpr uint16_t RMenu = 0xA5;
}  // namespace vk

// Shift-state bits of a key-down event.
using ShiftState = uint8_t;
constexpr ShiftState kShift = 1;
constexpr ShiftState kAlt = 2;
constexpr ShiftState kCtrl = 4;

struct KeyStroke {
  uint16_t VirtualKey = 0;
  ShiftState Shift = 0;
  // The character the key types (US layout, Shift applied), 0 for a key that types none.
  // Enter types 13, Escape 27, Backspace 8.
  char Ascii = 0;
  // Right Alt: it is Alt to the game but the Hangul toggle to the Hangul keyboard.
  bool RightAlt = false;
  // The key is held down and repeats.
  bool Repeat = false;
  // A game controller's button (PadButtons.h), not a key of the keyboard.
  bool FromPad = false;
};

// The stroke of the game's key code `key` (a vk code above; letters and digits are their capital
// characters) with the
// modifiers `shift` held: the character the key types on the US layout, Shift applied. Each
// backend maps its own key codes to these (a GameCodeRow table in its room) and builds the stroke
// here, with no name in between.
KeyStroke StrokeOfKey(uint16_t key, ShiftState shift);

// The stroke of a named key: the names scripts give keys. Up Down Left Right Escape Enter
// Backspace Delete Home End Space Tab F1..F12 Shift Ctrl Alt RAlt Hangul, the keys that type
// nothing Insert PageUp PageDown CapsLock Pause Win RWin Apps Hanja, letters a..z, digits 0..9 and
// the US layout's punctuation. `shift` holds Shift down while the key is pressed. Nothing for an
// unknown name.
std::optional<KeyStroke> StrokeForName(const std::string& name, bool shift);

// One row of a backend's map: the backend's own code for a key or a button, and the game's code
// for it (a key code for StrokeOfKey, a PadButton).
template <typename BackendCode, typename GameCode>
struct GameCodeRow {
  BackendCode Code;
  GameCode Game;
};

// The game's code that `map` gives to `code`, nothing when it has none.
template <typename Map, typename BackendCode>
auto GameCodeOf(const Map& map, const BackendCode& code) -> std::optional<decltype(map[0].Game)> {
  for (const auto& row : map) {
    if (row.Code == code) return row.Game;
  }
  return std::nullopt;
}

// A control character (below the space, or DEL): keys such as Enter and Backspace type them; a
// single-line edit takes none of them as text.
constexpr bool IsControlCharacter(char16_t c) { return c < 0x20 || c == 0x7F; }

// The stroke of a printable US-layout character (letters, digits, punctuation, space), as the
// key that types it with or without Shift.
std::optional<KeyStroke> StrokeForChar(char ascii);

}  // namespace platform
