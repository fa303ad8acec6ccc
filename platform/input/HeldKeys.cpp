#include "platform/input/HeldKeys.h"

#include <algorithm>

namespace platform {
namespace {

bool IsArrow(uint16_t key) {
  return key == vk::Left || key == vk::Up || key == vk::Right || key == vk::Down;
}

}  // namespace

HeldKeys::HeldKeys(int stepsPerSecond)
    : periodMs_(stepsPerSecond > 0 ? 1000 / std::min(stepsPerSecond, kMaxStepsPerSecond) : 0) {}

bool HeldKeys::Down(const KeyStroke& stroke, uint64_t nowMs) {
  if (periodMs_ == 0 || !IsArrow(stroke.VirtualKey)) return true;
  const auto same = [&](const KeyStroke& held) { return held.VirtualKey == stroke.VirtualKey; };
  const bool alreadyHeld = std::any_of(held_.begin(), held_.end(), same);
  // The desktop's repeats of a held arrow, and a second press of one whose key-up was lost.
  if (stroke.Repeat && alreadyHeld) return false;
  held_.erase(std::remove_if(held_.begin(), held_.end(), same), held_.end());
  KeyStroke walking = stroke;
  walking.Repeat = true;  // what Due hands out from now on
  held_.push_back(walking);
  nextDue_ = nowMs + periodMs_;
  return true;
}

void HeldKeys::Up(uint16_t virtualKey) {
  // An arrow held from before takes over at the pace it walked at, without a step of its own.
  held_.erase(std::remove_if(held_.begin(), held_.end(),
                             [&](const KeyStroke& held) { return held.VirtualKey == virtualKey; }),
              held_.end());
}

void HeldKeys::ReleaseAll() { held_.clear(); }

std::optional<uint64_t> HeldKeys::NextDue() const {
  if (held_.empty()) return std::nullopt;
  return nextDue_;
}

std::optional<KeyStroke> HeldKeys::Due(uint64_t nowMs) {
  if (held_.empty() || nowMs < nextDue_) return std::nullopt;
  nextDue_ += periodMs_;
  if (nextDue_ <= nowMs) nextDue_ = nowMs + periodMs_;
  return held_.back();
}

}  // namespace platform
