// Form: the game's one main window as the toolkit sees it: a fixed-size client surface that game
// objects draw on at any time, the controls registered by the derived window (event log, hidden
// text receiver, timer) and the entry points through which a backend delivers events. Every
// backend (a real window, a scripted headless run, the browser's canvas) drives a form through
// these entry points only, so a scripted run draws the game's panes pixel for pixel as players see.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/image/Bitmap.h"
#include "platform/image/ChangeLog.h"
#include "platform/input/InputMethod.h"
#include "platform/input/Keys.h"
#include "platform/input/TextReceiver.h"
#include "platform/input/TouchWalk.h"
#include "platform/toolkit/ControlFont.h"
#include "platform/toolkit/EventLog.h"
#include "platform/toolkit/ModeIndicator.h"
#include "platform/toolkit/OnScreenKeyboard.h"
#include "platform/toolkit/Timer.h"

namespace platform {

struct FormDescription {
  std::string Caption;  // UTF-8
  std::string Title;    // the application's title, UTF-8
  int32_t ClientWidth = 0;
  int32_t ClientHeight = 0;
  ColorWord Background;
  Bitmap Icon;     // the window's icon, 32 x 32; pixels of value 0 are transparent
  Rect ModeField;  // where the typing mode shows; empty: nowhere
  // Where the form shows the text being typed; a desktop input method opens its windows there
  // until the form tells where its caret stands.
  Rect TextInputArea;
  // Where a touch walks, on a screen without arrow keys; an empty view: nowhere.
  TouchWalk TouchWalking{};
  // Where the on-screen keyboard of a player with a game controller stands while the form takes
  // text; empty: the form has none.
  Rect PadKeyboardArea;
};

// The system's button-face colour (the classic grey-beige of dialog windows).
constexpr ColorWord kButtonFace{0x00C8D0D4};
// The colour of disabled text.
constexpr ColorWord kGrayText{0x00808080};

class Form {
 public:
  explicit Form(FormDescription description);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const FormDescription& Description() const { return description_; }
  // The client drawing surface; what is drawn on it is shown after the running handler returns.
  Bitmap& Canvas() { return canvas_; }
  // Asks the window to close: the loop ends once the event being handled is done.
  void Close() { closeRequested_ = true; }
  bool CloseRequested() const { return closeRequested_; }

  void SetInputMethod(std::unique_ptr<InputMethod> method) { inputMethod_ = std::move(method); }
  InputMethod& Input() { return *inputMethod_; }
  // The one font of the window's controls.
  ControlFont& Font() { return font_; }
  // Where the controls find the system's face; without a finder they draw with the game's fonts.
  void UseControlFaces(const ControlFaceFinder& finder) { font_.SetFaceFinder(finder); }

  // Entry points for the backends, one per event.
  void Create();   // the window has just been made
  void Destroy();  // the window is going away
  void Paint();    // paint event
  // A key goes down (auto-repeat included), or a game controller's button (PadButtons.h): while
  // walking the d-pad and A are keys, while the form takes text the buttons work the on-screen
  // keyboard. A key of the keyboard or a touch hides that keyboard; the pad brings it back.
  void Key(const KeyStroke& stroke);
  void PadFamilyInHand(PadFamily family) { padKeyboard_.SetFamily(family); }
  void PadsGone();                  // the last game controller went away
  void Tick();                      // one timer interval has passed
  void CloseButton();               // the window's close button
  TextReceiver& FocusedReceiver();  // where input-method text goes
  // Where the caret of the typed text stands now, in client pixels: a desktop input method opens
  // its candidate and composition windows there. The TextInputArea while the form tells none.
  Rect TextCaret() const;
  Timer& MainTimer();
  // Brings the surface up to date with the toolkit's own controls before a backend shows it.
  void PrepareFrame();
  // Prepares the frame and returns the areas of the surface that changed since the last call (the
  // whole surface on the first): all that a backend needs to put on the screen.
  std::vector<Rect> TakeChanges();

 protected:
  // Registered by the derived window's constructor.
  void Register(EventLog& log, TextReceiver& focus, Timer& timer);
  virtual void DoCreate() = 0;
  virtual void DoDestroy() = 0;
  virtual void DoPaint() = 0;
  // Whether the form takes typed text now (a talk is open), rather than walking keys.
  virtual bool TakesText() const { return false; }
  // The cell the caret of the typed text is drawn in, in client pixels; nothing when the form
  // draws none.
  virtual std::optional<Rect> CaretCell() const { return std::nullopt; }

 private:
  FormDescription description_;
  ChangeLog changes_;  // what changed on the surface since a backend last showed it
  Bitmap canvas_;
  bool closeRequested_ = false;
  EventLog* log_ = nullptr;
  TextReceiver* focus_ = nullptr;
  Timer* timer_ = nullptr;
  std::unique_ptr<InputMethod> inputMethod_;
  ControlFont font_;
  ModeIndicator indicator_;
  OnScreenKeyboard padKeyboard_;
  InputMethod& PadTyping();
  void FollowTextTaking();
  void PaintControls(bool force);
  std::unique_ptr<InputMethod> padTyping_;  // composes the pad's keys beside a desktop input method
  bool padInUse_ = false;                   // the last input came from a game controller
  bool takingText_ = false;
};

}  // namespace platform
