// WebSettings: the browser version's settings, kept in the page's local storage under "vesk.conf"
// in the same text as the desktop's settings file, so that a player who switched the keyboard to
// Latin finds it so on the next visit. As on the desktop, a text that breaks any rule is ignored
// whole with one message, and nothing is written while nothing changed. A browser that keeps no
// storage (private windows, storage turned off) simply starts with no settings.
#pragma once

#include <string>

#include "platform/system/Settings.h"

namespace platform {

class WebSettings {
 public:
  // The settings the page kept; none, with one line for the player in `message`, when the kept
  // text is broken.
  Settings Load(std::string& message);
  // Keeps `settings` when they differ from what the page holds.
  void Keep(const Settings& settings);

 private:
  Settings kept_;
};

}  // namespace platform
