// The keys IBus hands back: X keysyms, as IBus names them, mapped straight to the game's key codes
// of platform/input/Keys.h. Keysyms of printable ASCII are the characters themselves, and the
// function keys a run: they need no row.
#pragma once

#include <ibus.h>

#include <cstdint>

#include "platform/input/Keys.h"

namespace platform {

inline constexpr GameCodeRow<uint32_t, uint16_t> kIbusKeys[] = {
    {IBUS_KEY_Return, vk::Return},  {IBUS_KEY_KP_Enter, vk::Return}, {IBUS_KEY_Escape, vk::Escape},
    {IBUS_KEY_BackSpace, vk::Back}, {IBUS_KEY_Tab, vk::Tab},         {IBUS_KEY_Delete, vk::Delete},
    {IBUS_KEY_Home, vk::Home},      {IBUS_KEY_End, vk::End},         {IBUS_KEY_Left, vk::Left},
    {IBUS_KEY_Up, vk::Up},          {IBUS_KEY_Right, vk::Right},     {IBUS_KEY_Down, vk::Down},
};

}  // namespace platform
