// Files through the POSIX calls.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/system/DataFile.h"
#include "platform/system/FileAccess.h"
#include "platform/system/Messages.h"

namespace platform::file_access {
namespace {

// Never blocking on a pipe planted in a file's place, never taking a terminal.
constexpr int kReadWrite = O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC;
constexpr int kReadOnly = O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC;
constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

// The descriptor of `name` opened with `flags` when it is a regular file (and, with `writable`,
// one that somebody may write), else -1.
int OpenRegular(const std::string& name, int flags, bool writable) {
  const int fd = ::open(name.c_str(), flags);
  if (fd < 0) return -1;
  struct stat info {};
  // A file that nobody may write is read-only for every player, the superuser included, whom
  // the open would let through.
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
      (writable && (info.st_mode & kAnyWrite) == 0)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

int OpenReadWrite(const std::string& name) { return OpenRegular(name, kReadWrite, true); }

int OpenRegularRead(const std::string& name) { return OpenRegular(name, kReadOnly, false); }

Result<int> OpenRead(const std::string& name) {
  const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return Problem{std::strerror(errno)};
  return fd;
}

std::string WhyNotOpen(const std::string& name, bool readOnlyToo) {
  struct stat info {};
  if (::stat(name.c_str(), &info) != 0) {
    if (errno != ENOENT) return std::strerror(errno);
    return ::lstat(name.c_str(), &info) == 0 ? N_("a link to nothing") : DataFile::kMissing;
  }
  if (!S_ISREG(info.st_mode)) return N_("not a regular file");
  if (!readOnlyToo && ((info.st_mode & kAnyWrite) == 0 || ::access(name.c_str(), W_OK) != 0))
    return N_("read-only");
  const int fd = ::open(name.c_str(), readOnlyToo ? kReadOnly : kReadWrite);
  if (fd >= 0) ::close(fd);
  return fd >= 0 ? "" : std::strerror(errno);
}

Result<size_t> Read(int descriptor, void* buffer, size_t size) {
  for (;;) {
    const ssize_t got = ::read(descriptor, buffer, size);
    if (got >= 0) return static_cast<size_t>(got);
    if (errno != EINTR) return Problem{std::strerror(errno)};
  }
}

Result<void> Close(int descriptor) {
  if (::close(descriptor) != 0) return Problem{std::strerror(errno)};
  return {};
}

}  // namespace platform::file_access
