// DataFile: reading the game's data files in exact blocks.
// A file is opened by name relative to the working directory, asking for read and write access to
// an existing regular file; a missing, read-only (on POSIX systems: no write permission for anyone,
// which binds the superuser too) or non-regular file counts as absent. In the game's own installed
// data folder, which a package installs read-only and which the game never writes, read access is
// enough (ReadInPlace). A block read that comes up short raises InOutError "Read beyond end of
// file" (in the player's language), naming the file.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/system/Messages.h"

namespace platform {

class InOutError : public std::runtime_error {
 public:
  InOutError(const std::string& fileName, const std::string& message);
  const std::string& FileName() const { return fileName_; }
  const std::string& Message() const { return message_; }

 private:
  std::string fileName_;
  std::string message_;
};

extern const char* const kReadBeyondEnd;  // "Read beyond end of file", in English

class DataFile {
 public:
  // From now on a read-only file opens for reading: the working directory is the game's own
  // installed data folder.
  static void ReadInPlace();
  // The open file, or nothing when the file counts as absent.
  static std::optional<DataFile> Open(const std::string& name);
  // Why Open finds `name` absent, for a message: kMissing, "a link to nothing", "not a regular
  // file", "read-only" (each in English: translate it where it is said) or the system's own
  // reason; empty when it opens.
  static std::string WhyAbsent(const std::string& name);
  static constexpr char kMissing[] = N_("missing");

  DataFile(DataFile&& other) noexcept;
  DataFile& operator=(DataFile&& other) noexcept;
  DataFile(const DataFile&) = delete;
  DataFile& operator=(const DataFile&) = delete;
  ~DataFile();

  const std::string& Name() const { return name_; }
  // Reads exactly `size` bytes or throws InOutError.
  void ReadBlock(void* buffer, size_t size);
  // Reads as many bytes as the file still holds, up to `size`; returns the count.
  size_t ReadUpTo(void* buffer, size_t size);
  void Close();

 private:
  DataFile(std::string name, int descriptor) : name_(std::move(name)), fd_(descriptor) {}
  std::string name_;
  int fd_ = -1;
};

}  // namespace platform
