// Timer: a periodic tick delivered through the window's event loop.
#pragma once

#include <cstdint>
#include <functional>

namespace platform {

struct Timer {
  uint32_t Interval = 1000;  // milliseconds, until the window that owns the timer sets its own
  bool Enabled = true;
  std::function<void()> OnTimer;
};

}  // namespace platform
