// Icon: the game's 32 x 32 window icon, a golden crown on a blue shield.
#pragma once

#include "platform/Bitmap.h"

platform::Bitmap ApplicationIcon();
