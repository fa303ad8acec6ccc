#include "platform/sdl/SdlPads.h"

#include <SDL.h>

#include <algorithm>

namespace platform {
namespace {

constexpr GameCodeRow<SDL_GameControllerButton, PadButton> kButtons[] = {
    {SDL_CONTROLLER_BUTTON_A, PadButton::A},
    {SDL_CONTROLLER_BUTTON_B, PadButton::B},
    {SDL_CONTROLLER_BUTTON_X, PadButton::X},
    {SDL_CONTROLLER_BUTTON_Y, PadButton::Y},
    {SDL_CONTROLLER_BUTTON_BACK, PadButton::Back},
    {SDL_CONTROLLER_BUTTON_START, PadButton::Start},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PadButton::Up},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadButton::Down},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadButton::Left},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadButton::Right},
};

PadFamily FamilyOf(SDL_GameController* controller) {
  switch (SDL_GameControllerGetType(controller)) {
    case SDL_CONTROLLER_TYPE_XBOXONE:
      return PadFamily::XboxOne;
    case SDL_CONTROLLER_TYPE_PS3:
      return PadFamily::PlayStation3;
    case SDL_CONTROLLER_TYPE_PS4:
      return PadFamily::PlayStation4;
    case SDL_CONTROLLER_TYPE_PS5:
      return PadFamily::PlayStation5;
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_PRO:
      return PadFamily::Nintendo;
    default:
      return PadFamily::Xbox360;
  }
}

float Unit(Sint16 value) { return static_cast<float>(value) / 32767.0f; }

}  // namespace

SdlPads::SdlPads() {
  // Buttons by their place, as the game's table has them, also on pads that print A on the right.
  SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
  started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

SdlPads::~SdlPads() {
  for (auto& [id, pad] : pads_) SDL_GameControllerClose(pad.Controller);
  if (started_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void SdlPads::Open(int deviceIndex) {
  SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
  if (!controller) return;
  const int id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
  if (pads_.count(id)) {
    SDL_GameControllerClose(controller);  // opened already: SDL counts the second opening
    return;
  }
  pads_[id].Controller = controller;
  family_ = FamilyOf(controller);
}

void SdlPads::Moved(Pad& pad, std::vector<Change>& changes) {
  const auto now = StickDirection(pad.StickX, pad.StickY, pad.Stick);
  if (now == pad.Stick) return;
  if (pad.Stick) changes.push_back({StrokeOf(*pad.Stick), false});
  if (now) changes.push_back({StrokeOf(*now), true});
  pad.Stick = now;
}

bool SdlPads::Take(const SDL_Event& event, std::vector<Change>& changes) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      Open(event.cdevice.which);
      return true;
    case SDL_CONTROLLERDEVICEREMOVED: {
      const auto found = pads_.find(event.cdevice.which);
      if (found == pads_.end()) return true;
      Pad& pad = found->second;
      for (PadButton held : pad.Held) changes.push_back({StrokeOf(held), false});
      if (pad.Stick) changes.push_back({StrokeOf(*pad.Stick), false});
      SDL_GameControllerClose(pad.Controller);
      pads_.erase(found);
      return true;
    }
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
      const auto found = pads_.find(event.cbutton.which);
      const auto pressed =
          GameCodeOf(kButtons, static_cast<SDL_GameControllerButton>(event.cbutton.button));
      if (found == pads_.end() || !pressed) return true;
      const PadButton button = *pressed;
      const KeyStroke stroke = StrokeOf(button);
      std::vector<PadButton>& held = found->second.Held;
      held.erase(std::remove(held.begin(), held.end(), button), held.end());
      const bool down = event.type == SDL_CONTROLLERBUTTONDOWN;
      if (down) held.push_back(button);
      family_ = FamilyOf(found->second.Controller);
      changes.push_back({stroke, down});
      return true;
    }
    case SDL_CONTROLLERAXISMOTION: {
      const auto found = pads_.find(event.caxis.which);
      if (found == pads_.end()) return true;
      Pad& pad = found->second;
      if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) pad.StickX = Unit(event.caxis.value);
      if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) pad.StickY = Unit(event.caxis.value);
      Moved(pad, changes);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace platform
