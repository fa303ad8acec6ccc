// FileAccess: the system calls under DataFile, one implementation a kind of system (posix/,
// windows/). A file is a small integer descriptor on both.
#pragma once

#include <cstddef>
#include <string>

#include "platform/system/Result.h"

namespace platform::file_access {

// Opens an existing regular file for reading and writing: its descriptor, or -1 when the file is
// missing, read-only or not a regular file.
int OpenReadWrite(const std::string& name);
// Opens an existing regular file for reading only: its descriptor, or -1 when the file is missing,
// unreadable or not a regular file.
int OpenRegularRead(const std::string& name);
// Opens a file for reading only: its descriptor, or the system's reason.
Result<int> OpenRead(const std::string& name);
// Why OpenReadWrite (`readOnlyToo` false) or OpenRegularRead (true) refuses `name`:
// DataFile::kMissing, "a link to nothing", "not a regular file", "read-only" (in English,
// translated where said) or the system's own reason; empty when it would open now.
std::string WhyNotOpen(const std::string& name, bool readOnlyToo);
// Reads up to `size` bytes: the count read (0 at the end of the file), or the system's reason.
Result<size_t> Read(int descriptor, void* buffer, size_t size);
// Closes the file, or says why it could not.
Result<void> Close(int descriptor);

}  // namespace platform::file_access
