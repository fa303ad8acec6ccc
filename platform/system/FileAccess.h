// FileAccess: the system calls under DataFile, one implementation a kind of system (posix/,
// windows/). A file is a small integer descriptor on both.
#pragma once

#include <cstddef>
#include <string>

namespace platform::file_access {

// Opens an existing regular file for reading and writing: its descriptor, or -1 when the file is
// missing, read-only or not a regular file.
int OpenReadWrite(const std::string& name);
// Opens an existing regular file for reading only: its descriptor, or -1 when the file is missing,
// unreadable or not a regular file.
int OpenRegularRead(const std::string& name);
// Opens a file for reading only: its descriptor, or -1 with `error` saying why.
int OpenRead(const std::string& name, std::string& error);
// Why OpenReadWrite (`readOnlyToo` false) or OpenRegularRead (true) refuses `name`:
// DataFile::kMissing, "a link to nothing", "not a regular file", "read-only" (in English,
// translated where said) or the system's own reason; empty when it would open now.
std::string WhyNotOpen(const std::string& name, bool readOnlyToo);
// Reads up to `size` bytes: the count read (0 at the end of the file), or -1 with `error` saying
// why.
long Read(int descriptor, void* buffer, size_t size, std::string& error);
// Closes the file; false with `error` saying why.
bool Close(int descriptor, std::string& error);

}  // namespace platform::file_access
