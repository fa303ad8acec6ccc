// Files through the C runtime's descriptors on Windows: opened by their wide name (the game's
// UTF-8 name converted), in binary mode, and not handed on to other programs. A file the user may
// not write (a folder under Program Files) does not open; one with the read-only attribute counts
// as read-only for every user, as Windows treats it (Wine run by the superuser would open it).
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include "platform/system/FileAccess.h"
#include "platform/system/Paths.h"

namespace platform::file_access {

int OpenReadWrite(const std::string& name) {
  const int fd = _wopen(PathFromUtf8(name).c_str(), _O_RDWR | _O_BINARY | _O_NOINHERIT);
  if (fd < 0) return -1;
  struct _stat64 info {};
  if (_fstat64(fd, &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG ||
      (info.st_mode & _S_IWRITE) == 0) {
    _close(fd);
    return -1;
  }
  return fd;
}

long Read(int descriptor, void* buffer, size_t size, std::string& error) {
  const int got = _read(descriptor, buffer, static_cast<unsigned>(size < INT_MAX ? size : INT_MAX));
  if (got < 0) error = std::strerror(errno);
  return got;
}

bool Close(int descriptor, std::string& error) {
  if (_close(descriptor) == 0) return true;
  error = std::strerror(errno);
  return false;
}

}  // namespace platform::file_access
