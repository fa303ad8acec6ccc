#include "platform/web/WebPads.h"

#include <emscripten/html5.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/toolkit/Form.h"
#include "platform/web/WebCanvas.h"

namespace platform {
namespace {

// The standard mapping's buttons by index.
constexpr GameCodeRow<int, PadButton> kStandardButtons[] = {
    {0, PadButton::A},     {1, PadButton::B},      {2, PadButton::X},   {3, PadButton::Y},
    {8, PadButton::Back},  {9, PadButton::Start},  {12, PadButton::Up}, {13, PadButton::Down},
    {14, PadButton::Left}, {15, PadButton::Right},
};

// The standard mapping's left stick.
constexpr int kStickX = 0, kStickY = 1;

EM_BOOL OnConnected(int, const EmscriptenGamepadEvent*, void* pads) {
  static_cast<WebPads*>(pads)->Connected();
  return false;
}

EM_BOOL OnFrame(double, void* pads) { return static_cast<WebPads*>(pads)->Sample(); }

// The family of a pad by the USB vendor and product its name carries: Chromium names them after
// "Vendor: " and "Product: ", Firefox as the name's first two fields, "054c-09cc-...".
PadFamily FamilyOf(const std::string& id) {
  std::string vendor, product;
  const size_t named = id.find("Vendor: ");
  if (named != std::string::npos) {
    vendor = id.substr(named + 8, 4);
    const size_t productAt = id.find("Product: ");
    if (productAt != std::string::npos) product = id.substr(productAt + 9, 4);
  } else if (id.size() > 9 && id[4] == '-' && id[9] == '-') {
    vendor = id.substr(0, 4);
    product = id.substr(5, 4);
  }
  if (vendor == "054c") {
    if (product == "0268") return PadFamily::PlayStation3;
    if (product == "0ce6" || product == "0df2") return PadFamily::PlayStation5;
    return PadFamily::PlayStation4;
  }
  if (vendor == "057e") return PadFamily::Nintendo;
  if (vendor == "045e" && product != "028e") return PadFamily::XboxOne;
  return PadFamily::Xbox360;
}

bool Standard(const EmscriptenGamepadEvent& state) {
  return state.connected && std::strcmp(state.mapping, "standard") == 0;
}

}  // namespace

void WebPads::Start() {
  running_ = true;
  // A pad already in shows itself by a connected event at its first press, as a new one does.
  emscripten_set_gamepadconnected_callback(this, true, OnConnected);
}

void WebPads::Stop() {
  running_ = false;
  emscripten_set_gamepadconnected_callback(nullptr, true, nullptr);
}

void WebPads::Connected() {
  if (!running_ || sampling_) return;
  sampling_ = true;
  emscripten_request_animation_frame_loop(OnFrame, this);
}

bool WebPads::Sample() {
  const bool had = !pads_.empty();
  int count = 0;
  if (running_ && emscripten_sample_gamepad_data() == EMSCRIPTEN_RESULT_SUCCESS) {
    count = emscripten_get_num_gamepads();
  }
  for (int index = 0; index < count; ++index) {
    EmscriptenGamepadEvent state{};
    const bool in = emscripten_get_gamepad_status(index, &state) == EMSCRIPTEN_RESULT_SUCCESS &&
                    Standard(state);
    const auto found = pads_.find(index);
    if (in) {
      Read(pads_[index], state);
    } else if (found != pads_.end()) {
      Forget(found->second);
      pads_.erase(found);
    }
  }
  // Pads past the end of the list went away too.
  for (auto gone = pads_.lower_bound(count); gone != pads_.end(); gone = pads_.erase(gone)) {
    Forget(gone->second);
  }
  if (had && pads_.empty()) form_.PadsGone();
  sampling_ = running_ && !pads_.empty();
  return sampling_;
}

void WebPads::Read(Pad& pad, const EmscriptenGamepadEvent& state) {
  std::vector<PadButton> down;
  for (const auto& [index, button] : kStandardButtons) {
    if (index < state.numButtons && state.digitalButton[index]) down.push_back(button);
  }
  const auto stick = state.numAxes > kStickY
                         ? StickDirection(static_cast<float>(state.axis[kStickX]),
                                          static_cast<float>(state.axis[kStickY]), pad.Stick)
                         : std::nullopt;
  // The on-screen keyboard names the buttons after the pad used last.
  const bool pressing = std::any_of(down.begin(), down.end(), [&](PadButton button) {
    return std::find(pad.Held.begin(), pad.Held.end(), button) == pad.Held.end();
  });
  if (pressing || (stick && stick != pad.Stick)) form_.PadFamilyInHand(FamilyOf(state.id));
  // Let go first, so a button taken over from another walks on from the new one.
  for (PadButton held : pad.Held) {
    if (std::find(down.begin(), down.end(), held) == down.end()) {
      canvas_.Release(StrokeOf(held).VirtualKey);
    }
  }
  if (pad.Stick && pad.Stick != stick) canvas_.Release(StrokeOf(*pad.Stick).VirtualKey);
  for (PadButton now : down) {
    if (std::find(pad.Held.begin(), pad.Held.end(), now) == pad.Held.end()) {
      canvas_.Press(StrokeOf(now));
    }
  }
  if (stick && stick != pad.Stick) canvas_.Press(StrokeOf(*stick));
  pad.Held = std::move(down);
  pad.Stick = stick;
}

void WebPads::Forget(Pad& pad) {
  for (PadButton held : pad.Held) canvas_.Release(StrokeOf(held).VirtualKey);
  if (pad.Stick) canvas_.Release(StrokeOf(*pad.Stick).VirtualKey);
  pad.Held.clear();
  pad.Stick.reset();
}

}  // namespace platform
