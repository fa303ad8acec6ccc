// The sheet compiler and decoder: the committed sheets rebuild from their sources byte for byte,
// the bytes follow the file layout the game reads, malformed sources stop with FILE:LINE, and a
// built sheet turns back into a source that builds the same files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "SheetModel.h"
#include "TestSupport.h"
#include "platform/image/Png.h"
#include "tools/SheetCompiler.h"

namespace {

using testing_support::ReadFile;
using testing_support::ScratchDir;
using testing_support::SourcePath;

std::string Palette(const std::string& first = "0 0 0", const std::string& last = "63 0 63") {
  std::string text = "palette\n" + first + "\n";
  for (int i = 1; i < 15; ++i) text += std::to_string(i * 4) + " 10 20\n";
  return text + last + "\n";
}

std::string Rows(char c, int count = 24) {
  std::string text;
  for (int r = 0; r < count; ++r) text += std::string(24, c) + "\n";
  return text;
}

// A well-formed source of `count` images, all of colour `c`.
std::string Source(int count, char c = '1', const std::string& palette = Palette()) {
  std::string text = "# a test sheet\n" + palette;
  for (int k = 0; k < count; ++k) text += "\nimage " + std::to_string(k) + " plain\n" + Rows(c);
  return text;
}

sheet::Sheet Parse(const std::string& text, sheet::SheetKind kind) {
  return sheet::ParseSheetSource(text, "T.sheet", kind);
}

std::string ErrorOf(const std::string& text, sheet::SheetKind kind) {
  try {
    Parse(text, kind);
  } catch (const sheet::SheetError& error) {
    return error.what();
  }
  return "(accepted)";
}

uint8_t Byte(const std::string& bytes, size_t at) { return static_cast<uint8_t>(bytes[at]); }

int RunTool(const std::string& command) { return std::system((command + " 2>stderr.txt").c_str()); }

const std::string kSheetc = std::string(VESK_TOOLS_DIR) + "/sheetc";

TEST(SheetCompiler, RebuildsTheCommittedSheetsByteForByte) {
  ScratchDir dir;
  for (const std::string name : {"TOWN", "CHARA"}) {
    std::string source = SourcePath("data/src/" + name + ".sheet").string();
    ASSERT_EQ(RunTool(kSheetc + " " + source + " ."), 0) << ReadFile("stderr.txt");
    EXPECT_EQ(ReadFile(name + ".PAL"), ReadFile(SourcePath("data/" + name + ".PAL"))) << name;
    EXPECT_EQ(ReadFile(name + ".FNT"), ReadFile(SourcePath("data/" + name + ".FNT"))) << name;
  }
}

TEST(SheetCompiler, WritesThePaletteAndBitPlanesOfTheFileLayout) {
  std::string text = Palette("1 2 3", "61 62 63") + "image 0 probe\nsize 15 7\n";
  std::string row0(24, '0');
  row0[0] = '8';   // bit 3 only: plane 0, first byte, leftmost bit
  row0[9] = '1';   // bit 0 only: plane 3, second byte, bit 6
  row0[23] = 'f';  // every plane, third byte, lowest bit
  row0[12] = '6';  // bits 2 and 1
  text += row0 + "\n" + Rows('0', 23);
  for (int k = 1; k < 56; ++k) text += "image " + std::to_string(k) + "\n" + Rows('0');
  sheet::Sheet parsed = Parse(text, sheet::SheetKind::Tiles);

  std::string palette = sheet::EncodePalette(parsed);
  ASSERT_EQ(palette.size(), 48u);
  EXPECT_EQ(Byte(palette, 0), 1);
  EXPECT_EQ(Byte(palette, 2), 3);
  EXPECT_EQ(Byte(palette, 45), 61);
  EXPECT_EQ(Byte(palette, 47), 63);

  std::string images = sheet::EncodeImages(parsed);
  ASSERT_EQ(images.size(), 16464u);
  EXPECT_EQ(Byte(images, 0), 15);  // W, little-endian
  EXPECT_EQ(Byte(images, 1), 0);
  EXPECT_EQ(Byte(images, 2), 7);  // H
  EXPECT_EQ(Byte(images, 3), 0);
  const size_t row = 4;
  EXPECT_EQ(Byte(images, row + 0), 0x80);      // plane of bit 3, pixels 0..7
  EXPECT_EQ(Byte(images, row + 2), 0x01);      // plane of bit 3, pixels 16..23
  EXPECT_EQ(Byte(images, row + 3 + 1), 0x08);  // plane of bit 2, pixel 12
  EXPECT_EQ(Byte(images, row + 3 + 2), 0x01);  // plane of bit 2, pixel 23
  EXPECT_EQ(Byte(images, row + 6 + 1), 0x08);  // plane of bit 1, pixel 12
  EXPECT_EQ(Byte(images, row + 9 + 1), 0x40);  // plane of bit 0, pixel 9
  EXPECT_EQ(Byte(images, row + 9 + 2), 0x01);  // plane of bit 0, pixel 23
  EXPECT_EQ(Byte(images, row + 12), 0x00);     // row 1 is empty
  EXPECT_EQ(Byte(images, 292), 0);             // the two unread bytes
  EXPECT_EQ(Byte(images, 293), 0);
  EXPECT_EQ(Byte(images, 294), 23);  // image 1 starts at 294, full size
  EXPECT_EQ(Byte(images, 294 + 2), 23);
}

TEST(SheetCompiler, CommentsBlankLinesAndTrailingBlanksAreIgnored) {
  std::string text = Source(56);
  std::string spaced;
  for (char c : text) spaced += c == '\n' ? std::string("  \r\n\n# note\n") : std::string(1, c);
  EXPECT_EQ(sheet::EncodeImages(Parse(spaced, sheet::SheetKind::Tiles)),
            sheet::EncodeImages(Parse(text, sheet::SheetKind::Tiles)));
}

struct BadSource {
  const char* Problem;
  std::string Text;
  sheet::SheetKind Kind;
  std::string Expected;  // the start of the message
};

TEST(SheetCompiler, RejectsMalformedSourcesNamingFileAndLine) {
  using sheet::SheetKind;
  const std::string good = Source(56);
  // line numbers: 1 comment, 2 "palette", 3..18 colours; image k: blank line 19 + 26k,
  // "image k" 20 + 26k, rows 21 + 26k .. 44 + 26k
  std::string shortRow = good;
  shortRow.replace(shortRow.find("111111111111111111111111\n"), 25, "11111111111111111111111\n");
  std::string badChar = good;
  badChar[badChar.find("111111111111111111111111") + 5] = 'g';
  std::string missingColour = good;
  missingColour.erase(missingColour.find("8 10 20\n"), 8);
  std::string outOfOrder = good;
  outOfOrder.replace(outOfOrder.find("image 1 "), 8, "image 2 ");
  std::string sized = good;
  sized.insert(sized.find("image 1 plain\n") + 14, "size 24 10\n");
  std::string loudIntensity = good;
  loudIntensity.replace(loudIntensity.find("4 10 20"), 7, "4 64 20");

  const std::vector<BadSource> cases = {
      {"row of 23 characters", shortRow, SheetKind::Tiles,
       "T.sheet:21: pixel row 0 of image 0 has 23 characters"},
      {"bad pixel character", badChar, SheetKind::Tiles,
       "T.sheet:21: bad pixel character 'g' in column 5"},
      {"'.' in a tile sheet", Source(56, '.'), SheetKind::Tiles,
       "T.sheet:21: bad pixel character '.'"},
      {"15 palette colours", missingColour, SheetKind::Tiles,
       "T.sheet:19: the palette has 15 colours, it needs 16"},
      {"images out of order", outOfOrder, SheetKind::Tiles, "T.sheet:46: expected \"image 1\""},
      {"size beyond the cell", sized, SheetKind::Tiles, "T.sheet:47: expected \"size W H\""},
      {"intensity above 63", loudIntensity, SheetKind::Tiles,
       "T.sheet:4: palette intensity \"64\""},
      {"no palette line", "image 0\n" + Rows('1'), SheetKind::Tiles,
       "T.sheet:1: expected the line \"palette\""},
      {"too few images", Source(55), SheetKind::Tiles,
       "T.sheet:1448: the file ends where \"image 55\" should follow"},
      {"the file ends inside an image", Source(56).substr(0, Source(56).size() - 50),
       SheetKind::Tiles, "T.sheet:1472: the file ends where pixel row 22 of image 55"},
      {"an image too many", Source(57), SheetKind::Tiles,
       "T.sheet:1476: text after the last image 55"},
      {"sprite sheet with 29 images", Source(29, '.'), SheetKind::Sprites,
       "T.sheet:748: text after the last image 27"},
      {"sprite colour 0 not black", Source(28, '.', Palette("0 0 1")), SheetKind::Sprites,
       "T.sheet:3: colour 0 of a sprite sheet must be black"},
      {"sprite colour 15 black", Source(28, '.', Palette("0 0 0", "0 0 0")), SheetKind::Sprites,
       "T.sheet:18: colour 15 of a sprite sheet must not be black"},
  };
  for (const BadSource& bad : cases) {
    std::string message = ErrorOf(bad.Text, bad.Kind);
    EXPECT_EQ(message.rfind(bad.Expected, 0), 0u) << bad.Problem << ": " << message;
  }
  // a tile sheet may use any colour 0, and '.' is fine in sprites
  EXPECT_NO_THROW(Parse(Source(56, '1', Palette("9 9 9", "0 0 0")), SheetKind::Tiles));
  EXPECT_NO_THROW(Parse(Source(28, '.'), SheetKind::Sprites));
}

TEST(SheetCompiler, ProgramReportsAProblemAndFailsWithoutWriting) {
  ScratchDir dir;
  dir.Write("BROKEN.sheet", Source(3));
  EXPECT_NE(RunTool(kSheetc + " BROKEN.sheet ."), 0);
  EXPECT_NE(ReadFile("stderr.txt").find("BROKEN.sheet:"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("BROKEN.FNT"));
  EXPECT_NE(RunTool(kSheetc + " missing.sheet ."), 0);
  EXPECT_NE(ReadFile("stderr.txt").find("missing.sheet"), std::string::npos);
  dir.Write("TOWN.sheet", Source(56));
  EXPECT_NE(RunTool(kSheetc + " TOWN.sheet no-such-folder"), 0);
  EXPECT_NE(ReadFile("stderr.txt").find("no-such-folder"), std::string::npos);
}

TEST(SheetCompiler, TransparentSpritePixelsBecomeIndexZeroWithAFifteenMask) {
  std::string text = Palette();
  for (int k = 0; k < 28; ++k) {
    text += "image " + std::to_string(k) + "\n";
    text += ".0" + std::string(22, '7') + "\n" + Rows('7', 23);
  }
  sheet::Sheet parsed = Parse(text, sheet::SheetKind::Sprites);
  std::string images = sheet::EncodeImages(parsed);
  ASSERT_EQ(images.size(), 16464u);
  // sprite 0, row 0: pixel 0 ('.') and pixel 1 ('0') are index 0; the rest is 7 (bits 2, 1, 0)
  EXPECT_EQ(Byte(images, 4 + 0), 0x00);
  EXPECT_EQ(Byte(images, 4 + 3), 0x3F);
  // mask 0 (image 28): index 15 at pixel 0 only
  const size_t mask = 294 * 28 + 4;
  for (int plane = 0; plane < 4; ++plane) {
    EXPECT_EQ(Byte(images, mask + 3 * plane), 0x80) << plane;
    EXPECT_EQ(Byte(images, mask + 3 * plane + 1), 0x00) << plane;
  }
  // what the game sees: '.' is the key colour, a black '0' pixel stays black
  std::vector<sheet::Cell> sprites =
      sheet::ApplyMasks(sheet::DecodeImages(images, sheet::DecodePalette(EncodePalette(parsed))));
  EXPECT_EQ(sprites[0][0], sheet::kKeyColour);
  EXPECT_EQ(sprites[0][1], 0x000000u);
  EXPECT_EQ(sprites[27][2], (112u << 16) | (40u << 8) | 80u);
}

TEST(SheetCompiler, DecompilingAndCompilingAgainGivesTheSameFiles) {
  for (const std::string name : {"TOWN", "CHARA"}) {
    std::string pal = ReadFile(SourcePath("data/" + name + ".PAL"));
    std::string fnt = ReadFile(SourcePath("data/" + name + ".FNT"));
    sheet::SheetKind kind = sheet::KindForName(name);
    std::string source = sheet::WriteSheetSource(
        sheet::DecodeSheetFiles(pal, name + ".PAL", fnt, name + ".FNT", kind));
    sheet::Sheet again = Parse(source, kind);
    EXPECT_EQ(sheet::EncodePalette(again), pal) << name;
    EXPECT_EQ(sheet::EncodeImages(again), fnt) << name;
  }
  // the same through the program, from the built files to a source and back
  ScratchDir dir;
  std::string data = SourcePath("data").string();
  ASSERT_EQ(
      RunTool(kSheetc + " --decompile " + data + "/CHARA.PAL " + data + "/CHARA.FNT CHARA.sheet"),
      0)
      << ReadFile("stderr.txt");
  ASSERT_EQ(RunTool(kSheetc + " CHARA.sheet ."), 0) << ReadFile("stderr.txt");
  EXPECT_EQ(ReadFile("CHARA.FNT"), ReadFile(SourcePath("data/CHARA.FNT")));
  // sizes survive too
  std::string sized = Source(56);
  sized.insert(sized.find("image 3 plain\n") + 14, "size 15 15\n");
  sheet::Sheet parsed = Parse(sized, sheet::SheetKind::Tiles);
  std::string back = sheet::WriteSheetSource(
      sheet::DecodeSheetFiles(sheet::EncodePalette(parsed), "P", sheet::EncodeImages(parsed), "F",
                              sheet::SheetKind::Tiles));
  EXPECT_NE(back.find("image 3\nsize 15 15\n"), std::string::npos);
}

TEST(SheetCompiler, DecompilerRejectsFilesItCannotExpress) {
  sheet::Sheet tiles = Parse(Source(56, '1', Palette("9 9 9")), sheet::SheetKind::Tiles);
  std::string pal = sheet::EncodePalette(tiles), fnt = sheet::EncodeImages(tiles);
  auto message = [](const std::string& p, const std::string& f, sheet::SheetKind kind) {
    try {
      sheet::DecodeSheetFiles(p, "X.PAL", f, "X.FNT", kind);
    } catch (const sheet::SheetError& error) {
      return std::string(error.what());
    }
    return std::string("(accepted)");
  };
  using sheet::SheetKind;
  EXPECT_EQ(message(pal.substr(0, 47), fnt, SheetKind::Tiles).rfind("X.PAL: holds 47 bytes", 0),
            0u);
  EXPECT_EQ(message(pal, fnt.substr(0, 16463), SheetKind::Tiles).rfind("X.FNT: holds 16463", 0),
            0u);
  std::string loud = pal;
  loud[5] = 64;
  EXPECT_NE(message(loud, fnt, SheetKind::Tiles).find("above 63"), std::string::npos);
  std::string wide = fnt;
  wide[294 * 7] = 24;
  EXPECT_NE(message(pal, wide, SheetKind::Tiles).find("image 7 is 25 x 24"), std::string::npos);
  // a sprite sheet whose colour 0 is not black has masks the source cannot say
  EXPECT_NE(message(pal, fnt, SheetKind::Sprites).find("colour 0"), std::string::npos);
}

TEST(SheetModel, FollowsThePaletteScaleImageSizeAndMaskRules) {
  std::string pal(48, '\0');
  pal[3] = 63;  // colour 1 = (252, 0, 0)
  pal[7] = 1;   // colour 2 = (0, 4, 0): dark, but not black
  std::string fnt(16464, '\0');
  for (int k = 0; k < 56; ++k) fnt[294 * k] = fnt[294 * k + 2] = 23;
  fnt[0] = fnt[2] = 15;  // image 0 is 16 x 16, filled with colour 1 (plane of bit 0)
  for (int r = 0; r < 24; ++r) fnt[4 + 12 * r + 9] = fnt[4 + 12 * r + 10] = '\xFF';
  // mask of sprite 1 (image 29): colour 2 at pixel (0, 0), colour 1 at (1, 0)
  fnt[294 * 29 + 4 + 6] = '\x80';
  fnt[294 * 29 + 4 + 9] = '\x40';
  // mask of sprite 2 (image 30) is 1 x 1: its colour-1 pixel (3, 0) lies outside it
  fnt[294 * 30] = fnt[294 * 30 + 2] = 0;
  fnt[294 * 30 + 4 + 9] = '\x10';

  std::vector<sheet::DecodedImage> images = sheet::DecodeImages(fnt, sheet::DecodePalette(pal));
  EXPECT_EQ(images[0].Pixels[0], 0x00FC0000u);
  EXPECT_EQ(images[0].Pixels[15 * 24 + 15], 0x00FC0000u);
  EXPECT_EQ(images[0].Pixels[16], sheet::kClearColour);       // outside W
  EXPECT_EQ(images[0].Pixels[16 * 24], sheet::kClearColour);  // outside H
  std::vector<sheet::Cell> sprites = sheet::ApplyMasks(images);
  ASSERT_EQ(sprites.size(), 28u);
  EXPECT_EQ(sprites[1][0], sheet::kKeyColour);
  EXPECT_EQ(sprites[1][1], sheet::kKeyColour);
  EXPECT_EQ(sprites[1][2], 0u);
  EXPECT_EQ(sprites[2][3], 0u);
}

TEST(CommittedSheets, ShowDistinctTilesAndSpritesThatStandOnTheirGround) {
  std::string data = SourcePath("data").string();
  std::vector<sheet::Cell> tiles = sheet::LoadSheetCells(data, "TOWN");
  std::vector<sheet::Cell> sprites = sheet::LoadSheetCells(data, "CHARA");
  for (int a = 0; a < 56; ++a)
    for (int b = a + 1; b < 56; ++b) EXPECT_NE(tiles[a], tiles[b]) << a << " and " << b;
  for (int k = 0; k < 28; ++k) {
    int clear = 0;
    for (uint32_t pixel : sprites[k]) clear += pixel == sheet::kKeyColour;
    // every sprite shows something and lets its ground through round it
    EXPECT_GT(clear, 576 / 4) << k;
    EXPECT_LT(clear, 576 * 3 / 4) << k;
  }
}

}  // namespace

namespace {

const std::string kContactSheet = std::string(VESK_TOOLS_DIR) + "/contactsheet";

std::string MapBytes(const std::vector<std::pair<int, uint8_t>>& cells) {
  std::string map(96 + 100 * 100, static_cast<char>(27));
  map.replace(0, 96, std::string(96, '\0'));
  map[11] = map[12] = 100;
  for (const auto& [at, byte] : cells) map[96 + at] = static_cast<char>(byte);
  return map;
}

TEST(ContactSheet, DrawsTheWorldCellByCellFromTheLowSixBits) {
  ScratchDir dir;
  for (const std::string file : {"TOWN.PAL", "TOWN.FNT", "CHARA.PAL", "CHARA.FNT"})
    dir.CopyData(file);
  // cell (0, 0) a tree, (1, 0) byte 60 (no tile), (2, 0) byte 64 + 5 (a tree again), (0, 1) 127
  dir.Write("VESK.M", MapBytes({{0, 5}, {1, 60}, {2, 64 + 5}, {100, 127}}));
  ASSERT_EQ(RunTool(kContactSheet + " . ."), 0) << ReadFile("stderr.txt");

  std::vector<sheet::Cell> tiles = sheet::LoadSheetCells(".", "TOWN");
  std::optional<platform::Bitmap> world = testing_support::LoadPng("world.png");
  ASSERT_TRUE(world);
  ASSERT_EQ(world->Width(), 2400);
  ASSERT_EQ(world->Height(), 2400);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) {
      ASSERT_EQ(world->Pixel(x, y), platform::Pixel(tiles[5][y * 24 + x])) << x << "," << y;
      ASSERT_EQ(world->Pixel(48 + x, y), platform::Pixel(tiles[5][y * 24 + x])) << x << "," << y;
      ASSERT_EQ(world->Pixel(24 + x, y), platform::Pixel(0)) << x << "," << y;
      ASSERT_EQ(world->Pixel(x, 24 + y), platform::Pixel(0)) << x << "," << y;
      ASSERT_EQ(world->Pixel(2376 + x, 2376 + y), platform::Pixel(tiles[27][y * 24 + x]))
          << x << "," << y;
    }
  for (const std::string picture : {"town.png", "town-repeat.png", "chara.png"})
    EXPECT_TRUE(testing_support::LoadPng(picture)) << picture;
  EXPECT_EQ(testing_support::LoadPng("world-small.png")->Width(), 600);
}

TEST(ContactSheet, NamesAShortMapFile) {
  ScratchDir dir;
  for (const std::string file : {"TOWN.PAL", "TOWN.FNT", "CHARA.PAL", "CHARA.FNT"})
    dir.CopyData(file);
  dir.Write("VESK.M", MapBytes({}).substr(0, 10095));
  EXPECT_NE(RunTool(kContactSheet + " . ."), 0);
  EXPECT_NE(ReadFile("stderr.txt").find("VESK.M: holds 10095 bytes"), std::string::npos);
}

}  // namespace
