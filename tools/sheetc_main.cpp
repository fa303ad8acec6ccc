// sheetc: builds a tile sheet from its text source, or writes the source of a built sheet.
//   sheetc SOURCE.sheet OUTDIR                      -> OUTDIR/NAME.PAL and OUTDIR/NAME.FNT
//   sheetc --decompile NAME.PAL NAME.FNT OUT.sheet  -> OUT.sheet
#include <cstdio>
#include <string>

#include "tools/SheetCompiler.h"

int main(int argc, char** argv) {
  try {
    if (argc == 3 && std::string(argv[1]) != "--decompile") {
      sheet::CompileSheetFile(argv[1], argv[2]);
      return 0;
    }
    if (argc == 5 && std::string(argv[1]) == "--decompile") {
      sheet::DecompileSheetFiles(argv[2], argv[3], argv[4]);
      return 0;
    }
  } catch (const sheet::SheetError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  std::fprintf(stderr,
               "usage: sheetc SOURCE.sheet OUTDIR\n"
               "       sheetc --decompile NAME.PAL NAME.FNT OUT.sheet\n");
  return 2;
}
