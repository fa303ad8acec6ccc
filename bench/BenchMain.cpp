// The benchmarks' entry: moves into the game's data folder, where the game opens its files by
// name, notes the processor in the report's context, then runs the benchmarks asked for.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// The "model name" line of /proc/cpuinfo, or "" where there is none.
std::string ProcessorModel() {
  std::ifstream cpuinfo("/proc/cpuinfo");
  std::string line;
  while (std::getline(cpuinfo, line)) {
    if (line.rfind("model name", 0) != 0) continue;
    const size_t colon = line.find(':');
    if (colon != std::string::npos) return line.substr(line.find_first_not_of(' ', colon + 1));
  }
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  std::error_code error;
  std::filesystem::current_path(VESK_SOURCE_DATA_DIR, error);
  if (error || !std::filesystem::exists("VESK.M")) {
    std::fprintf(stderr, "vesk bench: no game data in %s%s%s\n", VESK_SOURCE_DATA_DIR,
                 error ? ": " : "", error ? error.message().c_str() : "");
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  const std::string model = ProcessorModel();
  if (!model.empty()) benchmark::AddCustomContext("cpu_model", model);
  try {
    benchmark::RunSpecifiedBenchmarks();
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "vesk bench: cannot start the game: %s\n", failure.what());
    return 1;
  }
  benchmark::Shutdown();
  return 0;
}
