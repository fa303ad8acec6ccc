// The catalogue reader the Windows program translates with gives, for every message of
// po/ko.po, the very translation glibc's gettext gives from the same compiled catalogue; a
// damaged catalogue translates nothing and reads nothing outside itself; and the player's
// settings choose a catalogue as gettext chooses one.
#include <gtest/gtest.h>
#include <libintl.h>

#include <clocale>
#include <cstring>
#include <sstream>

#include "TestSupport.h"
#include "platform/system/MessageCatalogue.h"

using namespace testing_support;
using platform::CatalogueNames;
using platform::LanguageSettings;
using platform::MessageCatalogue;

namespace {

const std::filesystem::path kLocale = std::filesystem::path(VESK_TOOLS_DIR) / "locale";

// The msgids of a .po file (the test's own reading: quoted C strings, continued over lines).
std::vector<std::string> MessagesOf(const std::filesystem::path& po) {
  std::vector<std::string> messages;
  std::istringstream lines(ReadFile(po));
  bool inId = false;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("msgid ", 0) == 0) {
      messages.emplace_back();
      inId = true;
      line = line.substr(6);
    } else if (line.empty() || line[0] != '"') {
      inId = false;
      continue;
    }
    if (!inId) continue;
    for (size_t i = 1; i + 1 < line.size(); ++i) {
      if (line[i] != '\\') {
        messages.back() += line[i];
        continue;
      }
      const char escaped = line[++i];
      messages.back() += escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
    }
  }
  return messages;
}

}  // namespace

TEST(MessageCatalogue, TranslatesEveryMessageOfTheCatalogueAsGlibcsGettextDoes) {
  const std::string image = ReadFile(kLocale / "ko" / "LC_MESSAGES" / "vesk.mo");
  const MessageCatalogue catalogue(image);
  ASSERT_TRUE(catalogue.Usable());
  // glibc reads the same file, under a locale that lets LANGUAGE choose.
  const ScopedEnvironment language("LANGUAGE", "ko");
  const std::string before = std::setlocale(LC_MESSAGES, nullptr);
  ASSERT_NE(std::setlocale(LC_MESSAGES, "C.UTF-8"), nullptr);
  bindtextdomain("vesk", kLocale.c_str());
  bind_textdomain_codeset("vesk", "UTF-8");
  const std::vector<std::string> messages = MessagesOf(SourcePath("po/ko.po"));
  ASSERT_GT(messages.size(), 20u);
  int translated = 0;
  for (const std::string& message : messages) {
    if (message.empty()) continue;  // the header
    const char* glibc = dgettext("vesk", message.c_str());
    const char* ours = catalogue.Find(message);
    if (glibc == message.c_str() || std::string(glibc) == message) {
      EXPECT_EQ(ours, nullptr) << message;
    } else {
      ASSERT_NE(ours, nullptr) << message;
      EXPECT_STREQ(ours, glibc) << message;
      ++translated;
    }
  }
  std::setlocale(LC_MESSAGES, before.c_str());
  EXPECT_GT(translated, 20);
  EXPECT_EQ(catalogue.Find("no such message"), nullptr);
  EXPECT_EQ(catalogue.Find("cannot start: %"), nullptr);  // a message's beginning is not it
}

TEST(MessageCatalogue, ADamagedCatalogueTranslatesNothing) {
  const std::string whole = ReadFile(kLocale / "ko" / "LC_MESSAGES" / "vesk.mo");
  // Cut short anywhere, the last string loses its end.
  for (size_t length = 0; length < whole.size(); ++length) {
    const std::string cut = whole.substr(0, length);
    const MessageCatalogue catalogue(cut);
    EXPECT_FALSE(catalogue.Usable()) << length;
    EXPECT_EQ(catalogue.Find("cannot start: %s"), nullptr) << length;
  }
  std::string wrongMagic = whole;
  wrongMagic[0] ^= 1;
  EXPECT_FALSE(MessageCatalogue(wrongMagic).Usable());
  // A string table entry that points past the end.
  std::string pastTheEnd = whole;
  uint32_t originals;
  std::memcpy(&originals, pastTheEnd.data() + 12, 4);
  const uint32_t far = 0x7fffff00;
  std::memcpy(pastTheEnd.data() + originals + 4, &far, 4);
  EXPECT_FALSE(MessageCatalogue(pastTheEnd).Usable());
  // A count that would run the tables past the end.
  std::string tooMany = whole;
  const uint32_t count = static_cast<uint32_t>(whole.size() / 8);
  std::memcpy(tooMany.data() + 8, &count, 4);
  EXPECT_FALSE(MessageCatalogue(tooMany).Usable());
}

TEST(CatalogueNames, FollowGettextsOrderOfSettings) {
  // The locale: LC_ALL, then LC_MESSAGES, then LANG, then the system's.
  EXPECT_EQ(CatalogueNames({"", "", "ko_KR.UTF-8", "", "en_US"}),
            (std::vector<std::string>{"ko_KR", "ko"}));
  EXPECT_EQ(CatalogueNames({"", "", "", "", "ko_KR"}), (std::vector<std::string>{"ko_KR", "ko"}));
  EXPECT_EQ(CatalogueNames({"de_DE.UTF-8", "fr_FR", "ko_KR", "", "ko_KR"}),
            (std::vector<std::string>{"de_DE", "de"}));
  EXPECT_EQ(CatalogueNames({"", "fr_FR", "ko_KR", "", ""}),
            (std::vector<std::string>{"fr_FR", "fr"}));
  // LANGUAGE's list comes before the locale's own language, each entry from its whole name down.
  EXPECT_EQ(CatalogueNames({"", "", "ko_KR.UTF-8", "en", ""}), (std::vector<std::string>{"en"}));
  EXPECT_EQ(CatalogueNames({"", "", "", "pt_BR:ko", "ko_KR"}),
            (std::vector<std::string>{"pt_BR", "pt", "ko"}));
  EXPECT_EQ(CatalogueNames({"", "", "sr_RS.UTF-8@latin", "", ""}),
            (std::vector<std::string>{"sr_RS@latin", "sr_RS", "sr@latin", "sr"}));
  // The C locale translates nothing, whatever LANGUAGE says; no setting at all neither.
  EXPECT_TRUE(CatalogueNames({"", "", "C", "ko", "ko_KR"}).empty());
  EXPECT_TRUE(CatalogueNames({"POSIX", "", "ko_KR", "ko", ""}).empty());
  EXPECT_TRUE(CatalogueNames({"", "", "", "ko", ""}).empty());
  // Empty entries of LANGUAGE's list are skipped.
  EXPECT_EQ(CatalogueNames({"", "", "C.UTF-8", "::ko:", ""}), (std::vector<std::string>{"ko"}));
}
