#include "platform/input/InputMethod.h"

namespace platform {

void DirectInput::KeyDown(const KeyStroke& stroke, TextReceiver& receiver) {
  receiver.KeyDown(stroke.VirtualKey, stroke.Shift);
  if (stroke.Ascii != 0) receiver.Char(static_cast<unsigned char>(stroke.Ascii));
}

}  // namespace platform
