// The SDL window's keys: SDL's scancodes (a key's place on the keyboard) mapped to the key names
// of platform/input/Keys.h.
#pragma once

#include <SDL.h>

#include <optional>

#include "platform/input/Keys.h"

namespace platform {

// The keys whose scancodes lie in no run of letters, digits or function keys.
inline constexpr KeyCodeName<SDL_Scancode> kSdlKeyNames[] = {
    {SDL_SCANCODE_UP, "Up"},
    {SDL_SCANCODE_DOWN, "Down"},
    {SDL_SCANCODE_LEFT, "Left"},
    {SDL_SCANCODE_RIGHT, "Right"},
    {SDL_SCANCODE_ESCAPE, "Escape"},
    {SDL_SCANCODE_RETURN, "Enter"},
    {SDL_SCANCODE_KP_ENTER, "Enter"},
    {SDL_SCANCODE_BACKSPACE, "Backspace"},
    {SDL_SCANCODE_DELETE, "Delete"},
    {SDL_SCANCODE_HOME, "Home"},
    {SDL_SCANCODE_END, "End"},
    {SDL_SCANCODE_SPACE, "Space"},
    {SDL_SCANCODE_TAB, "Tab"},
    {SDL_SCANCODE_LSHIFT, "Shift"},
    {SDL_SCANCODE_RSHIFT, "Shift"},
    {SDL_SCANCODE_LCTRL, "Ctrl"},
    {SDL_SCANCODE_RCTRL, "Ctrl"},
    {SDL_SCANCODE_LALT, "Alt"},
    {SDL_SCANCODE_RALT, "RAlt"},
    {SDL_SCANCODE_LANG1, "Hangul"},
    {SDL_SCANCODE_LANG2, "Hanja"},
    {SDL_SCANCODE_INSERT, "Insert"},
    {SDL_SCANCODE_PAGEUP, "PageUp"},
    {SDL_SCANCODE_PAGEDOWN, "PageDown"},
    {SDL_SCANCODE_CAPSLOCK, "CapsLock"},
    {SDL_SCANCODE_PAUSE, "Pause"},
    {SDL_SCANCODE_LGUI, "Win"},
    {SDL_SCANCODE_RGUI, "RWin"},
    {SDL_SCANCODE_APPLICATION, "Apps"},
    {SDL_SCANCODE_MINUS, "-"},
    {SDL_SCANCODE_EQUALS, "="},
    {SDL_SCANCODE_LEFTBRACKET, "["},
    {SDL_SCANCODE_RIGHTBRACKET, "]"},
    {SDL_SCANCODE_BACKSLASH, "\\"},
    {SDL_SCANCODE_SEMICOLON, ";"},
    {SDL_SCANCODE_APOSTROPHE, "'"},
    {SDL_SCANCODE_GRAVE, "`"},
    {SDL_SCANCODE_COMMA, ","},
    {SDL_SCANCODE_PERIOD, "."},
    {SDL_SCANCODE_SLASH, "/"},
};

// The stroke of an SDL key event: keys by their place on the keyboard (the Hangul keyboard reads
// the US letter of a key whatever the desktop layout), with Shift, Alt and Ctrl applied. Nothing
// for a key the game does not know.
std::optional<KeyStroke> StrokeOfSdlKey(const SDL_Keysym& key);

}  // namespace platform
