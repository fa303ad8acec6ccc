// Start-up to the first frame, in-process and without a display: making the main window, its
// create handler (the data files read, the sheets decoded, the fonts loaded), the first paint and
// the frame a backend would show. Shutting down is not timed.
#include <benchmark/benchmark.h>

#include <optional>

#include "bench/CopyBaseline.h"
#include "bench/StartedGame.h"

namespace {

void BM_StartUpToFirstFrame(benchmark::State& state) {
  size_t bytes = 0;
  {
    StartedGame sizing;
    bytes = StartUpBytes(sizing);
  }
  std::optional<StartedGame> game;
  TimeAgainstCopy(
      state, bytes, [&] { game.emplace(); }, [&] { game.reset(); });
}
BENCHMARK(BM_StartUpToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
