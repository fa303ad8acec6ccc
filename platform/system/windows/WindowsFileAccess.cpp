// Files through the C runtime's descriptors on Windows: opened by their wide name (the game's
// UTF-8 name converted), in binary mode, and not handed on to other programs. Opened for reading
// and writing, a file the user may not write does not open; one with the read-only attribute
// counts as read-only for every user, as Windows treats it (Wine run by the superuser would open
// it).
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include "platform/system/DataFile.h"
#include "platform/system/FileAccess.h"
#include "platform/system/Messages.h"
#include "platform/system/Paths.h"
#include "platform/system/windows/SystemReason.h"

namespace platform::file_access {

namespace {

// The descriptor of `name` opened with `flags` when it is a regular file (and, with `writable`,
// one without the read-only attribute), else -1.
int OpenRegular(const std::string& name, int flags, bool writable) {
  const int fd = _wopen(PathFromUtf8(name).c_str(), flags | _O_BINARY | _O_NOINHERIT);
  if (fd < 0) return -1;
  struct _stat64 info {};
  if (_fstat64(fd, &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG ||
      (writable && (info.st_mode & _S_IWRITE) == 0)) {
    _close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

int OpenReadWrite(const std::string& name) { return OpenRegular(name, _O_RDWR, true); }

int OpenRegularRead(const std::string& name) { return OpenRegular(name, _O_RDONLY, false); }

Result<int> OpenRead(const std::string& name) {
  const int fd = _wopen(PathFromUtf8(name).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
  if (fd < 0) return Problem{std::strerror(errno)};
  return fd;
}

std::string WhyNotOpen(const std::string& name, bool readOnlyToo) {
  const std::filesystem::path path = PathFromUtf8(name);
  constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  const auto missing = [](DWORD code) {
    return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
  };
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD code = GetLastError();
    return missing(code) ? DataFile::kMissing : SystemReason(code);
  }
  // The attributes are the link's own; what it names is asked through a handle.
  const HANDLE named = CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (named == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    if (missing(code) && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
      return N_("a link to nothing");
    return SystemReason(code);
  }
  BY_HANDLE_FILE_INFORMATION info{};
  const bool known = GetFileInformationByHandle(named, &info);
  const bool onDisk = GetFileType(named) == FILE_TYPE_DISK;
  CloseHandle(named);
  if (!onDisk || !known || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return N_("not a regular file");
  if (!readOnlyToo && (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY)) return N_("read-only");
  const DWORD access = readOnlyToo ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
  const HANDLE file = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    return code == ERROR_ACCESS_DENIED && !readOnlyToo ? N_("read-only") : SystemReason(code);
  }
  CloseHandle(file);
  return "";
}

Result<size_t> Read(int descriptor, void* buffer, size_t size) {
  const int got = _read(descriptor, buffer, static_cast<unsigned>(size < INT_MAX ? size : INT_MAX));
  if (got < 0) return Problem{std::strerror(errno)};
  return static_cast<size_t>(got);
}

Result<void> Close(int descriptor) {
  if (_close(descriptor) != 0) return Problem{std::strerror(errno)};
  return {};
}

}  // namespace platform::file_access
