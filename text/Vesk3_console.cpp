// Vesk3_console: the console and input panes. Text arrives in code page 949; the cursor counts
// its bytes, one 8-pixel column each, and the renderer gets the text back as UTF-16.
#include "text/Vesk3_console.h"

#include <algorithm>

#include "app/DataFiles.h"
#include "platform/system/CodePage.h"

namespace {

constexpr int32_t kCellWidth = 8;
constexpr int32_t kCellHeight = 16;

}  // namespace

TConsoleWindow::TConsoleWindow(int32_t Left, int32_t Top, int32_t Width, int32_t Height,
                               platform::Bitmap& Target)
    : Target(Target), Origin{Left, Top}, Bitmap(Width, Height) {
  TextColor = platform::kBlack;
  BackColor = platform::kWhite;
  Cursor = {0, 0};
  clip_ = WholePane();
  Clear();
  Hangul = std::make_unique<THangul>(
      [this](int32_t X, int32_t Y, platform::ColorWord Color) { PutPixel(X, Y, Color); });
  Hangul->LoadFonts(kAsciiFontFile, kHangulFontFile);
  Hangul->Mode = THangul::kFaded;
}

void TConsoleWindow::PutPixel(int32_t X, int32_t Y, platform::ColorWord Color) {
  if (X < clip_.Left || X >= clip_.Right || Y < clip_.Top || Y >= clip_.Bottom) return;
  Bitmap.SetPixel(X, Y, Color);
}

platform::Rect TConsoleWindow::WholePane() const {
  return platform::RectAt(0, 0, Bitmap.Width(), Bitmap.Height());
}

void TConsoleWindow::DrawAtCursor(const std::string& Text, platform::ColorWord Color,
                                  platform::Rect Only) {
  const int32_t x = Cursor.X * kCellWidth;
  std::u16string wide = platform::CodePageToWide(Text);
  // Only what starts left of the pane's right edge can show; the rest of a long line is left
  // out before drawing, so echoing it costs a pane's width of glyphs, not the line's length.
  const int32_t columnsLeft = (Bitmap.Width() - x + kCellWidth - 1) / kCellWidth;
  int32_t column = 0;
  size_t kept = 0;
  while (kept < wide.size() && column < columnsLeft) column += JohabSize(wide[kept++]);
  wide.resize(kept);
  clip_ = Only;
  Hangul->DrawText(x, Cursor.Y * kCellHeight, wide, Color, 0);
  clip_ = WholePane();
}

void TConsoleWindow::Write(const std::string& Text) {
  DrawAtCursor(Text, TextColor, WholePane());
  Cursor.X += static_cast<int32_t>(Text.size());
}

void TConsoleWindow::WriteLine(const std::string& Text) {
  DrawAtCursor(Text, TextColor, WholePane());
  const int32_t width = Bitmap.Width();
  const int32_t row = Cursor.Y + 1;
  Cursor = {0, row};
  // Scroll once the row after this one would reach the bottom edge, so a partial bottom row
  // (and, for a height of whole rows, the last row) is never written.
  if ((row + 1) * kCellHeight < Bitmap.Height()) return;
  Bitmap.CopyRect(platform::Rect{0, 0, width, (row - 1) * kCellHeight}, Bitmap,
                  platform::Rect{0, kCellHeight, width, row * kCellHeight});
  Cursor.Y = row - 1;
  Bitmap.FillRect(platform::RectAt(0, Cursor.Y * kCellHeight, width, kCellHeight));
}

void TConsoleWindow::Clear() {
  Bitmap.SetFillColor(BackColor);
  Bitmap.FillRect(platform::RectAt(0, 0, Bitmap.Width(), Bitmap.Height()));
}

void TConsoleWindow::Present() { Target.Draw(Origin.X, Origin.Y, Bitmap); }

void TConsoleWindow::Release() {
  Hangul->Release();
  Hangul.reset();
  Bitmap.SetSize(0, 0);
}

TInputWindow::TInputWindow(int32_t Left, int32_t Top, int32_t Width, int32_t Height,
                           platform::Bitmap& Target)
    : TConsoleWindow(Left, Top, Width, Height, Target) {
  CursorShown = false;
  InputText.clear();
  TextColor = kTextColor;
  Write(">");
}

void TInputWindow::ShowText(const std::string& Text) {
  Bitmap.FillRect(
      platform::RectAt(Cursor.X * kCellWidth, Cursor.Y * kCellHeight, Bitmap.Width(), kCellHeight));
  DrawAtCursor(Text, TextColor, WholePane());
  InputText = Text;
  CursorOn();
}

void TInputWindow::WriteLine(const std::string& Text) {
  CursorOff();
  TConsoleWindow::WriteLine(Text);
  Write(">");
  // The caret's place in the line just ended means nothing on the new one.
  CaretOffset = std::string::npos;
  CursorOn();
}

platform::Rect TInputWindow::CursorCell() const {
  const int32_t column = Cursor.X + static_cast<int32_t>(std::min(CaretOffset, InputText.size()));
  return platform::RectAt(column * kCellWidth, Cursor.Y * kCellHeight, kCellWidth, kCellHeight);
}

platform::Rect TInputWindow::CaretCell() const {
  const platform::Rect cell = CursorCell();
  const int32_t past = std::max(0, cell.Right - Bitmap.Width());
  return platform::RectAt(Origin.X + cell.Left - past, Origin.Y + cell.Top, cell.Width(),
                          cell.Height());
}

void TInputWindow::CopyCursorCell() {
  // A long InputText can push the cell past the pane's right edge; copying it anyway would
  // paint over whatever lies beside the pane, so only the part inside the pane is copied.
  platform::Rect cell = CursorCell();
  cell.Right = std::min(cell.Right, Bitmap.Width());
  cell.Bottom = std::min(cell.Bottom, Bitmap.Height());
  if (cell.Width() <= 0 || cell.Height() <= 0) return;
  Target.CopyRect(
      platform::RectAt(Origin.X + cell.Left, Origin.Y + cell.Top, cell.Width(), cell.Height()),
      Bitmap, cell);
}

void TInputWindow::PaintCursorCell(bool Shown) {
  const platform::Rect cell = CursorCell();
  Bitmap.FillRect(cell, Shown ? platform::kBlack : platform::kWhite);
  // The cursor leaves the pane's fill colour white: the fills that clear an input row and scroll
  // the pane paint with it.
  Bitmap.SetFillColor(platform::kWhite);
  if (CaretOffset < InputText.size()) DrawAtCursor(InputText, Shown ? BackColor : TextColor, cell);
  CopyCursorCell();
}

void TInputWindow::CursorOn() {
  CursorShown = true;
  PaintCursorCell(true);
}

void TInputWindow::CursorOff() {
  CursorShown = false;
  PaintCursorCell(false);
}

void TInputWindow::MoveCaret(size_t Offset) {
  if (CursorShown) CursorOff();
  CaretOffset = Offset;
  CursorOn();
}

void TInputWindow::Blink() {
  if (CursorShown) {
    CursorOff();
  } else {
    CursorOn();
  }
}
