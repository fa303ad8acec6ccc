// Each backend maps its own key codes to the one list of key names in platform/input/Keys.h:
// every name a map uses must be a key the list knows, and the desktop and the page know the same
// keys, so a key added to one backend and forgotten in the other shows here.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/input/Keys.h"
#include "platform/sdl/SdlKeys.h"
#include "platform/web/WebKeys.h"

using namespace platform;

namespace {

template <typename Map>
void ExpectEveryNameResolves(const Map& map) {
  for (const auto& row : map) {
    EXPECT_TRUE(StrokeForName(row.Name, false)) << row.Name;
  }
}

template <typename Map>
std::set<std::string> NamesOf(const Map& map) {
  std::set<std::string> names;
  for (const auto& row : map) names.insert(row.Name);
  return names;
}

TEST(KeyMaps, EveryNameInTheSdlAndThePageMapsIsAKnownKey) {
  ExpectEveryNameResolves(kSdlKeyNames);
  ExpectEveryNameResolves(kWebKeyNames);
}

TEST(KeyMaps, TheDesktopAndThePageKnowTheSameKeys) {
  EXPECT_EQ(NamesOf(kSdlKeyNames), NamesOf(kWebKeyNames));
}

SDL_Keysym Keysym(SDL_Scancode code, uint16_t mod = KMOD_NONE) {
  SDL_Keysym key{};
  key.scancode = code;
  key.mod = mod;
  return key;
}

TEST(KeyMaps, AnSdlKeyIsTheKeyAtItsPlaceWithItsModifiers) {
  const auto a = StrokeOfSdlKey(Keysym(SDL_SCANCODE_A, KMOD_LSHIFT | KMOD_LCTRL));
  ASSERT_TRUE(a);
  EXPECT_EQ(a->VirtualKey, 'A');
  EXPECT_EQ(a->Ascii, 'A');
  EXPECT_EQ(a->Shift, kShift | kCtrl);

  const auto two = StrokeOfSdlKey(Keysym(SDL_SCANCODE_2, KMOD_RSHIFT));
  ASSERT_TRUE(two);
  EXPECT_EQ(two->Ascii, '@');

  const auto f12 = StrokeOfSdlKey(Keysym(SDL_SCANCODE_F12));
  ASSERT_TRUE(f12);
  EXPECT_EQ(f12->VirtualKey, vk::F1 + 11);

  const auto rightAlt = StrokeOfSdlKey(Keysym(SDL_SCANCODE_RALT, KMOD_RALT));
  ASSERT_TRUE(rightAlt);
  EXPECT_EQ(rightAlt->VirtualKey, vk::Menu);
  EXPECT_TRUE(rightAlt->RightAlt);
  EXPECT_EQ(rightAlt->Shift, kAlt);

  // A key that types nothing still reaches the game with its virtual-key code.
  const auto pageUp = StrokeOfSdlKey(Keysym(SDL_SCANCODE_PAGEUP));
  ASSERT_TRUE(pageUp);
  EXPECT_EQ(pageUp->VirtualKey, vk::Prior);
  EXPECT_EQ(pageUp->Ascii, 0);

  EXPECT_FALSE(StrokeOfSdlKey(Keysym(SDL_SCANCODE_KP_5)));
}

}  // namespace
