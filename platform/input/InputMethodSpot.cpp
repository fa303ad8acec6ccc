#include "platform/input/InputMethodSpot.h"

namespace platform {

namespace {

bool Same(const Rect& a, const Rect& b) {
  return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

}  // namespace

std::optional<Rect> InputMethodSpot::Moved(Rect caret, const Placement& place) {
  const Rect spot{place.Left + caret.Left * place.Scale, place.Top + caret.Top * place.Scale,
                  place.Left + caret.Right * place.Scale, place.Top + caret.Bottom * place.Scale};
  if (last_ && Same(*last_, spot)) return std::nullopt;
  last_ = spot;
  return spot;
}

}  // namespace platform
