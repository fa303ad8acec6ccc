// WholeFile: a data tool's source read in one piece (the tools write their files whole through
// platform::ReplaceFile). Each tool reports a failure in its own words, naming the file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The file's bytes, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);
