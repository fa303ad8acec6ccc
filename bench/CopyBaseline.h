// CopyBaseline: times a piece of the game next to a plain memcpy of the bytes that piece writes.
// The two alternate in every iteration, so both see the same machine at the same moment and their
// ratio holds even when the machine is busy. The piece's own time becomes the benchmark's time
// (register the benchmark with ->UseManualTime()); the counters give the copy's time per
// iteration ("copy_us"), the ratio of the two ("x_memcpy") and the piece's throughput.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <functional>

// `work` is timed; `tidy`, when given, runs after it untimed (to undo what an iteration left).
void TimeAgainstCopy(benchmark::State& state, size_t bytes, const std::function<void()>& work,
                     const std::function<void()>& tidy = {});
