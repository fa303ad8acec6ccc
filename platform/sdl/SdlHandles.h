// SdlHandles: SDL objects owned by unique_ptr, each released by its own SDL function. Used only
// inside the platform's SDL code.
#pragma once

#include <SDL.h>

#include <memory>

#include "platform/sdl/DisplayServer.h"

namespace platform {

template <auto Release>
struct SdlRelease {
  template <typename T>
  void operator()(T* handle) const {
    Release(handle);
  }
};

using SdlWindowHandle = std::unique_ptr<SDL_Window, SdlRelease<SDL_DestroyWindow>>;
using SdlRendererHandle = std::unique_ptr<SDL_Renderer, SdlRelease<SDL_DestroyRenderer>>;
using SdlTextureHandle = std::unique_ptr<SDL_Texture, SdlRelease<SDL_DestroyTexture>>;
using SdlSurfaceHandle = std::unique_ptr<SDL_Surface, SdlRelease<SDL_FreeSurface>>;

// SDL's video subsystem, started for as long as this lives.
class SdlVideo {
 public:
  SdlVideo() {
    // First, so that SDL builds on what the window system was given (on X11, it passes errors on
    // to the game's handler and puts it back when its video stops).
    PrepareDisplayServer();
    started_ = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
  }
  ~SdlVideo() {
    if (started_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
  SdlVideo(const SdlVideo&) = delete;
  SdlVideo& operator=(const SdlVideo&) = delete;
  bool Started() const { return started_; }

 private:
  bool started_ = false;
};

}  // namespace platform
