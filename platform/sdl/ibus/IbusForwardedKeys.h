// IbusForwardedKeys: the keys IBus hands back to the program with its ForwardKeyEvent signal.
//
// ibus-hangul, as Debian installs it, does not let the keys it does not use (Enter, the arrows,
// Escape, digits) through in Hangul mode: it commits the syllable, then sends the key back with
// ForwardKeyEvent and tells the program the key was taken. SDL2's IBus client ignores that signal,
// so without this listener Enter and the arrows do nothing once the player switches to Hangul.
//
// The listener opens its own connection to the IBus bus, asks to see ForwardKeyEvent signals and
// turns each into a key for the window's event queue (from IBus's reader thread; SDL's queue is
// safe for that). It takes a key only from the IBus daemon itself (the unique name that owns
// org.freedesktop.IBus), never from another program on the bus, and only while the game's window
// has the focus; the window then takes it only for its own input context, which is IBus's focused
// one while the window has the focus.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/input/Keys.h"
#include "platform/system/Result.h"

namespace platform {

// A key IBus sent back, as it arrives in the window's event queue.
struct ForwardedKey {
  uint32_t Keysym = 0;
  uint32_t State = 0;  // IBus modifier bits
  bool Released = false;
  std::string Context;  // object path of the input context the key was for
};

class IbusForwardedKeys {
 public:
  // Listens when an IBus daemon can be reached, or says why not; `eventType` is the SDL event
  // type the keys are queued as.
  static Result<std::unique_ptr<IbusForwardedKeys>> Listen(uint32_t eventType);
  ~IbusForwardedKeys();
  IbusForwardedKeys(const IbusForwardedKeys&) = delete;
  IbusForwardedKeys& operator=(const IbusForwardedKeys&) = delete;

  // Takes the key out of a queued event (the event no longer owns it).
  static ForwardedKey Take(void* eventData);
  // The window tells when it gains and loses the keyboard focus; no key is queued without it.
  void SetWindowFocused(bool focused);
  // Whether `context` is the input context IBus has had the focus on since the window got it.
  bool IsFocusedContext(const std::string& context);

  struct Bus;

 private:
  IbusForwardedKeys();
  Result<void> Connect(uint32_t eventType);

  std::unique_ptr<Bus> bus_;
};

// The game's stroke for an X keysym with IBus modifier bits; nothing for keys the game has no
// use for.
std::optional<KeyStroke> StrokeOfKeysym(uint32_t keysym, uint32_t state);

}  // namespace platform
