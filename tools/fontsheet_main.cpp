// fontsheet: draws the game's fonts the way the game draws them, so they can be looked at.
//   fontsheet DATADIR OUTDIR [--against UNIFONT.hex] [TEXTFILE ...]
// With the renderer and DATADIR's ascii.fnt and H01.fnt it writes OUTDIR/syllables-01.png ..
// syllables-19.png (one initial sound each: a row per vowel, a column per final, the first
// column without one), OUTDIR/letters.png (the 51 lone letters ㄱ .. ㅣ and the printable ASCII
// characters), OUTDIR/components.png (the 344 component glyphs as stored, one set a row) and,
// for each UTF-8 TEXTFILE, OUTDIR/<its name>.png with one line a text row. Everything x2.
// With --against UNIFONT.hex also OUTDIR/weakest.png: the syllables that match Unifont's own
// least, weakest first, each as Unifont's glyph beside the game's, x4.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/DataFiles.h"
#include "platform/image/Bitmap.h"
#include "platform/image/Png.h"
#include "platform/system/CodePage.h"
#include "text/WinHan.h"
#include "tools/FontBuilder.h"
#include "tools/WholeFile.h"

namespace {

constexpr int kScale = 2;
constexpr int kCloseUp = 4;  // the scale of the weakest syllables
constexpr int kWeakestShown = 60;
constexpr int kCell = 18;  // a 16 x 16 glyph and a 2-pixel gap
constexpr platform::ColorWord kInk = platform::kBlack;
constexpr platform::ColorWord kPaper = platform::kWhite;
constexpr platform::ColorWord kGap{0x00C8C8C8};
constexpr int kInitials = font_layout::kInitials;
constexpr int kMedials = font_layout::kVowels;
constexpr int kFinals = font_layout::kFinals + 1;  // no final, then the finals

using font_layout::kSetBases;

std::string ReadWhole(const std::filesystem::path& path) {
  std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) throw std::runtime_error(path.string() + ": cannot be read");
  return *std::move(bytes);
}

// The game reads short font files without complaint; a sheet of one would only mislead.
void CheckFontFile(const std::filesystem::path& path, size_t size) {
  const size_t actual = ReadWhole(path).size();
  if (actual != size)
    throw std::runtime_error(path.string() + ": holds " + std::to_string(actual) +
                             " bytes, the font has " + std::to_string(size));
}

// A 1x picture that a renderer draws on, enlarged when saved.
class Sheet {
 public:
  Sheet(int width, int height, platform::ColorWord paper) : picture_(width, height) {
    picture_.FillRect(platform::RectAt(0, 0, width, height), paper);
  }
  platform::Bitmap& Picture() { return picture_; }

  void Save(const std::filesystem::path& path, int scale = kScale) const {
    platform::Bitmap large(picture_.Width() * scale, picture_.Height() * scale);
    for (int y = 0; y < large.Height(); ++y)
      for (int x = 0; x < large.Width(); ++x) large.Row(y)[x] = picture_.Row(y / scale)[x / scale];
    if (const auto saved = platform::SavePng(large, path.string()); !saved)
      throw std::runtime_error(saved.Error().Message);
    std::printf("%s\n", path.string().c_str());
  }

 private:
  platform::Bitmap picture_;
};

// A sheet with a grid of white cells, in which glyph k is drawn at Origin(k).
struct GlyphGrid {
  GlyphGrid(int columns, int rows) : columns(columns), sheet(columns * kCell, rows * kCell, kGap) {
    for (int row = 0; row < rows; ++row)
      for (int column = 0; column < columns; ++column)
        sheet.Picture().FillRect(platform::RectAt(column * kCell, row * kCell, 16, 16), kPaper);
  }
  int X(int column) const { return column * kCell; }
  int Y(int row) const { return row * kCell; }

  int columns;
  Sheet sheet;
};

THangul RendererOn(platform::Bitmap& picture, const std::filesystem::path& dataDir) {
  THangul hangul([&picture](int32_t x, int32_t y, platform::ColorWord color) {
    picture.SetPixel(x, y, color);
  });
  hangul.LoadFonts((dataDir / kAsciiFontFile).c_str(), (dataDir / kHangulFontFile).c_str());
  return hangul;
}

void SyllableSheets(const std::filesystem::path& dataDir, const std::filesystem::path& outDir) {
  for (int initial = 0; initial < kInitials; ++initial) {
    GlyphGrid grid(kFinals, kMedials);
    THangul hangul = RendererOn(grid.sheet.Picture(), dataDir);
    for (int medial = 0; medial < kMedials; ++medial)
      for (int final = 0; final < kFinals; ++final) {
        const char16_t syllable = 0xAC00 + (initial * kMedials + medial) * kFinals + final;
        hangul.DrawText(grid.X(final), grid.Y(medial), std::u16string(1, syllable), kInk, 0);
      }
    char name[32];
    std::snprintf(name, sizeof name, "syllables-%02d.png", initial + 1);
    grid.sheet.Save(outDir / name);
  }
}

void LetterSheet(const std::filesystem::path& dataDir, const std::filesystem::path& outDir) {
  constexpr int kLetters = 0x3163 - 0x3131 + 1;
  constexpr int kColumns = 19;
  constexpr int kLetterRows = (kLetters + kColumns - 1) / kColumns;
  GlyphGrid grid(kColumns, kLetterRows + 3);
  THangul hangul = RendererOn(grid.sheet.Picture(), dataDir);
  for (int k = 0; k < kLetters; ++k)
    hangul.DrawText(grid.X(k % kColumns), grid.Y(k / kColumns),
                    std::u16string(1, static_cast<char16_t>(0x3131 + k)), kInk, 0);
  // ASCII two characters a cell, so the pairs show how they sit side by side.
  for (int k = 0; k < 96; k += 2) {
    const std::u16string pair = {static_cast<char16_t>(k == 0 ? 0x01 : 0x1F + k),
                                 static_cast<char16_t>(0x20 + k)};
    hangul.DrawText(grid.X(k / 2 % kColumns), grid.Y(kLetterRows + k / 2 / kColumns), pair, kInk,
                    0);
  }
  grid.sheet.Save(outDir / "letters.png");
}

void ComponentSheet(const std::filesystem::path& dataDir, const std::filesystem::path& outDir) {
  const std::string font = ReadWhole(dataDir / kHangulFontFile);
  constexpr int kSets = std::size(kSetBases) - 1;
  GlyphGrid grid(27, kSets);
  for (int set = 0; set < kSets; ++set)
    for (int g = kSetBases[set]; g < kSetBases[set + 1]; ++g)
      for (int pixel = 0; pixel < 256; ++pixel)
        if (static_cast<uint8_t>(font[32 * g + pixel / 8]) & (0x80 >> (pixel % 8)))
          grid.sheet.Picture().SetPixel(grid.X(g - kSetBases[set]) + pixel % 16,
                                        grid.Y(set) + pixel / 16, kInk);
  grid.sheet.Save(outDir / "components.png");
}

// The kWeakestShown syllables whose ink overlaps Unifont's least, six pairs a row: Unifont's
// glyph on the left of each pair, the game's on the right.
void WeakestSheet(const std::filesystem::path& dataDir, const std::string& unifontHex,
                  const std::filesystem::path& outDir) {
  const auto read = fontbuild::ReadHexFont(unifontHex);
  if (!read) throw std::runtime_error(read.Error().Message);
  const fontbuild::HexGlyphs& unifont = *read;
  std::vector<std::pair<double, char16_t>> overlaps;
  std::vector<fontbuild::Glyph> unifontGlyphs(fontbuild::kSyllableCount);
  fontbuild::Glyph drawn{};
  THangul hangul([&drawn](int32_t x, int32_t y, platform::ColorWord) {
    if (x >= 0 && x < 16 && y >= 0 && y < 16)
      drawn[2 * y + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
  });
  hangul.LoadFonts((dataDir / kAsciiFontFile).c_str(), (dataDir / kHangulFontFile).c_str());
  for (int s = 0; s < fontbuild::kSyllableCount; ++s) {
    const auto found = unifont.find(fontbuild::kFirstSyllable + s);
    if (found == unifont.end() || found->second.size() != unifontGlyphs[s].size())
      throw std::runtime_error(unifontHex + ": lacks the 16 x 16 Hangul syllables");
    std::copy(found->second.begin(), found->second.end(), unifontGlyphs[s].begin());
    drawn = fontbuild::Glyph{};
    const char16_t syllable = static_cast<char16_t>(fontbuild::kFirstSyllable + s);
    hangul.DrawText(0, 0, std::u16string(1, syllable), kInk, 0);
    overlaps.emplace_back(fontbuild::InkOverlap(drawn, unifontGlyphs[s]), syllable);
  }
  std::sort(overlaps.begin(), overlaps.end());

  constexpr int kPairsPerRow = 6;
  GlyphGrid grid(2 * kPairsPerRow, (kWeakestShown + kPairsPerRow - 1) / kPairsPerRow);
  THangul ours = RendererOn(grid.sheet.Picture(), dataDir);
  for (int k = 0; k < kWeakestShown; ++k) {
    const char16_t syllable = overlaps[k].second;
    const int column = 2 * (k % kPairsPerRow);
    const int row = k / kPairsPerRow;
    const fontbuild::Glyph& theirs = unifontGlyphs[syllable - fontbuild::kFirstSyllable];
    for (int pixel = 0; pixel < 256; ++pixel)
      if (theirs[pixel / 8] & (0x80 >> (pixel % 8)))
        grid.sheet.Picture().SetPixel(grid.X(column) + pixel % 16, grid.Y(row) + pixel / 16, kInk);
    ours.DrawText(grid.X(column + 1), grid.Y(row), std::u16string(1, syllable), kInk, 0);
  }
  grid.sheet.Save(outDir / "weakest.png", kCloseUp);
}

// One text row of 16 pixels a line, as wide as the longest line, in the panes' faded colour.
void TextSheet(const std::filesystem::path& dataDir, const std::filesystem::path& textFile,
               const std::filesystem::path& outDir) {
  std::vector<std::u16string> lines;
  std::ifstream in(textFile);
  if (!in) throw std::runtime_error(textFile.string() + ": cannot be read");
  int width = 8;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(platform::Utf8ToWide(line));
    std::string johab;
    width = std::max(width, 8 * WideToJohab(lines.back(), johab));
  }
  Sheet sheet(width + 16, 16 * static_cast<int>(lines.size()) + 16, platform::kBlack);
  THangul hangul = RendererOn(sheet.Picture(), dataDir);
  hangul.Mode = THangul::kFaded;
  for (size_t row = 0; row < lines.size(); ++row)
    hangul.DrawText(8, 8 + 16 * static_cast<int32_t>(row), lines[row], platform::kWhite, 0);
  sheet.Save(outDir / (textFile.stem().string() + ".png"));
}

}  // namespace

int main(int argc, char** argv) {
  const bool against = argc >= 5 && std::string(argv[3]) == "--against";
  if (argc < 3 || (argc >= 4 && std::string(argv[3]) == "--against" && !against)) {
    std::fprintf(stderr,
                 "usage: fontsheet DATADIR OUTDIR [--against UNIFONT.hex] [TEXTFILE ...]\n");
    return 2;
  }
  const std::filesystem::path dataDir = argv[1];
  const std::filesystem::path outDir = argv[2];
  const int firstText = against ? 5 : 3;
  try {
    CheckFontFile(dataDir / kAsciiFontFile, font_layout::kAsciiFontSize);
    CheckFontFile(dataDir / kHangulFontFile, font_layout::kHangulFontSize);
    std::filesystem::create_directories(outDir);
    SyllableSheets(dataDir, outDir);
    LetterSheet(dataDir, outDir);
    ComponentSheet(dataDir, outDir);
    if (against) WeakestSheet(dataDir, argv[4], outDir);
    for (int k = firstText; k < argc; ++k) TextSheet(dataDir, argv[k], outDir);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "fontsheet: %s\n", failure.what());
    return 1;
  }
  return 0;
}
