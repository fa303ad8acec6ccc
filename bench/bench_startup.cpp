// Start-up to the first frame, in-process and without a display: making the main window, its
// create handler (the data files read, the sheets decoded, the fonts loaded), the first paint and
// the frame a backend would show. Shutting down is not timed.
#include <benchmark/benchmark.h>

#include <chrono>
#include <optional>

#include "bench/CopyBaseline.h"
#include "bench/StartedGame.h"

namespace {

// The first start of a process also pays, once, for fontconfig reading its configuration and
// font cache when the event log first looks for its face; the loop measures the starts after it.
struct FirstStart {
  size_t Bytes = 0;
  double Milliseconds = 0;
};

const FirstStart& MeasureFirstStart() {
  static const FirstStart first = [] {
    FirstStart measured;
    const auto start = std::chrono::steady_clock::now();
    StartedGame game;
    measured.Milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    measured.Bytes = StartUpBytes(game);
    return measured;
  }();
  return first;
}

void BM_StartUpToFirstFrame(benchmark::State& state) {
  const FirstStart& first = MeasureFirstStart();
  std::optional<StartedGame> game;
  TimeAgainstCopy(
      state, first.Bytes, [&] { game.emplace(); }, [&] { game.reset(); });
  state.counters["first_start_ms"] = first.Milliseconds;
}
BENCHMARK(BM_StartUpToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
