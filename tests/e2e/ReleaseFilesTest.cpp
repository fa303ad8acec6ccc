// The files that describe a release to packagers and players agree with the game: one version
// everywhere, manual pages (English and Korean) that name every option the program takes, and a
// copyright file that names the licence of every data file that is not under the game's own.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "TestSupport.h"
#include "start/Options.h"

using namespace testing_support;

namespace {

std::string FirstMatch(const std::string& text, const std::string& pattern) {
  std::smatch match;
  return std::regex_search(text, match, std::regex(pattern)) ? match[1].str() : "";
}

TEST(ReleaseFiles, TheDebianChangelogAndTheMetainfoCarryTheGamesVersion) {
  EXPECT_EQ(FirstMatch(ReadFile(SourcePath("debian/changelog")), R"(^vesk \(([^)]*)\))"),
            VESK_VERSION);
  EXPECT_EQ(FirstMatch(ReadFile(SourcePath("packaging/org.example.vesk.metainfo.xml")),
                       R"re(<release version="([^"]*)")re"),
            VESK_VERSION)
      << "the newest release comes first in the metainfo";
}

TEST(ReleaseFiles, EachManualPageDescribesEveryOptionOfTheHelpText) {
  const std::string help = UsageText();
  const std::regex option(R"(--[a-z][a-z-]*|-[a-z]\b)");
  std::set<std::string> options;
  for (auto it = std::sregex_iterator(help.begin(), help.end(), option);
       it != std::sregex_iterator(); ++it) {
    options.insert(it->str());
  }
  EXPECT_GE(options.size(), 10u) << help;
  for (const char* source : {"docs/vesk.6.md", "docs/vesk.ko.6.md"}) {
    const std::string manual = ReadFile(SourcePath(source));
    for (const std::string& name : options) {
      EXPECT_NE(manual.find("**" + name + "**"), std::string::npos)
          << source << " does not describe " << name;
    }
  }
}

TEST(ReleaseFiles, TheCopyrightFileNamesEveryDataFileUnderAnotherLicence) {
  const std::string copyright = ReadFile(SourcePath("debian/copyright"));
  std::istringstream table(ReadFile(SourcePath("data/src/LICENSES.md")));
  int others = 0;
  for (std::string row; std::getline(table, row);) {
    if (row.rfind("| `", 0) != 0 || row.find("MIT") != std::string::npos) continue;
    const std::regex file("`([^`/ ]+\\.[A-Za-z]+)`");
    const std::string firstColumn = row.substr(0, row.find('|', 1));
    for (auto it = std::sregex_iterator(firstColumn.begin(), firstColumn.end(), file);
         it != std::sregex_iterator(); ++it) {
      ++others;
      EXPECT_NE(copyright.find("data/" + (*it)[1].str()), std::string::npos)
          << "debian/copyright does not name data/" << (*it)[1].str();
    }
  }
  EXPECT_GE(others, 2) << "the fonts derived from GNU Unifont";
}

}  // namespace
