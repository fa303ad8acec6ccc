// The frame of a talk: who is talked to, how a typed line becomes the king's answer, and how a
// talk ends.
#include "talk/Talk.h"

#include <string>

#include "app/Vesk3_main.h"
#include "talk/Keyword.h"
#include "talk/KingTable.h"
#include "talk/Random.h"
#include "text/Vesk3_console.h"

namespace {

constexpr int32_t kDefaultTalkMode = kKingMode;  // the mode of a typed line

// Prints the last line, hands the keyboard back to walking and leaves a fresh prompt row with no
// cursor block, since the timer no longer blinks it.
void EndTalk(std::u16string_view Text) {
  SayLine(kPaneColor, std::u16string(Text));
  Form1->Talking = false;
  InputWindow->WriteLine("");
  InputWindow->CursorOff();
}

const TKingRow* FindKingRow(const std::u16string& Keyword) {
  for (const TKingRow& row : KingTable()) {
    for (std::u16string_view candidate : row.Keywords) {
      if (candidate == Keyword) return &row;
    }
  }
  return nullptr;
}

void Say(const TSay& say) {
  const std::u16string text(say.Text);
  switch (say.Kind) {
    case TSayKind::Line:
      SayLine(say.Color, text);
      break;
    case TSayKind::Part:
      SayPart(say.Color, text);
      break;
    case TSayKind::Farewell:
      EndTalk(text);
      break;
  }
}

}  // namespace

void StartTalk(int32_t X, int32_t Y) {
  // The king's cell, counted from 1 as the map's designer wrote it.
  const auto IsKingCell = [X, Y](int32_t Column, int32_t Row) {
    return X == Column - 1 && Y == Row - 1;
  };
  Form1->Talking = true;
  Form1->Edit1.SetText("");
  Converse(IsKingCell(51, 28) ? kKingMode : kSomeoneElseMode, u"안녕");
}

void Converse(int32_t Mode, const std::u16string& Text) {
  if (Mode == kUseDefaultTalkMode) Mode = kDefaultTalkMode;
  const std::u16string keyword = KeywordOf(Text);
  if (Mode != kKingMode) {
    EndTalk(kSendToKing);
  } else if (const TKingRow* row = FindKingRow(keyword)) {
    for (const TSay& say : row->Answer) Say(say);
  } else {
    SayLine(kPaneColor, std::u16string(KingRandomAnswers[RandomBelow(KingRandomAnswers.size())]));
  }
  SayLine(kPaneColor,
          u"");  // every answer, the last one of a talk included, ends with an empty row
}
