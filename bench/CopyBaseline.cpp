#include "bench/CopyBaseline.h"

#include <chrono>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double SecondsBetween(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

}  // namespace

void TimeAgainstCopy(benchmark::State& state, size_t bytes, const std::function<void()>& work,
                     const std::function<void()>& tidy) {
  std::vector<uint8_t> from(bytes, 0x5A);
  std::vector<uint8_t> to(bytes, 0);
  double workSeconds = 0;
  double copySeconds = 0;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    work();
    const Clock::time_point worked = Clock::now();
    benchmark::DoNotOptimize(to.data());
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::ClobberMemory();
    const Clock::time_point copied = Clock::now();
    if (tidy) tidy();
    const double seconds = SecondsBetween(start, worked);
    workSeconds += seconds;
    copySeconds += SecondsBetween(worked, copied);
    state.SetIterationTime(seconds);
  }
  if (state.iterations() == 0 || copySeconds <= 0) return;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
  state.counters["bytes"] = static_cast<double>(bytes);
  state.counters["copy_us"] = copySeconds * 1e6 / static_cast<double>(state.iterations());
  state.counters["x_memcpy"] = workSeconds / copySeconds;
}
