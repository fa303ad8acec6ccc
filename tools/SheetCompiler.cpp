#include "tools/SheetCompiler.h"

#include <filesystem>
#include <iterator>
#include <sstream>

#include "app/DataFiles.h"
#include "platform/system/Paths.h"
#include "platform/system/WholeFile.h"
#include "tools/WholeFile.h"

namespace sheet {

namespace {

const char* const kBlackIndexZero =
    "colour 0 of a sprite sheet must be black (0 0 0): it keeps sprite pixels in the masks";
const char* const kVisibleIndexFifteen =
    "colour 15 of a sprite sheet must not be black: it makes sprite pixels transparent in the "
    "masks";

struct SourceLine {
  int Number = 0;
  std::string Text;  // without surrounding blanks
};

std::string Trim(const std::string& text) {
  const char* blanks = " \t\r";
  size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return "";
  size_t last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

// The lines that carry content: comments and blank lines dropped, numbers kept for messages.
std::vector<SourceLine> ContentLines(const std::string& text) {
  std::vector<SourceLine> lines;
  std::istringstream in(text);
  std::string raw;
  for (int number = 1; std::getline(in, raw); ++number) {
    std::string line = Trim(raw);
    if (line.empty() || line[0] == '#') continue;
    lines.push_back({number, line});
  }
  return lines;
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// A decimal number in [0, limit], or -1.
int SmallNumber(const std::string& word, int limit) {
  if (word.empty() || word.size() > 3) return -1;
  int value = 0;
  for (char c : word) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value <= limit ? value : -1;
}

int PixelValue(char c, SheetKind kind) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c == '.' && kind == SheetKind::Sprites) return kClearPixel;
  return -1;
}

bool IsBlack(const std::array<uint8_t, 3>& colour) {
  return colour[0] == 0 && colour[1] == 0 && colour[2] == 0;
}

// Walks the content lines of one source and reports problems with their line numbers.
class SourceReader {
 public:
  SourceReader(const std::string& text, std::string fileName, SheetKind kind)
      : lines_(ContentLines(text)), fileName_(std::move(fileName)), kind_(kind) {}

  Sheet Read() {
    Sheet sheet;
    sheet.Kind = kind_;
    ReadPalette(sheet);
    for (int k = 0; k < ImageCount(kind_); ++k) sheet.Images.push_back(ReadImage(k));
    if (!AtEnd())
      Fail(Current().Number, "text after the last image " + std::to_string(ImageCount(kind_) - 1));
    return sheet;
  }

 private:
  [[noreturn]] void Fail(int line, const std::string& problem) const {
    throw SheetError(fileName_ + ":" + std::to_string(line) + ": " + problem);
  }

  bool AtEnd() const { return next_ >= lines_.size(); }
  const SourceLine& Current() const { return lines_[next_]; }
  int EndLine() const { return lines_.empty() ? 1 : lines_.back().Number; }

  const SourceLine& Take(const std::string& missing) {
    if (AtEnd()) Fail(EndLine(), "the file ends where " + missing + " should follow");
    return lines_[next_++];
  }

  void ReadPalette(Sheet& sheet) {
    const SourceLine& head = Take("the line \"palette\"");
    if (head.Text != "palette") Fail(head.Number, "expected the line \"palette\"");
    std::array<int, kColours> lineOf{};
    for (int i = 0; i < kColours; ++i) {
      const SourceLine& line = Take("palette colour " + std::to_string(i));
      std::vector<std::string> words = Words(line.Text);
      if (!words.empty() && words[0] == "image")
        Fail(line.Number, "the palette has " + std::to_string(i) + " colours, it needs 16");
      if (words.size() != 3)
        Fail(line.Number, "palette colour " + std::to_string(i) + " needs three numbers r g b");
      for (int c = 0; c < 3; ++c) {
        int value = SmallNumber(words[c], kMaxIntensity);
        if (value < 0)
          Fail(line.Number, "palette intensity \"" + words[c] + "\" is not a number 0..63");
        sheet.Palette[i][c] = static_cast<uint8_t>(value);
      }
      lineOf[i] = line.Number;
    }
    if (kind_ != SheetKind::Sprites) return;
    if (!IsBlack(sheet.Palette[0])) Fail(lineOf[0], kBlackIndexZero);
    if (IsBlack(sheet.Palette[kColours - 1])) Fail(lineOf[kColours - 1], kVisibleIndexFifteen);
  }

  SheetImage ReadImage(int number) {
    const std::string wanted = "\"image " + std::to_string(number) + "\"";
    const SourceLine& head = Take(wanted);
    std::vector<std::string> words = Words(head.Text);
    if (words.size() < 2 || words[0] != "image" || words[1] != std::to_string(number))
      Fail(head.Number, "expected " + wanted + " (images come in order 0.." +
                            std::to_string(ImageCount(kind_) - 1) + ")");
    SheetImage image;
    for (size_t w = 2; w < words.size(); ++w) image.Name += (w > 2 ? " " : "") + words[w];
    if (!AtEnd() && Words(Current().Text)[0] == "size") ReadSize(image);
    for (int r = 0; r < kCellSize; ++r) ReadRow(image, number, r);
    return image;
  }

  void ReadSize(SheetImage& image) {
    const SourceLine& line = Take("a size");
    std::vector<std::string> words = Words(line.Text);
    int w = words.size() == 3 ? SmallNumber(words[1], kMaxSizeField) : -1;
    int h = words.size() == 3 ? SmallNumber(words[2], kMaxSizeField) : -1;
    if (w < 0 || h < 0) Fail(line.Number, "expected \"size W H\" with W and H in 0..23");
    image.W = static_cast<uint16_t>(w);
    image.H = static_cast<uint16_t>(h);
  }

  void ReadRow(SheetImage& image, int number, int r) {
    const SourceLine& line =
        Take("pixel row " + std::to_string(r) + " of image " + std::to_string(number));
    if (line.Text.size() != static_cast<size_t>(kCellSize))
      Fail(line.Number, "pixel row " + std::to_string(r) + " of image " + std::to_string(number) +
                            " has " + std::to_string(line.Text.size()) +
                            " characters, it needs 24");
    for (int x = 0; x < kCellSize; ++x) {
      int value = PixelValue(line.Text[x], kind_);
      if (value < 0) {
        std::string allowed = kind_ == SheetKind::Sprites ? "0-9, a-f or '.'" : "0-9 or a-f";
        Fail(line.Number, "bad pixel character '" + std::string(1, line.Text[x]) + "' in column " +
                              std::to_string(x) + " (use " + allowed + ")");
      }
      image.Pixels[r * kCellSize + x] = static_cast<uint8_t>(value);
    }
  }

  std::vector<SourceLine> lines_;
  size_t next_ = 0;
  std::string fileName_;
  SheetKind kind_;
};

// One record: W, H, then per row the four planes from bit 3 down to bit 0, leftmost pixel in
// the most significant bit.
void EncodeRecord(uint16_t w, uint16_t h, const std::array<uint8_t, kCellPixels>& indices,
                  std::string& out) {
  std::string record(kRecordSize, '\0');
  record[0] = static_cast<char>(w & 0xFF);
  record[1] = static_cast<char>(w >> 8);
  record[2] = static_cast<char>(h & 0xFF);
  record[3] = static_cast<char>(h >> 8);
  auto* bytes = reinterpret_cast<uint8_t*>(record.data());
  for (int r = 0; r < kCellSize; ++r) {
    for (int x = 0; x < kCellSize; ++x)
      PutColourIndex(PixelRow(bytes, r), x, indices[r * kCellSize + x]);
  }
  out += record;
}

std::array<uint8_t, kCellPixels> ReadRecordIndices(const std::string& bytes, size_t offset) {
  std::array<uint8_t, kCellPixels> indices{};
  const auto* record = reinterpret_cast<const uint8_t*>(bytes.data()) + offset;
  for (int r = 0; r < kCellSize; ++r) {
    for (int x = 0; x < kCellSize; ++x)
      indices[r * kCellSize + x] = ColourIndexAt(PixelRow(record, r), x);
  }
  return indices;
}

uint16_t ReadWord(const std::string& bytes, size_t offset) {
  return SizeField(reinterpret_cast<const uint8_t*>(bytes.data()) + offset);
}

char PixelChar(uint8_t index) {
  if (index == kClearPixel) return '.';
  return "0123456789abcdef"[index & 0x0F];
}

std::string ReadSheetFile(const std::string& path) {
  std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) throw SheetError(path + ": cannot be read");
  return *std::move(bytes);
}

void WriteSheetFile(const std::string& path, const std::string& bytes) {
  if (const auto written = platform::ReplaceFile(platform::PathFromUtf8(path), bytes); !written)
    throw SheetError(written.Error().Message);
}

}  // namespace

int ImageCount(SheetKind kind) {
  return kind == SheetKind::Sprites ? kSpriteCount : kImagesPerSheet;
}

Sheet ParseSheetSource(const std::string& text, const std::string& fileName, SheetKind kind) {
  return SourceReader(text, fileName, kind).Read();
}

std::string WriteSheetSource(const Sheet& sheet) {
  std::string out;
  out += sheet.Kind == SheetKind::Sprites
             ? "# Sprite sheet: '.' is a transparent pixel; the masks are derived from it.\n"
             : "# Tile sheet.\n";
  out += "palette\n";
  for (const auto& colour : sheet.Palette)
    out += std::to_string(colour[0]) + " " + std::to_string(colour[1]) + " " +
           std::to_string(colour[2]) + "\n";
  for (size_t k = 0; k < sheet.Images.size(); ++k) {
    const SheetImage& image = sheet.Images[k];
    out += "\nimage " + std::to_string(k) + (image.Name.empty() ? "" : " " + image.Name) + "\n";
    if (image.W != kMaxSizeField || image.H != kMaxSizeField)
      out += "size " + std::to_string(image.W) + " " + std::to_string(image.H) + "\n";
    for (int r = 0; r < kCellSize; ++r) {
      for (int x = 0; x < kCellSize; ++x) out += PixelChar(image.Pixels[r * kCellSize + x]);
      out += "\n";
    }
  }
  return out;
}

std::string EncodePalette(const Sheet& sheet) {
  std::string out;
  for (const auto& colour : sheet.Palette)
    for (uint8_t component : colour) out += static_cast<char>(component);
  return out;
}

std::string EncodeImages(const Sheet& sheet) {
  std::string out;
  for (const SheetImage& image : sheet.Images) {
    std::array<uint8_t, kCellPixels> indices = image.Pixels;
    for (uint8_t& index : indices)
      if (index == kClearPixel) index = 0;
    EncodeRecord(image.W, image.H, indices, out);
  }
  if (sheet.Kind == SheetKind::Sprites) {
    for (const SheetImage& image : sheet.Images) {
      std::array<uint8_t, kCellPixels> mask{};
      for (int i = 0; i < kCellPixels; ++i)
        mask[i] = image.Pixels[i] == kClearPixel ? kColours - 1 : 0;
      EncodeRecord(image.W, image.H, mask, out);
    }
  }
  return out;
}

Sheet DecodeSheetFiles(const std::string& paletteBytes, const std::string& paletteName,
                       const std::string& imageBytes, const std::string& imageName,
                       SheetKind kind) {
  if (paletteBytes.size() != kPaletteFileSize)
    throw SheetError(paletteName + ": holds " + std::to_string(paletteBytes.size()) +
                     " bytes, a palette has 48");
  if (imageBytes.size() < kImageFileSize)
    throw SheetError(imageName + ": holds " + std::to_string(imageBytes.size()) +
                     " bytes, an image file needs 16464");
  Sheet sheet;
  sheet.Kind = kind;
  for (int i = 0; i < kColours; ++i) {
    for (int c = 0; c < 3; ++c) {
      auto value = static_cast<uint8_t>(paletteBytes[3 * i + c]);
      if (value > kMaxIntensity)
        throw SheetError(paletteName + ": colour " + std::to_string(i) + " has intensity " +
                         std::to_string(value) + ", above 63");
      sheet.Palette[i][c] = value;
    }
  }
  if (kind == SheetKind::Sprites) {
    if (!IsBlack(sheet.Palette[0])) throw SheetError(paletteName + ": " + kBlackIndexZero);
    if (IsBlack(sheet.Palette[kColours - 1]))
      throw SheetError(paletteName + ": " + kVisibleIndexFifteen);
  }
  for (int k = 0; k < ImageCount(kind); ++k) {
    SheetImage image;
    image.W = ReadWord(imageBytes, kRecordSize * k);
    image.H = ReadWord(imageBytes, kRecordSize * k + 2);
    if (image.W > kMaxSizeField || image.H > kMaxSizeField)
      throw SheetError(imageName + ": image " + std::to_string(k) + " is " +
                       std::to_string(image.W + 1) + " x " + std::to_string(image.H + 1) +
                       ", larger than a 24 x 24 cell");
    image.Pixels = ReadRecordIndices(imageBytes, kRecordSize * k);
    sheet.Images.push_back(image);
  }
  if (kind == SheetKind::Sprites) {
    for (int k = 0; k < kSpriteCount; ++k) {
      size_t offset = kRecordSize * (kSpriteCount + k);
      SheetImage& sprite = sheet.Images[k];
      if (ReadWord(imageBytes, offset) != sprite.W || ReadWord(imageBytes, offset + 2) != sprite.H)
        throw SheetError(imageName + ": the mask of sprite " + std::to_string(k) +
                         " differs in size from the sprite");
      std::array<uint8_t, kCellPixels> mask = ReadRecordIndices(imageBytes, offset);
      for (int i = 0; i < kCellPixels; ++i)
        if (!IsBlack(sheet.Palette[mask[i]])) sprite.Pixels[i] = kClearPixel;
    }
  }
  return sheet;
}

void CompileSheetFile(const std::string& sourcePath, const std::string& outDir) {
  std::filesystem::path source(sourcePath);
  std::string name = source.stem().string();
  Sheet sheet = ParseSheetSource(ReadSheetFile(sourcePath), sourcePath, KindForName(name));
  if (!std::filesystem::is_directory(outDir)) throw SheetError(outDir + ": is not a folder");
  std::filesystem::path out(outDir);
  WriteSheetFile((out / (name + kPaletteEnding)).string(), EncodePalette(sheet));
  WriteSheetFile((out / (name + kImageEnding)).string(), EncodeImages(sheet));
}

void DecompileSheetFiles(const std::string& palettePath, const std::string& imagePath,
                         const std::string& outPath) {
  SheetKind kind = KindForName(std::filesystem::path(palettePath).stem().string());
  Sheet sheet = DecodeSheetFiles(ReadSheetFile(palettePath), palettePath, ReadSheetFile(imagePath),
                                 imagePath, kind);
  WriteSheetFile(outPath, WriteSheetSource(sheet));
}

}  // namespace sheet
