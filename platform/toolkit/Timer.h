// Timer: a periodic tick delivered through the window's event loop.
#pragma once

#include <cstdint>
#include <functional>

namespace platform {

struct Timer {
  uint32_t Interval = 500;  // milliseconds
  bool Enabled = true;
  std::function<void()> OnTimer;
};

}  // namespace platform
