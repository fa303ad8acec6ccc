#include "TalkPanes.h"

#include <memory>

#include "platform/system/CodePage.h"
#include "talk/Random.h"
#include "text/Vesk3_console.h"
#include "text/WinHan.h"

namespace {

// Font files of pseudo-random bits: every glyph and every composed syllable differs.
std::string ScatteredInk(size_t size, uint32_t seed) {
  std::string bytes(size, '\0');
  for (char& byte : bytes) {
    seed = seed * 1103515245u + 12345u;
    byte = static_cast<char>(seed >> 23);
  }
  return bytes;
}

// The hue of a colour word: each channel only as present or absent.
uint32_t Hue(platform::ColorWord color) {
  uint32_t hue = 0;
  for (uint32_t shift : {0u, 8u, 16u}) {
    if ((color.Value >> shift) & 0xFFu) hue |= 0xFFu << shift;
  }
  return hue;
}

}  // namespace

ConsoleRow Brown(const std::u16string& text) { return {{kBrown, text}}; }

platform::Bitmap ConsoleShowing(const std::vector<ConsoleRow>& rows) {
  platform::Bitmap window(632, 453);
  TConsoleWindow pane(225, 0, 400, 336, window);
  for (const ConsoleRow& row : rows) {
    for (size_t i = 0; i + 1 < row.size(); ++i) {
      pane.TextColor = row[i].Color;
      pane.Write(platform::WideToCodePage(row[i].Text));
    }
    pane.TextColor = row.empty() ? kBrown : row.back().Color;
    pane.WriteLine(row.empty() ? std::string() : platform::WideToCodePage(row.back().Text));
  }
  return pane.Bitmap;
}

int32_t FirstDifferentRow(const platform::Bitmap& actual, const platform::Bitmap& expected) {
  for (int32_t y = 0; y < expected.Height(); ++y) {
    for (int32_t x = 0; x < expected.Width(); ++x) {
      if (actual.Pixel(x, y) != expected.Pixel(x, y)) return y / 16;
    }
  }
  return -1;
}

bool CellsInkedOnlyIn(const platform::Bitmap& pane, int32_t row, int32_t firstColumn,
                      int32_t columns, platform::ColorWord color) {
  bool inked = false;
  for (int32_t y = row * 16; y < row * 16 + 16; ++y) {
    for (int32_t x = firstColumn * 8; x < (firstColumn + columns) * 8; ++x) {
      const platform::ColorWord pixel = platform::ToColorWord(pane.Pixel(x, y));
      if (pixel == platform::kWhite) continue;
      if (Hue(pixel) != Hue(color)) return false;
      inked = true;
    }
  }
  return inked;
}

TalkTest::TalkTest() {
  dir.Write("ascii.fnt", ScatteredInk(THangul::kAsciiFontSize, 1));
  dir.Write("H01.fnt", ScatteredInk(THangul::kHangulFontSize, 2));
  FreshPanes();
  RandomState = 0;  // as at the start of a run
}

TalkTest::~TalkTest() {
  InputWindow.reset();
  ConsoleWindow.reset();
}

void TalkTest::FreshPanes() {
  ConsoleWindow = std::make_unique<TConsoleWindow>(225, 0, 400, 336, form.Canvas());
  ConsoleWindow->TextColor = kBrown;
  InputWindow = std::make_unique<TInputWindow>(225, 350, 400, 96, form.Canvas());
}

void TalkTest::ExpectConsole(const std::vector<ConsoleRow>& rows) {
  EXPECT_EQ(FirstDifferentRow(ConsoleWindow->Bitmap, ConsoleShowing(rows)), -1)
      << "first console row that differs from the expected text";
  EXPECT_EQ(ConsoleWindow->Cursor.X, 0);
  EXPECT_EQ(ConsoleWindow->Cursor.Y, static_cast<int32_t>(rows.size()));
}
