#include <gtest/gtest.h>

#include "platform/speech/PendingSpeech.h"
#include "platform/speech/Speech.h"

using platform::PendingSpeech;
using platform::Utterance;

namespace {

Utterance Talk(const char* text) { return {text, "ko", false}; }
Utterance Walk(const char* text) { return {text, "en", true}; }

std::vector<std::string> TakeAll(PendingSpeech& pending) {
  std::vector<std::string> texts;
  while (const auto next = pending.Take()) texts.push_back(next->Text);
  return texts;
}

}  // namespace

TEST(PendingSpeech, ANewerWalkingMessageReplacesTheOneWaitingAndATalkLineDropsThem) {
  PendingSpeech pending;
  pending.Add(Walk("enter into water"));
  pending.Add(Walk("enter into swamp"));
  EXPECT_EQ(TakeAll(pending), std::vector<std::string>{"enter into swamp"});
  pending.Add(Walk("read a sign"));
  pending.Add(Talk("안녕하신가"));
  pending.Add(Walk("talk to someone"));
  pending.Add(Talk("잘 가게나"));
  EXPECT_EQ(TakeAll(pending), (std::vector<std::string>{"안녕하신가", "잘 가게나"}));
}

TEST(PendingSpeech, ATalksLinesWaitInOrderNoneDropped) {
  PendingSpeech pending;
  for (const char* line : {"하나", "둘", "셋", "넷"}) pending.Add(Talk(line));
  pending.Add(Walk("read a sign"));
  EXPECT_EQ(TakeAll(pending), (std::vector<std::string>{"하나", "둘", "셋", "넷", "read a sign"}));
  EXPECT_FALSE(pending.Take());
}

TEST(SpeechLanguage, ALineWithHangulIsKoreanAnyOtherEnglish) {
  EXPECT_EQ(platform::LanguageOf("talk to someone"), "en");
  EXPECT_EQ(platform::LanguageOf("밑의 입력창에다가 \"카르벤\""), "ko");
  EXPECT_EQ(platform::LanguageOf("home page: www.example.com 참고"), "ko");
  EXPECT_EQ(platform::LanguageOf("ㅋ"), "ko");  // a lone jamo
  EXPECT_EQ(platform::LanguageOf(""), "en");
}
