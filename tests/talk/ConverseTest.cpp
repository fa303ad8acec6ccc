// Talking with the king and with everyone else, checked on real panes.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "TalkPanes.h"
#include "platform/system/CodePage.h"
#include "talk/KingTable.h"
#include "talk/Talk.h"
#include "text/Vesk3_console.h"

namespace {

const std::vector<ConsoleRow> kGreeting = {
    Brown(u"안녕하신가. 아시다시피 나는 카르벤일쎄"),
    {{kBrown, u"밑의 입력창에다가 \""}, {kRed, u"카르벤"}, {kBrown, u"\"이라고 타이핑해보게나"}},
    {},
};
const std::vector<ConsoleRow> kKingsName = {
    Brown(u"그래, 그것은 나의 이름이지."),
    Brown(u"그렇다면 이 세계를 만든 사람의 이름을 아는가?"),
    {},
};
const std::vector<ConsoleRow> kSentToKing = {Brown(u"카르벤에게 가보시오"), {}};

std::vector<ConsoleRow> Then(std::vector<ConsoleRow> first, const std::vector<ConsoleRow>& next) {
  first.insert(first.end(), next.begin(), next.end());
  return first;
}

// The input pane's cursor cell: right of the prompt and the last shown text.
bool CursorCellIsWhite(const TInputWindow& pane) {
  const int32_t column = pane.Cursor.X + static_cast<int32_t>(pane.InputText.size());
  for (int32_t y = pane.Cursor.Y * 16; y < pane.Cursor.Y * 16 + 16; ++y) {
    for (int32_t x = column * 8; x < column * 8 + 8; ++x) {
      if (pane.Bitmap.Pixel(x, y) != platform::ToPixel(platform::kWhite)) return false;
    }
  }
  return true;
}

// The part of the window where a pane is presented.
platform::Bitmap ShownOnWindow(platform::Bitmap& window, const TConsoleWindow& pane) {
  const platform::Rect area =
      platform::RectAt(pane.Origin.X, pane.Origin.Y, pane.Bitmap.Width(), pane.Bitmap.Height());
  platform::Bitmap shown(area.Width(), area.Height());
  shown.CopyRect(platform::RectAt(0, 0, area.Width(), area.Height()), window, area);
  return shown;
}

TEST_F(TalkTest, KingGreetsOnHisCellWithHisNameInRed) {
  StartTalk(50, 27);
  EXPECT_TRUE(form.Talking);
  ExpectConsole(kGreeting);
  // "밑의 입력창에다가 \"" takes 19 columns; the name follows in the next six.
  EXPECT_TRUE(CellsInkedOnlyIn(ConsoleWindow->Bitmap, 1, 19, 6, kRed));
  EXPECT_TRUE(CellsInkedOnlyIn(ConsoleWindow->Bitmap, 1, 0, 19, kBrown));
  // Printing presents the console on the window at once.
  EXPECT_EQ(FirstDifferentRow(ShownOnWindow(form.Canvas(), *ConsoleWindow), ConsoleWindow->Bitmap),
            -1);
}

TEST_F(TalkTest, EveryPrintShowsAtOnceAndColourZeroIsThePanesOwn) {
  SayPart(kPaneColor, u"왕");
  EXPECT_TRUE(CellsInkedOnlyIn(ConsoleWindow->Bitmap, 0, 0, 2, kBrown));
  EXPECT_EQ(ConsoleWindow->Cursor.X, 2);
  EXPECT_EQ(FirstDifferentRow(ShownOnWindow(form.Canvas(), *ConsoleWindow), ConsoleWindow->Bitmap),
            -1);
  EchoInput(kPaneColor, u"성");
  EXPECT_TRUE(CellsInkedOnlyIn(InputWindow->Bitmap, 0, 1, 2, kBlue));
  EXPECT_EQ(FirstDifferentRow(ShownOnWindow(form.Canvas(), *InputWindow), InputWindow->Bitmap), -1);
  EchoInput(kRed, u"성");
  EXPECT_TRUE(CellsInkedOnlyIn(InputWindow->Bitmap, 0, 1, 2, kRed));
}

TEST_F(TalkTest, AListenerHearsEveryPrintOnTheConsoleWithItsLineEnds) {
  std::vector<std::pair<std::u16string, bool>> heard;
  ConsoleListener = [&](const std::u16string& text, bool lineEnds) {
    heard.emplace_back(text, lineEnds);
  };
  StartTalk(50, 27);
  ConsoleListener = nullptr;
  const std::vector<std::pair<std::u16string, bool>> greeting = {
      {u"안녕하신가. 아시다시피 나는 카르벤일쎄", true},
      {u"밑의 입력창에다가 \"", false},
      {u"카르벤", false},
      {u"\"이라고 타이핑해보게나", true},
      {u"", true}};
  EXPECT_EQ(heard, greeting);
}

TEST_F(TalkTest, EveryoneElseSendsThePlayerToTheKingAndTheTalkEnds) {
  // The cells around the king's, and his cell with x and y swapped.
  const std::vector<std::pair<int32_t, int32_t>> cells = {{51, 28}, {49, 26}, {50, 28},
                                                          {51, 27}, {27, 50}, {50, 50}};
  std::vector<ConsoleRow> said;
  for (auto [x, y] : cells) {
    StartTalk(x, y);
    EXPECT_FALSE(form.Talking) << x << ", " << y;
    said = Then(said, kSentToKing);
  }
  ExpectConsole(said);
  // Each end of a talk opens a new prompt row and leaves no cursor block.
  EXPECT_EQ(InputWindow->Cursor.Y, 4);  // six rows on a pane that scrolls from its fifth
  EXPECT_EQ(InputWindow->Cursor.X, 1);
  EXPECT_FALSE(InputWindow->CursorShown);
  EXPECT_TRUE(CursorCellIsWhite(*InputWindow));
}

TEST_F(TalkTest, StartingATalkEmptiesWhatWasTypedWhileWalking) {
  form.Edit1.SetText("abc");
  StartTalk(50, 27);
  EXPECT_EQ(form.Edit1.Text(), "");
  // The emptied line is echoed, since the talk is already open: the block stands after ">".
  EXPECT_EQ(InputWindow->InputText, "");
  EXPECT_TRUE(InputWindow->CursorShown);
  EXPECT_FALSE(CursorCellIsWhite(*InputWindow));

  FreshPanes();
  StartTalk(50, 27);  // nothing typed: nothing changes, nothing is echoed
  EXPECT_FALSE(InputWindow->CursorShown);
}

TEST_F(TalkTest, LinesAreJudgedByTheirFirstFourCharacters) {
  Converse(1, u"안녕하세요");  // 안녕하세: a random answer
  Converse(1, u"카르벤일쎄");  // 카르벤일: not the king's name
  Converse(1, u"안녕");
  Converse(1, u"스테레오타입");  // 스테레오
  ExpectConsole(Then(
      Then({Brown(u"미안하네. 잘 모르겠네"), {}, Brown(u"미안하네. 잘 모르겠네"), {}}, kGreeting),
      {Brown(u"영어써서 미안하네"), Brown(u"어쩌겠나. 억울하면 자네가 왕하시게"), {}}));
}

TEST_F(TalkTest, SpacesAnywhereAreIgnored) {
  Converse(1, u" 카 르벤 ");
  Converse(1, u"나는 천재");
  // However many spaces come first, the word after them still counts.
  Converse(1, std::u16string(70000, u' ') + u"카르벤");
  ExpectConsole(
      Then(Then(kKingsName, {Brown(u"꼭 이런거 타이핑하는 사람이 있다니까..."), {}}), kKingsName));
}

TEST_F(TalkTest, UpperCaseLettersMatchLowerCaseKeywords) {
  Converse(1, u"CHOR");
  Converse(1, u"ChOr");
  const ConsoleRow greeting = Brown(u"오, 여울이 아닌가! 반갑네");
  ExpectConsole({greeting, {}, greeting, {}});
}

TEST_F(TalkTest, AnEmptyOrBlankLineSaysFarewellAndGoesBackToWalking) {
  for (const char* typed : {"", "   "}) {
    FreshPanes();
    StartTalk(50, 27);
    form.Edit1.SetText(typed);
    char enter = 13;
    form.Edit1KeyPress(enter);
    EXPECT_FALSE(form.Talking) << '"' << typed << '"';
    ExpectConsole(Then(kGreeting, {Brown(u"잘 가게나"), {}}));
    // The Enter row, then the fresh prompt row of the farewell, with no block on it.
    EXPECT_EQ(InputWindow->Cursor.Y, 2);
    EXPECT_EQ(InputWindow->Cursor.X, 1);
    EXPECT_FALSE(InputWindow->CursorShown);
    EXPECT_TRUE(CursorCellIsWhite(*InputWindow));
  }
}

TEST_F(TalkTest, TheFirstUnmatchedLinesOfARunGetTheSameRandomAnswers) {
  for (const char16_t* line : {u"뭐", u"hello", u"왕관"}) Converse(0, line);
  ExpectConsole({Brown(u"미안하네. 잘 모르겠네"),
                 {},
                 Brown(u"미안하네. 잘 모르겠네"),
                 {},
                 Brown(u"무슨 말인지 잘 모르겠군"),
                 {}});
}

TEST_F(TalkTest, ModeZeroTalksToTheKingAndOtherModesSendThePlayerAway) {
  form.Talking = true;
  Converse(0, u"카르벤");
  EXPECT_TRUE(form.Talking);
  Converse(3, u"카르벤");
  EXPECT_FALSE(form.Talking);
  ExpectConsole(Then(kKingsName, kSentToKing));
}

TEST_F(TalkTest, TheMakersNameOpensTheSecretWithItsWordInMagenta) {
  Converse(1, u"무라셴");
  ExpectConsole({
      Brown(u"음.. 잘 알고 있군"),
      Brown(u"방금의 그 대화 방식을 대충 이해하겠는가?"),
      Brown(u"원래는 이런 식의 게임을 만들고 싶었다네"),
      Brown(u"뭐, 그 당시의 게임들은 대부분 이런 식이었거든"),
      Brown(u"하지만 그때의 실력으로는 한글 입력 받을 실력이"),
      Brown(u"안되었지"),
      {},
      Brown(u"사실 이 게임은 그리 훌륭하지도 않은 게임이네"),
      Brown(u"뭐랄까 그 당시 게임들을 적당히 뒤섞은 것이라고나"),
      {{kBrown, u"할까? 어쨌든 "}, {kMagenta, u"비밀"}, {kBrown, u"을 알려주지"}},
      {},
  });
  EXPECT_TRUE(CellsInkedOnlyIn(ConsoleWindow->Bitmap, 9, 13, 4, kMagenta));
}

TEST_F(TalkTest, NotKnowingTheMakerGetsHisNameInCyanOnOneRow) {
  for (const char16_t* line : {u"몰라", u"모른다", u"아니"}) {
    FreshPanes();
    Converse(1, line);
    ExpectConsole(
        {{{kBrown, u"그런가? 그렇다면 "}, {kCyan, u"무라셴"}, {kBrown, u"라고입력해보게"}}, {}});
    EXPECT_TRUE(CellsInkedOnlyIn(ConsoleWindow->Bitmap, 0, 17, 6, kCyan));
  }
}

TEST_F(TalkTest, PairedKeywordsGiveTheSameAnswer) {
  const std::vector<std::vector<std::u16string>> pairs = {
      {u"월드맵", u"시나리오"}, {u"알지", u"안다"},     {u"싫어", u"싫다"},
      {u"바보", u"변태"},       {u"천재", u"나는천재"},
  };
  for (const auto& pair : pairs) {
    FreshPanes();
    Converse(1, pair[0]);
    const platform::Bitmap first = ConsoleWindow->Bitmap;
    FreshPanes();
    Converse(1, pair[1]);
    EXPECT_EQ(FirstDifferentRow(ConsoleWindow->Bitmap, first), -1) << platform::WideToUtf8(pair[1]);
    EXPECT_EQ(ConsoleWindow->Cursor.Y, 2);
  }
}

// The console rows of a row's answer as the player should see them, colour 0 drawn in brown.
std::vector<ConsoleRow> AnswerOf(const TKingRow& row) {
  std::vector<ConsoleRow> rows(1);
  for (const TSay& say : row.Answer) {
    rows.back().push_back({say.Color == kPaneColor ? kBrown : say.Color, std::u16string(say.Text)});
    if (say.Kind != TSayKind::Part) rows.emplace_back();
  }
  return rows;  // ends with the empty row that follows every answer
}

TEST_F(TalkTest, EveryKeywordGetsItsRowsAnswerAndOneEmptyRow) {
  for (const TKingRow& row : KingTable()) {
    for (std::u16string_view keyword : row.Keywords) {
      FreshPanes();
      form.Talking = true;
      Converse(0, std::u16string(keyword));
      SCOPED_TRACE(platform::WideToUtf8(keyword));
      ExpectConsole(AnswerOf(row));
      EXPECT_EQ(form.Talking, !keyword.empty());
    }
  }
}

}  // namespace
