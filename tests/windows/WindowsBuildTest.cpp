// The Windows build, unpacked from its zip into a folder whose path has spaces and Hangul in it (a
// Korean user's Downloads) and played under Wine by a user named in Hangul: headless runs give
// the Linux build's files byte for byte, the real window takes xdotool's keys and shows the
// headless picture, the program finds its data from any working directory, settings, pictures
// and data copies land in the Windows folders, unusable data and unwritable results are named as
// on Linux, and code page 949 and UTF-8 convert as on Linux.
//
// The Linux runs they are held against draw the event log with the game's bitmap font, as the
// Windows build always does: their fontconfig is given no fonts.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "RealWorld.h"
#include "TestSupport.h"
#include "WineSession.h"
#include "XWindowPixels.h"
#include "app/DataFiles.h"
#include "platform/image/Png.h"
#include "start/Options.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const fs::path kZip = VESK_WINDOWS_ZIP;

class UnderWine : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::exists(kZip)) << kZip << " is missing: the windows_build test makes it";
    ASSERT_TRUE(wine_.Problem().empty()) << wine_.Problem();
    dir_.Write("no-fonts.conf", "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n");
  }

  // Unpacks the zip into `folder` (below the scratch folder); the path of vesk.exe.
  fs::path Unpack(const std::string& folder) const {
    const fs::path into = dir_.Path() / folder;
    fs::create_directories(into);
    const std::string command =
        "unzip -q " + ShellQuoted(kZip.string()) + " -d " + ShellQuoted(into.string());
    EXPECT_EQ(std::system(command.c_str()), 0);
    return into / kZip.stem() / "vesk.exe";
  }

  // The Linux build run to its end with the bitmap-font event log.
  GameRun RunLinux(const std::vector<std::string>& arguments) const {
    ScopedEnvironment noFonts("FONTCONFIG_FILE", (dir_.Path() / "no-fonts.conf").string());
    return RunGame(arguments);
  }

  // A headless run of `script` by each build: the screenshot, log and state files must be equal.
  void ExpectSameRun(const fs::path& program, const fs::path& script, const fs::path& folder) {
    const std::string stem = script.stem().string();
    std::vector<std::string> onLinux = {"--headless", "--script", script.string()};
    std::vector<std::string> onWindows = {"--headless", "--script",
                                          WineSession::WindowsPath(script)};
    for (const std::string output : {"screenshot", "log", "state"}) {
      onLinux.insert(onLinux.end(),
                     {"--" + output, (dir_.Path() / (stem + ".linux." + output)).string()});
      onWindows.insert(onWindows.end(), {"--" + output, stem + ".windows." + output});
    }
    const GameRun run = RunLinux(onLinux);
    ASSERT_EQ(run.Status, 0) << run.Errors;
    std::string errors;
    ASSERT_EQ(wine_.Run(program, onWindows, folder, errors), 0) << errors;
    EXPECT_EQ(errors, "");
    for (const std::string output : {"screenshot", "log", "state"}) {
      EXPECT_EQ(ReadFile(folder / (stem + ".windows." + output)),
                ReadFile(dir_.Path() / (stem + ".linux." + output)))
          << stem << ": " << output;
    }
  }

  ScratchDir dir_;
  WineSession wine_{"김민지"};
};

// The words of the guided path on the 2-set layout, as xdotool names the keys.
std::vector<std::string> GuidedPathKeys() {
  std::vector<std::string> keys = WalkKeys({50, 50}, {50, 28});
  keys.push_back("Up");
  for (const char* key :
       {"z", "k", "f",       "m", "q",      "p", "s", "Return", "a", "n", "f",
        "k", "t", "shift+p", "s", "Return", "q", "l", "a",      "l", "f", "Return"}) {
    keys.push_back(key);
  }
  return keys;
}

std::string ScriptOf(const std::vector<std::string>& keys) {
  std::string script;
  for (std::string key : keys) {
    if (key == "Return") key = "Enter";
    if (key == "shift+p") key = "Shift+p";
    script += "key " + key + "\n";
  }
  return script;
}

int DifferingPixels(const platform::Bitmap& shown, const platform::Bitmap& expected) {
  if (shown.Width() != expected.Width() || shown.Height() != expected.Height()) return -1;
  int differing = 0;
  for (int y = 0; y < shown.Height(); ++y) {
    for (int x = 0; x < shown.Width(); ++x) differing += shown.Pixel(x, y) != expected.Pixel(x, y);
  }
  return differing;
}

// Waits until the stderr of the window's program holds `text`.
bool WaitForErrorText(const WineSession& wine, const std::string& text) {
  for (int tries = 0; tries < 100; ++tries) {
    if (wine.WindowErrors().find(text) != std::string::npos) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return false;
}

}  // namespace

TEST(WindowsZip, HoldsOneFolderWithTheProgramItsDataReadmeAndLicencesAndNoDll) {
  ASSERT_TRUE(fs::exists(kZip)) << kZip << " is missing: the windows_build test makes it";
  ScratchDir dir;
  std::set<std::string> names;
  std::istringstream listing(Output("unzip -Z1 " + ShellQuoted(kZip.string())));
  for (std::string name; std::getline(listing, name);) names.insert(name);
  const std::string folder = kZip.stem().string() + "/";
  std::vector<std::string> expected = {"vesk.exe",
                                       "README.txt",
                                       "licences/vesk.txt",
                                       "licences/GPL-2.txt",
                                       "licences/SDL2.txt",
                                       "licences/libpng.txt",
                                       "licences/zlib.txt",
                                       "licences/libhangul/COPYING",
                                       "licences/libhangul/SOURCE.txt"};
  expected.insert(expected.end(), kDataFiles.begin(), kDataFiles.end());
  for (const std::string& name : expected) EXPECT_TRUE(names.count(folder + name)) << name;
  for (const std::string& name : names) EXPECT_EQ(name.rfind(folder, 0), 0u) << name;
  for (const std::string& name : names) {
    EXPECT_NE(name.substr(name.size() - std::min<size_t>(name.size(), 4)), ".dll") << name;
  }

  // vesk.exe needs nothing but Windows's own DLLs: every library is linked in.
  const std::set<std::string> windowsOwn = {
      "KERNEL32.dll", "msvcrt.dll",  "ADVAPI32.dll", "GDI32.dll",   "IMM32.dll", "ole32.dll",
      "OLEAUT32.dll", "SHELL32.dll", "USER32.dll",   "VERSION.dll", "WINMM.dll", "SETUPAPI.dll"};
  std::istringstream imports(
      Output("unzip -p " + ShellQuoted(kZip.string()) + " " + ShellQuoted(folder + "vesk.exe") +
             " >vesk-imports.exe && x86_64-w64-mingw32-objdump -p vesk-imports.exe"));
  int dlls = 0;
  for (std::string line; std::getline(imports, line);) {
    const size_t at = line.find("DLL Name: ");
    if (at == std::string::npos) continue;
    ++dlls;
    EXPECT_TRUE(windowsOwn.count(line.substr(at + 10))) << line.substr(at + 10);
  }
  EXPECT_GT(dlls, 0) << "no imports read";
}

TEST_F(UnderWine, HeadlessRunsGiveTheLinuxBuildsScreenshotLogAndStateByteForByte) {
  const fs::path program = Unpack("내려받기 Downloads");
  for (const char* script : {"docs/walking.script", "docs/talking.script"}) {
    ExpectSameRun(program, SourcePath(script), dir_.Path());
  }
}

TEST_F(UnderWine, TheWindowWalksToTheKingTypesTheGuidedPathAndShowsTheHeadlessPicture) {
  const fs::path program = Unpack("내려받기 Downloads");
  const std::vector<std::string> keys = GuidedPathKeys();
  dir_.Write("keys.script", ScriptOf(keys));
  const GameRun run = RunLinux({"--headless", "--script", "keys.script", "--screenshot",
                                (dir_.Path() / "expected.png").string()});
  ASSERT_EQ(run.Status, 0) << run.Errors;
  const auto expected = testing_support::LoadPng((dir_.Path() / "expected.png").string());
  ASSERT_TRUE(expected);

  const unsigned long window = wine_.StartWindow(program, {"--scale", "1"}, "/");
  ASSERT_NE(window, 0u) << "no window: " << wine_.WindowErrors();
  std::string command = "xdotool key --delay 30";
  for (const std::string& key : keys) command += " " + key;
  ASSERT_EQ(std::system(command.c_str()), 0);
  int differing = -1;
  for (int tries = 0; tries < 40 && differing != 0; ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    differing = DifferingPixels(WindowPixels(wine_.Display(), window), *expected);
  }
  EXPECT_EQ(differing, 0) << "pixels differ (-1: the window's size)";
  if (differing != 0) {
    (void)platform::SavePng(WindowPixels(wine_.Display(), window),
                            (fs::temp_directory_path() / "vesk-wine-window.png").string());
  }
  // Enter on an empty line says goodbye; Escape then ends the game.
  ASSERT_EQ(std::system("xdotool key --delay 100 Return Escape"), 0);
  EXPECT_EQ(wine_.WaitForEnd(20), 0) << wine_.WindowErrors();
}

TEST_F(UnderWine, FindsItsDataFromAnotherWorkingDirectoryWithHangulPathsOnTheCommandLine) {
  const fs::path program = Unpack("김민지의 게임 Games");
  const fs::path elsewhere = dir_.Path() / "다른 폴더 Elsewhere";
  fs::create_directories(elsewhere);
  fs::copy_file(SourcePath("docs/walking.script"), elsewhere / "걷기.script");
  const GameRun run = RunLinux({"--headless", "--script", SourcePath("docs/walking.script"),
                                "--screenshot", (dir_.Path() / "linux.png").string()});
  ASSERT_EQ(run.Status, 0) << run.Errors;
  std::string errors;
  ASSERT_EQ(
      wine_.Run(program, {"--headless", "--script", "걷기.script", "--screenshot", "사진.png"},
                elsewhere, errors),
      0)
      << errors;
  EXPECT_EQ(errors, "");
  EXPECT_EQ(ReadFile(elsewhere / "사진.png"), ReadFile(dir_.Path() / "linux.png"));
}

TEST_F(UnderWine, SettingsAndScreenshotsGoToTheWindowsFoldersAndReadOnlyDataPlaysInPlace) {
  const fs::path program = Unpack("내려받기 Downloads");
  // A read-only install (as under Program Files): the game plays its own data where it lies and
  // copies nothing into %LOCALAPPDATA%.
  for (const auto& entry : fs::directory_iterator(program.parent_path())) {
    if (entry.is_regular_file()) {
      fs::permissions(entry.path(),
                      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                      fs::perm_options::remove);
    }
  }
  ExpectSameRun(program, SourcePath("docs/walking.script"), dir_.Path());
  EXPECT_FALSE(fs::exists(wine_.ProfileFolder() / "AppData" / "Local" / "vesk"));

  // A scale chosen on the command line is kept in %APPDATA%\vesk\vesk.conf; F12 saves the
  // picture in the Pictures folder and says where.
  const unsigned long window = wine_.StartWindow(program, {"--scale", "1"}, dir_.Path());
  ASSERT_NE(window, 0u) << "no window: " << wine_.WindowErrors();
  ASSERT_EQ(std::system("xdotool key F12"), 0);
  const std::string said = "vesk: screenshot C:\\users\\김민지\\Pictures\\vesk-";
  EXPECT_TRUE(WaitForErrorText(wine_, said)) << wine_.WindowErrors();
  ASSERT_EQ(std::system("xdotool key Escape"), 0);
  EXPECT_EQ(wine_.WaitForEnd(20), 0) << wine_.WindowErrors();
  // The picture is where the message says, under the user's profile.
  const std::string errors = wine_.WindowErrors();
  const size_t at = errors.find(said);
  ASSERT_NE(at, std::string::npos);
  const size_t end = errors.find_first_of("\r\n", at);  // the line ends as Windows ends it
  const size_t nameAt = errors.rfind('\\', end) + 1;
  const std::string name = errors.substr(nameAt, end - nameAt);
  const auto picture =
      testing_support::LoadPng((wine_.ProfileFolder() / "Pictures" / name).string());
  ASSERT_TRUE(picture) << name;
  EXPECT_EQ(picture->Width(), 632);
  const std::string settings =
      ReadFile(wine_.ProfileFolder() / "AppData" / "Roaming" / "vesk" / "vesk.conf");
  EXPECT_NE(settings.find("scale = 1\n"), std::string::npos) << settings;
}

// The Windows file calls keep the Linux build's promises: a data file the game cannot use is
// named with why, a result that cannot be written names the file and Windows's reason and fails
// the run, and a result written over an old one replaces it whole, leaving nothing beside it.
TEST_F(UnderWine, UnusableDataAndUnwritableResultsAreNamedAndResultsReplaceOldOnesWhole) {
  const fs::path program = Unpack("게임 Game");
  const fs::path data = dir_.Path() / "자료 Data";
  fs::create_directories(data);
  for (const char* name : kDataFiles) fs::copy_file(SourcePath("data") / name, data / name);
  fs::remove(data / kAsciiFontFile);
  fs::permissions(data / kWorldMapFile,
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const fs::path script = SourcePath("docs/walking.script");
  dir_.Write("log.txt", std::string(100000, 'x'));
  std::string errors;
  EXPECT_EQ(wine_.Run(program,
                      {"--headless", "--data", WineSession::WindowsPath(data), "--script",
                       WineSession::WindowsPath(script), "--log", "log.txt"},
                      dir_.Path(), errors),
            0)
      << errors;
  EXPECT_NE(errors.find(std::string(kWorldMapFile) + " is read-only; starting without it"),
            std::string::npos)
      << errors;
  EXPECT_NE(errors.find(std::string(kAsciiFontFile) + " is missing; starting without it"),
            std::string::npos)
      << errors;
  const std::string log = ReadFile(dir_.Path() / "log.txt");
  EXPECT_EQ(log.find('x'), std::string::npos) << "the old log is not replaced whole";
  for (const auto& entry : fs::directory_iterator(dir_.Path())) {
    EXPECT_EQ(entry.path().filename().string().rfind(".log.txt.", 0), std::string::npos)
        << entry.path() << " is left beside the log";
  }

  EXPECT_EQ(wine_.Run(program,
                      {"--headless", "--script", WineSession::WindowsPath(script), "--state",
                       "없는 폴더\\state.json"},
                      dir_.Path(), errors),
            1);
  const std::string said =
      "cannot write " + WineSession::WindowsPath(dir_.Path()) + "\\없는 폴더\\state.json: ";
  const size_t at = errors.find(said);
  ASSERT_NE(at, std::string::npos) << errors;
  const size_t from = at + said.size();
  const std::string reason = errors.substr(from, errors.find_first_of("\r\n", from) - from);
  EXPECT_FALSE(reason.empty() || reason.find("system error") == 0) << reason;
}

// What a Windows program wrote, with its line ends as Linux ends them.
std::string LinuxLines(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  return text;
}

// Under a Korean locale the program speaks the Korean of the Linux build's catalogue, from the
// catalogue inside it: files planted where a program might look for one (its folder, the working
// directory) change nothing. LANGUAGE chooses as on Linux, and under C the English of the
// sources stays byte for byte.
TEST_F(UnderWine, SpeaksTheLinuxBuildsKoreanUnderAKoreanLocaleAndEnglishUnderC) {
  const fs::path program = Unpack("게임 Game");
  const ScopedEnvironment all("LC_ALL", std::nullopt), messages("LC_MESSAGES", std::nullopt);
  // Wine reads the command line's Hangul path in LC_CTYPE's character set; the machine need not
  // have made the Korean locale for that.
  const ScopedEnvironment characters("LC_CTYPE", "C.UTF-8");
  std::string korean, koreanWrong;
  {
    const ScopedEnvironment lang("LANG", "C.UTF-8"), language("LANGUAGE", "ko");
    korean = RunGame({"--help"}).Output;
    koreanWrong = RunGame({"--no-such-option"}).Errors;
  }
  ASSERT_NE(korean, UsageText());
  for (const fs::path& folder : {program.parent_path(), dir_.Path()}) {
    fs::create_directories(folder / "locale" / "ko" / "LC_MESSAGES");
    dir_.Write(fs::relative(folder / "locale" / "ko" / "LC_MESSAGES" / "vesk.mo", dir_.Path()),
               "planted");
    fs::copy_file(SourcePath("po/ko.po"), folder / "ko.po");
  }
  struct Case {
    std::optional<std::string> lang, language;
    bool korean;
  };
  for (const Case& each :
       {Case{"ko_KR.UTF-8", std::nullopt, true}, Case{"ko_KR.UTF-8", "en", false},
        Case{"C", "ko", false}, Case{"en_US.UTF-8", "ko", true}}) {
    const ScopedEnvironment lang("LANG", each.lang), language("LANGUAGE", each.language);
    const std::string settings = each.lang.value_or("-") + " " + each.language.value_or("-");
    std::string errors, output;
    EXPECT_EQ(wine_.Run(program, {"--help"}, dir_.Path(), errors, &output), 0) << errors;
    EXPECT_EQ(LinuxLines(output), each.korean ? korean : UsageText()) << settings;
    EXPECT_EQ(wine_.Run(program, {"--no-such-option"}, dir_.Path(), errors), 2);
    EXPECT_EQ(LinuxLines(errors),
              each.korean ? koreanWrong
                          : std::string("vesk: unknown option --no-such-option\n") + UsageText())
        << settings;
  }
}

// Started from a command prompt, the program writes to the prompt's console: Wine's console,
// on a terminal of `script`'s, shows its Korean whole.
TEST_F(UnderWine, AKoreanConsoleShowsTheMessagesWhole) {
  const fs::path program = Unpack("게임 Game");
  const ScopedEnvironment all("LC_ALL", std::nullopt), messages("LC_MESSAGES", std::nullopt);
  std::string usage;
  {
    const ScopedEnvironment onLinux("LANG", "C.UTF-8"), korean("LANGUAGE", "ko");
    usage = RunGame({"--help"}).Output;
  }
  const ScopedEnvironment lang("LANG", "ko_KR.UTF-8"), characters("LC_CTYPE", "C.UTF-8");
  const ScopedEnvironment language("LANGUAGE", std::nullopt);
  const fs::path typescript = dir_.Path() / "console.txt";
  const std::string prompt = "wine cmd /c vesk.exe --no-such-option";
  const std::string command = "cd " + ShellQuoted(program.parent_path().string()) +
                              " && script -qec " + ShellQuoted(prompt) + " " +
                              ShellQuoted(typescript.string()) + " >/dev/null 2>&1 </dev/null";
  std::system(command.c_str());
  // The terminal's text without its control sequences.
  std::string shown;
  const std::string raw = ReadFile(typescript);
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\x1b') {
      i = raw.find_first_of("ABCDEFGHJKSTfhlmsu", i + 2);
      if (i == std::string::npos) break;
    } else if (raw[i] != '\r') {
      shown += raw[i];
    }
  }
  const std::string firstLine = usage.substr(0, usage.find('\n'));
  ASSERT_NE(firstLine, "Usage: vesk [options]");
  EXPECT_NE(shown.find(firstLine), std::string::npos) << firstLine << "\n" << shown;
  EXPECT_NE(shown.find("--no-such-option"), std::string::npos) << shown;
}

// A data file the game cannot use stops the start with a message box that says why in the
// player's language, the Linux build's words: Windows reads the box's texts to the player (as
// dialogtext reads them), and Enter closes it and ends the program with a failure.
TEST_F(UnderWine, TheErrorBoxSaysWhyTheGameCannotStartInThePlayersLanguage) {
  const fs::path program = Unpack("게임 Game");
  const fs::path data = dir_.Path() / "data";
  fs::create_directories(data);
  for (const char* name : kDataFiles) fs::copy_file(SourcePath("data") / name, data / name);
  dir_.Write(fs::relative(data / kWorldMapFile, dir_.Path()),
             ReadFile(SourcePath("data") / kWorldMapFile).substr(0, 100));
  const ScopedEnvironment all("LC_ALL", std::nullopt), messages("LC_MESSAGES", std::nullopt);
  const ScopedEnvironment characters("LC_CTYPE", "C.UTF-8"), language("LANGUAGE", std::nullopt);
  dir_.Write("script.txt", "paint\n");
  std::string korean;
  {
    const ScopedEnvironment lang("LANG", "C.UTF-8"), onLinux("LANGUAGE", "ko");
    const GameRun run = RunLinux(
        {"--headless", "--script", (dir_.Path() / "script.txt").string(), "--data", data.string()});
    ASSERT_EQ(run.Errors.rfind("vesk: ", 0), 0u) << run.Errors;
    korean = run.Errors.substr(6, run.Errors.size() - 7);
  }
  // The message names the file where it lies, as each system writes its path.
  const std::string linuxPath = (data / kWorldMapFile).string();
  const std::string windowsPath = WineSession::WindowsPath(data / kWorldMapFile);
  const size_t at = korean.find(linuxPath);
  ASSERT_NE(at, std::string::npos) << korean;
  korean.replace(at, linuxPath.size(), windowsPath);
  const std::string english = "cannot start: " + windowsPath + ": Read beyond end of file";
  ASSERT_NE(korean, english);
  for (const auto& [lang, message] :
       {std::pair<std::string, std::string>{"ko_KR.UTF-8", korean}, {"C", english}}) {
    const ScopedEnvironment setting("LANG", lang);
    const unsigned long box =
        wine_.StartWindow(program, {"--data", WineSession::WindowsPath(data)}, dir_.Path());
    ASSERT_NE(box, 0u) << "no box: " << wine_.WindowErrors();
    const fs::path texts = dir_.Path() / ("box." + lang + ".txt");
    std::string errors;
    ASSERT_EQ(wine_.Run(fs::path(VESK_WINDOWS_GAME_DIR) / "dialogtext.exe",
                        {WineSession::WindowsPath(texts)}, dir_.Path(), errors),
              0)
        << errors;
    std::vector<std::string> lines;
    std::istringstream read(ReadFile(texts));
    for (std::string line; std::getline(read, line);) lines.push_back(line);
    ASSERT_FALSE(lines.empty()) << lang;
    EXPECT_EQ(lines.front(), "베스크 10주년 기념") << lang;
    EXPECT_NE(std::find(lines.begin(), lines.end(), message), lines.end()) << lang << ":\n"
                                                                           << ReadFile(texts);
    // The box as the player sees it, kept beside the texts when they are wrong.
    if (::testing::Test::HasFailure()) {
      (void)platform::SavePng(
          WindowPixels(wine_.Display(), box),
          (fs::temp_directory_path() / ("vesk-wine-box." + lang + ".png")).string());
    }
    ASSERT_EQ(std::system("xdotool key Return"), 0);
    EXPECT_EQ(wine_.WaitForEnd(20), 1) << lang << ": " << wine_.WindowErrors();
    EXPECT_EQ(LinuxLines(wine_.WindowErrors()), "vesk: " + message + "\n") << lang;
  }
}

// Korean typed through the Windows input method, as a Korean Windows player types: IBus with
// ibus-hangul serving XIM, which Wine turns into the Windows input method's messages. The walk
// to the king and the two words with Enter give the console of the headless run, every time.
TEST_F(UnderWine, TheWindowsInputMethodTypesTheTalkFromTheFirstKey) {
  const fs::path program = Unpack("내려받기 Downloads");
  const std::vector<std::string> walk = [] {
    std::vector<std::string> keys = WalkKeys({50, 50}, {50, 28});
    keys.push_back("Up");
    return keys;
  }();
  dir_.Write("talk.script", ScriptOf(walk) + "text 카르벤\nkey Enter\ntext 무라셴\nkey Enter\n");
  const GameRun run = RunLinux({"--headless", "--script", "talk.script", "--screenshot",
                                (dir_.Path() / "expected.png").string()});
  ASSERT_EQ(run.Status, 0) << run.Errors;
  const auto expected = testing_support::LoadPng((dir_.Path() / "expected.png").string());
  ASSERT_TRUE(expected);
  ASSERT_EQ(wine_.StartInputMethod(), "");

  constexpr int kRuns = 3;
  for (int attempt = 1; attempt <= kRuns; ++attempt) {
    const unsigned long window =
        wine_.StartWindow(program, {"--ime", "system", "--scale", "1"}, "/");
    ASSERT_NE(window, 0u) << "no window: " << wine_.WindowErrors();
    std::string command = "xdotool key --delay 40";
    for (const std::string& key : walk) command += " " + key;
    // Each window's input context starts in Latin mode: Shift+Space switches to Hangul, as a
    // player does.
    command += " shift+space z k f m q p s Return a n f k t shift+p s Return";
    ASSERT_EQ(std::system(command.c_str()), 0);
    bool same = false;
    platform::Bitmap shown;
    for (int tries = 0; tries < 50 && !same; ++tries) {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      shown = WindowPixels(wine_.Display(), window);
      same = shown.Width() == expected->Width() && SamePixels(shown, *expected, 225, 0, 400, 336);
    }
    if (!same)
      (void)platform::SavePng(shown, (fs::temp_directory_path() / "vesk-wine-ime.png").string());
    EXPECT_TRUE(same) << "run " << attempt << ": the console differs from the headless run's";
    ASSERT_EQ(std::system("xdotool key --delay 100 Return Escape"), 0);
    EXPECT_EQ(wine_.WaitForEnd(20), 0) << wine_.WindowErrors();
    if (!same) break;
  }
}

// Each dump program converts the same sequences in both builds; the Windows build's must give
// the Linux build's lines exactly.
void ExpectSameDump(WineSession& wine, const fs::path& folder, const std::string& dump) {
  const fs::path onLinux = folder / (dump + ".linux.txt"),
                 onWindows = folder / (dump + ".windows.txt");
  const std::string linuxProgram = (fs::path(VESK_TOOLS_DIR) / dump).string();
  ASSERT_EQ(std::system((ShellQuoted(linuxProgram) + " " + ShellQuoted(onLinux.string())).c_str()),
            0);
  std::string errors;
  ASSERT_EQ(wine.Run(fs::path(VESK_WINDOWS_GAME_DIR) / (dump + ".exe"),
                     {WineSession::WindowsPath(onWindows)}, folder, errors),
            0)
      << errors;
  EXPECT_TRUE(ReadFile(onLinux) == ReadFile(onWindows))
      << "the dumps differ: diff " << onLinux << " " << onWindows;
}

TEST_F(UnderWine, CodePage949ConvertsEveryOneAndTwoByteSequenceAsGlibcDoes) {
  ExpectSameDump(wine_, dir_.Path(), "cp949dump");
}

TEST_F(UnderWine, Utf8ConvertsAndMendsBrokenTextAsTheIconvBuildDoes) {
  ExpectSameDump(wine_, dir_.Path(), "utf8dump");
}
