// The walking rules, driven through the same key path a player's keyboard takes, on small maps
// that each test lays out itself.
#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "app/Vesk3_main.h"
#include "platform/system/CodePage.h"
#include "world/Vesk3_chara.h"

namespace {

constexpr uint8_t kGrass = 27;

class Walking : public ::testing::Test {
 protected:
  Walking() { cells_.assign(10000, kGrass); }

  void Put(int x, int y, uint8_t byte) { cells_[y * 100 + x] = byte; }
  void Start() {
    std::string file(96, '\0');
    file[11] = 100;
    file[12] = 100;
    file.append(cells_.begin(), cells_.end());
    dir_.Write("VESK.M", file);
    form_ = std::make_unique<TForm1>();
    form_->Create();
  }
  void Press(const std::string& name) { form_->Key(*platform::StrokeForName(name, false)); }
  std::vector<std::string> NewLogLines() const {
    std::vector<std::string> lines;
    const auto& all = form_->Memo1.Lines();
    for (size_t i = 3; i < all.size(); ++i) lines.push_back(platform::CodePageToUtf8(all[i]));
    return lines;
  }
  using Lines = std::vector<std::string>;

  testing_support::ScratchDir dir_;
  std::string cells_;
  std::unique_ptr<TForm1> form_;
};

TEST_F(Walking, TheLogStartsWithItsTitleAndTwoEmptyLines) {
  Start();
  const auto& lines = form_->Memo1.Lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(platform::CodePageToUtf8(lines[0]), "이벤트 로그");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "");
}

TEST_F(Walking, AWallTurnsTheHeroButBlocksSilently) {
  Put(51, 50, 5);  // a tree
  Put(50, 49, 20);
  Start();
  Press("Right");
  EXPECT_EQ(Hero->X, 50);
  EXPECT_EQ(Hero->Facing, TCharacter::kRight);
  Press("Up");
  EXPECT_EQ(Hero->Y, 50);
  EXPECT_EQ(Hero->Facing, TCharacter::kUp);
  EXPECT_TRUE(NewLogLines().empty());
}

TEST_F(Walking, SignsAndEntrancesSpeakEveryTimeAndBlock) {
  Put(49, 50, 23);
  Put(50, 51, 22);
  Start();
  Press("Left");
  Press("Left");
  Press("Down");
  EXPECT_EQ(NewLogLines(), (Lines{"read a sign", "read a sign", "enter somewhere"}));
  EXPECT_EQ(Hero->X, 50);
  EXPECT_EQ(Hero->Y, 50);
  EXPECT_EQ(Hero->Facing, TCharacter::kDown);
}

TEST_F(Walking, WaterSwampLavaAndEventsAreEnteredAndRepeatOnOtherKeys) {
  Put(50, 49, 24);
  Put(50, 48, 0x80 | 25);  // bit 7 changes nothing
  Put(50, 47, 26);
  Put(50, 46, 19);
  Put(50, 45, 0x80);
  Start();
  Press("Up");
  Press("a");  // a letter: the rules run for the own cell
  Press("Up");
  Press("Up");
  Press("Up");
  Press("Up");
  Press("Shift");
  EXPECT_EQ(Hero->Y, 45);
  EXPECT_EQ(NewLogLines(),
            (Lines{"enter into water", "enter into water", "enter into swamp", "enter into lava",
                   "special event", "special event", "special event"}));
}

TEST_F(Walking, OtherKeysNeverTurnTheHero) {
  Start();
  Press("Left");
  for (const char* key : {"a", "Shift", "Space", "F5", "Home", "Backspace", "Tab"}) Press(key);
  EXPECT_EQ(Hero->Facing, TCharacter::kLeft);
  EXPECT_EQ(Hero->X, 49);
  EXPECT_TRUE(NewLogLines().empty());  // plain ground has nothing to say
}

TEST_F(Walking, EscapeRunsTheOwnCellRulesAndThenCloses) {
  Put(50, 49, 24);
  Start();
  Press("Up");
  EXPECT_FALSE(form_->CloseRequested());
  Press("Escape");
  EXPECT_TRUE(form_->CloseRequested());
  EXPECT_EQ(NewLogLines(), (Lines{"enter into water", "enter into water"}));
  EXPECT_EQ(form_->Edit1.Text(), "");  // its character was swallowed
}

TEST_F(Walking, EnterWhileWalkingRunsTheRulesAndKeepsTheTypedText) {
  Put(50, 49, 25);
  Start();
  Press("h");
  Press("i");
  Press("Enter");
  Press("Up");
  Press("Enter");
  EXPECT_EQ(form_->Edit1.Text(), "hi");
  EXPECT_FALSE(form_->Talking);
  EXPECT_EQ(NewLogLines(), (Lines{"enter into swamp", "enter into swamp"}));
}

TEST_F(Walking, APersonOpensATalkWithTheTargetCellAndTheHeroStays) {
  Put(50, 51, 0xB0);  // class 48, a person but not the king
  Start();
  Press("Down");
  EXPECT_EQ(Hero->Y, 50);
  EXPECT_EQ(Hero->Facing, TCharacter::kDown);
  EXPECT_EQ(NewLogLines(), (Lines{"talk to someone"}));
  EXPECT_FALSE(form_->Talking);  // anyone but the king sends the player on at once
}

TEST_F(Walking, TheKingKeepsTheTalkOpenAndKeysNoLongerWalk) {
  for (int x = 0; x < 100; ++x)
    for (int y = 0; y < 100; ++y) Put(x, y, kGrass);
  Put(50, 27, 48);
  Start();
  for (int i = 0; i < 22; ++i) Press("Up");
  ASSERT_EQ(Hero->Y, 28);
  Press("Up");
  EXPECT_TRUE(form_->Talking);
  Press("Left");
  Press("Escape");
  EXPECT_EQ(Hero->X, 50);
  EXPECT_EQ(Hero->Facing, TCharacter::kUp);
  EXPECT_FALSE(form_->CloseRequested());
  EXPECT_EQ(NewLogLines(), (Lines{"talk to someone"}));
}

TEST_F(Walking, TheEdgeOfTheGridIsAWall) {
  Start();
  Hero->X = 0;  // the grid's bottom-left corner
  Hero->Y = 99;
  Press("Left");
  Press("Down");
  EXPECT_EQ(Hero->X, 0);
  EXPECT_EQ(Hero->Y, 99);
  EXPECT_EQ(Hero->Facing, TCharacter::kDown);
  EXPECT_TRUE(NewLogLines().empty());
}

}  // namespace
