// BitmapFontLog: draws the event log's lines with the game's own bitmap fonts, for desktops that
// have no font with Hangul for the window's controls.
#pragma once

#include "platform/toolkit/EventLog.h"

platform::EventLog::TextDrawer BitmapFontLogDrawer();
