// Keys sent back with IBus's ForwardKeyEvent signal walk the hero only when the IBus daemon sends
// them: another program on the bus that sends a signal of the same name, for any input context,
// types nothing into the game.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "DesktopSession.h"
#include "TestSupport.h"

using namespace testing_support;

namespace {

// The map view's pixels, where a step of the hero shows.
std::vector<uint32_t> MapView(const platform::Bitmap& window) {
  std::vector<uint32_t> pixels;
  for (int32_t y = 0; y < std::min<int32_t>(window.Height(), 264); ++y)
    for (int32_t x = 0; x < std::min<int32_t>(window.Width(), 216); ++x)
      pixels.push_back(window.Row(y)[x]);
  return pixels;
}

TEST(ForwardedKeys, ASignalFromAnotherProgramOnTheBusWalksNobody) {
  DesktopSession desktop(DesktopInputMethod::Ibus);
  ASSERT_EQ(desktop.Problem(), "");
  ASSERT_TRUE(
      desktop.StartGame({"--ime", "system", "--scale", "1", "--data", SourcePath("data").string()}))
      << desktop.StopGame();
  const auto before = MapView(desktop.WindowPicture());
  // Right arrow, for every input context the daemon is likely to have made.
  for (int context = 1; context <= 12; ++context) {
    desktop.Run({"sh", "-c",
                 "gdbus emit --address \"$(ibus address)\" --object-path "
                 "/org/freedesktop/IBus/InputContext_" +
                     std::to_string(context) +
                     " --signal org.freedesktop.IBus.InputContext.ForwardKeyEvent "
                     "'uint32 65363' 'uint32 0' 'uint32 0'"});
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
  EXPECT_TRUE(MapView(desktop.WindowPicture()) == before) << desktop.StopGame();
  // The window still walks with a key pressed on the keyboard.
  desktop.Keys({"Right"}, 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
  EXPECT_FALSE(MapView(desktop.WindowPicture()) == before) << desktop.StopGame();
}

}  // namespace
