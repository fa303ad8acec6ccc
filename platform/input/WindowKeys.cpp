#include "platform/input/WindowKeys.h"

namespace platform {

namespace {
constexpr uint16_t kF9 = vk::F1 + 8;
constexpr uint16_t kF10 = vk::F1 + 9;
constexpr uint16_t kF11 = vk::F1 + 10;
constexpr uint16_t kF12 = vk::F1 + 11;
}  // namespace

WindowKey WindowKeyOf(const KeyStroke& stroke) {
  if (stroke.VirtualKey == kF11) return WindowKey::ToggleFullscreen;
  if (stroke.VirtualKey == vk::Return && (stroke.Shift & kAlt)) return WindowKey::ToggleFullscreen;
  if (stroke.VirtualKey == kF12) return WindowKey::Screenshot;
  if (stroke.VirtualKey == kF9) return WindowKey::ToggleSpeech;
  if (stroke.VirtualKey == kF10) return WindowKey::RepeatSpeech;
  return WindowKey::None;
}

}  // namespace platform
