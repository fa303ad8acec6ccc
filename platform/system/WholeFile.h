// WholeFile: writing a file the player keeps (settings, pictures, a run's log and state) so that
// it is either written whole or not at all. A failed write (a full disk, a read-only folder) is
// an error naming the file and the system's reason; it never leaves a half or empty file in the
// place of the one asked for, and it never writes through a link planted beside it. One
// implementation a kind of system (posix/, windows/).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/system/Result.h"

namespace platform {

// Makes `bytes` the whole content of `path`: written under a new name beside it, then renamed over
// it, so a reader sees the old file or the new one, never half of one. A `path` that is a link is
// written through to the file it names (a player's dotfiles), keeping that file's permissions. A
// `path` that names a device or a pipe (/dev/stdout) is written directly. The problem ("cannot
// write PATH: reason") when the bytes are not all safely on the disk.
Result<void> ReplaceFile(const std::filesystem::path& path, std::string_view bytes);

enum class NewFile { Written, NameTaken };

// Writes `bytes` into `path` only if nothing of that name exists, not even a link; NameTaken
// then. A write that fails removes the file it made and names the problem.
Result<NewFile> WriteNewFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace platform
