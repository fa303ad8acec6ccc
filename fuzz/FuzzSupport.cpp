#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/DataFiles.h"

namespace fs = std::filesystem;

namespace fuzz_support {

void EnterScratchDataFolder() {
  static bool entered = false;
  if (entered) return;
  entered = true;
  // Every run rewrites a data file, so the folder lives in memory where the system has a place.
  std::error_code noShm;
  const fs::path base =
      fs::is_directory("/dev/shm", noShm) ? fs::path("/dev/shm") : fs::temp_directory_path();
  const fs::path folder = base / ("vesk-fuzz-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  for (const char* name : kDataFiles) {
    fs::copy_file(fs::path(VESK_SOURCE_DATA_DIR) / name, folder / name,
                  fs::copy_options::overwrite_existing);
  }
  fs::current_path(folder);
  // The folder goes when the fuzzer ends; its files are rewritten on every run anyway.
  static const fs::path removeAtExit = folder;
  std::atexit([] {
    std::error_code ignored;
    fs::remove_all(removeAtExit, ignored);
  });
}

void WriteFile(const std::string& name, const uint8_t* data, size_t size) {
  FILE* file = std::fopen(name.c_str(), "wb");
  if (file == nullptr) std::abort();
  if (size > 0) std::fwrite(data, 1, size, file);
  std::fclose(file);
}

void RestoreFile(const std::string& name) {
  fs::copy_file(fs::path(VESK_SOURCE_DATA_DIR) / name, name, fs::copy_options::overwrite_existing);
}

}  // namespace fuzz_support
