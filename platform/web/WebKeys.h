// The page's keys: the browser's key codes (KeyboardEvent.code, a key's place on the keyboard
// whatever the layout) mapped straight to the game's key codes of platform/input/Keys.h.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/input/Keys.h"

namespace platform {

inline constexpr GameCodeRow<std::string_view, uint16_t> kWebKeys[] = {
    {"KeyA", 'A'},
    {"KeyB", 'B'},
    {"KeyC", 'C'},
    {"KeyD", 'D'},
    {"KeyE", 'E'},
    {"KeyF", 'F'},
    {"KeyG", 'G'},
    {"KeyH", 'H'},
    {"KeyI", 'I'},
    {"KeyJ", 'J'},
    {"KeyK", 'K'},
    {"KeyL", 'L'},
    {"KeyM", 'M'},
    {"KeyN", 'N'},
    {"KeyO", 'O'},
    {"KeyP", 'P'},
    {"KeyQ", 'Q'},
    {"KeyR", 'R'},
    {"KeyS", 'S'},
    {"KeyT", 'T'},
    {"KeyU", 'U'},
    {"KeyV", 'V'},
    {"KeyW", 'W'},
    {"KeyX", 'X'},
    {"KeyY", 'Y'},
    {"KeyZ", 'Z'},
    {"Digit0", '0'},
    {"Digit1", '1'},
    {"Digit2", '2'},
    {"Digit3", '3'},
    {"Digit4", '4'},
    {"Digit5", '5'},
    {"Digit6", '6'},
    {"Digit7", '7'},
    {"Digit8", '8'},
    {"Digit9", '9'},
    {"F1", vk::F1},
    {"F2", vk::F1 + 1},
    {"F3", vk::F1 + 2},
    {"F4", vk::F1 + 3},
    {"F5", vk::F1 + 4},
    {"F6", vk::F1 + 5},
    {"F7", vk::F1 + 6},
    {"F8", vk::F1 + 7},
    {"F9", vk::F1 + 8},
    {"F10", vk::F1 + 9},
    {"F11", vk::F1 + 10},
    {"F12", vk::F1 + 11},
    {"ArrowUp", vk::Up},
    {"ArrowDown", vk::Down},
    {"ArrowLeft", vk::Left},
    {"ArrowRight", vk::Right},
    {"Escape", vk::Escape},
    {"Enter", vk::Return},
    {"NumpadEnter", vk::Return},
    {"Backspace", vk::Back},
    {"Delete", vk::Delete},
    {"Home", vk::Home},
    {"End", vk::End},
    {"Space", vk::Space},
    {"Tab", vk::Tab},
    {"ShiftLeft", vk::Shift},
    {"ShiftRight", vk::Shift},
    {"ControlLeft", vk::Control},
    {"ControlRight", vk::Control},
    {"AltLeft", vk::Menu},
    {"AltRight", vk::RMenu},
    {"Lang1", vk::Hangul},
    {"Lang2", vk::Hanja},
    {"Insert", vk::Insert},
    {"PageUp", vk::Prior},
    {"PageDown", vk::Next},
    {"CapsLock", vk::Capital},
    {"Pause", vk::Pause},
    {"MetaLeft", vk::LWin},
    {"MetaRight", vk::RWin},
    {"ContextMenu", vk::Apps},
    {"Minus", vk::OemMinus},
    {"Equal", vk::OemPlus},
    {"BracketLeft", vk::Oem4},
    {"BracketRight", vk::Oem6},
    {"Backslash", vk::Oem5},
    {"Semicolon", vk::Oem1},
    {"Quote", vk::Oem7},
    {"Backquote", vk::Oem3},
    {"Comma", vk::OemComma},
    {"Period", vk::OemPeriod},
    {"Slash", vk::Oem2},
};

// The game's key code for a KeyboardEvent.code, nothing for a key the game does not know.
inline std::optional<uint16_t> KeyOfWebCode(std::string_view code) {
  return GameCodeOf(kWebKeys, code);
}

}  // namespace platform
