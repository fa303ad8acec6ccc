// The page's keys: the browser's key codes (KeyboardEvent.code, a key's place on the keyboard)
// mapped to the key names of platform/input/Keys.h.
#pragma once

#include <string_view>

#include "platform/input/Keys.h"

namespace platform {

// The keys whose codes are not KeyA..KeyZ, Digit0..Digit9 or F1..F12.
inline constexpr KeyCodeName<std::string_view> kWebKeyNames[] = {
    {"ArrowUp", "Up"},        {"ArrowDown", "Down"},
    {"ArrowLeft", "Left"},    {"ArrowRight", "Right"},
    {"Escape", "Escape"},     {"Enter", "Enter"},
    {"NumpadEnter", "Enter"}, {"Backspace", "Backspace"},
    {"Delete", "Delete"},     {"Home", "Home"},
    {"End", "End"},           {"Space", "Space"},
    {"Tab", "Tab"},           {"ShiftLeft", "Shift"},
    {"ShiftRight", "Shift"},  {"ControlLeft", "Ctrl"},
    {"ControlRight", "Ctrl"}, {"AltLeft", "Alt"},
    {"AltRight", "RAlt"},     {"Lang1", "Hangul"},
    {"Lang2", "Hanja"},       {"Insert", "Insert"},
    {"PageUp", "PageUp"},     {"PageDown", "PageDown"},
    {"CapsLock", "CapsLock"}, {"Pause", "Pause"},
    {"MetaLeft", "Win"},      {"MetaRight", "RWin"},
    {"ContextMenu", "Apps"},  {"Minus", "-"},
    {"Equal", "="},           {"BracketLeft", "["},
    {"BracketRight", "]"},    {"Backslash", "\\"},
    {"Semicolon", ";"},       {"Quote", "'"},
    {"Backquote", "`"},       {"Comma", ","},
    {"Period", "."},          {"Slash", "/"},
};

}  // namespace platform
