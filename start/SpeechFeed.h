// SpeechFeed: hands what the game says in words to the speech: the console's lines as they end
// (the pieces of one row as one line), the event log's messages as walking messages, the line the
// player hands to the king, and the built-in keyboard's Hangul/Latin switch. Shared by the
// desktop's and the browser's program entries.
#pragma once

#include "app/Vesk3_main.h"
#include "platform/input/HangulKeyboard.h"
#include "platform/input/WindowKeys.h"
#include "platform/speech/Speech.h"

// `keyboard` may be null (the desktop's input method types).
void FeedSpeech(TForm1& form, platform::Speech& speech, platform::HangulKeyboard* keyboard);

// The window's speech keys: F9 turns speech on and off, F10 says the last line again.
void SpeechKey(platform::Speech& speech, platform::WindowKey key);
