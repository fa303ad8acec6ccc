// WholeFile: a data tool's files read and written in one piece. Each tool reports a failure in
// its own words, naming the file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The file's bytes, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);
// Replaces the file with `bytes`; false when they could not all be written.
bool WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);
