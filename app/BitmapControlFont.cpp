#include "app/BitmapControlFont.h"

#include <memory>

#include "app/DataFiles.h"
#include "platform/system/CodePage.h"
#include "text/WinHan.h"

platform::ControlFont::TextDrawer BitmapControlFontDrawer() {
  // One renderer for the run, loaded when a control first draws text: by then the game runs in
  // its data folder. Its sink writes to whichever surface the current line is drawn on.
  struct Drawer {
    platform::Bitmap* Surface = nullptr;
    std::unique_ptr<THangul> Hangul;
  };
  auto drawer = std::make_shared<Drawer>();
  return [drawer](platform::Bitmap& surface, int32_t x, int32_t y, const std::string& line,
                  platform::ColorWord color) {
    if (!drawer->Hangul) {
      // The sink holds the drawer by plain pointer: the drawer owns the renderer, and a shared
      // hold from inside it would keep both alive for ever.
      Drawer* owner = drawer.get();
      drawer->Hangul =
          std::make_unique<THangul>([owner](int32_t px, int32_t py, platform::ColorWord c) {
            owner->Surface->SetPixel(px, py, c);
          });
      drawer->Hangul->LoadFonts(kAsciiFontFile, kHangulFontFile);
    }
    drawer->Surface = &surface;
    drawer->Hangul->DrawText(x, y, platform::CodePageToWide(line), color, 0);
  };
}
