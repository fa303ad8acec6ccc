// The map compiler: what a source compiles to, which sources it refuses and with what message,
// and the way back from a map file to a source.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "tools/MapCompiler.h"

using namespace map_compiler;

namespace {

// A small source: three legend entries on lines 2..4, `map` on line 5, rows from line 6 on.
struct SmallSource {
  std::vector<std::string> head = {"# test world", "legend . 27 grass", "legend ~ 20 deep sea",
                                   "legend K 48 king", "map"};
  std::vector<std::string> rows = std::vector<std::string>(kMapSize, std::string(kMapSize, '.'));

  static constexpr int kFirstRowLine = 6;

  std::string Text() const {
    std::string text;
    for (const std::string& line : head) text += line + "\n";
    for (const std::string& row : rows) text += row + "\n";
    return text;
  }
};

std::string CompileError(const std::string& text) {
  try {
    CompileMapSource(text, "w.map");
  } catch (const MapError& error) {
    return error.what();
  }
  return "(compiled)";
}

}  // namespace

TEST(MapCompiler, WritesHeaderSizeAndCellsRowByRow) {
  SmallSource source;
  source.rows[0][3] = '~';
  source.rows[1][0] = 'K';
  source.rows[99][99] = '~';
  const std::string file = CompileMapSource(source.Text(), "w.map");

  ASSERT_EQ(file.size(), 10096u);
  EXPECT_EQ(static_cast<uint8_t>(file[11]), 100);  // width
  EXPECT_EQ(static_cast<uint8_t>(file[12]), 100);  // height
  for (size_t i = 13; i < 96; ++i) EXPECT_EQ(file[i], 0) << "header byte " << i;
  EXPECT_EQ(file[96 + 3], 20);  // (3, 0)
  EXPECT_EQ(file[196], 48);     // (0, 1)
  EXPECT_EQ(file[10095], 20);   // (99, 99)
  EXPECT_EQ(file[96 + 100 * 50 + 50], 27);
}

TEST(MapCompiler, RejectsBrokenSourcesNamingFileAndLine) {
  struct Case {
    const char* what;
    void (*breakIt)(SmallSource&);
    std::string message;
  };
  const std::vector<Case> cases = {
      {"unknown character", [](SmallSource& s) { s.rows[4][17] = 'q'; },
       "w.map:10: character 'q' in column 18 is not in the legend"},
      {"stray byte of another encoding", [](SmallSource& s) { s.rows[0][0] = '\xC3'; },
       "w.map:6: character 0xC3 in column 1 is not in the legend"},
      {"tab", [](SmallSource& s) { s.rows[0][99] = '\t'; },
       "w.map:6: character 0x09 in column 100 is not in the legend"},
      {"short row", [](SmallSource& s) { s.rows[0].pop_back(); },
       "w.map:6: map row has 99 characters, expected 100"},
      {"long row", [](SmallSource& s) { s.rows[99] += '.'; },
       "w.map:105: map row has 101 characters, expected 100"},
      {"empty row", [](SmallSource& s) { s.rows[2].clear(); },
       "w.map:8: map row has 0 characters, expected 100"},
      {"too few rows", [](SmallSource& s) { s.rows.pop_back(); },
       "w.map:104: the map has 99 rows, expected 100"},
      {"too many rows", [](SmallSource& s) { s.rows.push_back(s.rows[0]); },
       "w.map:106: more than 100 map rows"},
      {"extra row that looks like a comment", [](SmallSource& s) { s.rows.push_back("# wall"); },
       "w.map:106: more than 100 map rows"},
      {"terrain byte above the sheet", [](SmallSource& s) { s.head[2] = "legend ~ 56 deep sea"; },
       "w.map:3: terrain byte 56 is above 55"},
      {"huge terrain byte", [](SmallSource& s) { s.head[2] = "legend ~ 99999999999 x"; },
       "w.map:3: terrain byte 99999999999 is above 55"},
      {"terrain byte not a number", [](SmallSource& s) { s.head[2] = "legend ~ -1 sea"; },
       "w.map:3: terrain byte '-1' is not a number"},
      {"duplicate character", [](SmallSource& s) { s.head[3] = "legend . 31 castle floor"; },
       "w.map:4: duplicate legend character '.' (first on line 2)"},
      {"legend without a name", [](SmallSource& s) { s.head[3] = "legend K 48"; },
       "w.map:4: legend entry 'K' needs a name"},
      {"legend with a two-letter character", [](SmallSource& s) { s.head[3] = "legend KK 48 x"; },
       "w.map:4: expected 'legend CHARACTER BYTE NAME'"},
      {"stray text", [](SmallSource& s) { s.head[0] = "world of tests"; },
       "w.map:1: expected 'legend', 'map', a comment or a blank line"},
      {"no map line", [](SmallSource& s) { s.head.pop_back(), s.rows.clear(); },
       "w.map: no 'map' line before the map rows"},
  };
  for (const Case& c : cases) {
    SmallSource source;
    c.breakIt(source);
    EXPECT_EQ(CompileError(source.Text()), c.message) << c.what;
  }
}

TEST(MapCompiler, AcceptsWindowsLineEndsAndTrailingBlankLines) {
  SmallSource source;
  std::string text;
  for (const std::string& line : source.head) text += line + "\r\n";
  for (const std::string& row : source.rows) text += row + "\r\n";
  text += "\n  \n";
  EXPECT_EQ(CompileMapSource(text, "w.map"), CompileMapSource(source.Text(), "w.map"));
}

TEST(MapCompiler, DecompilingWithTheSourceLegendGivesTheSourceBack) {
  SmallSource source;
  source.rows[10][20] = 'K';
  source.rows[7].replace(0, 50, std::string(50, '~'));
  const std::string file = CompileMapSource(source.Text(), "w.map");
  const MapLegend legend = ParseMapLegend(source.Text(), "w.map");
  EXPECT_EQ(DecompileMapFile(file, "w.M", legend), source.Text());
}

TEST(MapCompiler, DefaultLegendCoversEveryTileAndRoundTrips) {
  const MapLegend legend = DefaultMapLegend();
  MapCells cells{};
  for (size_t i = 0; i < cells.size(); ++i) cells[i] = static_cast<uint8_t>(i % 56);
  const std::string file = BuildMapFile(cells);
  const std::string text = DecompileMapFile(file, "w.M", legend);
  EXPECT_EQ(CompileMapSource(text, "default.map"), file);
}

TEST(MapCompiler, DecompilingRefusesWhatASourceCannotHold) {
  const MapLegend legend = DefaultMapLegend();
  const std::string good = BuildMapFile(MapCells{});
  auto errorOf = [&](const std::string& bytes, const MapLegend& withLegend) -> std::string {
    try {
      DecompileMapFile(bytes, "w.M", withLegend);
    } catch (const MapError& error) {
      return error.what();
    }
    return "(decompiled)";
  };
  EXPECT_EQ(errorOf(good.substr(0, 10095), legend),
            "w.M: the map file has 10095 bytes, expected 10096");
  std::string narrow = good;
  narrow[11] = 99;
  EXPECT_EQ(errorOf(narrow, legend), "w.M: the map is 99 x 100, expected 100 x 100");
  std::string strange = good;
  strange[96 + 100 * 2 + 5] = static_cast<char>(200);
  EXPECT_EQ(errorOf(strange, legend),
            "w.M: terrain byte 200 at (5, 2) has no character in the legend");
  EXPECT_EQ(errorOf(good, ParseMapLegend(SmallSource().Text(), "w.map")),
            "w.M: terrain byte 0 at (0, 0) has no character in the legend");
}

// The program itself: exit status, message on stderr, and no output left behind on failure.
TEST(MapCompilerProgram, ReportsProblemsAndWritesNothing) {
  testing_support::ScratchDir dir;
  const std::string mapc = std::string(VESK_TOOLS_DIR) + "/mapc";
  SmallSource source;
  dir.Write("good.map", source.Text());
  source.rows[3][3] = 'x';
  dir.Write("bad.map", source.Text());

  EXPECT_EQ(std::system((mapc + " good.map OUT.M 2>err.txt").c_str()), 0);
  EXPECT_EQ(testing_support::ReadFile("OUT.M").size(), 10096u);

  EXPECT_NE(std::system((mapc + " bad.map BAD.M 2>err.txt").c_str()), 0);
  EXPECT_EQ(testing_support::ReadFile("err.txt"),
            "bad.map:9: character 'x' in column 4 is not in the legend\n");
  EXPECT_FALSE(std::filesystem::exists("BAD.M"));

  EXPECT_EQ(std::system((mapc + " --decompile OUT.M back.map good.map 2>err.txt").c_str()), 0);
  EXPECT_EQ(testing_support::ReadFile("back.map"), testing_support::ReadFile("good.map"));

  EXPECT_NE(std::system((mapc + " missing.map X.M 2>err.txt").c_str()), 0);
  EXPECT_EQ(testing_support::ReadFile("err.txt"), "missing.map: cannot open for reading\n");
  EXPECT_NE(std::system((mapc + " 2>err.txt").c_str()), 0);
}
