#include "platform/input/PadButtons.h"

#include <cmath>

namespace platform {
namespace {

struct NamedButton {
  const char* Name;
  PadButton Button;
  uint16_t VirtualKey;
};

constexpr NamedButton kButtons[] = {
    {"A", PadButton::A, vk::GamepadA},
    {"B", PadButton::B, vk::GamepadB},
    {"X", PadButton::X, vk::GamepadX},
    {"Y", PadButton::Y, vk::GamepadY},
    {"Back", PadButton::Back, vk::GamepadView},
    {"Start", PadButton::Start, vk::GamepadMenu},
    {"Up", PadButton::Up, vk::Up},
    {"Down", PadButton::Down, vk::Down},
    {"Left", PadButton::Left, vk::Left},
    {"Right", PadButton::Right, vk::Right},
};

// Past this a stick points; it stops pointing back inside the smaller one.
constexpr float kPressZone = 0.5f;
constexpr float kReleaseZone = 0.3f;

}  // namespace

KeyStroke StrokeOf(PadButton button) {
  KeyStroke stroke;
  for (const NamedButton& each : kButtons) {
    if (each.Button == button) stroke.VirtualKey = each.VirtualKey;
  }
  stroke.FromPad = true;
  return stroke;
}

std::optional<KeyStroke> StrokeForButton(const std::string& name) {
  for (const NamedButton& each : kButtons) {
    if (name == each.Name) return StrokeOf(each.Button);
  }
  return std::nullopt;
}

std::optional<PadButton> ButtonOfStroke(const KeyStroke& stroke) {
  if (!stroke.FromPad) return std::nullopt;
  for (const NamedButton& each : kButtons) {
    if (stroke.VirtualKey == each.VirtualKey) return each.Button;
  }
  return std::nullopt;
}

std::optional<PadButton> StickDirection(float x, float y, std::optional<PadButton> before) {
  const float across = std::fabs(x), along = std::fabs(y);
  const float reach = std::fmax(across, along);
  if (reach < (before ? kReleaseZone : kPressZone)) return std::nullopt;
  // A tie goes to the vertical axis, as a touch's does.
  if (along >= across) return y < 0 ? PadButton::Up : PadButton::Down;
  return x < 0 ? PadButton::Left : PadButton::Right;
}

}  // namespace platform
