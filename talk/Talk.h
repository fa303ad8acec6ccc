// Talk: coloured printing on the two panes, the start of a talk and the answer to one typed line.
// Colours are colour words 0x00BBGGRR; 0 picks the pane's default colour.
#pragma once

#include <cstdint>
#include <string>

void SayLine(uint32_t Color, const std::u16string& Text);
void SayPart(uint32_t Color, const std::u16string& Text);
void EchoInput(uint32_t Color, const std::u16string& Text);

// Opens a talk with the person on map cell (X, Y).
void StartTalk(int32_t X, int32_t Y);
// Answers one line. Mode 1 = the king, any other non-zero = someone else, 0 = DefaultTalkMode.
void Converse(int32_t Mode, const std::u16string& Text);

extern int32_t DefaultTalkMode;
