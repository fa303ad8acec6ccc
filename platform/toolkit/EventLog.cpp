#include "platform/toolkit/EventLog.h"

#include "platform/system/CodePage.h"
#include "platform/toolkit/Form.h"

namespace platform {
namespace {
constexpr int kFontHeight = 11;          // the window font's 11-pixel characters
constexpr int kLineHeight = 13;          // its line spacing
constexpr int kFallbackLineHeight = 16;  // the bitmap fonts' line
constexpr int kMargin = 1;               // the list's inner margin on the left
constexpr size_t kMaxPictures = 64;      // lines kept drawn
}  // namespace

EventLog::EventLog(Rect bounds, std::vector<std::string> initialLines)
    : bounds_(bounds), lines_(std::move(initialLines)) {}

EventLog::~EventLog() = default;

void EventLog::Add(const std::string& codePageLine) {
  lines_.push_back(codePageLine);
  dirty_ = true;
  if (OnAdd) OnAdd(codePageLine);
}

void EventLog::Paint(Bitmap& surface, bool force) {
  if (!dirty_ && !force) return;
  dirty_ = false;
  if (!fontLooked_) {
    if (controlFont_) font_ = controlFont_->Face(kFontHeight);
    fontLooked_ = true;
  }
  surface.FillRect(bounds_, kButtonFace);

  // The newest line stays in view: when the lines overflow, the list shows its last page.
  const int lineHeight = font_ ? kLineHeight : kFallbackLineHeight;
  const size_t visible = static_cast<size_t>(bounds_.Height() / lineHeight);
  const size_t first = lines_.size() > visible ? lines_.size() - visible : 0;
  int32_t y = bounds_.Top;
  for (size_t i = first; i < lines_.size(); ++i, y += lineHeight) {
    const Bitmap& picture = LinePicture(lines_[i], lineHeight);
    surface.CopyRect(RectAt(bounds_.Left, y, picture.Width(), picture.Height()), picture,
                     RectAt(0, 0, picture.Width(), picture.Height()));
  }
}

const Bitmap& EventLog::LinePicture(const std::string& line, int lineHeight) {
  // The log holds few distinct lines (the terrain's messages), so each is drawn once and then
  // copied; drawing text anew on every key would cost more than the whole scene.
  if (const auto found = pictures_.find(line); found != pictures_.end()) return found->second;
  if (pictures_.size() >= kMaxPictures) pictures_.clear();
  Bitmap picture(bounds_.Width(), lineHeight);
  const Rect whole = RectAt(0, 0, picture.Width(), picture.Height());
  picture.FillRect(whole, kButtonFace);
  if (font_) {
    font_->Draw(picture, whole, kMargin, 0, CodePageToUtf8(line), kGrayText);
  } else if (controlFont_ && controlFont_->Fallback()) {
    controlFont_->Fallback()(picture, kMargin, 0, line, kGrayText);
  }
  return pictures_.emplace(line, std::move(picture)).first->second;
}

}  // namespace platform
