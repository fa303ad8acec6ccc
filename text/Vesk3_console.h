// Vesk3_console: the two text panes. TConsoleWindow prints code-page-949 text in a grid of 8 x 16
// cells of its own off-screen bitmap (one byte, one column) and scrolls up a row when full;
// TInputWindow is the input line: a prompt, the echoed text and a blinking block cursor that is
// copied straight to the window cell by cell.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Bitmap.h"
#include "text/WinHan.h"

class TConsoleWindow {
 public:
  TConsoleWindow(int32_t Left, int32_t Top, int32_t Width, int32_t Height,
                 platform::Bitmap& Target);
  virtual ~TConsoleWindow() = default;

  void PutPixel(int32_t X, int32_t Y, uint32_t Color);
  void Write(const std::string& Text);
  virtual void WriteLine(const std::string& Text);
  void Clear();
  void Present();
  void Release();

  platform::Bitmap& Target;
  platform::Point Origin;
  platform::Bitmap Bitmap;
  uint32_t TextColor = 0;
  uint32_t BackColor = 0x00FFFFFF;
  platform::Point Cursor;  // X = column, Y = row
  std::unique_ptr<THangul> Hangul;

 protected:
  // Draws Text with its first cell at the cursor, leaving the cursor where it is.
  void DrawAtCursor(const std::string& Text);
};

class TInputWindow : public TConsoleWindow {
 public:
  TInputWindow(int32_t Left, int32_t Top, int32_t Width, int32_t Height, platform::Bitmap& Target);

  void ShowText(const std::string& Text);
  void WriteLine(const std::string& Text) override;
  void CursorOn();
  void CursorOff();
  void Blink();

  bool CursorShown = false;
  std::string InputText;

 private:
  // The cursor block's cell: on the cursor row, as many columns right of the cursor as InputText
  // has bytes.
  platform::Rect CursorCell() const;
  // Copies the cursor cell, as far as it lies inside the pane, straight to the window.
  void CopyCursorCell();
};
