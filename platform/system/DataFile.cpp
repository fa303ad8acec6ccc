#include "platform/system/DataFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {

const char* const kReadBeyondEnd = "Read beyond end of file";

namespace {
constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
}  // namespace

InOutError::InOutError(const std::string& fileName, const std::string& message)
    : std::runtime_error(fileName + ": " + message), fileName_(fileName), message_(message) {}

std::optional<DataFile> DataFile::Open(const std::string& name) {
  // Read and write access is asked for, as the game always has: a read-only file counts as
  // absent. Only regular files count; a directory, a pipe or a device is absent too.
  const int fd = ::open(name.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  // A file that nobody may write is read-only for every player, the superuser included, whom
  // the open above would let through.
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || (info.st_mode & kAnyWrite) == 0) {
    ::close(fd);
    return std::nullopt;
  }
  return DataFile(name, fd);
}

std::string DataFile::WhyAbsent(const std::string& name) {
  if (Open(name)) return "";
  struct stat info {};
  if (::stat(name.c_str(), &info) != 0) {
    if (errno != ENOENT) return std::strerror(errno);
    return ::lstat(name.c_str(), &info) == 0 ? "a link to nothing" : "missing";
  }
  if (!S_ISREG(info.st_mode)) return "not a regular file";
  if ((info.st_mode & kAnyWrite) == 0 || ::access(name.c_str(), W_OK) != 0) return "read-only";
  const int fd = ::open(name.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) ::close(fd);
  return fd >= 0 ? "" : std::strerror(errno);
}

DataFile::DataFile(DataFile&& other) noexcept : name_(std::move(other.name_)), fd_(other.fd_) {
  other.fd_ = -1;
}

DataFile& DataFile::operator=(DataFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    name_ = std::move(other.name_);
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

DataFile::~DataFile() {
  if (fd_ >= 0) ::close(fd_);
}

size_t DataFile::ReadUpTo(void* buffer, size_t size) {
  auto* bytes = static_cast<char*>(buffer);
  size_t done = 0;
  while (done < size) {
    const ssize_t got = ::read(fd_, bytes + done, size - done);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      throw InOutError(name_, std::string("Read error: ") + std::strerror(errno));
    }
    done += static_cast<size_t>(got);
  }
  return done;
}

void DataFile::ReadBlock(void* buffer, size_t size) {
  if (ReadUpTo(buffer, size) != size) throw InOutError(name_, kReadBeyondEnd);
}

void DataFile::Close() {
  if (fd_ < 0) return;
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0)
    throw InOutError(name_, std::string("Close error: ") + std::strerror(errno));
}

}  // namespace platform
