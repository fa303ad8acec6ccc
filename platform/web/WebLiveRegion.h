// WebLiveRegion: what the game says in words, as text for a screen reader. Each line goes into
// the page's visually hidden, polite live region (#live), which keeps the latest lines only.
#pragma once

#include <string>

namespace platform {

// One line of UTF-8 text.
void Announce(const std::string& line);
// A quiet region still keeps the lines but no screen reader says them: the game speaks them.
void QuietLiveRegion(bool quiet);

}  // namespace platform
