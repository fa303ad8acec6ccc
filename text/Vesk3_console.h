// Vesk3_console: the two text panes. TConsoleWindow prints code-page-949 text in a grid of 8 x 16
// cells of its own off-screen bitmap (one byte, one column) and scrolls up a row when full;
// TInputWindow is the input line: a prompt, the echoed text and a blinking block cursor that is
// copied straight to the window cell by cell. The block stands where the next character goes:
// at the end of the text unless the player has moved the caret.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/image/Bitmap.h"
#include "text/WinHan.h"

class TConsoleWindow {
 public:
  TConsoleWindow(int32_t Left, int32_t Top, int32_t Width, int32_t Height,
                 platform::Bitmap& Target);
  virtual ~TConsoleWindow() = default;

  void PutPixel(int32_t X, int32_t Y, platform::ColorWord Color);
  void Write(const std::string& Text);
  virtual void WriteLine(const std::string& Text);
  void Clear();
  void Present();
  void Release();

  platform::Bitmap& Target;
  platform::Point Origin;
  platform::Bitmap Bitmap;
  platform::ColorWord TextColor;
  platform::ColorWord BackColor = platform::kWhite;
  platform::Point Cursor;  // X = column, Y = row
  std::unique_ptr<THangul> Hangul;

 protected:
  // Draws Text with its first cell at the cursor, leaving the cursor where it is. Only pixels
  // inside `Only` are set.
  void DrawAtCursor(const std::string& Text, platform::ColorWord Color, platform::Rect Only);
  platform::Rect WholePane() const;

 private:
  platform::Rect clip_;  // where PutPixel may set pixels while a text is drawn
};

class TInputWindow : public TConsoleWindow {
 public:
  // The colour word of typed text, which the pane starts with.
  static constexpr platform::ColorWord kTextColor{0x00C04020};

  TInputWindow(int32_t Left, int32_t Top, int32_t Width, int32_t Height, platform::Bitmap& Target);

  void ShowText(const std::string& Text);
  void WriteLine(const std::string& Text) override;
  void CursorOn();
  void CursorOff();
  void Blink();
  // Moves the block to byte offset Offset of InputText (where the editor's caret stands) and
  // shows it there.
  void MoveCaret(size_t Offset);
  // The cursor cell on the target, kept inside the pane when the text runs past its right edge:
  // where a desktop input method opens its windows.
  platform::Rect CaretCell() const;

  bool CursorShown = false;
  std::string InputText;
  // Where the next typed character goes, in bytes of InputText; npos (or anything past its end)
  // is the end of the text.
  size_t CaretOffset = std::string::npos;

 private:
  // The cursor block's cell: on the cursor row, as many columns right of the cursor as the caret
  // stands bytes into InputText.
  platform::Rect CursorCell() const;
  // Paints the cursor cell black (shown) or white; a character under the caret is drawn again
  // over it, white on the block, so the block never hides what was typed.
  void PaintCursorCell(bool Shown);
  // Copies the cursor cell, as far as it lies inside the pane, straight to the window.
  void CopyCursorCell();
};
