#include "platform/sdl/SdlScreen.h"

#include <SDL.h>

#include "platform/sdl/SdlHandles.h"
#include "platform/system/Messages.h"

namespace platform {
namespace {

SDL_Rect ToSdl(const Rect& area) { return {area.Left, area.Top, area.Width(), area.Height()}; }

// Scales into the window's surface. Where the surface has another pixel layout than the picture's
// (a 16-bit desktop), the picture is scaled into a surface of its own layout and blitted across.
class SoftwareScreen : public SdlScreen {
 public:
  SoftwareScreen(SDL_Window* window, int32_t width, int32_t height)
      : window_(window), width_(width), height_(height) {}

  void Show(const Bitmap& picture, const std::vector<Rect>& changed) override {
    if (!whole_ && changed.empty()) return;
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (!surface) return;
    if (surface->w != surfaceWidth_ || surface->h != surfaceHeight_) {
      surfaceWidth_ = surface->w;
      surfaceHeight_ = surface->h;
      place_ = PlacePicture(width_, height_, surface->w, surface->h);
      whole_ = true;
    }
    SDL_Surface* target = SameLayout(surface) ? surface : Staging(surface);
    if (!target) return;
    if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) return;
    const PixelTarget pixels{static_cast<uint32_t*>(target->pixels), target->pitch / 4, target->w,
                             target->h};
    rects_.clear();
    if (whole_) {
      FillBorders(width_, height_, place_, pixels);
      ScaleArea(picture, RectAt(0, 0, width_, height_), place_, pixels);
      rects_.push_back({0, 0, surface->w, surface->h});
    } else {
      for (const Rect& area : changed) {
        ScaleArea(picture, area, place_, pixels);
        rects_.push_back(ToSdl(ScaledArea(area, place_, pixels)));
      }
    }
    if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
    if (target != surface) {
      for (SDL_Rect& rect : rects_) {
        SDL_Rect to = rect;
        SDL_BlitSurface(target, &rect, surface, &to);
      }
    }
    SDL_UpdateWindowSurfaceRects(window_, rects_.data(), static_cast<int>(rects_.size()));
    whole_ = false;
  }

  Placement Place() const override {
    int windowWidth = 0, windowHeight = 0;
    SDL_GetWindowSize(window_, &windowWidth, &windowHeight);
    return PlacePicture(width_, height_, windowWidth, windowHeight);
  }

 private:
  static bool SameLayout(const SDL_Surface* surface) {
    const Uint32 format = surface->format->format;
    return format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888;
  }

  SDL_Surface* Staging(const SDL_Surface* surface) {
    if (staging_ && (staging_->w != surface->w || staging_->h != surface->h)) staging_.reset();
    if (!staging_) {
      staging_.reset(
          SDL_CreateRGBSurfaceWithFormat(0, surface->w, surface->h, 32, SDL_PIXELFORMAT_RGB888));
    }
    return staging_.get();
  }

  SDL_Window* window_;
  int32_t width_, height_;
  int surfaceWidth_ = 0, surfaceHeight_ = 0;
  Placement place_;
  SdlSurfaceHandle staging_;
  std::vector<SDL_Rect> rects_;
};

// Uploads the changed areas into a texture of the picture's size and lets the GPU scale it. No
// vertical sync: a present must never hold up the handling of input.
class AcceleratedScreen : public SdlScreen {
 public:
  AcceleratedScreen(SdlRendererHandle renderer, SdlTextureHandle texture, int32_t width,
                    int32_t height)
      : renderer_(std::move(renderer)),
        texture_(std::move(texture)),
        width_(width),
        height_(height) {}

  void Show(const Bitmap& picture, const std::vector<Rect>& changed) override {
    if (!whole_ && changed.empty()) return;
    const int pitch = picture.Width() * 4;
    if (whole_) {
      SDL_UpdateTexture(texture_.get(), nullptr, picture.Row(0), pitch);
    } else {
      for (const Rect& area : changed) {
        const SDL_Rect rect = ToSdl(area);
        SDL_UpdateTexture(texture_.get(), &rect, picture.Row(area.Top) + area.Left, pitch);
      }
    }
    SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, 255);
    SDL_RenderClear(renderer_.get());
    SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, nullptr);
    SDL_RenderPresent(renderer_.get());
    whole_ = false;
  }

  Placement Place() const override {
    int windowWidth = 0, windowHeight = 0;
    SDL_GetRendererOutputSize(renderer_.get(), &windowWidth, &windowHeight);
    return PlacePicture(width_, height_, windowWidth, windowHeight);
  }

 private:
  // The texture goes before its renderer.
  SdlRendererHandle renderer_;
  SdlTextureHandle texture_;
  int32_t width_, height_;
};

Problem CannotDraw() { return {Format(_("cannot draw in the window: %s"), SDL_GetError())}; }

}  // namespace

Result<std::unique_ptr<SdlScreen>> SdlScreen::Make(SDL_Window* window, ScreenKind kind,
                                                   int32_t width, int32_t height) {
  if (kind == ScreenKind::Software) {
    // Left to itself, SDL would back the window's surface with a renderer's texture, which is
    // the very OpenGL this way of showing avoids.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    return std::unique_ptr<SdlScreen>(std::make_unique<SoftwareScreen>(window, width, height));
  }
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  SdlRendererHandle renderer(SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED));
  if (!renderer) return CannotDraw();
  // The picture keeps its logical size and is scaled by whole pixels, centred on black.
  SDL_RenderSetLogicalSize(renderer.get(), width, height);
  SDL_RenderSetIntegerScale(renderer.get(), SDL_TRUE);
  SdlTextureHandle texture(SDL_CreateTexture(renderer.get(), SDL_PIXELFORMAT_RGB888,
                                             SDL_TEXTUREACCESS_STREAMING, width, height));
  if (!texture) return CannotDraw();
  return std::unique_ptr<SdlScreen>(
      std::make_unique<AcceleratedScreen>(std::move(renderer), std::move(texture), width, height));
}

}  // namespace platform
