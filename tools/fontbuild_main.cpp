// fontbuild: writes the game's fonts ascii.fnt and H01.fnt from GNU Unifont's unifont.hex.
//   fontbuild /usr/share/unifont/unifont.hex OUTDIR
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/DataFiles.h"
#include "platform/system/Paths.h"
#include "platform/system/WholeFile.h"
#include "tools/FontBuilder.h"

namespace {

bool WriteFont(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  const auto written = platform::ReplaceFile(
      path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (!written) std::fprintf(stderr, "fontbuild: %s\n", written.Error().Message.c_str());
  return static_cast<bool>(written);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: fontbuild UNIFONT.hex OUTDIR\n");
    return 2;
  }
  const std::string hexPath = argv[1];
  const std::filesystem::path outDir = argv[2];

  const auto source = fontbuild::ReadHexFont(hexPath);
  if (!source) {
    std::fprintf(stderr, "fontbuild: %s\n", source.Error().Message.c_str());
    return 1;
  }
  fontbuild::FitReport fit;
  const auto ascii = fontbuild::BuildAsciiFont(*source);
  const auto hangul = ascii ? fontbuild::BuildHangulFont(*source, &fit) : ascii;
  if (!hangul) {
    std::fprintf(stderr, "fontbuild: %s: %s\n", hexPath.c_str(), hangul.Error().Message.c_str());
    return 1;
  }
  if (!WriteFont(outDir / kAsciiFontFile, *ascii) || !WriteFont(outDir / kHangulFontFile, *hangul))
    return 1;

  std::printf(
      "component fit: %d sweeps, then %d for the weakest syllables; differing pixels over %d "
      "syllables: %ld at start, %ld fitted\n",
      fit.sweeps, fit.weakSweeps, fontbuild::kSyllableCount, fit.initialDifference,
      fit.fittedDifference);
  return 0;
}
