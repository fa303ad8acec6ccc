// VirtualPad: linked into a test build of the game (vesk_virtual_pad), beside the real entry, so a
// test can hold a game controller in the game's own process: SDL's virtual joystick, made a game
// controller with the standard buttons. A thread reads commands, one a line, from the FIFO that
// VESK_VIRTUAL_PAD names: "attach", "detach", "press BUTTON", "release BUTTON" (SDL's names: a,
// b, x, y, back, start, dpup, dpdown, dpleft, dpright). Each waits until SDL has taken it in, so
// a press and its release are never read as one, and a pad is pressed only once the game has it.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

namespace {

constexpr int kWaitMs = 10000;

// Waits for `done` while SDL's own thread updates the joysticks; false after a long wait.
template <typename Done>
bool WaitFor(Done done) {
  for (int waited = 0; waited < kWaitMs; waited += 2) {
    if (done()) return true;
    SDL_Delay(2);
  }
  return false;
}

void Serve(const std::string& fifo) {
  std::ifstream commands(fifo);
  SDL_Joystick* joystick = nullptr;
  int device = -1;
  for (std::string line; std::getline(commands, line);) {
    WaitFor([] { return SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0; });
    if (line == "attach") {
      SDL_VirtualJoystickDesc description{};
      description.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
      description.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
      description.naxes = SDL_CONTROLLER_AXIS_MAX;
      description.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
      description.name = "vesk test pad";
      device = SDL_JoystickAttachVirtualEx(&description);
      joystick = device >= 0 ? SDL_JoystickOpen(device) : nullptr;
      if (!joystick) std::fprintf(stderr, "virtual pad: %s\n", SDL_GetError());
      // The game reads a controller's buttons once it has opened it.
      const SDL_JoystickID id = joystick ? SDL_JoystickInstanceID(joystick) : -1;
      if (!WaitFor([id] { return SDL_GameControllerFromInstanceID(id) != nullptr; }))
        std::fprintf(stderr, "virtual pad: the game never opened it\n");
    } else if (line == "detach" && joystick) {
      SDL_JoystickClose(joystick);
      joystick = nullptr;
      SDL_JoystickDetachVirtual(device);
    } else if (joystick && (line.rfind("press ", 0) == 0 || line.rfind("release ", 0) == 0)) {
      const bool down = line[0] == 'p';
      const auto button =
          SDL_GameControllerGetButtonFromString(line.substr(line.find(' ') + 1).c_str());
      SDL_JoystickSetVirtualButton(joystick, button, down ? 1 : 0);
      if (!WaitFor([&] { return SDL_JoystickGetButton(joystick, button) == (down ? 1 : 0); }))
        std::fprintf(stderr, "virtual pad: %s never taken\n", line.c_str());
    }
  }
}

// Started before main, when the test names a FIFO.
const bool kServing = [] {
  const char* fifo = std::getenv("VESK_VIRTUAL_PAD");
  if (fifo && *fifo) std::thread(Serve, std::string(fifo)).detach();
  return true;
}();

}  // namespace
