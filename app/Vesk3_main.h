// Vesk3_main: the main window TForm1 with its event handlers, its layout, and the globals through
// which every part of the game reaches the main window and the five game objects it creates.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/input/TextReceiver.h"
#include "platform/toolkit/EventLog.h"
#include "platform/toolkit/Form.h"
#include "platform/toolkit/Timer.h"

// The main window's layout, named once: where FormCreate puts the game objects and where the hero
// starts. The map view's corner is in client pixels and its size in cells; the panes are in client
// pixels.
namespace layout {
constexpr int32_t kClientWidth = 632;
constexpr int32_t kClientHeight = 453;
constexpr platform::Point kViewOrigin{0, 0};
constexpr int32_t kViewColumns = 9;
constexpr int32_t kViewRows = 11;
constexpr platform::Point kCentreCell{4, 5};  // the view's cell the hero stands in
constexpr platform::Rect kConsolePane = platform::RectAt(225, 0, 400, 336);
constexpr platform::Rect kInputPane = platform::RectAt(225, 350, 400, 96);
constexpr platform::Rect kEventLog = platform::RectAt(0, 272, 217, 177);
// At the right end of the strip of background between the console and the input pane.
constexpr platform::Rect kModeField = platform::RectAt(589, 336, 36, 14);
constexpr platform::Point kStartCell{50, 50};  // the hero's first map cell
}  // namespace layout

class TWorldView;
class TConsoleWindow;
class TInputWindow;
class TWorldMap;
class TCharacter;

// While a TForm1 lives it is the game's main window: Form1 points at it, and when it goes its game
// objects are released and Form1 is cleared. One lives at a time.
class TForm1 : public platform::Form {
 public:
  TForm1();
  ~TForm1() override;
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  platform::EventLog Memo1;
  platform::TextReceiver Edit1;
  platform::Timer Timer1;
  bool Talking = false;

  void FormCreate();
  void FormDestroy();
  void FormKeyDown(uint16_t& Key, platform::ShiftState Shift);
  void FormPaint();
  void Edit1KeyDown(uint16_t& Key, platform::ShiftState Shift);
  void Edit1Change();
  void Edit1KeyPress(char& Key);
  void Edit1CaretMove();
  void Timer1Timer();

 protected:
  void DoCreate() override { FormCreate(); }
  void DoDestroy() override { FormDestroy(); }
  void DoPaint() override { FormPaint(); }
};

extern TForm1* Form1;
extern std::unique_ptr<TWorldView> WorldView;
extern std::unique_ptr<TConsoleWindow> ConsoleWindow;
extern std::unique_ptr<TInputWindow> InputWindow;
extern std::unique_ptr<TWorldMap> WorldMap;
extern std::unique_ptr<TCharacter> Hero;
