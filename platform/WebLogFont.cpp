// The browser version's controls (the event log, the typing-mode field) draw with the game's own
// bitmap fonts: a page cannot count on a Hangul face being installed, and the bitmap font looks
// the same on every browser.
#include "platform/LogFont.h"

namespace platform {

std::unique_ptr<LogFont> LogFont::Find(int) { return nullptr; }

void LogFont::FontCloser::operator()(TTF_Font*) const {}

LogFont::~LogFont() = default;

// Never reached: there is no face to measure or draw with.
int32_t LogFont::Width(const std::string&) const { return 0; }

void LogFont::Draw(Bitmap&, Rect, int32_t, int32_t, const std::string&, ColorWord) const {}

}  // namespace platform
