// Icon: the game's 32 x 32 window icon, a golden crown on a blue shield.
#pragma once

#include "platform/Bitmap.h"

// The icon's picture; its corners are kIconTransparent.
platform::Bitmap ApplicationIcon();
constexpr uint32_t kIconTransparent = 0x00000000;
