// The system face found through fontconfig among the installed fonts, drawn with SDL_ttf.
#include "platform/sdl/SystemFont.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>

#include "platform/sdl/SdlHandles.h"

namespace platform {
namespace {

// The file and face index of the best sans-serif font that covers Hangul, or "".
std::pair<std::string, int> MatchHangulSans() {
  std::pair<std::string, int> found{"", 0};
  if (!FcInit()) return found;
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif:lang=ko"));
  if (!pattern) return found;
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
    FcChar8* file = nullptr;
    FcCharSet* charset = nullptr;
    int index = 0;
    const bool coversHangul =
        FcPatternGetCharSet(match, FC_CHARSET, 0, &charset) == FcResultMatch &&
        FcCharSetHasChar(charset, 0xD55C) && FcCharSetHasChar(charset, 0xAC00);
    if (coversHangul && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
      FcPatternGetInteger(match, FC_INDEX, 0, &index);
      found = {reinterpret_cast<const char*>(file), index};
    }
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return found;
}

class TtfFace : public ControlFace {
 public:
  explicit TtfFace(TTF_Font* font) : font_(font) {}
  int32_t Width(const std::string& utf8) const override;
  void Draw(Bitmap& surface, Rect clip, int32_t x, int32_t y, const std::string& utf8,
            ColorWord color) const override;

 private:
  std::unique_ptr<TTF_Font, SdlRelease<TTF_CloseFont>> font_;
};

}  // namespace

std::unique_ptr<ControlFace> FindSystemFont(int pixelHeight) {
  // The event log and the mode field ask for the same face at two sizes; fontconfig's match,
  // the dear part, is made once a run.
  static const std::pair<std::string, int> match = MatchHangulSans();
  const auto& [file, index] = match;
  if (file.empty()) return nullptr;
  if (!TTF_WasInit() && TTF_Init() != 0) return nullptr;
  TTF_Font* font = TTF_OpenFontIndex(file.c_str(), pixelHeight, index);
  if (!font) return nullptr;
  TTF_SetFontHinting(font, TTF_HINTING_NORMAL);
  return std::make_unique<TtfFace>(font);
}

int32_t TtfFace::Width(const std::string& utf8) const {
  int width = 0, height = 0;
  if (TTF_SizeUTF8(font_.get(), utf8.c_str(), &width, &height) != 0) return 0;
  return width;
}

void TtfFace::Draw(Bitmap& surface, Rect clip, int32_t x, int32_t y, const std::string& utf8,
                   ColorWord color) const {
  if (utf8.empty()) return;
  // Only the rendered text's coverage (its alpha) is used: the colour is blended in below.
  const SDL_Color coverage{255, 255, 255, 255};
  const SdlSurfaceHandle rendered(TTF_RenderUTF8_Blended(font_.get(), utf8.c_str(), coverage));
  if (!rendered) return;
  const SdlSurfaceHandle argb(
      SDL_ConvertSurfaceFormat(rendered.get(), SDL_PIXELFORMAT_ARGB8888, 0));
  if (!argb) return;
  clip.Left = std::max(clip.Left, 0);
  clip.Top = std::max(clip.Top, 0);
  clip.Right = std::min(clip.Right, surface.Width());
  clip.Bottom = std::min(clip.Bottom, surface.Height());
  const uint32_t inkPixel = ToPixel(color).Value;
  for (int32_t row = 0; row < argb->h; ++row) {
    const int32_t ty = y + row;
    if (ty < clip.Top || ty >= clip.Bottom) continue;
    const auto* source = reinterpret_cast<const uint32_t*>(
        static_cast<const uint8_t*>(argb->pixels) + row * argb->pitch);
    uint32_t* target = surface.Row(ty);
    for (int32_t col = 0; col < argb->w; ++col) {
      const int32_t tx = x + col;
      if (tx < clip.Left || tx >= clip.Right) continue;
      const uint32_t alpha = source[col] >> 24;
      if (alpha == 0) continue;
      const uint32_t back = target[tx];
      uint32_t blended = 0;
      for (int shift = 0; shift <= 16; shift += 8) {
        const uint32_t f = (inkPixel >> shift) & 0xFF, b = (back >> shift) & 0xFF;
        blended |= ((f * alpha + b * (255 - alpha) + 127) / 255) << shift;
      }
      target[tx] = blended;
    }
  }
}

}  // namespace platform
