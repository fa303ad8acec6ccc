// Headless: runs a form through a parsed script with no display, exactly as the window would
// deliver the same events, and stops early when the window closes. Held keys run on a clock of
// the script's own that only a hold moves on.
#pragma once

#include <vector>

#include "platform/headless/Script.h"
#include "platform/input/HeldKeys.h"
#include "platform/toolkit/Form.h"

namespace platform {

void RunHeadless(Form& form, const std::vector<ScriptEvent>& events, HeldKeys& heldKeys);

}  // namespace platform
