// Talk test support: a main window with real console and input panes on its surface, drawn with
// fonts of scattered ink written into a scratch directory, so that different texts or colours
// leave different pixels. What the king said is checked by drawing the expected rows on a second
// console and comparing the two bitmaps.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/Vesk3_main.h"
#include "platform/image/Bitmap.h"

constexpr platform::ColorWord kBrown{0x00206080};
constexpr platform::ColorWord kBlue{0x00C04020};
constexpr platform::ColorWord kRed{0x000000FF};
constexpr platform::ColorWord kMagenta{0x00FF00FF};
constexpr platform::ColorWord kCyan{0x00FFFF00};

struct Piece {
  platform::ColorWord Color;
  std::u16string Text;
};
// One console row: its pieces from left to right; no pieces is an empty row.
using ConsoleRow = std::vector<Piece>;
// A row of one piece in the console's brown.
ConsoleRow Brown(const std::u16string& text);

// The console as it looks after printing `rows` one after another on a fresh pane.
platform::Bitmap ConsoleShowing(const std::vector<ConsoleRow>& rows);

// The first 16-pixel text row in which two panes differ, or -1 when they are the same.
int32_t FirstDifferentRow(const platform::Bitmap& actual, const platform::Bitmap& expected);

// Whether the cell's inked (non-white) pixels are all of the hue of `color` and there is one.
bool CellsInkedOnlyIn(const platform::Bitmap& pane, int32_t row, int32_t firstColumn,
                      int32_t columns, platform::ColorWord color);

class TalkTest : public ::testing::Test {
 protected:
  TalkTest();
  ~TalkTest() override;

  // Throws the panes away and makes fresh ones, with the cursor back at the top.
  void FreshPanes();
  // Checks that the console shows `rows` and that the cursor waits at the start of the next row.
  void ExpectConsole(const std::vector<ConsoleRow>& rows);

  testing_support::ScratchDir dir;
  TForm1 form;
};
