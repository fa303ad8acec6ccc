// For a build without system fonts: the controls draw with the game's bitmap fonts.
#include "platform/sdl/SystemFont.h"

namespace platform {

std::unique_ptr<ControlFace> FindSystemFont(int) { return nullptr; }

}  // namespace platform
