// Vesk3_main: the main window TForm1 with its event handlers, and the globals through which every
// part of the game reaches the five game objects it creates.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/EventLog.h"
#include "platform/Form.h"
#include "platform/TextReceiver.h"
#include "platform/Timer.h"

class TWorldView;
class TConsoleWindow;
class TInputWindow;
class TWorldMap;
class TCharacter;

class TForm1 : public platform::Form {
 public:
  TForm1();
  ~TForm1() override;

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
