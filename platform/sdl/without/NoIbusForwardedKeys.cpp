// For a build without IBus: nobody hands keys back, so nothing is listened to.
#include "platform/sdl/ibus/IbusForwardedKeys.h"

namespace platform {

struct IbusForwardedKeys::Bus {};

Result<std::unique_ptr<IbusForwardedKeys>> IbusForwardedKeys::Listen(uint32_t) {
  return Problem{"this build has no IBus support"};
}

IbusForwardedKeys::~IbusForwardedKeys() = default;

ForwardedKey IbusForwardedKeys::Take(void*) { return {}; }

void IbusForwardedKeys::SetWindowFocused(bool) {}

bool IbusForwardedKeys::IsFocusedContext(const std::string&) { return false; }

std::optional<KeyStroke> StrokeOfKeysym(uint32_t, uint32_t) { return std::nullopt; }

}  // namespace platform
