#include "platform/web/WebLiveRegion.h"

#include <emscripten/emscripten.h>

// clang-format off
EM_JS(void, WebAnnounce, (const char* line), {
  const region = document.getElementById('live');
  if (!region) return;
  const paragraph = document.createElement('p');
  paragraph.textContent = UTF8ToString(line);
  region.append(paragraph);
  // Enough for a talk's last answers; a reader that fell behind reads the newest.
  while (region.childElementCount > 40) region.firstElementChild.remove();
});

EM_JS(void, WebQuietLiveRegion, (int quiet), {
  const region = document.getElementById('live');
  if (region) region.setAttribute('aria-live', quiet ? 'off' : 'polite');
});
// clang-format on

namespace platform {

void Announce(const std::string& line) { WebAnnounce(line.c_str()); }

void QuietLiveRegion(bool quiet) { WebQuietLiveRegion(quiet); }

}  // namespace platform
