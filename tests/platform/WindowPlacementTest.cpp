// Where the desktop window opens: the scale that fits the usable screen with the frame counted, a
// player's scale lowered when it does not fit, a remembered size held between the picture's size
// and the screen's, and the window centred in the usable area (panels left out).
#include <gtest/gtest.h>

#include "platform/sdl/WindowPlacement.h"

using namespace platform;

namespace {

// The game's picture on a 1920 x 1080 screen with a 32-pixel panel along its top.
WindowRequest OnFullHd() {
  WindowRequest request;
  request.ClientWidth = 632;
  request.ClientHeight = 453;
  request.Usable = RectAt(0, 32, 1920, 1048);
  return request;
}

TEST(WindowPlacement, WithoutAScaleTheLargestThatFitsWithItsFrameIsCentredBelowThePanel) {
  const WindowPlace place = PlaceWindow(OnFullHd());
  // 3 x 632 + 10 fits 1920 across; 2 x 453 + 40 fits 1048 down, 3 x 453 + 40 does not.
  EXPECT_EQ(place.Scale, 2);
  EXPECT_FALSE(place.ScaleLowered);
  EXPECT_EQ(place.Width, 1264);
  EXPECT_EQ(place.Height, 906);
  ASSERT_TRUE(place.Corner);
  EXPECT_EQ(place.Corner->X, 0 + kFrameSide + (1920 - kFrameWidth - 1264) / 2);
  EXPECT_EQ(place.Corner->Y, 32 + kFrameTop + (1048 - kFrameHeight - 906) / 2);
  // The frame stays on the screen: its top edge under the panel, its bottom above the screen's.
  EXPECT_GE(place.Corner->Y - kFrameTop, 32);
  EXPECT_LE(place.Corner->Y + place.Height + kFrameSide, 32 + 1048);
}

TEST(WindowPlacement, APlayersScaleIsKeptWhenItFitsAndLoweredWhenItDoesNot) {
  WindowRequest request = OnFullHd();
  request.Scale = 1;
  EXPECT_EQ(PlaceWindow(request).Scale, 1);
  EXPECT_FALSE(PlaceWindow(request).ScaleLowered);
  request.Scale = 5;
  const WindowPlace lowered = PlaceWindow(request);
  EXPECT_EQ(lowered.Scale, 2);
  EXPECT_TRUE(lowered.ScaleLowered);
  EXPECT_EQ(lowered.Width, 1264);
  // A screen smaller than the picture still gets scale 1, not 0.
  request.Usable = RectAt(0, 0, 640, 480);
  EXPECT_EQ(PlaceWindow(request).Scale, 1);
}

TEST(WindowPlacement, ARememberedSizeIsHeldBetweenThePicturesAndTheScreens) {
  WindowRequest request = OnFullHd();
  request.WindowWidth = 900;
  request.WindowHeight = 700;
  WindowPlace place = PlaceWindow(request);
  EXPECT_EQ(place.Width, 900);
  EXPECT_EQ(place.Height, 700);
  request.WindowWidth = 5000;  // left so on a larger screen
  request.WindowHeight = 100;  // smaller than the picture
  place = PlaceWindow(request);
  EXPECT_EQ(place.Width, 1920 - kFrameWidth);
  EXPECT_EQ(place.Height, 453);
  ASSERT_TRUE(place.Corner);
  EXPECT_EQ(place.Corner->X, kFrameSide);
  // A scale asked for wins over the remembered size.
  request.Scale = 1;
  EXPECT_EQ(PlaceWindow(request).Width, 632);
}

TEST(WindowPlacement, WithoutTheUsableAreaTheWindowSystemCentresTheWindow) {
  WindowRequest request = OnFullHd();
  request.Usable.reset();
  WindowPlace place = PlaceWindow(request);
  EXPECT_EQ(place.Scale, 1);
  EXPECT_FALSE(place.Corner);
  request.Scale = 7;
  EXPECT_EQ(PlaceWindow(request).Scale, 7);
  EXPECT_FALSE(PlaceWindow(request).ScaleLowered);
  request.Scale = 0;
  request.WindowWidth = 5000;
  request.WindowHeight = 100;
  place = PlaceWindow(request);
  EXPECT_EQ(place.Width, 5000);
  EXPECT_EQ(place.Height, 453);
}

}  // namespace
