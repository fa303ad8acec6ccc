// kinglines: writes every line the king can say, one console row a line, as UTF-8 text, so the
// font sheet tool can draw them all for a look at the glyphs the conversation needs.
//
//   kinglines data/src/king-lines.txt
#include <cstdio>
#include <string>
#include <vector>

#include "platform/system/CodePage.h"
#include "platform/system/Paths.h"
#include "platform/system/WholeFile.h"
#include "talk/KingTable.h"

namespace {

// The console rows of the table in table order, the pieces of a row joined; empty rows are left
// out, since they show no glyph.
std::vector<std::u16string> KingRows() {
  std::vector<std::u16string> rows;
  for (const TKingRow& entry : KingTable()) {
    for (const std::u16string& row : ConsoleRowsOf(entry)) {
      if (!row.empty()) rows.push_back(row);
    }
  }
  for (std::u16string_view answer : KingRandomAnswers) rows.emplace_back(answer);
  rows.emplace_back(kSendToKing);
  return rows;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kinglines OUTPUT.txt\n");
    return 2;
  }
  std::string text;
  for (const std::u16string& row : KingRows()) text += platform::WideToUtf8(row) + '\n';
  if (const auto written = platform::ReplaceFile(platform::PathFromUtf8(argv[1]), text); !written) {
    std::fprintf(stderr, "kinglines: %s\n", written.Error().Message.c_str());
    return 1;
  }
  return 0;
}
