// Headless: runs a form through a parsed script with no display, exactly as the window would
// deliver the same events, and stops early when the window closes.
#pragma once

#include <vector>

#include "platform/Form.h"
#include "platform/Script.h"

namespace platform {

void RunHeadless(Form& form, const std::vector<ScriptEvent>& events);

}  // namespace platform
