#include "app/Vesk3_main.h"

#include "app/BitmapControlFont.h"
#include "app/DataFiles.h"
#include "app/Icon.h"
#include "app/Movement.h"
#include "platform/system/CodePage.h"
#include "talk/Talk.h"
#include "text/Vesk3_console.h"
#include "world/RefreshScene.h"
#include "world/SheetFormat.h"
#include "world/Vesk3_chara.h"
#include "world/Vesk3_map.h"
#include "world/Vesk3_world.h"

TForm1* Form1 = nullptr;
std::unique_ptr<TWorldView> WorldView;
std::unique_ptr<TConsoleWindow> ConsoleWindow;
std::unique_ptr<TInputWindow> InputWindow;
std::unique_ptr<TWorldMap> WorldMap;
std::unique_ptr<TCharacter> Hero;

namespace {

platform::FormDescription MainWindowDescription() {
  platform::FormDescription description;
  description.Caption = "베스크 10주년 기념";
  description.Title = "10주년 기념";
  description.ClientWidth = layout::kClientWidth;
  description.ClientHeight = layout::kClientHeight;
  description.Background = platform::kButtonFace;
  description.Icon = ApplicationIcon();
  description.ModeField = layout::kModeField;
  description.TextInputArea = layout::kInputPane;
  description.TouchWalking = {platform::RectAt(layout::kViewOrigin.X, layout::kViewOrigin.Y,
                                               layout::kViewColumns * sheet::kCellSize,
                                               layout::kViewRows * sheet::kCellSize),
                              sheet::kCellSize, layout::kCentreCell};
  // Over the event log, the one area that no game object draws.
  description.PadKeyboardArea = layout::kEventLog;
  return description;
}

std::vector<std::string> InitialLogLines() {
  return {platform::Utf8ToCodePage("이벤트 로그"), "", ""};
}

}  // namespace

TForm1::TForm1()
    : platform::Form(MainWindowDescription()), Memo1(layout::kEventLog, InitialLogLines()) {
  Form1 = this;
  Register(Memo1, Edit1, Timer1);
  Font().SetFallbackDrawer(BitmapControlFontDrawer());
  Edit1.OnChange = [this] { Edit1Change(); };
  Edit1.OnKeyDown = [this](uint16_t& Key, platform::ShiftState Shift) { Edit1KeyDown(Key, Shift); };
  Edit1.OnKeyPress = [this](char& Key) { Edit1KeyPress(Key); };
  Edit1.OnCaretMove = [this] { Edit1CaretMove(); };
  Timer1.Interval = 500;
  Timer1.OnTimer = [this] { Timer1Timer(); };
}

TForm1::~TForm1() {
  FormDestroy();
  Form1 = nullptr;
}

void TForm1::FormCreate() {
  Talking = false;
  // Edit1 keeps the focus but lies outside the client area; the receiver is invisible anyway.
  WorldView = std::make_unique<TWorldView>(layout::kViewOrigin.X, layout::kViewOrigin.Y,
                                           layout::kViewColumns, layout::kViewRows, Canvas());
  const platform::Rect console = layout::kConsolePane, input = layout::kInputPane;
  ConsoleWindow = std::make_unique<TConsoleWindow>(console.Left, console.Top, console.Width(),
                                                   console.Height(), Canvas());
  InputWindow = std::make_unique<TInputWindow>(input.Left, input.Top, input.Width(), input.Height(),
                                               Canvas());
  ConsoleWindow->TextColor = kConsoleTextColor;
  WorldMap = std::make_unique<TWorldMap>(kWorldMapFile);
  Hero = std::make_unique<TCharacter>(layout::kStartCell.X, layout::kStartCell.Y);
}

namespace {
// Releases what a game object owns and lets it go; a start-up that failed half-way has made only
// some of them.
template <typename T>
void ReleaseObject(std::unique_ptr<T>& object) {
  if (object) object->Release();
  object.reset();
}
}  // namespace

void TForm1::FormDestroy() {
  // In the reverse order of creation.
  ReleaseObject(Hero);
  ReleaseObject(WorldMap);
  ReleaseObject(InputWindow);
  ReleaseObject(ConsoleWindow);
  ReleaseObject(WorldView);
}

void TForm1::FormKeyDown(uint16_t& Key, platform::ShiftState) {
  int32_t dx = 0, dy = 0;
  switch (Key) {
    case platform::vk::Up:
      dy = -1;
      break;
    case platform::vk::Down:
      dy = 1;
      break;
    case platform::vk::Left:
      dx = -1;
      break;
    case platform::vk::Right:
      dx = 1;
      break;
    default:
      break;
  }
  // Escape closes the window once this key is done; the rules still run for the own cell.
  if (Key == platform::vk::Escape) Close();
  MovementRules(dx, dy);
}

void TForm1::FormPaint() { RefreshScene(Hero->X, Hero->Y); }

void TForm1::Edit1KeyDown(uint16_t& Key, platform::ShiftState Shift) {
  if (!Talking) FormKeyDown(Key, Shift);
}

void TForm1::Edit1Change() {
  if (!Talking) return;
  InputWindow->CaretOffset = Edit1.CaretOffset();
  EchoInput(kPaneColor, platform::CodePageToWide(Edit1.Text()));
}

void TForm1::Edit1KeyPress(char& Key) {
  if (Key == platform::vk::Return) {
    if (Talking) {
      InputWindow->WriteLine("");
      const std::u16string text = platform::CodePageToWide(Edit1.Text());
      if (TypedLineListener) TypedLineListener(text);
      Converse(kUseDefaultTalkMode, text);
      Edit1.SetText("");
    }
    Key = 0;
  }
  if (Key == platform::vk::Escape) Key = 0;
}

// The block cursor follows the caret when the player moves it along the line.
void TForm1::Edit1CaretMove() {
  if (Talking) InputWindow->MoveCaret(Edit1.CaretOffset());
}

// The desktop's input method opens its windows at the input line's cursor, walking or talking.
std::optional<platform::Rect> TForm1::CaretCell() const {
  if (!InputWindow) return std::nullopt;
  return InputWindow->CaretCell();
}

void TForm1::Timer1Timer() {
  if (Talking) InputWindow->Blink();
}
