// mapc: builds the world map file from its text source, or turns a map file back into a source.
//   mapc SOURCE.map OUT.M
//   mapc --decompile MAP.M OUT.map [LEGEND.map]
// Decompiling takes the comments and legend of LEGEND.map when given, else a legend with one
// character for every tile. Problems are reported as "FILE:LINE: problem" with exit status 1;
// the output file is written only when everything succeeded.
#include <iostream>
#include <string>

#include "platform/system/Paths.h"
#include "platform/system/WholeFile.h"
#include "tools/MapCompiler.h"
#include "tools/WholeFile.h"

namespace {

constexpr int kBadData = 1;
constexpr int kBadUsage = 2;

std::string ReadMapFile(const std::string& path) {
  std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) throw map_compiler::MapError(path + ": cannot open for reading");
  return *std::move(bytes);
}

void WriteMapFile(const std::string& path, const std::string& bytes) {
  if (const auto written = platform::ReplaceFile(platform::PathFromUtf8(path), bytes); !written)
    throw map_compiler::MapError(written.Error().Message);
}

int Usage() {
  std::cerr << "usage: mapc SOURCE.map OUT.M\n"
               "       mapc --decompile MAP.M OUT.map [LEGEND.map]\n";
  return kBadUsage;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace map_compiler;
  const std::string first = argc > 1 ? argv[1] : "";
  try {
    if (first == "--decompile" && (argc == 4 || argc == 5)) {
      const MapLegend legend =
          argc == 5 ? ParseMapLegend(ReadMapFile(argv[4]), argv[4]) : DefaultMapLegend();
      WriteMapFile(argv[3], DecompileMapFile(ReadMapFile(argv[2]), argv[2], legend));
      return 0;
    }
    if (argc == 3 && !first.starts_with("--")) {
      WriteMapFile(argv[2], CompileMapSource(ReadMapFile(argv[1]), argv[1]));
      return 0;
    }
  } catch (const MapError& error) {
    std::cerr << error.what() << "\n";
    return kBadData;
  }
  return Usage();
}
