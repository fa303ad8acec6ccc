// What the window does for the player beyond the game: the scale it starts at, the keys it keeps
// for itself, and screenshots.
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include "TestSupport.h"
#include "platform/image/Png.h"
#include "platform/image/Scaling.h"
#include "platform/image/Screenshot.h"
#include "platform/input/WindowKeys.h"
#include "platform/system/Paths.h"

using namespace platform;
using testing_support::LoadPng;
using testing_support::Why;

TEST(WindowScale, TheLargestWholeScaleWhoseFramedWindowFitsTheUsableArea) {
  // 1920 x 1080 less a 40-pixel panel, a frame of 2 x 4 beside and 30 + 4 above and below: 2x
  // (1264 x 906) fits, 3x (1896 x 1359) does not.
  EXPECT_EQ(FittingScale(632, 453, 1920, 1040, 8, 34), 2);
  EXPECT_EQ(FittingScale(632, 453, 3840, 2160, 8, 34), 4);
  // Exactly fitting counts; a frame that leaves no room falls back to 1.
  EXPECT_EQ(FittingScale(632, 453, 1264 + 8, 906 + 34, 8, 34), 2);
  EXPECT_EQ(FittingScale(632, 453, 1263 + 8, 906 + 34, 8, 34), 1);
  EXPECT_EQ(FittingScale(632, 453, 800, 600, 8, 34), 1);
  EXPECT_EQ(FittingScale(632, 453, 0, 0, 0, 0), 1);
}

TEST(WindowKeys,
     F11AndAltEnterSwitchFullscreenF12TakesAScreenshotF9AndF10SpeakNothingElseIsTheWindows) {
  const auto key = [](const char* name, ShiftState shift = 0) {
    KeyStroke stroke = *StrokeForName(name, false);
    stroke.Shift |= shift;
    return WindowKeyOf(stroke);
  };
  EXPECT_EQ(key("F11"), WindowKey::ToggleFullscreen);
  EXPECT_EQ(key("Enter", kAlt), WindowKey::ToggleFullscreen);
  EXPECT_EQ(key("F12"), WindowKey::Screenshot);
  EXPECT_EQ(key("Enter"), WindowKey::None);
  EXPECT_EQ(key("F9"), WindowKey::ToggleSpeech);
  EXPECT_EQ(key("F10"), WindowKey::RepeatSpeech);
  EXPECT_EQ(key("F8"), WindowKey::None);
  EXPECT_EQ(key("a", kAlt), WindowKey::None);
}

TEST(Screenshot, ThePicturesFolderComesFromTheEnvironmentTheUserDirsOrHome) {
  testing_support::ScratchDir dir;
  const auto home = dir.Path() / "home";
  const testing_support::ScopedEnvironment homeVar("HOME", home.string());
  const testing_support::ScopedEnvironment config("XDG_CONFIG_HOME",
                                                  (dir.Path() / "config").string());
  const testing_support::ScopedEnvironment none("XDG_PICTURES_DIR", "");
  EXPECT_EQ(PicturesFolder(), home / "Pictures");
  std::filesystem::create_directories(dir.Path() / "config");
  dir.Write("config/user-dirs.dirs",
            "# written by xdg-user-dirs-update\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
  EXPECT_EQ(PicturesFolder(), home / "Bilder");
  const testing_support::ScopedEnvironment set("XDG_PICTURES_DIR", (dir.Path() / "shots").string());
  EXPECT_EQ(PicturesFolder(), dir.Path() / "shots");
}

TEST(Screenshot, IsSavedAtThePicturesOwnSizeAndNeverOverwritesAnother) {
  testing_support::ScratchDir dir;
  Bitmap picture(632, 453);
  picture.SetPixel(5, 7, platform::ColorWord(0x000000FF));
  const auto first = SaveScreenshot(picture, dir.Path() / "new" / "folder");
  ASSERT_TRUE(first) << Why(first);
  const auto second = SaveScreenshot(picture, dir.Path() / "new" / "folder");
  ASSERT_TRUE(second) << Why(second);
  EXPECT_NE(*first, *second);
  const auto saved = LoadPng(first->string());
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->Width(), 632);
  EXPECT_EQ(saved->Height(), 453);
  EXPECT_EQ(saved->Pixel(5, 7), platform::Pixel(0x00FF0000));
  const auto nowhere = SaveScreenshot(picture, "");
  ASSERT_FALSE(nowhere);
  EXPECT_FALSE(nowhere.Error().Message.empty());
}

TEST(Screenshot, ALinkPlantedUnderTheNextNameIsNeverFollowed) {
  testing_support::ScratchDir dir;
  dir.Write("victim", "mine\n");
  // Links under every name the next few seconds would give the picture first.
  const std::time_t now = std::time(nullptr);
  for (std::time_t second = now; second < now + 3; ++second) {
    std::tm local{};
    localtime_r(&second, &local);
    char name[40];
    std::strftime(name, sizeof name, "vesk-%Y-%m-%d-%H%M%S.png", &local);
    std::filesystem::create_symlink(dir.Path() / "victim", dir.Path() / name);
  }
  const auto saved = SaveScreenshot(Bitmap(8, 8), dir.Path());
  ASSERT_TRUE(saved) << Why(saved);
  EXPECT_FALSE(std::filesystem::is_symlink(*saved));
  EXPECT_NE(saved->filename().string().find("-2.png"), std::string::npos) << *saved;
  EXPECT_EQ(testing_support::ReadFile(dir.Path() / "victim"), "mine\n");
  EXPECT_TRUE(LoadPng(saved->string()));
}

TEST(Screenshot, AFolderThatTakesNothingSavesNoPicture) {
  const auto saved = SaveScreenshot(Bitmap(8, 8), "/proc");
  ASSERT_FALSE(saved);
  EXPECT_NE(Why(saved).find("cannot write /proc/vesk-"), std::string::npos) << Why(saved);
}
