// Files written whole through the POSIX calls.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/system/Messages.h"
#include "platform/system/TemporaryName.h"
#include "platform/system/WholeFile.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

// Files the game makes are created without following a link, and never over an existing name.
constexpr int kCreateNew = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY;

Problem Failure(const fs::path& path, int error) {
  return {Format(_("cannot write %s: %s"), path.string().c_str(), std::strerror(error))};
}

// Writes all of `bytes` to `fd` and closes it; the errno of the first failure, or 0. A regular
// file is synced first, so a full disk that the file system only notices late is still caught.
int WriteAllAndClose(int fd, std::string_view bytes, bool sync) {
  int failure = 0;
  while (!bytes.empty() && failure == 0) {
    const ssize_t done = ::write(fd, bytes.data(), bytes.size());
    if (done < 0 && errno != EINTR) failure = errno;
    if (done > 0) bytes.remove_prefix(static_cast<size_t>(done));
  }
  if (failure == 0 && sync && ::fsync(fd) != 0) failure = errno;
  if (::close(fd) != 0 && failure == 0 && errno != EINTR) failure = errno;
  return failure;
}

// The file a chain of links ends at (a link to nothing ends at the name it names); `path`
// itself when it is no link.
fs::path ThroughLinks(fs::path path) {
  std::error_code failed;
  for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(path, failed)); ++hops) {
    const fs::path target = fs::read_symlink(path, failed);
    if (failed) break;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return path;
}

// A short name beside `path` that nothing has yet, created empty and open for writing.
int CreateBeside(const fs::path& path, fs::path& temporary) {
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  TemporaryNames names;
  for (int tries = 0; tries < TemporaryNames::kTries; ++tries) {
    temporary = folder / names.Next();
    const int fd = ::open(temporary.c_str(), kCreateNew, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

Result<void> ReplaceFile(const fs::path& path, std::string_view bytes) {
  struct stat existing {};
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  if (exists && !S_ISREG(existing.st_mode)) {
    // A device or a pipe (/dev/stdout into a pipe) cannot be replaced, only written to.
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY);
    const int failure = fd < 0 ? errno : WriteAllAndClose(fd, bytes, false);
    if (failure != 0) return Failure(path, failure);
    return {};
  }
  const fs::path target = ThroughLinks(path);
  fs::path temporary;
  const int fd = CreateBeside(target, temporary);
  if (fd < 0) return Failure(path, errno);
  int failure = 0;
  if (exists && ::fchmod(fd, existing.st_mode & 07777) != 0) failure = errno;
  if (failure == 0)
    failure = WriteAllAndClose(fd, bytes, true);
  else
    ::close(fd);
  if (failure == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) failure = errno;
  if (failure != 0) {
    ::unlink(temporary.c_str());
    return Failure(path, failure);
  }
  return {};
}

Result<NewFile> WriteNewFile(const fs::path& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), kCreateNew, 0666);
  if (fd < 0) {
    if (errno == EEXIST) return NewFile::NameTaken;
    return Failure(path, errno);
  }
  const int failure = WriteAllAndClose(fd, bytes, true);
  if (failure == 0) return NewFile::Written;
  ::unlink(path.c_str());
  return Failure(path, failure);
}

}  // namespace platform
