// SystemFont: the desktop's own sans-serif face for the window's controls, the best installed
// font that covers Hangul, drawn with SDL_ttf. A build without system fonts finds none, and the
// controls draw with the game's bitmap fonts, as in the browser.
#pragma once

#include <memory>

#include "platform/toolkit/ControlFace.h"

namespace platform {

std::unique_ptr<ControlFace> FindSystemFont(int pixelHeight);

}  // namespace platform
