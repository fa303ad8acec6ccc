// Speech in the real window: a real speech-dispatcher started for the test, whose one output module
// writes each text it is told, with its language, as a line of a file instead of sounding it. The
// game is played with the keyboard (xdotool) under a virtual X server, and the file shows what a
// player who cannot see the window hears.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "GameWindowTest.h"
#include "RealWorld.h"
#include "TestSupport.h"
#include "VirtualScreen.h"
#include "platform/input/HeldKeys.h"

using namespace testing_support;

namespace {

void Pause(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

// A speech-dispatcher of the test's own. Its module takes a while over each text, as a voice
// does, so that walking messages can come faster than they are spoken.
class SpeechService {
 public:
  explicit SpeechService(const ScratchDir& dir) : said_(dir.Path() / "said.txt") {
    std::filesystem::create_directories(dir.Path() / "modules");
    dir.Write("speechd.conf",
              "CommunicationMethod \"unix_socket\"\n"
              "AudioOutputMethod \"libao\"\n"
              "AddModule \"record\" \"sd_generic\" \"record.conf\"\n"
              "DefaultModule record\n"
              "LanguageDefaultModule \"ko\" \"record\"\n"
              "LanguageDefaultModule \"en\" \"record\"\n"
              "DefaultPunctuationMode \"all\"\n");
    // One line a text: the text, a tab, its language. No delimiter splits a text into pieces.
    dir.Write("modules/record.conf",
              "GenericExecuteSynth \"sleep 0.3; printf '%s\\\\t%s\\\\n' \\'$DATA\\' '$LANGUAGE' "
              ">> " +
                  said_.string() +
                  "\"\n"
                  "GenericDelimiters \"\\x01\"\n"
                  "GenericMaxChunkLength 100000\n"
                  "GenericLanguage \"ko\" \"ko\" \"utf-8\"\n"
                  "GenericLanguage \"en\" \"en\" \"utf-8\"\n"
                  "AddVoice \"ko\" \"FEMALE1\" \"ko\"\n"
                  "AddVoice \"en\" \"MALE1\" \"en\"\n");
    const auto socket = dir.Path() / "speechd.sock";
    std::filesystem::create_directories(dir.Path() / "log");
    daemon_ = std::make_unique<Process>(
        std::vector<std::string>{"speech-dispatcher", "-s", "-t", "0", "-C", dir.Path().string(),
                                 "-c", "unix_socket", "-S", socket.string(), "-L",
                                 (dir.Path() / "log").string(), "-P",
                                 (dir.Path() / "speechd.pid").string()},
        (dir.Path() / "speechd.err").string());
    for (int tries = 0; tries < 200 && !std::filesystem::exists(socket); ++tries) Pause(50);
    ready_ = std::filesystem::exists(socket);
    setenv("SPEECHD_ADDRESS", ("unix_socket:" + socket.string()).c_str(), 1);
  }
  ~SpeechService() {
    unsetenv("SPEECHD_ADDRESS");
    daemon_.reset();
  }
  bool Ready() const { return ready_; }

  // The lines said so far, each "text\tlanguage".
  std::vector<std::string> Said() const {
    std::vector<std::string> lines;
    if (!std::filesystem::exists(said_)) return lines;
    std::istringstream text(ReadFile(said_));
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
  }
  // Waits until `line` has been said; what was said by then.
  std::vector<std::string> SaidUpTo(const std::string& line) const {
    for (int tries = 0; tries < 300; ++tries) {
      const auto lines = Said();
      for (const std::string& each : lines)
        if (each == line) return lines;
      Pause(100);
    }
    return Said();
  }

 private:
  std::filesystem::path said_;
  std::unique_ptr<Process> daemon_;
  bool ready_ = false;
};

class Speech : public GameWindowTest<> {
 protected:
  Speech() : GameWindowTest("1280x1024x24") {}
  void SetUp() override {
    if (Output("command -v speech-dispatcher").empty()) GTEST_SKIP() << "no speech-dispatcher";
    GameWindowTest::SetUp();
  }
  void Keys(const std::vector<std::string>& keys) {
    std::string command = "xdotool key --delay 40";
    for (const std::string& key : keys) command += " " + key;
    ASSERT_EQ(std::system(command.c_str()), 0);
  }
  // Presses Escape until the game ends; whether it did.
  bool Close() {
    for (int tries = 0; tries < 10; ++tries) {
      Keys({"Escape"});
      if (game_->Ended(2)) return true;
    }
    return false;
  }
};

std::string Korean(const std::string& text) { return text + "\tko"; }

// From the start to the king, the guided path typed on the game's 2-set keyboard (카르벤, then
// 무라셴), and an empty line to say goodbye.
TEST_F(Speech, TheKingsTalkIsSpokenInKoreanLineByLineInOrder) {
  SpeechService service(dir_);
  ASSERT_TRUE(service.Ready()) << ReadFile(dir_.Path() / "speechd.err");
  ASSERT_NE(StartGameWindow(game_, {"--speech"}, (dir_.Path() / "game.err").string()), 0u);
  std::vector<std::string> keys(23, "Up");
  for (const char* key : {"z", "k", "f", "m", "q", "p", "s", "Return", "a", "n", "f", "k", "t",
                          "shift+p", "s", "Return", "Return"})
    keys.push_back(key);
  Keys(keys);
  const std::vector<std::string> expected = {
      Korean("안녕하신가. 아시다시피 나는 카르벤일쎄"),
      Korean("밑의 입력창에다가 \"카르벤\"이라고 타이핑해보게나"),
      Korean("카르벤"),
      Korean("그래, 그것은 나의 이름이지."),
      Korean("그렇다면 이 세계를 만든 사람의 이름을 아는가?"),
      Korean("무라셴"),
      Korean("음.. 잘 알고 있군"),
      Korean("방금의 그 대화 방식을 대충 이해하겠는가?"),
      Korean("원래는 이런 식의 게임을 만들고 싶었다네"),
      Korean("뭐, 그 당시의 게임들은 대부분 이런 식이었거든"),
      Korean("하지만 그때의 실력으로는 한글 입력 받을 실력이"),
      Korean("안되었지"),
      Korean("사실 이 게임은 그리 훌륭하지도 않은 게임이네"),
      Korean("뭐랄까 그 당시 게임들을 적당히 뒤섞은 것이라고나"),
      Korean("할까? 어쨌든 비밀을 알려주지"),
      Korean("잘 가게나"),
  };
  const auto said = service.SaidUpTo(expected.back());
  // The walking messages on the way may or may not have been spoken; the talk's lines all are,
  // one after another, and nothing else comes between them.
  std::vector<std::string> talk;
  for (const std::string& line : said)
    if (line.ends_with("\tko")) talk.push_back(line);
  std::string heard;
  for (const std::string& line : said) heard += line + "\n";
  EXPECT_EQ(talk, expected) << "heard:\n" << heard << ReadFile(dir_.Path() / "game.err");
  EXPECT_TRUE(Close());
  EXPECT_EQ(game_->Status(), 0);
}

// A cell the hero can stand on beside a sign, and the arrow that reads the sign from it: held
// there, every step of the held arrow writes "read a sign" to the event log again.
struct BesideASign {
  std::vector<std::string> Walk;
  std::string Arrow;
};
BesideASign FindASign() {
  const Cell start{50, 50};
  const struct {
    int Dx, Dy;
    const char* Arrow;
  } sides[] = {{0, 1, "Up"}, {0, -1, "Down"}, {1, 0, "Left"}, {-1, 0, "Right"}};
  for (int y = 1; y < 99; ++y) {
    for (int x = 1; x < 99; ++x) {
      if ((RealTerrain(x, y) & 0x7F) != 23) continue;
      for (const auto& side : sides) {
        const auto walk = WalkKeys(start, {x + side.Dx, y + side.Dy});
        if (!walk.empty()) return {walk, side.Arrow};
      }
    }
  }
  return {};
}

TEST_F(Speech, AHeldArrowLeavesABoundedNumberOfWalkingMessages) {
  const BesideASign sign = FindASign();
  ASSERT_FALSE(sign.Walk.empty()) << "no sign beside a walkable cell on the map";
  SpeechService service(dir_);
  ASSERT_TRUE(service.Ready()) << ReadFile(dir_.Path() / "speechd.err");
  ASSERT_NE(StartGameWindow(game_, {"--speech"}, (dir_.Path() / "game.err").string()), 0u);
  Keys(sign.Walk);
  constexpr int kHeldMs = 4000;
  const auto started = std::chrono::steady_clock::now();
  ASSERT_EQ(std::system(("xdotool keydown " + sign.Arrow).c_str()), 0);
  Pause(kHeldMs);
  ASSERT_EQ(std::system(("xdotool keyup " + sign.Arrow).c_str()), 0);
  const double held =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  // A line after the walk shows when the service has caught up.
  Keys({"F10"});
  auto said = service.SaidUpTo("read a sign\ten");
  Pause(1500);
  said = service.Said();
  int signs = 0;
  for (const std::string& line : said) signs += line == "read a sign\ten";
  const int steps = static_cast<int>(held * platform::HeldKeys::kDefaultStepsPerSecond);
  EXPECT_GE(signs, 1);
  // Spoken one at a time, 0.3 s each: far fewer than the steps, however many were written.
  EXPECT_LE(signs, steps / 2) << signs << " of about " << steps << " steps";
  EXPECT_TRUE(Close());
}

TEST_F(Speech, WithNoServiceTheGamePlaysAndSaysSoOnce) {
  setenv("SPEECHD_ADDRESS", ("unix_socket:" + (dir_.Path() / "nobody.sock").string()).c_str(), 1);
  const auto errors = (dir_.Path() / "game.err").string();
  const unsigned long window = StartGameWindow(game_, {"--speech"}, errors);
  unsetenv("SPEECHD_ADDRESS");
  ASSERT_NE(window, 0u);
  Keys({"Up", "Up", "Up", "Down", "Down", "Down", "F9", "F9", "F10"});
  EXPECT_TRUE(Close());
  EXPECT_EQ(game_->Status(), 0);
  const std::string said = ReadFile(errors);
  const std::string line = "vesk: speech: no speech service answers";
  ASSERT_NE(said.find(line), std::string::npos) << said;
  EXPECT_EQ(said.find(line, said.find(line) + 1), std::string::npos) << said;
}

}  // namespace
