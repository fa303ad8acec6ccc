// The king's table: its shape, the limits every keyword and line keeps, and the fixed texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "platform/system/CodePage.h"
#include "talk/KingTable.h"

namespace {

std::string Utf8(std::u16string_view text) { return platform::WideToUtf8(text); }

bool IsAsciiOrSyllable(char16_t ch) {
  return (ch >= 0x20 && ch < 0x7F) || (ch >= 0xAC00 && ch <= 0xD7A3);
}

// Everything a row says, without spaces, to look for the words it names.
std::u16string Spoken(const TKingRow& row) {
  std::u16string all;
  for (const TSay& say : row.Answer) all += say.Text;
  std::erase(all, u' ');
  return all;
}

struct Shape {
  size_t Keywords;
  size_t Rows;
};
// Keywords and console rows of every row, in table order.
const std::vector<Shape> kShapes = {
    {1, 2}, {1, 2}, {1, 10}, {1, 3}, {1, 3}, {1, 1}, {1, 2}, {1, 2}, {1, 3}, {1, 3},  // 1-10
    {1, 5}, {1, 1}, {1, 1},  {2, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {2, 1}, {3, 1},  // 11-20
    {1, 1}, {2, 1}, {1, 1},  {1, 1}, {1, 1}, {1, 1}, {3, 2}, {3, 1}, {1, 1}, {3, 1},  // 21-30
    {1, 1}, {1, 2}, {2, 5},  {3, 2}, {1, 1}, {3, 2}, {5, 1}, {3, 1}, {5, 1}, {3, 1},  // 31-40
    {2, 1}, {2, 1}, {2, 1},  {1, 1}, {1, 1}, {1, 2},                                  // 41-46
};

const TKingRow& Row(size_t number) { return KingTable().at(number - 1); }

TEST(KingTableTest, HasEveryRowWithItsNumberOfKeywordsAndLines) {
  ASSERT_EQ(KingTable().size(), kShapes.size());
  for (size_t i = 0; i < kShapes.size(); ++i) {
    EXPECT_EQ(KingTable()[i].Keywords.size(), kShapes[i].Keywords) << "row " << i + 1;
    EXPECT_EQ(ConsoleRowsOf(KingTable()[i]).size(), kShapes[i].Rows) << "row " << i + 1;
    // A row never ends on a piece, which would leave the empty row after it half written.
    EXPECT_NE(KingTable()[i].Answer.back().Kind, TSayKind::Part) << "row " << i + 1;
  }
}

TEST(KingTableTest, KeywordsAreShortLowerCaseAndOfOneRowOnly) {
  std::map<std::u16string_view, size_t> owner;
  for (size_t i = 0; i < KingTable().size(); ++i) {
    for (std::u16string_view keyword : KingTable()[i].Keywords) {
      const std::string shown = Utf8(keyword) + " (row " + std::to_string(i + 1) + ")";
      EXPECT_LE(keyword.size(), 4u) << shown;
      EXPECT_TRUE(std::all_of(keyword.begin(), keyword.end(), [](char16_t ch) {
        return IsAsciiOrSyllable(ch) && ch != u' ' && !(ch >= u'A' && ch <= u'Z');
      })) << shown;
      EXPECT_TRUE(owner.emplace(keyword, i + 1).second)
          << shown << " is already a keyword of row " << owner[keyword];
      EXPECT_EQ(keyword.empty(), i + 1 == 15) << shown;
    }
  }
}

TEST(KingTableTest, EveryLineFitsTheConsoleAndTheFonts) {
  for (size_t i = 0; i < KingTable().size(); ++i) {
    for (const std::u16string& line : ConsoleRowsOf(KingTable()[i])) {
      EXPECT_LE(platform::WideToCodePage(line).size(), 50u) << Utf8(line);
      EXPECT_TRUE(std::all_of(line.begin(), line.end(), IsAsciiOrSyllable)) << Utf8(line);
    }
  }
  for (std::u16string_view line : KingRandomAnswers) {
    EXPECT_LE(platform::WideToCodePage(line).size(), 50u) << Utf8(line);
  }
}

TEST(KingTableTest, WebAddressesAreOnlyExampleDomains) {
  const std::regex domain(R"(([A-Za-z0-9-]+\.)+[A-Za-z]{2,})");
  const std::regex allowed(R"((www\.)?example\.(com|org))");
  size_t addresses = 0;
  for (const TKingRow& row : KingTable()) {
    for (const TSay& say : row.Answer) {
      const std::string text = Utf8(say.Text);
      for (auto it = std::sregex_iterator(text.begin(), text.end(), domain);
           it != std::sregex_iterator(); ++it) {
        EXPECT_TRUE(std::regex_match(it->str(), allowed)) << text;
        ++addresses;
      }
    }
  }
  EXPECT_GE(addresses, 3u);  // the three rows that give a web site by address
  for (size_t number : {36, 37, 38}) {
    EXPECT_NE(Spoken(Row(number)).find(u"example."), std::u16string::npos) << "row " << number;
  }
}

TEST(KingTableTest, OnlyTheGuidedPathAndTheMakersNameUseColoursAndPieces) {
  const std::map<size_t, uint32_t> coloured = {{1, 0x0000FF}, {3, 0xFF00FF}, {20, 0xFFFF00}};
  for (size_t i = 0; i < KingTable().size(); ++i) {
    std::vector<uint32_t> colours;
    bool pieces = false;
    for (const TSay& say : KingTable()[i].Answer) {
      if (say.Color != platform::ColorWord(0)) colours.push_back(say.Color.Value);
      pieces = pieces || say.Kind == TSayKind::Part;
    }
    const auto special = coloured.find(i + 1);
    if (special == coloured.end()) {
      EXPECT_TRUE(colours.empty() && !pieces) << "row " << i + 1;
    } else {
      EXPECT_EQ(colours, std::vector<uint32_t>{special->second}) << "row " << i + 1;
    }
  }
  // The coloured word stands alone, between two pieces of the same row.
  EXPECT_EQ(Row(1).Answer[2].Text, u"카르벤");
  EXPECT_EQ(Row(3).Answer[10].Text, u"비밀");
  EXPECT_EQ(Row(20).Answer[1].Text, u"무라셴");
}

TEST(KingTableTest, FixedRowsSayTheirOwnWords) {
  struct Fixed {
    size_t Number;
    std::vector<std::u16string_view> Keywords;
    std::vector<std::u16string_view> Lines;
  };
  const std::vector<Fixed> fixed = {
      {8, {u"스테레오"}, {u"영어써서 미안하네", u"어쩌겠나. 억울하면 자네가 왕하시게"}},
      {13, {u"롤플레잉"}, {u"이런 것은 일일이 묻지 말게나"}},
      {14, {u"월드맵", u"시나리오"}, {u"영어라서 이해 못 하는 것은 아닐테고..."}},
      {15, {u""}, {u"잘 가게나"}},
      {16, {u"게임"}, {u"이것은 게임이긴하지? 그래서 원하는게 뭔가?"}},
      {17, {u"한글"}, {u"한글? 자네는 한글 모르나?"}},
      {18, {u"실력"}, {u"실력이라... 모든 것을 실력으로 평가할수야 없지"}},
      {19, {u"알지", u"안다"}, {u"알면 알려줘보게나"}},
      {20, {u"몰라", u"모른다", u"아니"}, {u"그런가? 그렇다면 무라셴라고입력해보게"}},
      {21, {u"그래"}, {u"그래? 반말이냐?"}},
      {22, {u"싫어", u"싫다"}, {u"싫으면 말고"}},
      {35, {u"도터맨"}, {u"점을 찍어서 그림을 완성하는 직업이랄까..."}},
      {42, {u"바보", u"변태"}, {u"그건 당신 이야기오"}},
      {43, {u"천재", u"나는천재"}, {u"꼭 이런거 타이핑하는 사람이 있다니까..."}},
  };
  for (const Fixed& row : fixed) {
    EXPECT_EQ(Row(row.Number).Keywords, row.Keywords) << "row " << row.Number;
    const std::vector<std::u16string> lines = ConsoleRowsOf(Row(row.Number));
    EXPECT_EQ(std::vector<std::u16string>(row.Lines.begin(), row.Lines.end()), lines)
        << "row " << row.Number;
  }
  EXPECT_EQ(Row(1).Keywords, std::vector<std::u16string_view>{u"안녕"});
  EXPECT_EQ(Row(2).Keywords, std::vector<std::u16string_view>{u"카르벤"});
  EXPECT_EQ(Row(3).Keywords, std::vector<std::u16string_view>{u"무라셴"});
  EXPECT_EQ(Row(4).Keywords, std::vector<std::u16string_view>{u"비밀"});
  EXPECT_EQ(Row(31).Keywords, std::vector<std::u16string_view>{u"동생"});
  EXPECT_EQ(Row(15).Answer.at(0).Kind, TSayKind::Farewell);
}

TEST(KingTableTest, EachStoryRowNamesTheWordThatLeadsOn) {
  // (row that speaks, row whose keyword it names)
  const std::vector<std::pair<size_t, size_t>> leads = {
      {3, 4},   {4, 5},   {4, 9},   {4, 10},  {4, 11},  {5, 6},   {5, 8},  {6, 7},
      {11, 12}, {25, 26}, {29, 30}, {31, 28}, {34, 33}, {34, 35}, {20, 3},
  };
  for (auto [speaker, named] : leads) {
    const std::u16string spoken = Spoken(Row(speaker));
    const auto& keywords = Row(named).Keywords;
    EXPECT_TRUE(std::any_of(
        keywords.begin(), keywords.end(),
        [&](std::u16string_view keyword) { return spoken.find(keyword) != std::u16string::npos; }))
        << "row " << speaker << " should name a keyword of row " << named;
  }
  EXPECT_NE(Spoken(Row(5)).find(u"스테레오타입"), std::u16string::npos);
  // A character's name cut to four syllables, then its two parts.
  const auto& name = Row(30).Keywords;
  EXPECT_EQ(name[0], (std::u16string(name[1]) + std::u16string(name[2])).substr(0, 4));
  EXPECT_EQ(Row(23).Keywords[0].size(), 2u);  // the castle's two syllables
  EXPECT_EQ(Row(26).Keywords[0].size(), 3u);  // the title's abbreviation
  EXPECT_EQ(Row(46).Keywords[0].size(), 4u);  // a four-syllable nickname
}

}  // namespace
