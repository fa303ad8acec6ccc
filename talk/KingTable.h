// KingTable: the king's whole vocabulary as plain data. Rows are tried in order and the first row
// holding the keyword answers with its fixed sequence of prints; a word no row holds gets one of
// the random answers. Keywords are at most four characters, without spaces or upper-case letters,
// and every printed row fits the console's 50 columns.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/image/Color.h"

enum class TSayKind {
  Line,      // SayLine: the text ends the console row
  Part,      // SayPart: the next print goes on along the same row
  Farewell,  // the text ends the talk
};

struct TSay {
  TSayKind Kind;
  platform::ColorWord Color;  // 0 = the console's default colour
  std::u16string_view Text;
};

struct TKingRow {
  std::vector<std::u16string_view> Keywords;
  std::vector<TSay> Answer;
};

const std::vector<TKingRow>& KingTable();

// The console rows that a row's answer fills, its pieces joined, in print order.
std::vector<std::u16string> ConsoleRowsOf(const TKingRow& Row);

// The answers to a word that no row holds, picked by the game's random generator.
extern const std::array<std::u16string_view, 5> KingRandomAnswers;

// What everyone but the king says before the talk ends.
constexpr std::u16string_view kSendToKing = u"카르벤에게 가보시오";
