#include "platform/EventLog.h"

#include "platform/CodePage.h"
#include "platform/Form.h"
#include "platform/LogFont.h"

namespace platform {
namespace {
constexpr int kFontHeight = 11;          // the window font's 11-pixel characters
constexpr int kLineHeight = 13;          // its line spacing
constexpr int kFallbackLineHeight = 16;  // the bitmap fonts' line
constexpr int kMargin = 1;               // the list's inner margin on the left
}  // namespace

EventLog::EventLog(Rect bounds, std::vector<std::string> initialLines)
    : bounds_(bounds), lines_(std::move(initialLines)) {}

EventLog::~EventLog() = default;

void EventLog::Add(const std::string& codePageLine) {
  lines_.push_back(codePageLine);
  dirty_ = true;
}

void EventLog::Paint(Bitmap& surface, bool force) {
  if (!dirty_ && !force) return;
  dirty_ = false;
  if (!fontLooked_) {
    font_ = LogFont::Find(kFontHeight);
    fontLooked_ = true;
  }
  surface.SetFillColor(kButtonFace);
  surface.FillRect(bounds_);
  surface.SetFillColor(kWhite);

  // The newest line stays in view: when the lines overflow, the list shows its last page.
  const int lineHeight = font_ ? kLineHeight : kFallbackLineHeight;
  const size_t visible = static_cast<size_t>(bounds_.Height() / lineHeight);
  const size_t first = lines_.size() > visible ? lines_.size() - visible : 0;
  int32_t y = bounds_.Top;
  for (size_t i = first; i < lines_.size(); ++i, y += lineHeight) {
    if (font_) {
      font_->Draw(surface, bounds_, bounds_.Left + kMargin, y, CodePageToUtf8(lines_[i]),
                  kGrayText);
    } else if (fallback_) {
      fallback_(surface, bounds_.Left + kMargin, y, lines_[i], kGrayText);
    }
  }
}

}  // namespace platform
