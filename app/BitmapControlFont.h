// BitmapControlFont: draws the text of the window's controls (the event log, the typing-mode
// field) with the game's own bitmap fonts, for desktops that have no font with Hangul for them
// and for the browser.
#pragma once

#include "platform/toolkit/ControlFont.h"

platform::ControlFont::TextDrawer BitmapControlFontDrawer();
