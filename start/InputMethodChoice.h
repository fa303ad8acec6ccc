// InputMethodChoice: how the player's keys become text, from the settings, and what of it is kept
// for the next run. Shared by the desktop's and the browser's program entries.
#pragma once

#include <memory>

#include "platform/input/HangulKeyboard.h"
#include "platform/input/InputMethod.h"
#include "platform/system/Settings.h"

// The game's own Hangul keyboard in the mode the player left it, or the desktop's (the browser's)
// input method when the settings ask for it. `keyboard` points at the Hangul keyboard when there
// is one.
std::unique_ptr<platform::InputMethod> InputMethodFor(const platform::Settings& settings,
                                                      platform::HangulKeyboard*& keyboard);

// Whether the settings ask for the desktop's (the browser's) input method.
bool UsesSystemInputMethod(const platform::Settings& settings);

// Puts the keyboard's Hangul/Latin mode into `settings` once it differs from what they hold (Hangul
// when they hold nothing); no keyboard changes nothing.
void KeepHangulMode(platform::Settings& settings, const platform::HangulKeyboard* keyboard);
