// A packager's view: the installed game carries its data, a menu entry and an icon, and finds its
// data from any working directory without being told where it is.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "TestSupport.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

// Installs the build under `prefix` as cmake --install does for a packager.
bool Install(const fs::path& prefix) {
  const std::string install = "cmake --install '" + std::string(VESK_TOOLS_DIR) + "' --prefix '" +
                              prefix.string() + "' >/dev/null";
  return std::system(install.c_str()) == 0;
}

}  // namespace

TEST(Install, TheInstalledGameFindsItsDataWithNoFlagEvenWhenItIsReadOnly) {
  ScratchDir dir;
  const fs::path prefix = dir.Path() / "prefix";
  ASSERT_TRUE(Install(prefix));
  for (const char* file :
       {"bin/vesk", "share/vesk/VESK.M", "share/vesk/TOWN.FNT", "share/vesk/CHARA.PAL",
        "share/vesk/H01.fnt", "share/vesk/ascii.fnt", "share/applications/vesk.desktop",
        "share/metainfo/org.example.vesk.metainfo.xml", "share/locale/ko/LC_MESSAGES/vesk.mo"}) {
    EXPECT_TRUE(fs::exists(prefix / file)) << file;
  }
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    EXPECT_TRUE(fs::exists(prefix / "share/icons/hicolor" / name / "apps/vesk.png")) << name;
  }
  // A package's files cannot be written by the player, and the game opens its data for reading
  // and writing: it plays from a copy in the player's own data folder.
  for (const auto& entry : fs::directory_iterator(prefix / "share/vesk")) {
    fs::permissions(entry.path(),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  }
  // Run from an empty folder: the map is found, so the first step north is plain road.
  fs::create_directory(dir.Path() / "elsewhere");
  dir.Write("elsewhere/script.txt", "key Up\n");
  const std::string run =
      "cd '" + (dir.Path() / "elsewhere").string() + "' && XDG_DATA_HOME='" +
      (dir.Path() / "home-data").string() + "' '" + (prefix / "bin/vesk").string() +
      "' --headless --script script.txt --state state.json --log log.txt 2>errors.txt";
  ASSERT_EQ(std::system(run.c_str()), 0) << ReadFile(dir.Path() / "elsewhere/errors.txt");
  EXPECT_EQ(ReadFile(dir.Path() / "elsewhere/errors.txt"), "");
  const std::string state = ReadFile(dir.Path() / "elsewhere/state.json");
  EXPECT_NE(state.find("\"x\": 50, \"y\": 49"), std::string::npos) << state;
  // Without its map the step would have been a special event.
  EXPECT_EQ(ReadFile(dir.Path() / "elsewhere/log.txt"), "이벤트 로그\n\n\n");
  EXPECT_EQ(ReadFile(dir.Path() / "home-data/vesk/H01.fnt"), ReadFile(SourcePath("data/H01.fnt")));
}

TEST(Install, TheInstalledGameFindsItsKoreanCatalogueAmongOtherLanguages) {
  ScratchDir dir;
  const fs::path prefix = dir.Path() / "prefix";
  // Other programs' languages, without a catalogue of the game's, as in a system's share/locale,
  // there before the game's: the folder's listing comes to some of them before Korean.
  for (char first = 'a'; first <= 'z'; ++first) {
    for (const char second : {'a', 'm'}) {
      fs::create_directories(prefix / "share/locale" / std::string{first, second} / "LC_MESSAGES");
    }
  }
  ASSERT_TRUE(Install(prefix));
  const std::string run = "env -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 LANGUAGE=ko '" +
                          (prefix / "bin/vesk").string() + "' --help >help.txt";
  ASSERT_EQ(std::system(run.c_str()), 0);
  EXPECT_NE(ReadFile(dir.Path() / "help.txt").find("사용법"), std::string::npos)
      << ReadFile(dir.Path() / "help.txt");
}
