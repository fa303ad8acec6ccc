// Icon: the game's icon, a golden crown on a blue shield, at every size a desktop asks for.
#pragma once

#include <cstdint>

#include "platform/image/Bitmap.h"

// The sizes of the icon that the desktop's icon themes use, in pixels.
constexpr int32_t kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The icon at `size` x `size` pixels: the picture drawn for that size, else the largest drawn
// picture scaled by a whole step (48 is the 24 doubled; 64, 128 and 256 the 32 scaled); empty
// for a size that no picture scales to. Its corners are kIconTransparent.
platform::Bitmap ApplicationIcon(int32_t size = 32);
// The icon for a phone's home screen, which may cut it to a circle or a rounded square: the
// picture, scaled by a whole step, inside the middle 80 % of an opaque `size` x `size` square of
// `background`.
platform::Bitmap MaskableIcon(int32_t size, platform::Pixel background);
constexpr platform::Pixel kIconTransparent{0x00000000};
