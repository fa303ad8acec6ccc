// Whatever the player types while talking to the king (very long lines, characters the Korean
// code page cannot hold, control characters, loose Hangul letters, blank lines) is echoed and
// answered, and nothing is drawn outside the two text panes.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "GameInProcess.h"
#include "TestSupport.h"
#include "platform/input/Keys.h"
#include "platform/system/CodePage.h"
#include "talk/Talk.h"
#include "text/Vesk3_console.h"

using namespace testing_support;

namespace {

const Area kConsolePane{225, 0, 400, 336};
const Area kInputPane{225, 350, 400, 96};

class TypedText : public ::testing::Test {
 protected:
  TypedText() {
    CopyAllData();
    EXPECT_FALSE(StartGameObjects(form));
    form.Paint();
    form.PrepareFrame();
  }

  // Types `text` to the king, one change a character, or pastes it as one change, and presses
  // Enter; returns how many pixels changed outside the panes.
  int TypeLine(const std::u16string& text, bool pasted = false) {
    if (!form.Talking) StartTalk(50, 27);
    form.PrepareFrame();
    const platform::Bitmap before = form.Canvas();
    if (pasted) {
      form.Edit1.SetText(platform::WideToCodePage(text));
    } else {
      form.Input().TextInput(text, form.FocusedReceiver());
    }
    form.PrepareFrame();
    form.Key(*platform::StrokeForName("Enter", false));
    form.PrepareFrame();
    for (int blink = 0; blink < 3; ++blink) form.Tick();
    return ChangedPixelsOutside(before, form.Canvas(), {kConsolePane, kInputPane});
  }

  ScratchDir dir;
  TForm1 form;
};

TEST_F(TypedText, AVeryLongLineIsEchoedAndAnsweredInTime) {
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(TypeLine(std::u16string(60000, u'가'), true), 0);
  EXPECT_EQ(TypeLine(std::u16string(60000, u'k'), true), 0);
  EXPECT_EQ(TypeLine(std::u16string(1000, u'한')), 0);  // far past the pane's edge
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
  EXPECT_LT(seconds.count(), 10.0);
  EXPECT_TRUE(form.Talking);  // neither line is blank, so the king goes on talking
  EXPECT_EQ(form.Edit1.Text(), "");
}

// Keys held past the line's limit are refused as an edit refuses them, and editing the line costs
// no more for its length: the run that once took minutes (typing 50,000 letters, then deleting
// from the front) ends in a moment.
TEST_F(TypedText, KeysPastTheLinesLimitAreRefusedAndEditingItStaysCheap) {
  StartTalk(50, 27);
  const auto start = std::chrono::steady_clock::now();
  const auto letter = *platform::StrokeForName("a", false);
  for (int i = 0; i < 50000; ++i) form.Key(letter);
  form.PrepareFrame();
  EXPECT_EQ(form.Edit1.Text(), std::string(platform::TextReceiver::kMaxLength, 'a'));
  form.Key(*platform::StrokeForName("Home", false));
  for (int i = 0; i < 49000; ++i) form.Key(*platform::StrokeForName("Delete", false));
  form.PrepareFrame();
  EXPECT_EQ(form.Edit1.Text(), "");
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
  EXPECT_LT(seconds.count(), 20.0);
}

int32_t gPixelsSent = 0;
void CountPixel(int32_t, int32_t, platform::ColorWord) { ++gPixelsSent; }

TEST_F(TypedText, EchoingALongLineDrawsOnlyWhatFitsInThePane) {
  StartTalk(50, 27);
  InputWindow->Hangul->PixelProc = CountPixel;  // counts instead of drawing
  const auto pixelsOfEcho = [&](size_t syllables) {
    gPixelsSent = 0;
    form.Edit1.SetText(platform::WideToCodePage(std::u16string(syllables, u'한')));
    return gPixelsSent;
  };
  const int32_t paneFull = pixelsOfEcho(30);  // past the 50 columns after the prompt
  EXPECT_GT(paneFull, 0);
  EXPECT_EQ(pixelsOfEcho(60000), paneFull);
  InputWindow->Hangul->PixelProc = nullptr;
}

TEST_F(TypedText, CharactersOutsideTheCodePageAndControlCharactersAreHarmless) {
  struct Case {
    std::u16string Line;
    bool TalkGoesOn;  // false where nothing of the line reaches the edit: the farewell
  };
  const std::vector<Case> cases = {
      {u"\U0001F600\U0001F600 smile", true},  // emoji: surrogate pairs
      {std::u16string(u"a\xD800"
                      u"b"),
       true},  // a lone high surrogate
      {std::u16string(u"\xDC00"
                      u"z"),
       true},                                   // a lone low surrogate
      {u"\uFFFF\uFFFE\u00E9\u4E00", true},      // not characters, Latin, a Han character
      {u"ㄱㅏ가ㅎㅏㄴ한글ㅢㄳ", true},          // loose letters between syllables
      {std::u16string(1, u'\0') + u"x", true},  // a NUL
      {u"\t\r\n\x01\x1B\x7F", false},           // control characters only
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TypeLine(c.Line), 0) << platform::WideToUtf8(c.Line);
    EXPECT_EQ(form.Talking, c.TalkGoesOn) << platform::WideToUtf8(c.Line);
    EXPECT_EQ(form.Edit1.Text(), "");
  }
}

TEST_F(TypedText, LinesOfOnlySpacesOrOnlyTabsAreAnsweredAndNothingSpills) {
  EXPECT_EQ(TypeLine(std::u16string(80, u' ')), 0);
  EXPECT_FALSE(form.Talking);  // all spaces is the empty keyword: the farewell
  EXPECT_EQ(TypeLine(std::u16string(80, u'\t')), 0);
  EXPECT_FALSE(form.Talking);  // a single-line edit takes no tabs: an empty line, the farewell
}

}  // namespace
