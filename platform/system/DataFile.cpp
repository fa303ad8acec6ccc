#include "platform/system/DataFile.h"

#include "platform/system/FileAccess.h"
#include "platform/system/Messages.h"

namespace platform {

const char* const kReadBeyondEnd = N_("Read beyond end of file");

InOutError::InOutError(const std::string& fileName, const std::string& message)
    : std::runtime_error(fileName + ": " + message), fileName_(fileName), message_(message) {}

namespace {

// Whether the data files lie in the game's own installed folder (set once, at start-up).
bool readOnlyToo = false;

}  // namespace

void DataFile::ReadInPlace() { readOnlyToo = true; }

std::optional<DataFile> DataFile::Open(const std::string& name) {
  // Read and write access is asked for, as the game always has: a read-only file counts as
  // absent, except in the installed data folder. Only regular files count; a directory, a pipe
  // or a device is absent too.
  const int fd =
      readOnlyToo ? file_access::OpenRegularRead(name) : file_access::OpenReadWrite(name);
  if (fd < 0) return std::nullopt;
  return DataFile(name, fd);
}

std::string DataFile::WhyAbsent(const std::string& name) {
  if (Open(name)) return "";
  return file_access::WhyNotOpen(name, readOnlyToo);
}

DataFile::DataFile(DataFile&& other) noexcept : name_(std::move(other.name_)), fd_(other.fd_) {
  other.fd_ = -1;
}

DataFile& DataFile::operator=(DataFile&& other) noexcept {
  if (this != &other) {
    if (std::string ignored; fd_ >= 0) file_access::Close(fd_, ignored);
    name_ = std::move(other.name_);
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

DataFile::~DataFile() {
  if (std::string ignored; fd_ >= 0) file_access::Close(fd_, ignored);
}

size_t DataFile::ReadUpTo(void* buffer, size_t size) {
  auto* bytes = static_cast<char*>(buffer);
  size_t done = 0;
  while (done < size) {
    std::string error;
    const long got = file_access::Read(fd_, bytes + done, size - done, error);
    if (got == 0) break;
    if (got < 0) throw InOutError(name_, Format(_("Read error: %s"), error.c_str()));
    done += static_cast<size_t>(got);
  }
  return done;
}

void DataFile::ReadBlock(void* buffer, size_t size) {
  if (ReadUpTo(buffer, size) != size) throw InOutError(name_, _(kReadBeyondEnd));
}

void DataFile::Close() {
  if (fd_ < 0) return;
  const int fd = fd_;
  fd_ = -1;
  if (std::string error; !file_access::Close(fd, error))
    throw InOutError(name_, Format(_("Close error: %s"), error.c_str()));
}

}  // namespace platform
