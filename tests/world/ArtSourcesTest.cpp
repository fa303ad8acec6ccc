// The tile art is drawn by tools/art/make_sheets.py; the sheet sources in data/src/ are what it
// writes. A hand edit of a .sheet, or a drawing changed without redrawing the sheets, makes the
// two disagree, and the next run of the script would silently undo one of them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "TestSupport.h"

namespace {

using testing_support::ReadFile;
using testing_support::ScratchDir;
using testing_support::SourcePath;

TEST(ArtSources, DrawExactlyTheCommittedSheetSources) {
  if (std::system("command -v python3 >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "python3 is not installed: the drawings in tools/art were not compared with "
                    "data/src/*.sheet";
  }
  ScratchDir dir;
  const std::string script = SourcePath("tools/art/make_sheets.py").string();
  ASSERT_EQ(std::system(("python3 '" + script + "' . 2>stderr.txt").c_str()), 0)
      << ReadFile("stderr.txt");
  for (const std::string name : {"TOWN", "CHARA"}) {
    EXPECT_TRUE(ReadFile(name + ".sheet") == ReadFile(SourcePath("data/src/" + name + ".sheet")))
        << "data/src/" << name << ".sheet is not what tools/art draws: change the drawings, then "
        << "run python3 tools/art/make_sheets.py data/src";
  }
}

}  // namespace
