#include "tools/MapCompiler.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace map_compiler {

namespace {

struct TileName {
  char symbol;
  const char* name;
};

// Indexed by terrain byte; the characters try to look like the tile they stand for.
constexpr std::array<TileName, kHighestTerrain + 1> kDefaultTiles = {{
    {'!', "special event: glowing rune"},
    {'#', "castle stone wall"},
    {'=', "castle battlement"},
    {'B', "brick house wall"},
    {'W', "wooden house wall"},
    {'t', "round leafy tree"},
    {'T', "pine tree"},
    {'F', "dense forest"},
    {'M', "rocky mountain"},
    {'A', "snow-capped mountain"},
    {'o', "boulder"},
    {'|', "wooden fence"},
    {'I', "stone pillar"},
    {'Y', "throne"},
    {'n', "table"},
    {'L', "bookshelf"},
    {'u', "barrels and crates"},
    {'S', "stone statue"},
    {'h', "hedge"},
    {'@', "magic circle"},
    {'~', "deep sea"},
    {'O', "fountain"},
    {'D', "door"},
    {'?', "signpost"},
    {'w', "shallow water"},
    {'%', "swamp"},
    {'&', "lava"},
    {'.', "grass"},
    {',', "grass with flowers"},
    {':', "dirt road"},
    {'+', "cobblestone road"},
    {'_', "castle floor"},
    {'-', "wooden floor"},
    {'r', "carpet"},
    {'H', "bridge"},
    {'s', "sand"},
    {';', "dark meadow grass"},
    {'a', "ash"},
    {'p', "town plaza"},
    {'\'', "snow field"},
    {'g', "gravel"},
    {'f', "tilled field"},
    {'v', "wheat field"},
    {'P', "wooden pier"},
    {'z', "cracked ruins floor"},
    {'G', "open gateway"},
    {'*', "flower garden"},
    {'c', "bare rock and cave floor"},
    {'K', "king"},
    {'1', "castle guard"},
    {'2', "town guard"},
    {'3', "farmer"},
    {'4', "townswoman"},
    {'5', "old sage"},
    {'6', "merchant"},
    {'7', "child"},
}};

constexpr const char* kDefaultPreamble[] = {
    "# World map source.",
    "# Above the line 'map', lines starting with '#' and blank lines are comments.",
    "# 'legend C BYTE NAME' gives the map character C the terrain byte BYTE (0..55) and a name.",
    "# The line 'map' is followed by 100 rows of exactly 100 legend characters;",
    "# row 0 is the north edge, column 0 the west edge.",
};

std::string At(const std::string& fileName, int line, const std::string& problem) {
  return fileName + ":" + std::to_string(line) + ": " + problem;
}

bool IsSymbol(char c) { return c > ' ' && c < 0x7F; }

// A character for a message: visible ASCII in quotes, anything else (a tab, a stray byte of
// another encoding) as its code, so the message stays readable on any terminal.
std::string Quoted(char symbol) {
  if (IsSymbol(symbol)) return std::string("'") + symbol + "'";
  constexpr char kHex[] = "0123456789ABCDEF";
  const auto code = static_cast<unsigned char>(symbol);
  return std::string("0x") + kHex[code >> 4] + kHex[code & 0xF];
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();  // sources edited elsewhere
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

bool IsComment(const std::string& line) {
  size_t first = line.find_first_not_of(" \t");
  return first == std::string::npos || line[first] == '#';
}

// "legend C BYTE NAME": C one visible ASCII character, BYTE a decimal terrain byte 0..55.
LegendEntry ParseLegendLine(const std::string& line, int lineNumber, const std::string& fileName) {
  constexpr size_t kSymbolAt = 7;  // after "legend "
  const std::string malformed = "expected 'legend CHARACTER BYTE NAME'";
  if (line.size() < kSymbolAt + 1 || line[kSymbolAt - 1] != ' ' || !IsSymbol(line[kSymbolAt]) ||
      (line.size() > kSymbolAt + 1 && line[kSymbolAt + 1] != ' '))
    throw MapError(At(fileName, lineNumber, malformed));
  size_t numberStart = line.find_first_not_of(' ', kSymbolAt + 1);
  if (numberStart == std::string::npos) throw MapError(At(fileName, lineNumber, malformed));
  size_t numberEnd = line.find(' ', numberStart);
  if (numberEnd == std::string::npos) numberEnd = line.size();
  unsigned value = 0;
  auto [rest, error] = std::from_chars(line.data() + numberStart, line.data() + numberEnd, value);
  if (error == std::errc::result_out_of_range || (error == std::errc() && value > kHighestTerrain))
    throw MapError(At(fileName, lineNumber,
                      "terrain byte " + line.substr(numberStart, numberEnd - numberStart) +
                          " is above " + std::to_string(kHighestTerrain)));
  if (error != std::errc() || rest != line.data() + numberEnd)
    throw MapError(At(fileName, lineNumber,
                      "terrain byte '" + line.substr(numberStart, numberEnd - numberStart) +
                          "' is not a number"));
  size_t nameStart = line.find_first_not_of(' ', numberEnd);
  if (nameStart == std::string::npos)
    throw MapError(
        At(fileName, lineNumber, "legend entry " + Quoted(line[kSymbolAt]) + " needs a name"));
  return {line[kSymbolAt], static_cast<uint8_t>(value), line.substr(nameStart), lineNumber};
}

// Reads the preamble into `legend`; returns the index of the first grid line.
size_t ParsePreamble(const std::vector<std::string>& lines, const std::string& fileName,
                     MapLegend& legend) {
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const int lineNumber = static_cast<int>(i) + 1;
    legend.preamble.push_back(line);
    if (IsComment(line)) continue;
    if (line == "map") return i + 1;
    if (line.rfind("legend", 0) != 0)
      throw MapError(
          At(fileName, lineNumber, "expected 'legend', 'map', a comment or a blank line"));
    LegendEntry entry = ParseLegendLine(line, lineNumber, fileName);
    if (const LegendEntry* first = legend.FindSymbol(entry.symbol))
      throw MapError(At(fileName, lineNumber,
                        "duplicate legend character " + Quoted(entry.symbol) + " (first on line " +
                            std::to_string(first->line) + ")"));
    legend.entries.push_back(std::move(entry));
  }
  throw MapError(fileName + ": no 'map' line before the map rows");
}

void ParseGrid(const std::vector<std::string>& lines, size_t firstRow, const std::string& fileName,
               MapSource& source) {
  const size_t rowsGiven = lines.size() - firstRow;
  if (rowsGiven < kMapSize)
    throw MapError(At(fileName, static_cast<int>(lines.size()),
                      "the map has " + std::to_string(rowsGiven) + " rows, expected " +
                          std::to_string(kMapSize)));
  for (size_t y = 0; y < kMapSize; ++y) {
    const std::string& row = lines[firstRow + y];
    const int lineNumber = static_cast<int>(firstRow + y) + 1;
    if (row.size() != kMapSize)
      throw MapError(At(fileName, lineNumber,
                        "map row has " + std::to_string(row.size()) + " characters, expected " +
                            std::to_string(kMapSize)));
    for (size_t x = 0; x < kMapSize; ++x) {
      const LegendEntry* entry = source.legend.FindSymbol(row[x]);
      if (entry == nullptr)
        throw MapError(At(fileName, lineNumber,
                          "character " + Quoted(row[x]) + " in column " + std::to_string(x + 1) +
                              " is not in the legend"));
      source.cells[y * kMapSize + x] = entry->terrain;
    }
  }
  // Only blank lines may follow: a comment sign is also the castle wall's character, so an extra
  // row of wall must not pass for a comment.
  for (size_t i = firstRow + kMapSize; i < lines.size(); ++i)
    if (lines[i].find_first_not_of(" \t") != std::string::npos)
      throw MapError(At(fileName, static_cast<int>(i) + 1,
                        "more than " + std::to_string(kMapSize) + " map rows"));
}

}  // namespace

const LegendEntry* MapLegend::FindSymbol(char symbol) const {
  auto found = std::find_if(entries.begin(), entries.end(),
                            [symbol](const LegendEntry& entry) { return entry.symbol == symbol; });
  return found == entries.end() ? nullptr : &*found;
}

const LegendEntry* MapLegend::FindTerrain(uint8_t terrain) const {
  auto found = std::find_if(entries.begin(), entries.end(), [terrain](const LegendEntry& entry) {
    return entry.terrain == terrain;
  });
  return found == entries.end() ? nullptr : &*found;
}

MapLegend ParseMapLegend(const std::string& text, const std::string& fileName) {
  MapLegend legend;
  ParsePreamble(SplitLines(text), fileName, legend);
  return legend;
}

MapSource ParseMapSource(const std::string& text, const std::string& fileName) {
  const std::vector<std::string> lines = SplitLines(text);
  MapSource source;
  const size_t firstRow = ParsePreamble(lines, fileName, source.legend);
  ParseGrid(lines, firstRow, fileName, source);
  return source;
}

MapLegend DefaultMapLegend() {
  MapLegend legend;
  legend.preamble.assign(std::begin(kDefaultPreamble), std::end(kDefaultPreamble));
  for (size_t terrain = 0; terrain < kDefaultTiles.size(); ++terrain) {
    const TileName& tile = kDefaultTiles[terrain];
    legend.entries.push_back({tile.symbol, static_cast<uint8_t>(terrain), tile.name,
                              static_cast<int>(legend.preamble.size()) + 1});
    legend.preamble.push_back("legend " + std::string(1, tile.symbol) + " " +
                              std::to_string(terrain) + " " + tile.name);
  }
  legend.preamble.push_back("map");
  return legend;
}

std::string BuildMapFile(const MapCells& cells) {
  std::string file(kMapFileSize, '\0');
  std::memcpy(file.data(), kSignature, std::strlen(kSignature));
  file[kVersionOffset] = static_cast<char>(kFormatVersion);
  file[kWidthOffset] = static_cast<char>(kMapSize);
  file[kHeightOffset] = static_cast<char>(kMapSize);
  std::copy(cells.begin(), cells.end(), file.begin() + kHeaderSize);
  return file;
}

MapCells ReadMapFile(const std::string& bytes, const std::string& fileName) {
  if (bytes.size() != kMapFileSize)
    throw MapError(fileName + ": the map file has " + std::to_string(bytes.size()) +
                   " bytes, expected " + std::to_string(kMapFileSize));
  const auto width = static_cast<uint8_t>(bytes[kWidthOffset]);
  const auto height = static_cast<uint8_t>(bytes[kHeightOffset]);
  if (width != kMapSize || height != kMapSize)
    throw MapError(fileName + ": the map is " + std::to_string(width) + " x " +
                   std::to_string(height) + ", expected " + std::to_string(kMapSize) + " x " +
                   std::to_string(kMapSize));
  MapCells cells;
  std::copy(bytes.begin() + kHeaderSize, bytes.end(), cells.begin());
  return cells;
}

std::string WriteMapSource(const MapCells& cells, const MapLegend& legend,
                           const std::string& mapFileName) {
  std::string text;
  for (const std::string& line : legend.preamble) text += line + "\n";
  for (size_t y = 0; y < kMapSize; ++y) {
    for (size_t x = 0; x < kMapSize; ++x) {
      const uint8_t terrain = cells[y * kMapSize + x];
      const LegendEntry* entry = legend.FindTerrain(terrain);
      if (entry == nullptr)
        throw MapError(mapFileName + ": terrain byte " + std::to_string(terrain) + " at (" +
                       std::to_string(x) + ", " + std::to_string(y) +
                       ") has no character in the legend");
      text += entry->symbol;
    }
    text += '\n';
  }
  return text;
}

std::string CompileMapSource(const std::string& text, const std::string& fileName) {
  return BuildMapFile(ParseMapSource(text, fileName).cells);
}

std::string DecompileMapFile(const std::string& bytes, const std::string& mapFileName,
                             const MapLegend& legend) {
  return WriteMapSource(ReadMapFile(bytes, mapFileName), legend, mapFileName);
}

}  // namespace map_compiler
