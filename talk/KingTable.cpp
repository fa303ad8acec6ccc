// The king's keyword table. The first rows lead a new player from the greeting to the king's
// secret; the rows after it tell where the game comes from, who made it and who helped, and end
// with a few plain replies.
#include "talk/KingTable.h"

namespace {

constexpr platform::ColorWord kRed{0x000000FF};
constexpr platform::ColorWord kMagenta{0x00FF00FF};
constexpr platform::ColorWord kCyan{0x00FFFF00};

constexpr TSay Line(std::u16string_view text) { return {TSayKind::Line, {}, text}; }
constexpr TSay Part(std::u16string_view text, platform::ColorWord color = {}) {
  return {TSayKind::Part, color, text};
}
constexpr TSay Farewell(std::u16string_view text) { return {TSayKind::Farewell, {}, text}; }

}  // namespace

const std::vector<TKingRow>& KingTable() {
  static const std::vector<TKingRow> table = {
      // The guided path: greeting, the king's name, the maker's name.
      {{u"안녕"},
       {Line(u"안녕하신가. 아시다시피 나는 카르벤일쎄"), Part(u"밑의 입력창에다가 \""),
        Part(u"카르벤", kRed), Line(u"\"이라고 타이핑해보게나")}},
      {{u"카르벤"},
       {Line(u"그래, 그것은 나의 이름이지."),
        Line(u"그렇다면 이 세계를 만든 사람의 이름을 아는가?")}},
      {{u"무라셴"},
       {Line(u"음.. 잘 알고 있군"), Line(u"방금의 그 대화 방식을 대충 이해하겠는가?"),
        Line(u"원래는 이런 식의 게임을 만들고 싶었다네"),
        Line(u"뭐, 그 당시의 게임들은 대부분 이런 식이었거든"),
        Line(u"하지만 그때의 실력으로는 한글 입력 받을 실력이"), Line(u"안되었지"), Line(u""),
        Line(u"사실 이 게임은 그리 훌륭하지도 않은 게임이네"),
        Line(u"뭐랄까 그 당시 게임들을 적당히 뒤섞은 것이라고나"), Part(u"할까? 어쨌든 "),
        Part(u"비밀", kMagenta), Line(u"을 알려주지")}},

      // Where the game comes from: four older games and the company behind the last one.
      {{u"비밀"},
       {Line(u"이 게임은 타벨룬, 푸른 성채의 기사, 시간의 방랑자,"),
        Line(u"할로딘 섬 이야기의 시스템을 적당히 섞은 것이네"),
        Line(u"새로 만든 것은 시나리오뿐이라네")}},
      {{u"타벨룬"},
       {Line(u"타벨룬에서는 위에서 내려다보는 지도와"), Line(u"전체적인 진행 방식을 가져왔지"),
        Line(u"나 카르벤도 결국 로드 케스텔의 스테레오타입이라네")}},
      {{u"로드케스"}, {Line(u"로드 케스텔은 타벨룬을 만든 라일 케스너를 가리키지")}},
      {{u"라일케스"},
       {Line(u"그런 건 나 말고 인터넷에 물어보게나"),
        Line(u"요즘은 하늘을 떠다니는 도시 게임을 만든다더군")}},
      {{u"스테레오"}, {Line(u"영어써서 미안하네"), Line(u"어쩌겠나. 억울하면 자네가 왕하시게")}},
      {{u"푸른성채"},
       {Line(u"푸른 성채의 기사는 화면 구성이 이 게임과 거의 같지"),
        Line(u"특히 아래쪽의 상태 창은 그대로 가져왔다네"),
        Line(u"두 게임을 나란히 놓고 보면 금방 알 걸세")}},
      {{u"시간의방"},
       {Line(u"시간의 방랑자에서도 많은 것을 빌려왔지"),
        Line(u"적들의 이름 가운데 상당수가 거기서 왔고"),
        Line(u"글로 풀어 가는 전투 방식도 그 게임에서 따왔다네")}},
      {{u"할로딘섬"},
       {Line(u"할로딘 섬 이야기는 달무리에서 만든 롤플레잉이네"),
        Line(u"이 게임의 지도 배치는 그 게임을 많이 닮았지"),
        Line(u"월드맵과 마을을 이어 놓은 방식도 그렇고"),
        Line(u"곳곳에 숨겨 둔 퍼즐도 그 게임에서 배운 것이라네"), Line(u"참 잘 만든 게임이었지")}},
      {{u"달무리"}, {Line(u"달무리? 게임을 만드는 회사라네")}},
      {{u"롤플레잉"}, {Line(u"이런 것은 일일이 묻지 말게나")}},
      {{u"월드맵", u"시나리오"}, {Line(u"영어라서 이해 못 하는 것은 아닐테고...")}},

      // An empty line says goodbye.
      {{u""}, {Farewell(u"잘 가게나")}},

      // Plain replies.
      {{u"게임"}, {Line(u"이것은 게임이긴하지? 그래서 원하는게 뭔가?")}},
      {{u"한글"}, {Line(u"한글? 자네는 한글 모르나?")}},
      {{u"실력"}, {Line(u"실력이라... 모든 것을 실력으로 평가할수야 없지")}},
      {{u"알지", u"안다"}, {Line(u"알면 알려줘보게나")}},
      {{u"몰라", u"모른다", u"아니"},
       {Part(u"그런가? 그렇다면 "), Part(u"무라셴", kCyan), Line(u"라고입력해보게")}},
      {{u"그래"}, {Line(u"그래? 반말이냐?")}},
      {{u"싫어", u"싫다"}, {Line(u"싫으면 말고")}},

      // The castle, the series and this game's own title.
      {{u"하론"}, {Line(u"하론? 그건 바로 이 성의 이름이라네")}},
      {{u"어둠의베"}, {Line(u"어둠의 베스크... 그 이름은 떠올리고 싶지 않네")}},
      {{u"베스크의"}, {Line(u"베스크의 전설 기념판, 줄여서 베전기라고 하지")}},
      {{u"베전기"}, {Line(u"그런 것까지 하나하나 묻지는 말게나")}},
      {{u"배전기", u"무셴", u"셴돌이"},
       {Line(u"헉! 자네 도대체 누구인가?"), Line(u"너무 많은 것을 알려고 하는구먼")}},

      // The maker's family and the hero his younger sister named first.
      {{u"도란", u"다올", u"새별"}, {Line(u"그건 무라셴 여동생의 이름이 아닌가?")}},
      {{u"바람의검"}, {Line(u"바람의 검사라면 에이렌을 말하는 것이겠군")}},
      {{u"에이렌하", u"에이렌", u"하르트"},
       {Line(u"그 이름은 무라셴의 동생이 먼저 쓰던 것이라네")}},
      {{u"동생"}, {Line(u"여동생 말인가? 아마 새별이라고 했지")}},

      // The maker's other games.
      {{u"네리안의"},
       {Line(u"네리안의 노래는 베스크의 배경 이야기만 가져다가"),
        Line(u"다시 만든 게임이지. 원래 2편으로 끝낼 셈이었거든")}},
      {{u"아스벨린", u"아스베린"},
       {Line(u"아스벨린은 무라셴이 만들려던 궁극의 게임 시스템의"), Line(u"시험용 시나리오였다네"),
        Line(u"그런데 사는 게 바빠서 2편조차 만들지 못하고"), Line(u"그대로 멈춰 버렸지"),
        Line(u"뭐, 그만큼 잘 살고 있다는 뜻이겠지")}},

      // Staff and friends.
      {{u"깨알", u"kkae", u"ggae"},
       {Line(u"깨알은 아스벨린의 타일을 그려 준 훌륭한 도터맨이지"),
        Line(u"살아가는 데에도 큰 도움을 준 고마운 사람이네")}},
      {{u"도터맨"}, {Line(u"점을 찍어서 그림을 완성하는 직업이랄까...")}},
      {{u"별지기", u"서하람", u"hr"},
       {Line(u"서하람이 궁금하면 그 사람의 홈페이지에 가보게나"),
        Line(u"주소는 www.example.com/~byeol 이라네")}},
      {{u"오세린", u"달팽이", u"달팽", u"팽이", u"sr"},
       {Line(u"달팽이의 홈페이지는 www.example.org/~snail 일세")}},
      {{u"류지한", u"지한님", u"곰돌이"},
       {Line(u"지한님은 www.example.com/~jihan 에 홈페이지가 있지")}},
      {{u"초록별", u"초록이", u"초록", u"chor", u"탁여울"}, {Line(u"오, 여울이 아닌가! 반갑네")}},
      {{u"먹보", u"남궁현", u"ngh"}, {Line(u"아 참, 자네한테 빌린 게임을 아직 못 돌려줬군")}},
      {{u"떠돌이", u"기도담"}, {Line(u"어이, 자네가 여기까지 어쩐 일인가?")}},

      {{u"바보", u"변태"}, {Line(u"그건 당신 이야기오")}},
      {{u"천재", u"나는천재"}, {Line(u"꼭 이런거 타이핑하는 사람이 있다니까...")}},
      {{u"구린성채"}, {Line(u"구린 성채? 그런 게임은 들어 본 적이 없네")}},
      {{u"빈새롬"}, {Line(u"좋은 시간 보내게나. 그럼 잘 가게")}},
      {{u"감귤요정"},
       {Line(u"자네 감귤요정을 아는가?"), Line(u"그 사람이 어디 있는지 알면 좀 알려주게나")}},
  };
  return table;
}

const std::array<std::u16string_view, 5> KingRandomAnswers = {
    u"미안하네. 잘 모르겠네", u"그래서?", u"뭘 원하는겐가?", u"알아듣게 이야기 해주게나",
    u"무슨 말인지 잘 모르겠군"};

std::vector<std::u16string> ConsoleRowsOf(const TKingRow& Row) {
  std::vector<std::u16string> rows;
  std::u16string pending;
  for (const TSay& say : Row.Answer) {
    pending += say.Text;
    if (say.Kind == TSayKind::Part) continue;  // the row goes on
    rows.push_back(pending);
    pending.clear();
  }
  return rows;
}
