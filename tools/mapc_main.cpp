// mapc: builds the world map file from its text source, or turns a map file back into a source.
//   mapc SOURCE.map OUT.M
//   mapc --decompile MAP.M OUT.map [LEGEND.map]
// Decompiling takes the comments and legend of LEGEND.map when given, else a legend with one
// character for every tile. Problems are reported as "FILE:LINE: problem" with exit status 1;
// the output file is written only when everything succeeded.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "tools/MapCompiler.h"

namespace {

constexpr int kBadData = 1;
constexpr int kBadUsage = 2;

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw map_compiler::MapError(path + ": cannot open for reading");
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw map_compiler::MapError(path + ": read error");
  return bytes;
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw map_compiler::MapError(path + ": cannot write");
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
          argc == 5 ? ParseMapLegend(ReadWholeFile(argv[4]), argv[4]) : DefaultMapLegend();
      WriteWholeFile(argv[3], DecompileMapFile(ReadWholeFile(argv[2]), argv[2], legend));
      return 0;
    }
    if (argc == 3 && !first.starts_with("--")) {
      WriteWholeFile(argv[2], CompileMapSource(ReadWholeFile(argv[1]), argv[1]));
      return 0;
    }
  } catch (const MapError& error) {
    std::cerr << error.what() << "\n";
    return kBadData;
  }
  return Usage();
}
