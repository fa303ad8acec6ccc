// Fuzz support: every fuzz target runs in a scratch folder of its own that starts with copies of
// the real data files, and overwrites one of them with the fuzzer's bytes before each run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz_support {

// Makes a scratch folder, copies the shipped data files in and moves into it (once a process).
void EnterScratchDataFolder();
// Writes `size` bytes as file `name` of the current folder.
void WriteFile(const std::string& name, const uint8_t* data, size_t size);
// Puts back the shipped copy of `name`.
void RestoreFile(const std::string& name);

}  // namespace fuzz_support
