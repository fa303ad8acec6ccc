#include "platform/toolkit/ControlFont.h"

namespace platform {

ControlFont::ControlFont() = default;
ControlFont::~ControlFont() = default;

const ControlFace* ControlFont::Face(int pixelHeight) {
  auto found = faces_.find(pixelHeight);
  if (found == faces_.end()) {
    found = faces_.emplace(pixelHeight, findFace_ ? findFace_(pixelHeight) : nullptr).first;
  }
  return found->second.get();
}

}  // namespace platform
