// The program speaks the player's language: Korean under a Korean locale or LANGUAGE=ko, from the
// catalogue the build put beside it, and under C exactly the English its sources hold.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "TestSupport.h"
#include "start/Options.h"

using namespace testing_support;

namespace {

// Whether `text` holds a Hangul syllable (U+AC00 to U+D7A3) in UTF-8.
bool HasHangul(const std::string& text) {
  for (size_t i = 0; i + 2 < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if ((lead & 0xF0) != 0xE0) continue;
    const unsigned code = (lead & 0x0Fu) << 12 |
                          (static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6 |
                          (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
    if (code >= 0xAC00 && code <= 0xD7A3) return true;
  }
  return false;
}

// The locale settings of the environment, for as long as this lives.
struct Locale {
  Locale(const std::optional<std::string>& lang, const std::optional<std::string>& language,
         const std::optional<std::string>& all = std::nullopt)
      : lang_("LANG", lang),
        language_("LANGUAGE", language),
        all_("LC_ALL", all),
        messages_("LC_MESSAGES", std::nullopt) {}
  ScopedEnvironment lang_, language_, all_, messages_;
};

void ExpectKoreanHelpAndError() {
  const GameRun help = RunGame({"--help"});
  EXPECT_EQ(help.Status, 0);
  EXPECT_TRUE(HasHangul(help.Output)) << help.Output;
  EXPECT_NE(help.Output.find("--walk-rate"), std::string::npos) << help.Output;
  const GameRun wrong = RunGame({"--no-such-option"});
  EXPECT_EQ(wrong.Status, 2);
  EXPECT_EQ(wrong.Errors.rfind("vesk: ", 0), 0u) << wrong.Errors;
  const std::string firstLine = wrong.Errors.substr(0, wrong.Errors.find('\n'));
  EXPECT_TRUE(HasHangul(firstLine)) << wrong.Errors;
  EXPECT_NE(firstLine.find("--no-such-option"), std::string::npos) << wrong.Errors;
}

TEST(PlayersLanguage, LanguageKoSpeaksKoreanFromTheBuildsOwnCatalogue) {
  // C.UTF-8 is on every Debian system; gettext follows LANGUAGE under any locale but C.
  const Locale korean("C.UTF-8", "ko");
  ExpectKoreanHelpAndError();
}

TEST(PlayersLanguage, AKoreanLocaleSpeaksKorean) {
  // The player's ko_KR.UTF-8, made in the scratch folder from Debian's locale sources so that the
  // system's own locales stay as they are.
  ScratchDir dir;
  const std::string make =
      "localedef -i ko_KR -f UTF-8 '" + (dir.Path() / "ko_KR.UTF-8").string() + "' >/dev/null 2>&1";
  std::system(make.c_str());
  ASSERT_TRUE(std::filesystem::exists(dir.Path() / "ko_KR.UTF-8" / "LC_MESSAGES"))
      << "localedef cannot make ko_KR.UTF-8 (./build.sh test installs Debian's locales)";
  const ScopedEnvironment path("LOCPATH", dir.Path().string());
  const Locale korean("ko_KR.UTF-8", std::nullopt);
  ExpectKoreanHelpAndError();
}

TEST(PlayersLanguage, TheCLocaleKeepsTheEnglishOfTheSourcesByteForByte) {
  const Locale c("C", "ko");
  const GameRun help = RunGame({"--help"});
  EXPECT_EQ(help.Output, UsageText());
  const GameRun wrong = RunGame({"--no-such-option"});
  EXPECT_EQ(wrong.Errors, std::string("vesk: unknown option --no-such-option\n") + UsageText());
  const Locale english("C.UTF-8", "en");
  EXPECT_EQ(RunGame({"--help"}).Output, UsageText());
}

TEST(PlayersLanguage, AKoreanStartStoppedByAShortFileGivesItsReasonInKoreanToo) {
  ScratchDir dir;
  const std::filesystem::path data = dir.Path() / "data";
  std::filesystem::create_directory(data);
  for (const auto& entry : std::filesystem::directory_iterator(SourcePath("data"))) {
    if (entry.is_regular_file())
      std::filesystem::copy_file(entry.path(), data / entry.path().filename());
  }
  dir.Write("data/VESK.M", ReadFile(SourcePath("data/VESK.M")).substr(0, 100));
  dir.Write("script.txt", "key Up\n");
  const Locale korean("C.UTF-8", "ko");
  const GameRun game = RunGame({"--headless", "--script", "script.txt", "--data", data.string()});
  EXPECT_EQ(game.Status, 1);
  EXPECT_EQ(game.Errors.rfind("vesk: ", 0), 0u) << game.Errors;
  EXPECT_NE(game.Errors.find("VESK.M: "), std::string::npos) << game.Errors;
  // The reason after the file's name is Korean as well, not the English one inside Korean.
  const std::string reason = game.Errors.substr(game.Errors.find("VESK.M: ") + 8);
  EXPECT_TRUE(HasHangul(reason)) << game.Errors;
  EXPECT_EQ(game.Errors.find("Read beyond"), std::string::npos) << game.Errors;
}

TEST(PlayersLanguage, ACatalogueInTheWorkingDirectoryIsNeverUsedEvenWhereTheProgramCannotBeFound) {
  // Without /proc the program cannot say where it is; a catalogue planted where it is started,
  // asking printf for far more arguments than its message gives, must play no part.
  ScratchDir dir;
  const std::filesystem::path messages = dir.Path() / "locale" / "ko" / "LC_MESSAGES";
  std::filesystem::create_directories(messages);
  std::string planted = "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n";
  for (const char* message : {"unknown option %s", "%s takes %s", "a file name"}) {
    std::string many;
    for (int i = 0; i < 40; ++i) many += " %s";
    planted += "msgid \"" + std::string(message) + "\"\nmsgstr \"PLANTED" + many + "\"\n\n";
  }
  dir.Write("planted.po", planted);
  const std::string compile = "msgfmt -o '" + (messages / "vesk.mo").string() + "' '" +
                              (dir.Path() / "planted.po").string() + "'";
  ASSERT_EQ(std::system(compile.c_str()), 0);
  // A mount namespace of its own, where /proc is taken away from the game alone.
  const std::vector<std::string> withoutProc = {
      "unshare",
      "--mount",
      "--propagation",
      "private",
      "sh",
      "-c",
      "umount -l /proc && test ! -e /proc/self/exe && exec \"$0\" \"$@\""};
  if (std::system("unshare --mount --propagation private sh -c 'umount -l /proc' 2>/dev/null") != 0)
    GTEST_SKIP() << "no mount namespace here (unshare needs root)";
#if defined(__SANITIZE_ADDRESS__)
  // The sanitizers' runtime reads /proc itself, and a game built with it ends otherwise without.
  GTEST_SKIP() << "a sanitizer build cannot run without /proc";
#endif
  const Locale korean("C.UTF-8", "ko");
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"--no-such-option"}, {"--log", ""}}) {
    const GameRun run = RunGame(arguments, withoutProc);
    EXPECT_EQ(run.Status, 2) << arguments[0] << ": " << run.Errors;
    EXPECT_EQ(run.Errors.rfind("vesk: ", 0), 0u) << run.Errors;
    EXPECT_NE(run.Errors.find(arguments[0]), std::string::npos) << run.Errors;
    EXPECT_EQ(run.Errors.find("PLANTED"), std::string::npos) << run.Errors;
  }
}

}  // namespace
