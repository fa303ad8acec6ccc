// The SDL window's keys: SDL's scancodes (a key's place on the keyboard) mapped straight to the
// game's key codes of platform/input/Keys.h.
#pragma once

#include <SDL.h>

#include <optional>

#include "platform/input/Keys.h"

namespace platform {

// The keys whose scancodes lie in no run of letters, digits or function keys.
inline constexpr GameCodeRow<SDL_Scancode, uint16_t> kSdlKeys[] = {
    {SDL_SCANCODE_UP, vk::Up},
    {SDL_SCANCODE_DOWN, vk::Down},
    {SDL_SCANCODE_LEFT, vk::Left},
    {SDL_SCANCODE_RIGHT, vk::Right},
    {SDL_SCANCODE_ESCAPE, vk::Escape},
    {SDL_SCANCODE_RETURN, vk::Return},
    {SDL_SCANCODE_KP_ENTER, vk::Return},
    {SDL_SCANCODE_BACKSPACE, vk::Back},
    {SDL_SCANCODE_DELETE, vk::Delete},
    {SDL_SCANCODE_HOME, vk::Home},
    {SDL_SCANCODE_END, vk::End},
    {SDL_SCANCODE_SPACE, vk::Space},
    {SDL_SCANCODE_TAB, vk::Tab},
    {SDL_SCANCODE_LSHIFT, vk::Shift},
    {SDL_SCANCODE_RSHIFT, vk::Shift},
    {SDL_SCANCODE_LCTRL, vk::Control},
    {SDL_SCANCODE_RCTRL, vk::Control},
    {SDL_SCANCODE_LALT, vk::Menu},
    {SDL_SCANCODE_RALT, vk::RMenu},
    {SDL_SCANCODE_LANG1, vk::Hangul},
    {SDL_SCANCODE_LANG2, vk::Hanja},
    {SDL_SCANCODE_INSERT, vk::Insert},
    {SDL_SCANCODE_PAGEUP, vk::Prior},
    {SDL_SCANCODE_PAGEDOWN, vk::Next},
    {SDL_SCANCODE_CAPSLOCK, vk::Capital},
    {SDL_SCANCODE_PAUSE, vk::Pause},
    {SDL_SCANCODE_LGUI, vk::LWin},
    {SDL_SCANCODE_RGUI, vk::RWin},
    {SDL_SCANCODE_APPLICATION, vk::Apps},
    {SDL_SCANCODE_MINUS, vk::OemMinus},
    {SDL_SCANCODE_EQUALS, vk::OemPlus},
    {SDL_SCANCODE_LEFTBRACKET, vk::Oem4},
    {SDL_SCANCODE_RIGHTBRACKET, vk::Oem6},
    {SDL_SCANCODE_BACKSLASH, vk::Oem5},
    {SDL_SCANCODE_SEMICOLON, vk::Oem1},
    {SDL_SCANCODE_APOSTROPHE, vk::Oem7},
    {SDL_SCANCODE_GRAVE, vk::Oem3},
    {SDL_SCANCODE_COMMA, vk::OemComma},
    {SDL_SCANCODE_PERIOD, vk::OemPeriod},
    {SDL_SCANCODE_SLASH, vk::Oem2},
};

// The stroke of an SDL key event: keys by their place on the keyboard (the Hangul keyboard reads
// the US letter of a key whatever the desktop layout), with Shift, Alt and Ctrl applied. Nothing
// for a key the game does not know.
std::optional<KeyStroke> StrokeOfSdlKey(const SDL_Keysym& key);

}  // namespace platform
