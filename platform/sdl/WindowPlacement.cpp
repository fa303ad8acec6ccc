#include "platform/sdl/WindowPlacement.h"

#include <algorithm>

#include "platform/image/Scaling.h"

namespace platform {

WindowPlace PlaceWindow(const WindowRequest& request) {
  const int32_t width = request.ClientWidth, height = request.ClientHeight;
  WindowPlace place;
  if (!request.Usable) {
    place.Scale = std::max(request.Scale, 1);
  } else {
    const int32_t fitting = FittingScale(width, height, request.Usable->Width(),
                                         request.Usable->Height(), kFrameWidth, kFrameHeight);
    place.Scale = request.Scale <= 0 ? fitting : std::min(request.Scale, fitting);
    place.ScaleLowered = request.Scale > fitting;
  }
  place.Width = width * place.Scale;
  place.Height = height * place.Scale;
  if (request.Scale <= 0 && request.WindowWidth > 0 && request.WindowHeight > 0) {
    // The size the player left the window at, as far as the screen still holds it, and never
    // smaller than the picture.
    const int32_t widest = std::max(
        width, request.Usable ? request.Usable->Width() - kFrameWidth : request.WindowWidth);
    const int32_t tallest = std::max(
        height, request.Usable ? request.Usable->Height() - kFrameHeight : request.WindowHeight);
    place.Width = std::clamp(request.WindowWidth, width, widest);
    place.Height = std::clamp(request.WindowHeight, height, tallest);
  }
  if (request.Usable) {
    // Centred in the usable area, frame included.
    const Rect& usable = *request.Usable;
    place.Corner =
        Point{usable.Left + kFrameSide + (usable.Width() - kFrameWidth - place.Width) / 2,
              usable.Top + kFrameTop + (usable.Height() - kFrameHeight - place.Height) / 2};
  }
  return place;
}

}  // namespace platform
