// Files through the POSIX calls.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/system/FileAccess.h"

namespace platform::file_access {

int OpenReadWrite(const std::string& name) {
  const int fd = ::open(name.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat info {};
  // A file that nobody may write is read-only for every player, the superuser included, whom
  // the open above would let through.
  constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || (info.st_mode & kAnyWrite) == 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

long Read(int descriptor, void* buffer, size_t size, std::string& error) {
  for (;;) {
    const ssize_t got = ::read(descriptor, buffer, size);
    if (got >= 0) return static_cast<long>(got);
    if (errno == EINTR) continue;
    error = std::strerror(errno);
    return -1;
  }
}

bool Close(int descriptor, std::string& error) {
  if (::close(descriptor) == 0) return true;
  error = std::strerror(errno);
  return false;
}

}  // namespace platform::file_access
