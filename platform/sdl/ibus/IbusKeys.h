// The keys IBus hands back: X keysyms, as IBus names them, mapped to the key names of
// platform/input/Keys.h. Keysyms of printable ASCII are the characters themselves and need no row.
#pragma once

#include <ibus.h>

#include <cstdint>

#include "platform/input/Keys.h"

namespace platform {

inline constexpr KeyCodeName<uint32_t> kIbusKeyNames[] = {
    {IBUS_KEY_Return, "Enter"},  {IBUS_KEY_KP_Enter, "Enter"},
    {IBUS_KEY_Escape, "Escape"}, {IBUS_KEY_BackSpace, "Backspace"},
    {IBUS_KEY_Tab, "Tab"},       {IBUS_KEY_Delete, "Delete"},
    {IBUS_KEY_Home, "Home"},     {IBUS_KEY_End, "End"},
    {IBUS_KEY_Left, "Left"},     {IBUS_KEY_Up, "Up"},
    {IBUS_KEY_Right, "Right"},   {IBUS_KEY_Down, "Down"},
};

}  // namespace platform
