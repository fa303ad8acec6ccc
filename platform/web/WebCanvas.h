// WebCanvas: the window in a web page. It shows a form's client surface on the page's <canvas>,
// turns the browser's key events (by KeyboardEvent.code, the place of the key, as the window does
// with scancodes) and its input method's composition events into the form's events, and runs the
// timer with setInterval. The browser owns the event loop: after Start the page calls back into
// the form, and what changed on the surface is uploaded after every handler.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/input/HeldKeys.h"
#include "platform/input/WindowKeys.h"
#include "platform/toolkit/Form.h"
#include "platform/web/WebPads.h"
#include "platform/web/WebTextField.h"
#include "platform/web/WebTouch.h"

namespace platform {

// What the page's automated tests read at any time, as a headless run writes it at its end: the
// event log's lines and the game's state. The program entry hands over how to make each.
void PublishPageReports(std::function<std::string()> eventLog, std::function<std::string()> state);

// Shows one line of text under the game, which plays on: something the player asked for that the
// page left out.
void ShowNotice(const std::string& text);

class WebCanvas {
 public:
  // `systemInputMethod`: text comes through the browser's input method and a hidden text field
  // instead of the game's own keyboard. `walkRate`: steps a second of a held arrow.
  WebCanvas(Form& form, bool systemInputMethod, int walkRate);
  WebCanvas(const WebCanvas&) = delete;
  WebCanvas& operator=(const WebCanvas&) = delete;

  // Titles the page after the caption, gives it the icon, paints the first frame and starts
  // taking events; returns at once.
  void Start();
  // Entry points for the browser's events.
  bool KeyDown(const void* keyEvent);
  bool KeyUp(const void* keyEvent);
  // A key goes down or up: the keyboard's keys and the page's touch controls come in here, so
  // the form gets a key at once and a held arrow repeats at the walk rate.
  void Press(const KeyStroke& stroke);
  void Release(uint16_t virtualKey);
  void LostFocus() { heldKeys_.ReleaseAll(); }
  void HeldStep();
  void TextEditing(const std::u16string& preedit);
  void TextInput(const std::u16string& committed);
  void Tick();
  // `handled` runs after every event the page handed over, once the form has handled it.
  void WhenHandled(std::function<void()> handled) { handled_ = std::move(handled); }
  // `serviceKey` takes the window's speech keys (F9, F10), which the game never sees.
  void WhenServiceKey(std::function<void(WindowKey)> serviceKey) {
    serviceKey_ = std::move(serviceKey);
  }
  // `typing` says whether the game waits for typed text; a phone's keyboard opens for it.
  void WhenTyping(std::function<bool()> typing) { typing_ = std::move(typing); }
  // While the page is hidden the game's timers stop, so it does no work; shown again, it goes on
  // where it was.
  void Hide();
  void Show();

 private:
  // Shows the surface, and ends the game when the form asked to close.
  void AfterEvent();
  void Upload();
  void Stop();
  // Asks for a call of HeldStep when a held arrow's next step is due.
  void ScheduleHeldStep();
  void StartTimer();

  Form& form_;
  bool systemInputMethod_;
  bool running_ = false;
  long interval_ = 0;
  HeldKeys heldKeys_;
  long heldStep_ = 0;           // the pending setTimeout of the next step, 0 for none
  std::vector<uint32_t> rgba_;  // the surface in the page's byte order
  std::function<void()> handled_;
  std::function<bool()> typing_;
  std::function<void(WindowKey)> serviceKey_;
  WebTouch touch_;
  WebPads pads_;
  WebTextField textField_;
};

}  // namespace platform
