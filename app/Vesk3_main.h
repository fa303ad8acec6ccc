// Vesk3_main: the main window TForm1 with its event handlers, its layout, and the globals through
// which every part of the game reaches the main window and the five game objects it creates.
//
// A glossary of the game's names:
//   Units (a .h/.cpp pair each)
//     Vesk3_main (app/)     the main window TForm1, its handlers and the globals
//     Movement (app/)       MovementRules: the walking rules over the terrain classes
//     Vesk3_world (world/)  TWorldView: the tile and sprite sheets and the 9 x 11 map view
//     Vesk3_map (world/)    TWorldMap: the 100 x 100 terrain bytes of "VESK.M"
//     Vesk3_chara (world/)  TCharacter: the hero's cell and facing
//     RefreshScene (world/) rebuilds the view round the hero and copies the view and both panes
//     WinHan (text/)        WideToJohab (UTF-16 to Johab bytes) and THangul, the bitmap renderer
//                           that composes Hangul syllables from the component font
//     Vesk3_console (text/) TConsoleWindow (the console pane) and TInputWindow (the input line)
//     Talk, Print (talk/)   StartTalk, Converse, SayLine / SayPart / EchoInput
//     Keyword (talk/)       KeywordOf: what a typed line is matched as
//     KingTable (talk/)     the king's keyword rows and his random answers
//   Globals: Form1, and the five game objects FormCreate makes in this order: WorldView,
//     ConsoleWindow, InputWindow, WorldMap, Hero; FormDestroy releases them in reverse.
//   Controls of Form1: Memo1 the event log; Edit1 the hidden edit that receives every key and
//     typed text; Timer1 the input cursor's tick; Talking routes keys between walking and a talk.
//   Handlers of Form1
//     FormCreate / FormDestroy  make and release the game objects
//     FormPaint                 RefreshScene at the hero's cell
//     FormKeyDown               an arrow is a step, Escape closes, then the walking rules
//                               (MovementRules)
//     Edit1KeyDown              passes keys to FormKeyDown while not Talking
//     Edit1Change               echoes the typed line on InputWindow while Talking
//     Edit1KeyPress             Enter hands the line to Converse; swallows Enter and Escape
//     Edit1CaretMove            moves the input line's cursor with the hidden edit's caret
//     Timer1Timer               blinks the input cursor while Talking
//   Modes: THangul::Mode (kFlat, kFaded) colours glyphs; Converse's talk mode (kKingMode,
//     kSomeoneElseMode, kUseDefaultTalkMode) picks who answers.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

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
  bool TakesText() const override { return Talking; }
  std::optional<platform::Rect> CaretCell() const override;
};

extern TForm1* Form1;
extern std::unique_ptr<TWorldView> WorldView;
extern std::unique_ptr<TConsoleWindow> ConsoleWindow;
extern std::unique_ptr<TInputWindow> InputWindow;
extern std::unique_ptr<TWorldMap> WorldMap;
extern std::unique_ptr<TCharacter> Hero;
