// WebSettings: where the browser version keeps its settings, the page's local storage under
// "vesk.conf", in the same text as the desktop's settings file (SettingsKeeper reads and writes
// it), so that a player who switched the keyboard to Latin finds it so on the next visit. A
// browser that keeps no storage (private windows, storage turned off) simply starts with no
// settings.
#pragma once

#include <string>

#include "platform/system/Settings.h"

namespace platform {

class WebSettings : public SettingsStore {
 public:
  std::string Name() const override;
  Result<std::optional<std::string>> Read(size_t most) override;
  // A page whose storage is closed keeps nothing, and says nothing: it never could.
  Result<void> Write(const std::string& text) override;
};

}  // namespace platform
