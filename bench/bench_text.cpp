// Text on the panes: the renderer drawing one full line of mixed Hangul and ASCII (50 bytes, the
// longest line the conversation prints) into a pane, and the console writing such a line on its
// last row, which scrolls the whole pane up by one row.
#include <benchmark/benchmark.h>

#include "app/Vesk3_main.h"
#include "bench/CopyBaseline.h"
#include "platform/image/Bitmap.h"
#include "platform/system/CodePage.h"
#include "talk/Talk.h"
#include "text/Vesk3_console.h"

namespace {

constexpr size_t kLineBytes = 50;
constexpr size_t kCellBytes = 8 * 16 * 4;
constexpr int32_t kConsoleRows = 20;  // usable rows of the 336-pixel console

const char* const kLine = "왕: 어서 오게, Vesk의 용사여! 10주년을 축하하네 :)";

// The console pane at its place on a window surface of its own.
struct Console {
  platform::Bitmap Window{layout::kClientWidth, layout::kClientHeight};
  TConsoleWindow Pane{layout::kConsolePane.Left, layout::kConsolePane.Top,
                      layout::kConsolePane.Width(), layout::kConsolePane.Height(), Window};
  Console() { Pane.TextColor = kConsoleTextColor; }
  ~Console() { Pane.Release(); }
};

bool LineIsFull(benchmark::State& state, const std::string& codePageLine) {
  if (codePageLine.size() == kLineBytes) return true;
  state.SkipWithError("the sample line is not 50 bytes in code page 949");
  return false;
}

void BM_DrawTextLine(benchmark::State& state) {
  Console console;
  const std::u16string line = platform::Utf8ToWide(kLine);
  if (!LineIsFull(state, platform::WideToCodePage(line))) return;
  // The bytes of the line's cells, every pixel the line can ink.
  TimeAgainstCopy(state, kLineBytes * kCellBytes,
                  [&] { console.Pane.Hangul->DrawText(0, 0, line, console.Pane.TextColor, 0); });
}
BENCHMARK(BM_DrawTextLine)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_WriteLineWithScroll(benchmark::State& state) {
  Console console;
  const std::string line = platform::Utf8ToCodePage(kLine);
  if (!LineIsFull(state, line)) return;
  // Fill the usable rows, so that every further line scrolls.
  for (int32_t row = 0; row < kConsoleRows; ++row) console.Pane.WriteLine(line);
  const size_t paneWidthCells = static_cast<size_t>(console.Pane.Bitmap.Width() / 8);
  // The line's cells, the rows 1..19 moved up a row, and the fresh last row.
  const size_t bytes = kLineBytes * kCellBytes + (kConsoleRows - 1) * paneWidthCells * kCellBytes +
                       paneWidthCells * kCellBytes;
  TimeAgainstCopy(state, bytes, [&] { console.Pane.WriteLine(line); });
  if (console.Pane.Cursor.Y != kConsoleRows - 1) state.SkipWithError("the console did not scroll");
}
BENCHMARK(BM_WriteLineWithScroll)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
