// SdlScreen: how the form's picture reaches an SDL window, scaled by whole pixels and centred on
// black. Only the areas that changed are put on the screen; after the window was resized or
// uncovered, the whole picture once.
//
// Two ways, one interface. Software (the default) scales into the window's own surface: it costs
// a fraction of a millisecond for a walking key and keeps the process small, where SDL's renderers
// would run OpenGL in software on a desktop without a GPU (Mesa's llvmpipe maps all of LLVM into
// the process). Accelerated uses SDL's GPU renderer, for a player who prefers it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/image/Bitmap.h"
#include "platform/image/Scaling.h"
#include "platform/system/Result.h"

struct SDL_Window;

namespace platform {

enum class ScreenKind { Software, Accelerated };

class SdlScreen {
 public:
  virtual ~SdlScreen() = default;
  // Makes the screen of a window for a picture of the given size, or says why it cannot.
  static Result<std::unique_ptr<SdlScreen>> Make(SDL_Window* window, ScreenKind kind, int32_t width,
                                                 int32_t height);

  // Puts the changed areas of the picture on the screen (everything, when the screen was
  // invalidated); nothing at all when nothing changed.
  virtual void Show(const Bitmap& picture, const std::vector<Rect>& changed) = 0;
  // The window's contents were lost or its size changed: the next Show draws everything.
  void Invalidate() { whole_ = true; }
  // Where the picture lands in the window now.
  virtual Placement Place() const = 0;

 protected:
  bool whole_ = true;
};

}  // namespace platform
