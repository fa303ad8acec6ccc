// LogFont: the small sans-serif face of the window's own controls, found through fontconfig
// among the installed fonts that cover Hangul, drawn with SDL_ttf.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Bitmap.h"

// SDL_ttf's open face.
typedef struct _TTF_Font TTF_Font;

namespace platform {

class LogFont {
 public:
  // The face at `pixelHeight`, or nothing when no installed font covers Hangul.
  static std::unique_ptr<LogFont> Find(int pixelHeight);
  ~LogFont();

  const std::string& File() const { return file_; }
  // The width in pixels that Draw gives `utf8`.
  int32_t Width(const std::string& utf8) const;
  // Draws UTF-8 text with its top-left corner at (x, y), blended over what the surface holds,
  // clipped to `clip`.
  void Draw(Bitmap& surface, Rect clip, int32_t x, int32_t y, const std::string& utf8,
            ColorWord color) const;

 private:
  struct FontCloser {
    void operator()(TTF_Font* font) const;
  };

  LogFont(TTF_Font* font, std::string file) : font_(font), file_(std::move(file)) {}
  std::unique_ptr<TTF_Font, FontCloser> font_;
  std::string file_;
};

}  // namespace platform
