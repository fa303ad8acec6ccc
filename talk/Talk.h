// Talk: coloured printing on the two panes, the start of a talk and the answer to one typed line.
// Colours are colour words; kPaneColor (0) picks the pane's default colour, so black itself
// cannot be asked for.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "text/Vesk3_console.h"

// The colour a print names to get its pane's default text colour.
constexpr platform::ColorWord kPaneColor{0};
// The panes' default text colours: a brown for the console, a blue for the input line.
constexpr platform::ColorWord kConsoleTextColor{0x00206080};
constexpr platform::ColorWord kInputTextColor = TInputWindow::kTextColor;

// Print on the console and present it at once: SayLine ends the row, SayPart lets the next print
// go on along the same row.
void SayLine(platform::ColorWord Color, const std::u16string& Text);
void SayPart(platform::ColorWord Color, const std::u16string& Text);
// Hears every print on the console as text, as it is printed (`LineEnds` after SayLine): for a
// player who cannot see the pane. Unset, nobody hears.
extern std::function<void(const std::u16string& Text, bool LineEnds)> ConsoleListener;
// Hears the line the player hands to the talk with Enter, before it is answered. Unset, nobody
// hears.
extern std::function<void(const std::u16string& Text)> TypedLineListener;
// Shows Text as the input line being typed and presents the input pane.
void EchoInput(platform::ColorWord Color, const std::u16string& Text);

// Opens a talk with the person on map cell (X, Y).
void StartTalk(int32_t X, int32_t Y);
// The talk modes Converse takes: who answers the line.
constexpr int32_t kKingMode = 1;            // the king, from his table
constexpr int32_t kSomeoneElseMode = 2;     // anyone else (as is every other non-zero mode)
constexpr int32_t kUseDefaultTalkMode = 0;  // a typed line: the default talk mode, the king's
// Answers one line in the given talk mode.
void Converse(int32_t Mode, const std::u16string& Text);
