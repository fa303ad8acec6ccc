// PadButtons: what a game controller's buttons mean to the game. A pad is read like a keyboard:
// each backend maps its device's buttons to PadButton (a GameCodeRow table in its room; scripts
// name them), and a button becomes a key stroke marked as the pad's, which takes the same press,
// release and walk-rate path as a key. The d-pad and the left stick are the arrow keys; the other
// buttons carry the Windows virtual-key codes of a game controller's buttons, which the walking
// rules take as keys that are no arrow.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/input/Keys.h"

namespace platform {

// The buttons by where they sit: A is the bottom face button, B the right, X the left, Y the top,
// whatever a pad prints on them.
enum class PadButton { A, B, X, Y, Back, Start, Up, Down, Left, Right };

// The families of pads, which print different names on the same places: the letters A B X Y
// (Xbox's), the symbols of the PlayStation pads, Nintendo's letters with A and B, X and Y swapped.
enum class PadFamily { Xbox360, XboxOne, PlayStation3, PlayStation4, PlayStation5, Nintendo };

namespace vk {
constexpr uint16_t GamepadA = 0xC3;
constexpr uint16_t GamepadB = 0xC4;
constexpr uint16_t GamepadX = 0xC5;
constexpr uint16_t GamepadY = 0xC6;
constexpr uint16_t GamepadMenu = 0xCF;  // Start
constexpr uint16_t GamepadView = 0xD0;  // Back, Select
}  // namespace vk

// The stroke of a button named A B X Y Back Start Up Down Left Right, as scripts name them;
// nothing for another name.
std::optional<KeyStroke> StrokeForButton(const std::string& name);
// The button a pad's stroke stands for; nothing for a stroke that is not a pad's.
std::optional<PadButton> ButtonOfStroke(const KeyStroke& stroke);
KeyStroke StrokeOf(PadButton button);

// Which way a stick points, as the d-pad button it stands for: the axis farther from the middle
// wins once it is past the dead zone; a stick already pointing keeps its direction until it comes
// back inside the smaller zone, so a hand resting near the edge does not flicker. x grows right,
// y down, both -1 to 1.
std::optional<PadButton> StickDirection(float x, float y, std::optional<PadButton> before);

}  // namespace platform
