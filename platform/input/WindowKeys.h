// WindowKeys: the keys that belong to the window rather than to the game. F11 and Alt+Enter switch
// between the window and fullscreen, F12 saves a screenshot, F9 turns speech on and off and F10
// says the last spoken line again; the game never sees them.
#pragma once

#include "platform/input/Keys.h"

namespace platform {

enum class WindowKey { None, ToggleFullscreen, Screenshot, ToggleSpeech, RepeatSpeech };

WindowKey WindowKeyOf(const KeyStroke& stroke);

}  // namespace platform
