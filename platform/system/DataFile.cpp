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
    if (fd_ >= 0) (void)file_access::Close(fd_);
    name_ = std::move(other.name_);
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

DataFile::~DataFile() {
  if (fd_ >= 0) (void)file_access::Close(fd_);
}

size_t DataFile::ReadUpTo(void* buffer, size_t size) {
  auto* bytes = static_cast<char*>(buffer);
  size_t done = 0;
  while (done < size) {
    const Result<size_t> got = file_access::Read(fd_, bytes + done, size - done);
    if (!got) throw InOutError(name_, Format(_("Read error: %s"), got.Error().Message.c_str()));
    if (*got == 0) break;
    done += *got;
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
  if (const Result<void> closed = file_access::Close(fd); !closed)
    throw InOutError(name_, Format(_("Close error: %s"), closed.Error().Message.c_str()));
}

}  // namespace platform
